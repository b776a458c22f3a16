#pragma once
// Each game's own scoring values. They live in the core because the rules dialog quotes them and the
// custom-scoring dialogs edit them; each game sets its built-in values when its window loads
// (Set<Game>Defaults), then its settings file and its dialog may change them. The suite-wide
// gTimeBonus, gBonusRoundScore and gDeckCompletionBonus (SuiteGlobals.h) are set there too for the
// games that use them.
#include <cstdint>

// ---- Tallies ----
extern std::int32_t gTalliesBonusScore;      // score needed after the regular rounds for the bonus round
extern std::int32_t gTalliesComboBonus;      // points per combination, paid at round end
extern std::int32_t gTalliesCompletionBonus; // clearing every exposed field card
namespace TalliesDefaults {
constexpr std::int32_t BonusScore = 80000;
constexpr std::int32_t CompletionBonus = 10000;
constexpr std::int32_t ComboBonus = 1500;
constexpr std::int32_t TimeBonus = 100;
} // namespace TalliesDefaults
void SetTalliesDefaults();

// ---- Stackjack ----
extern std::int32_t gStackjackBonusScore; // score needed for the bonus round
extern int gMaxTimeBonus;                 // time-bonus multiplier at the start of a round
extern int gMinTimeBonus;                 // multiplier when time runs out
extern float gBonusDecrement;             // multiplier lost per second: (max - min) / time limit
extern int gCurrentTotal;                 // total of the five columns
extern std::int32_t gCardTotalValue;      // the value-table points of that total
namespace StackjackDefaults {
constexpr std::int32_t BonusScore = 200000;
constexpr int MaxTimeBonus = 300;
constexpr int MinTimeBonus = 100;
constexpr int TimeLimit = 60;
} // namespace StackjackDefaults
// Also sets the decrement for the time limit in force (the default limit while none is set).
void SetStackjackDefaults();

// ---- Quickjack ----
extern int gTwentyOnes;                // 21s made in the round
extern std::int32_t gTwentyOneBonus;   // step of the 21 Bonus Value, and what it falls back to
extern std::int32_t gCardsUsedBonus;   // points per card used in the round
extern std::int32_t gFiveCardsBonus;   // a five-card column that does not exceed 21
extern int gTimerSpeed;                // 21 Counter step in ms: 90, 180 or 360
namespace QuickjackDefaults {
constexpr std::int32_t TwentyOneBonus = 1000;
constexpr std::int32_t CardsUsedBonus = 100;
constexpr std::int32_t FiveCardsBonus = 750;
constexpr std::int32_t DeckCompletionBonus = 100000;
constexpr std::int32_t BonusRoundScore = 250000;
constexpr int TimerSpeed = 90;
} // namespace QuickjackDefaults
void SetQuickjackDefaults();

// ---- Spires ----
extern int gCardValue;             // run step: what each further card of a run adds to its value
extern std::int32_t gHighRunBonus; // per card of a run longer than the record
extern std::int32_t gSpireBonus;   // per tower cleared
namespace SpiresDefaults {
constexpr int CardValue = 100;
constexpr std::int32_t HighRunBonus = 1000;
constexpr std::int32_t SpireBonus = 5000;
constexpr std::int32_t TimeBonus = 100;
constexpr std::int32_t BonusRoundScore = 40000;
} // namespace SpiresDefaults
void SetSpiresDefaults();

// ---- Duetto ----
extern std::int32_t gPairsBonus;      // per pair
extern std::int32_t gRunsBonus;       // per two-card run
extern std::int32_t gCompletionBonus; // clearing the upper cards
namespace DuettoDefaults {
constexpr std::int32_t PairsBonus = 3000;
constexpr std::int32_t RunsBonus = 500;
constexpr std::int32_t CompletionBonus = 10000;
constexpr std::int32_t TimeBonus = 100;
constexpr std::int32_t BonusRoundScore = 80000;
} // namespace DuettoDefaults
void SetDuettoDefaults();

// ---- Gridhand (gFlushPoints is also Cairnwell's flush-run bonus) ----
extern std::int32_t gPairPoints;
extern std::int32_t gTwoPairPoints;
extern std::int32_t gThreeKindPoints;
extern std::int32_t gStraightPoints;
extern std::int32_t gFlushPoints;
extern std::int32_t gFullHousePoints;
extern std::int32_t gFourKindPoints;
extern std::int32_t gStraightFlushPoints;
extern std::int32_t gRoyalFlushPoints;
extern int gOverwritesAllowed; // filled cells a card may replace per round
namespace GridhandDefaults {
constexpr std::int32_t PairPoints = 50;
constexpr std::int32_t TwoPairPoints = 70;
constexpr std::int32_t ThreeKindPoints = 80;
constexpr std::int32_t StraightPoints = 90;
constexpr std::int32_t FlushPoints = 100;
constexpr std::int32_t FullHousePoints = 200;
constexpr std::int32_t FourKindPoints = 300;
constexpr std::int32_t StraightFlushPoints = 400;
constexpr std::int32_t RoyalFlushPoints = 500;
constexpr int OverwritesAllowed = 3;
constexpr std::int32_t TimeBonus = 1;
constexpr std::int32_t BonusRoundScore = 100000;
} // namespace GridhandDefaults
void SetGridhandDefaults();

// ---- Cairnwell: current values, and the default copies its custom check compares them with ----
extern std::int32_t gTrioValue;       // three of a kind
extern std::int32_t gRunValue;        // a run of three
extern std::int32_t gLeftoverPenalty; // per card left once the deck is cleared; held positive
extern int gDefaultTrioValue;
extern int gDefaultRunValue;
extern int gDefaultLeftoverPenalty;
extern int gDefaultDeckCompletion;
extern int gDefaultFlushBonus;
extern int gDefaultTimeBonus;
extern std::int32_t gDefaultBonusScore;
namespace CairnwellDefaults {
constexpr int TrioValue = 6000;
constexpr int RunValue = 300;
constexpr int LeftoverPenalty = 250;
constexpr int DeckCompletion = 15000;
constexpr int FlushBonus = 5000;
constexpr int TimeBonus = 200;
constexpr std::int32_t BonusScore = 100000;
} // namespace CairnwellDefaults
// Sets the default copies, then every current value (flush, deck, time and bonus-round included) from them.
void SetCairnwellDefaults();
