#pragma once
// "Quickjack.Ini": the options, scoring values and window placement kept between runs, each key
// followed by its value and an empty line. The reader gives what the file says; the window applies
// the switches, card back, time limit and placement through its own handlers.
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

namespace quickjack {

inline constexpr const char* SettingsFileName = "Quickjack.Ini";

namespace SettingsDefaults {
constexpr int TimeLimit = 90;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
constexpr int DeckDesign = 3; // Night Castle
constexpr int CardsToPass = 3;
constexpr std::int32_t WaitPeriod = 2000; // milliseconds
constexpr bool CountDownScore = true;
} // namespace SettingsDefaults

// Quickjack numbers the card backs Hot Cards 1, Magic Hands 2, Night Castle 3, Palm Tree 4.
int DeckDesignNumber(CardBackDesign design);
// Any number other than 1, 2 or 3 is Palm Tree.
CardBackDesign CardBackOfDeckNumber(int number);

// 0 normal, 1 minimised, 2 maximised; size in twips.
using WindowPlacement = settingsfile::WindowPlacement;
using settingsfile::PlacementOf;

// What the file said. An empty field: the key was missing or its value was refused (not a number,
// or outside what the user-options dialog accepts), so the value in force stays.
struct QuickjackSettings {
    std::optional<bool> soundsOn; // only "True" is on
    std::optional<int> timerSpeed; // 90, 180 or 360
    bool timerSpeedRefused = false; // another speed: the player is told, and 90 is used
    std::optional<bool> musicOn;
    std::optional<CardBackDesign> cardBack;
    std::optional<int> cardsToPass;             // 0 to 10
    std::optional<std::int32_t> twentyOneBonus; // 0 to 5000
    std::optional<std::int32_t> cardsUsedBonus; // 0 to 5000
    std::optional<std::int32_t> fiveCardsBonus; // 0 to 50000
    std::optional<std::int32_t> deckCompletionBonus; // 0 to 1000000
    std::optional<std::int32_t> waitPeriod;     // 0 to 60000 ms
    std::optional<int> timeLimit;               // 1 to 32767 seconds; the menu checks only 15, 30, 60, 90, 120
    std::optional<std::int32_t> bonusRoundScore; // 0 to 2147483647
    std::optional<bool> countDownScore;
    std::optional<int> windowState;
    std::optional<int> widthTw;
    std::optional<int> heightTw;
};

// Reads the items to the end; keys may come in any order and the last occurrence wins.
QuickjackSettings ReadSettingsINI(platform::ItemReader& reader);

// Opens the file; when it cannot, writes the first-run values (with the window's placement) and
// opens it again; then reads it. Nothing read when even that fails.
QuickjackSettings LoadSettingsINI(const WindowPlacement& placement);

// Stores the scoring values the file gave (sets gCardsToPass and gPassesLeft alike); keeps the
// values in force for those it did not give.
void ApplyScoringSettings(const QuickjackSettings& settings);

// Sets the window's state, then its size unless it is maximised.
void ApplyWindowPlacement(QWidget& window, const QuickjackSettings& settings);

struct QuickjackSettingsValues {
    int timerSpeed = 90;
    bool soundsOn = SettingsDefaults::SoundsOn;
    bool musicOn = SettingsDefaults::MusicOn;
    int deckDesign = SettingsDefaults::DeckDesign;
    int cardsToPass = SettingsDefaults::CardsToPass;
    std::int32_t twentyOneBonus = 1000;
    std::int32_t cardsUsedBonus = 100;
    std::int32_t fiveCardsBonus = 750;
    std::int32_t deckCompletionBonus = 100000;
    std::int32_t waitPeriod = SettingsDefaults::WaitPeriod;
    int timeLimit = SettingsDefaults::TimeLimit;
    std::int32_t bonusRoundScore = 250000;
    bool countDownScore = SettingsDefaults::CountDownScore;
};
QuickjackSettingsValues FirstRunSettings();
QuickjackSettingsValues CurrentSettings();

// The whole file: sixteen keys, each with its value and an empty line, CR LF, and a final CR LF.
// A maximised window is written as 9060 x 7155.
QByteArray SettingsText(const QuickjackSettingsValues& values, const WindowPlacement& placement);

bool WriteSettingsINI(const QuickjackSettingsValues& values, const WindowPlacement& placement);

struct SettingsSaveResult {
    bool ok = true;
    QString message;
};
SettingsSaveResult SaveSettingsOnClose(const WindowPlacement& placement);

// The message when "[Timer Speed]" holds no offered speed.
QString TimerSpeedRefusedMessage();

// gCustomScoring: passes, cards-used bonus, bonus-round score, completion bonus, five-card bonus or
// the counter speed away from the built-in values. The 21 bonus, wait and count-down do not count.
void CheckForCustom();

// The built-in scoring and options a load starts from, before the file is read.
void SetBuiltInValues();

} // namespace quickjack
