#pragma once
// "Spires.Ini": the options, the five scoring values, the longest run and the window placement kept
// between runs; each key is followed by its value and an empty line. The reader gives what the file
// says; the window applies the time limit, card back and switches through its own menu handlers.
#include "core/cards/CardBacks.h"
#include "core/settings/WindowPlacement.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;
namespace platform {
class ItemReader;
}

namespace spires {

inline constexpr const char* SettingsFileName = "Spires.Ini";

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing or its value was not one the game would
// accept (a time limit or design not offered, no number, or one too big for its variable), so the value
// in force stays. Numbers beyond the user-options bounds are kept as stored.
struct SpiresSettings {
    std::optional<bool> musicOn; // only "True" is on
    std::optional<int> timeLimit; // 30, 45, 60 or 90
    std::optional<bool> soundsOn;
    std::optional<int> highRun; // 16-bit
    std::optional<int> cardValue; // 16-bit
    std::optional<std::int32_t> bonusRoundScore;
    std::optional<std::int32_t> spireBonus;
    std::optional<std::int32_t> highRunBonus;
    std::optional<bool> countDownScore;
    std::optional<std::int32_t> timeBonus;
    std::optional<int> windowState;
    std::optional<int> widthTw;
    std::optional<int> heightTw;
    std::optional<CardBackDesign> cardBack; // "1" Palm Tree .. "4" Hot Cards
};

// Reads the items to the end; keys in any order, a repeated key applied again (the last wins).
SpiresSettings ReadSettingsINI(platform::ItemReader& reader);

// The eleven values the writer takes, in the order the window passes them.
struct SpiresSettingsValues {
    int timeLimit = 45;
    bool soundsOn = true;
    bool musicOn = false;
    int deckDesign = 1;
    int highRun = 0;
    std::int32_t timeBonus = 0;
    std::int32_t bonusRoundScore = 0;
    std::int32_t spireBonus = 0;
    std::int32_t highRunBonus = 0;
    bool countDownScore = true;
    int cardValue = 0;
};

// The whole file: fourteen keys, each with its value and an empty line after, CR LF, and a final
// CR LF. A maximised window is written as 9570 x 7200.
QByteArray SettingsText(const SpiresSettingsValues& values, const WindowPlacement& placement);

// Writes the file whole (temporary file renamed over the old one); false when it could not.
bool WriteSettingsINI(const SpiresSettingsValues& values, const WindowPlacement& placement);

// The load: opens the file; when it cannot be opened, writes `inForce` and opens it again; then
// reads it. Nothing read when even that fails.
SpiresSettings LoadSettingsINI(const SpiresSettingsValues& inForce, const WindowPlacement& placement);

// Stores the scoring values and the count-down switch the file gave.
void ApplyScoringSettings(const SpiresSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const SpiresSettings& settings);

// gCustomScoring: any of the five scoring values away from its built-in value. The count-down switch
// and the time limit do not count.
void CheckForCustom();

// The message for a settings file that could not be written on closing.
QString SettingsNotSavedMessage();

} // namespace spires
