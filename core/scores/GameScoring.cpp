#include "core/scores/GameScoring.h"

#include "core/SuiteGlobals.h"

std::int32_t gTalliesBonusScore = TalliesDefaults::BonusScore;
std::int32_t gTalliesComboBonus = TalliesDefaults::ComboBonus;
std::int32_t gTalliesCompletionBonus = TalliesDefaults::CompletionBonus;

void SetTalliesDefaults()
{
    gTalliesBonusScore = TalliesDefaults::BonusScore;
    gTalliesCompletionBonus = TalliesDefaults::CompletionBonus;
    gTalliesComboBonus = TalliesDefaults::ComboBonus;
    gTimeBonus = TalliesDefaults::TimeBonus;
}

std::int32_t gStackjackBonusScore = StackjackDefaults::BonusScore;
int gMaxTimeBonus = StackjackDefaults::MaxTimeBonus;
int gMinTimeBonus = StackjackDefaults::MinTimeBonus;
float gBonusDecrement =
    float(double(StackjackDefaults::MaxTimeBonus - StackjackDefaults::MinTimeBonus) / StackjackDefaults::TimeLimit);
int gCurrentTotal = 0;
std::int32_t gCardTotalValue = 0;

void SetStackjackDefaults()
{
    gStackjackBonusScore = StackjackDefaults::BonusScore;
    gMaxTimeBonus = StackjackDefaults::MaxTimeBonus;
    gMinTimeBonus = StackjackDefaults::MinTimeBonus;
    const int limit = gTimeLimit > 0 ? gTimeLimit : StackjackDefaults::TimeLimit;
    gBonusDecrement = float(double(gMaxTimeBonus - gMinTimeBonus) / limit);
}

int gTwentyOnes = 0;
std::int32_t gTwentyOneBonus = QuickjackDefaults::TwentyOneBonus;
std::int32_t gCardsUsedBonus = QuickjackDefaults::CardsUsedBonus;
std::int32_t gFiveCardsBonus = QuickjackDefaults::FiveCardsBonus;
int gTimerSpeed = QuickjackDefaults::TimerSpeed;

void SetQuickjackDefaults()
{
    gTwentyOneBonus = QuickjackDefaults::TwentyOneBonus;
    gCardsUsedBonus = QuickjackDefaults::CardsUsedBonus;
    gFiveCardsBonus = QuickjackDefaults::FiveCardsBonus;
    gTimerSpeed = QuickjackDefaults::TimerSpeed;
    gDeckCompletionBonus = QuickjackDefaults::DeckCompletionBonus;
    gBonusRoundScore = QuickjackDefaults::BonusRoundScore;
}

int gCardValue = SpiresDefaults::CardValue;
std::int32_t gHighRunBonus = SpiresDefaults::HighRunBonus;
std::int32_t gSpireBonus = SpiresDefaults::SpireBonus;

void SetSpiresDefaults()
{
    gCardValue = SpiresDefaults::CardValue;
    gHighRunBonus = SpiresDefaults::HighRunBonus;
    gSpireBonus = SpiresDefaults::SpireBonus;
    gTimeBonus = SpiresDefaults::TimeBonus;
    gBonusRoundScore = SpiresDefaults::BonusRoundScore;
}

std::int32_t gPairsBonus = DuettoDefaults::PairsBonus;
std::int32_t gRunsBonus = DuettoDefaults::RunsBonus;
std::int32_t gCompletionBonus = DuettoDefaults::CompletionBonus;

void SetDuettoDefaults()
{
    gPairsBonus = DuettoDefaults::PairsBonus;
    gRunsBonus = DuettoDefaults::RunsBonus;
    gCompletionBonus = DuettoDefaults::CompletionBonus;
    gTimeBonus = DuettoDefaults::TimeBonus;
    gBonusRoundScore = DuettoDefaults::BonusRoundScore;
}

std::int32_t gPairPoints = GridhandDefaults::PairPoints;
std::int32_t gTwoPairPoints = GridhandDefaults::TwoPairPoints;
std::int32_t gThreeKindPoints = GridhandDefaults::ThreeKindPoints;
std::int32_t gStraightPoints = GridhandDefaults::StraightPoints;
std::int32_t gFlushPoints = GridhandDefaults::FlushPoints;
std::int32_t gFullHousePoints = GridhandDefaults::FullHousePoints;
std::int32_t gFourKindPoints = GridhandDefaults::FourKindPoints;
std::int32_t gStraightFlushPoints = GridhandDefaults::StraightFlushPoints;
std::int32_t gRoyalFlushPoints = GridhandDefaults::RoyalFlushPoints;
int gOverwritesAllowed = GridhandDefaults::OverwritesAllowed;

void SetGridhandDefaults()
{
    gPairPoints = GridhandDefaults::PairPoints;
    gTwoPairPoints = GridhandDefaults::TwoPairPoints;
    gThreeKindPoints = GridhandDefaults::ThreeKindPoints;
    gStraightPoints = GridhandDefaults::StraightPoints;
    gFlushPoints = GridhandDefaults::FlushPoints;
    gFullHousePoints = GridhandDefaults::FullHousePoints;
    gFourKindPoints = GridhandDefaults::FourKindPoints;
    gStraightFlushPoints = GridhandDefaults::StraightFlushPoints;
    gRoyalFlushPoints = GridhandDefaults::RoyalFlushPoints;
    gOverwritesAllowed = GridhandDefaults::OverwritesAllowed;
    gTimeBonus = GridhandDefaults::TimeBonus;
    gBonusRoundScore = GridhandDefaults::BonusRoundScore;
}

std::int32_t gTrioValue = CairnwellDefaults::TrioValue;
std::int32_t gRunValue = CairnwellDefaults::RunValue;
std::int32_t gLeftoverPenalty = CairnwellDefaults::LeftoverPenalty;
int gDefaultTrioValue = CairnwellDefaults::TrioValue;
int gDefaultRunValue = CairnwellDefaults::RunValue;
int gDefaultLeftoverPenalty = CairnwellDefaults::LeftoverPenalty;
int gDefaultDeckCompletion = CairnwellDefaults::DeckCompletion;
int gDefaultFlushBonus = CairnwellDefaults::FlushBonus;
int gDefaultTimeBonus = CairnwellDefaults::TimeBonus;
std::int32_t gDefaultBonusScore = CairnwellDefaults::BonusScore;

void SetCairnwellDefaults()
{
    gDefaultTrioValue = CairnwellDefaults::TrioValue;
    gDefaultRunValue = CairnwellDefaults::RunValue;
    gDefaultLeftoverPenalty = CairnwellDefaults::LeftoverPenalty;
    gDefaultDeckCompletion = CairnwellDefaults::DeckCompletion;
    gDefaultFlushBonus = CairnwellDefaults::FlushBonus;
    gDefaultTimeBonus = CairnwellDefaults::TimeBonus;
    gDefaultBonusScore = CairnwellDefaults::BonusScore;

    gTrioValue = gDefaultTrioValue;
    gRunValue = gDefaultRunValue;
    gLeftoverPenalty = gDefaultLeftoverPenalty;
    gDeckCompletionBonus = gDefaultDeckCompletion;
    gFlushPoints = gDefaultFlushBonus;
    gTimeBonus = gDefaultTimeBonus;
    gBonusRoundScore = gDefaultBonusScore;
}
