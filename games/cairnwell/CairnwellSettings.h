#pragma once
// "Cairnwell.Ini": the options, five scoring values and the window's placement kept between runs.
// Each key is followed by its value and an empty line, CR LF throughout. The reader gives what the
// file says; the window applies the time limit and card back through its own menu handlers.
#include "core/cards/CardBacks.h"
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

namespace cairnwell {

inline constexpr const char* SettingsFileName = "Cairnwell.Ini";
inline constexpr std::array<int, 8> OfferedTimeLimits{60, 75, 90, 105, 120, 135, 150, 180};

namespace SettingsDefaults {
constexpr int TimeLimit = 120;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
constexpr bool CountDownScore = true;
constexpr int DeckDesign = 1;
} // namespace SettingsDefaults

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing, or its value was not one the game would
// take (a time limit or design not offered, a number outside the user-options dialog's bounds).
struct CairnwellSettings {
    std::optional<int> timeLimit;
    std::optional<bool> soundsOn; // only "True" is on
    std::optional<bool> musicOn;
    std::optional<bool> countDownScore;
    std::optional<CardBackDesign> cardBack; // "1" Palm Tree .. "4" Hot Cards
    std::optional<std::int32_t> timeBonus;
    std::optional<std::int32_t> bonusScore;
    std::optional<std::int32_t> tripsScore;
    std::optional<std::int32_t> runsScore;
    std::optional<std::int32_t> flushScore;
    std::optional<int> windowState;
    std::optional<int> widthTw;
    std::optional<int> heightTw;
};

// Reads the items to the end; keys may come in any order and the last occurrence wins.
CairnwellSettings ReadSettingsINI(platform::ItemReader& reader);

// What the writer puts in the file, in its order.
struct CairnwellSettingsValues {
    int timeLimit = SettingsDefaults::TimeLimit;
    bool soundsOn = SettingsDefaults::SoundsOn;
    bool musicOn = SettingsDefaults::MusicOn;
    bool countDownScore = SettingsDefaults::CountDownScore;
    int deckDesign = SettingsDefaults::DeckDesign;
    std::int32_t timeBonus = 0;
    std::int32_t bonusScore = 0;
    std::int32_t runValue = 0;
    std::int32_t trioValue = 0;
    std::int32_t flushValue = 0;
};
// The values in force (at load, before the file is read, these are the built-in ones).
CairnwellSettingsValues CurrentSettings();

// The whole file: thirteen entries and a final CR LF. A maximised window is written as 9540 x 7305.
QByteArray SettingsText(const CairnwellSettingsValues& values, const WindowPlacement& placement);
// Writes the file whole (temporary file renamed over the old one); false when it could not.
bool WriteSettingsINI(const CairnwellSettingsValues& values, const WindowPlacement& placement);

// The load: opens the file; when it cannot be opened, writes the values in force and opens it again;
// then reads it. Nothing read when even that fails.
CairnwellSettings LoadSettingsINI(const WindowPlacement& placement);

// Stores the five scoring values the file gave (gTimeBonus, gBonusRoundScore, gTrioValue, gRunValue,
// gFlushPoints) and the count-down switch.
void ApplyScoringSettings(const CairnwellSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const CairnwellSettings& settings);

struct SettingsSaveResult {
    bool ok = true;
    QString message; // for the player when not ok; the window closes anyway
};
SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement);

} // namespace cairnwell
