#pragma once
// "Gridhand.Ini": options, scoring values and window placement kept between runs; each key is followed
// by its value and an empty line. The reader gives what the file says; the window applies the time
// limit, card back and switches through its own menu handlers and ApplyScoringSettings stores the rest.
#include "core/settings/WindowPlacement.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;
namespace platform {
class ItemReader;
}

namespace gridhand {

inline constexpr const char* SettingsFileName = "Gridhand.Ini";

// The time limits the menu offers; any other "[Time]" value is not applied.
inline constexpr std::array<int, 7> OfferedTimeLimits{30, 45, 60, 75, 90, 105, 120};
inline constexpr int DefaultTimeLimit = 75;

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing, or its value is not a number, one too big
// for its variable, a choice the menus do not offer, or more overwrites than the deck allows, so the
// value in force stays. Scoring values beyond the user-options bounds are kept as stored.
struct GridhandSettings {
    std::optional<int> timeLimit;
    std::optional<bool> soundsOn; // only "True" is on
    std::optional<bool> musicOn;
    std::optional<bool> countDownScore;
    std::optional<int> deckDesign; // 1 Palm Tree .. 4 Hot Cards
    std::optional<std::int32_t> timeBonus;
    std::optional<std::int32_t> bonusScore;
    std::optional<std::int32_t> pair, twoPair, trips, flush, fullHouse, straight, four, straightFlush, royalFlush;
    std::optional<int> overWrites;
    std::optional<int> windowState;
    std::optional<int> widthTw;
    std::optional<int> heightTw;
};

// Reads the items to the end; keys may come in any order and the last occurrence wins.
GridhandSettings ReadSettingsINI(platform::ItemReader& reader);

// Opens the file; when it cannot be opened writes the values in force and opens it again; reads it.
GridhandSettings LoadSettingsINI(const WindowPlacement& placement);

// Stores the scoring values and the count-down the file gave; the others stay.
void ApplyScoringSettings(const GridhandSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const GridhandSettings& settings);

// The whole file from the values in force: seventeen keys, then the window; CR LF and a final CR LF.
// A maximised window is written as 9570 x 7200.
QByteArray SettingsText(const WindowPlacement& placement);

// Writes the file whole (temporary file renamed over the old one); false when it could not.
bool WriteSettingsINI(const WindowPlacement& placement);

// The player's message when the file could not be written on closing.
QString SettingsWriteFailedMessage();

} // namespace gridhand
