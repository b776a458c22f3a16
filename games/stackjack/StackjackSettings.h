#pragma once
// "Stackjack.Ini": the options, scoring values and window placement kept between runs. Each key is
// followed by its value and an empty line. The reader gives what the file says; the window applies the
// time limit, card back, switches and placement through its own menu handlers, and
// ApplyScoringSettings stores the scoring values.
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

namespace stackjack {

inline constexpr const char* SettingsFileName = "Stackjack.Ini";

// The time limits the menu offers; any other "[Time]" value is not applied.
inline constexpr std::array<int, 5> OfferedTimeLimits{15, 30, 45, 60, 75};

// Values a first run starts from, beside StackjackDefaults (bonus score, multipliers).
namespace SettingsDefaults {
constexpr int TimeLimit = 60;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
constexpr std::int32_t WaitPeriod = 2000; // milliseconds
constexpr bool CountDownScore = true;
constexpr int CardsToPass = 1;
} // namespace SettingsDefaults

// Stackjack numbers the card backs Hot Cards 1, Magic Hands 2, Night Castle 3, Palm Tree 4.
int DeckDesignNumber(CardBackDesign design);
// Any number other than 1, 2 or 3 is Palm Tree.
CardBackDesign CardBackOfDeckNumber(int number);

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing, or its value was not one the game
// accepts (a time limit not offered, a number outside the custom-scoring dialog's bounds), so the
// value in force stays.
struct StackjackSettings {
    std::optional<int> timeLimit;             // one of OfferedTimeLimits
    std::optional<bool> soundsOn;             // only "True" is on
    std::optional<bool> musicOn;
    std::optional<CardBackDesign> cardBack;   // "1" Hot Cards, "2" Magic Hands, "3" Night Castle, else Palm Tree
    std::optional<int> maxTimeBonus;          // 1 to 10000
    std::optional<int> minTimeBonus;          // 1 to 10000 (below the maximum: ApplyScoringSettings)
    std::optional<std::int32_t> bonusScore;   // 0 to 2147483647
    std::optional<std::int32_t> waitPeriod;   // 0 to 30000 ms
    std::optional<bool> countDownScore;
    std::optional<int> cardsToPass;           // 0 to 10
    std::optional<int> windowState;           // 0, 1 or 2
    std::optional<int> widthTw;               // applied only while the window is not maximised
    std::optional<int> heightTw;
};

// Reads the items to the end; keys may come in any order and the last occurrence wins.
StackjackSettings ReadSettingsINI(platform::ItemReader& reader);

// The load: opens the file; when it cannot be opened, writes the first-run values (with the window's
// placement) and opens it again; then reads it. Nothing read when even that fails.
StackjackSettings LoadSettingsINI(const WindowPlacement& placement);

// Stores the scoring values the file gave, or the built-in ones where it gave none or a minimum not
// below the maximum; sets gCardsToPass and gPassesLeft alike, then recomputes the time-bonus
// decrement for gTimeLimit and the custom-scoring flag.
void ApplyScoringSettings(const StackjackSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const StackjackSettings& settings);

// What the writer puts in the file.
struct StackjackSettingsValues {
    int timeLimit = SettingsDefaults::TimeLimit;
    bool soundsOn = SettingsDefaults::SoundsOn;
    bool musicOn = SettingsDefaults::MusicOn;
    int deckDesign = 0;
    std::int32_t bonusScore = 0;
    int maxTimeBonus = 0;
    int minTimeBonus = 0;
    std::int32_t waitPeriod = SettingsDefaults::WaitPeriod;
    bool countDownScore = SettingsDefaults::CountDownScore;
    int cardsToPass = SettingsDefaults::CardsToPass; // per round, never the passes left
};
// The first-run values; the card back is the design current now (0 when none was chosen yet) and
// the passes are gCardsToPass.
StackjackSettingsValues FirstRunSettings();
// The values in force, as the window keeps them when it closes.
StackjackSettingsValues CurrentSettings();

// The whole file: thirteen keys, each with its value and an empty line, CR LF, and a final CR LF.
// A maximised window is written as 9540 x 7305.
QByteArray SettingsText(const StackjackSettingsValues& values, const WindowPlacement& placement);

// Writes the file whole (temporary file renamed over the old one); false when it could not.
bool WriteSettingsINI(const StackjackSettingsValues& values, const WindowPlacement& placement);

struct SettingsSaveResult {
    bool ok = true;
    QString message; // for the player when not ok; the window closes anyway
};
// The close: writes CurrentSettings().
SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement);

// gCustomScoring: any multiplier, the bonus score or the passes per round (gCardsToPass) away from the
// built-in values. The wait and the count-down do not count, nor the passes left: a refused entry sets
// them to a bound while the passes a game deals with stay as they were.
void CheckForCustom();

} // namespace stackjack
