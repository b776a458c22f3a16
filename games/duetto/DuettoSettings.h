#pragma once
// "Duetto.Ini": the options, scoring values and window placement kept between runs. Every record is
// the key in square brackets, its value and an empty line. The reader gives what the file says; the
// window applies the time limit, card back, switches and placement through its own handlers, and
// ApplyScoringSettings stores the rest.
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

namespace duetto {

inline constexpr const char* SettingsFileName = "Duetto.Ini";

// The time limits the menu offers; any other "[Time]" value is not applied.
inline constexpr std::array<int, 7> OfferedTimeLimits{30, 45, 60, 75, 90, 105, 120};

namespace SettingsDefaults {
constexpr int TimeLimit = 45;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
constexpr int DeckDesign = 1;
constexpr bool CountDownScore = true;
} // namespace SettingsDefaults

// 1 Palm Tree, 2 Magic Hands, 3 Night Castle, 4 Hot Cards.
int DeckDesignNumber(CardBackDesign design);
std::optional<CardBackDesign> CardBackOfDeckNumber(int number);

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing, or its value is not one the game accepts
// (a time limit not offered, a number that is none or lies outside the user-options dialog's bounds),
// so the value in force stays.
struct DuettoSettings {
    std::optional<int> timeLimit;
    std::optional<bool> soundsOn; // only "True" is on
    std::optional<bool> musicOn;
    std::optional<CardBackDesign> cardBack;
    std::optional<bool> countDownScore;
    std::optional<std::int32_t> pairsBonus;
    std::optional<std::int32_t> runsBonus;
    std::optional<std::int32_t> timeBonus;
    std::optional<std::int32_t> bonusScore;
    std::optional<std::int32_t> completionBonus;
    std::optional<int> windowState;
    std::optional<int> widthTw;
    std::optional<int> heightTw;
};

// Reads the items to the end; keys may come in any order and the last occurrence wins.
DuettoSettings ReadSettingsINI(platform::ItemReader& reader);

// The load: opens the file; when it cannot be opened, writes it from the values in force (the
// built-in ones at load) with the window's placement and opens it again; then reads it.
DuettoSettings LoadSettingsINI(const WindowPlacement& placement);

// Stores the count-down and the five scoring values the file gave; the others stay.
void ApplyScoringSettings(const DuettoSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const DuettoSettings& settings);

struct DuettoSettingsValues {
    int timeLimit = SettingsDefaults::TimeLimit;
    bool soundsOn = SettingsDefaults::SoundsOn;
    bool musicOn = SettingsDefaults::MusicOn;
    int deckDesign = SettingsDefaults::DeckDesign;
    bool countDownScore = SettingsDefaults::CountDownScore;
    std::int32_t pairsBonus = 0;
    std::int32_t runsBonus = 0;
    std::int32_t timeBonus = 0;
    std::int32_t bonusScore = 0;
    std::int32_t completionBonus = 0;
};
// The values in force (gTimeLimit, gSoundsOn, ... gCompletionBonus).
DuettoSettingsValues CurrentSettings();

// The whole file: fourteen records, "[Play Music]" first and fourth, CR LF line ends, each record
// ending with an empty line. A maximised window is written as 9570 x 7200.
QByteArray SettingsText(const DuettoSettingsValues& values, const WindowPlacement& placement);

// Writes the file whole (temporary file renamed over the old one); false when it could not.
bool WriteSettingsINI(const DuettoSettingsValues& values, const WindowPlacement& placement);

// The message for the player when the file could not be written on closing.
QString SettingsNotSavedMessage();

} // namespace duetto
