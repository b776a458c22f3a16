// The column engine, the 21 Counter and the round's arithmetic, driven without a window.
#include "support/PlatformFakes.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackColumns.h"
#include "games/quickjack/QuickjackCounter.h"
#include "games/quickjack/QuickjackRound.h"

#include <gtest/gtest.h>
#include <vector>

using namespace quickjack;

namespace {

class QuickjackEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetQuickjackDefaults();
        gCardsToPass = 3;
        CreateDeck();
        StartGameState();
        gDeckIndex = 1;
    }

    // Lays cards of these ranks from the card on show onwards.
    void lay(const std::vector<int>& ranks)
    {
        int position = gDeckIndex;
        for (int rank : ranks)
            gDeck.at(position++) = cardCode(rank, 0);
    }

    HitOutcome hits(const std::vector<int>& columns)
    {
        HitOutcome last;
        for (int c : columns)
            last = Hit(c);
        return last;
    }
};

TEST_F(QuickjackEngineTest, AnAceCountsElevenOnlyWhileTheColumnStaysAtTwentyOneOrBelow)
{
    lay({10, 1});
    hits({0});
    const HitOutcome ace = Hit(0);
    EXPECT_TRUE(ace.softShown);
    EXPECT_TRUE(ace.twentyOne) << "an ace on 10 makes 21 at once";
    EXPECT_EQ(gColumnTotal[0], 0);
    EXPECT_EQ(gSoftAces[0], 0);

    lay({6, 5, 1});
    hits({1, 1});
    const HitOutcome hard = Hit(1);
    EXPECT_FALSE(hard.softShown) << "an ace on 11 counts 1";
    EXPECT_EQ(gColumnTotal[1], 12);
    EXPECT_EQ(gSoftAces[1], 0);
}

TEST_F(QuickjackEngineTest, ASoftColumnIsRecountedInsteadOfBusting)
{
    lay({1, 6, 9});
    hits({2, 2});
    ASSERT_EQ(gColumnTotal[2], 17);
    ASSERT_EQ(gSoftAces[2], 1);
    const HitOutcome nine = Hit(2);
    EXPECT_FALSE(nine.bust);
    EXPECT_TRUE(nine.softCleared);
    EXPECT_EQ(gColumnTotal[2], 16);
    EXPECT_EQ(gColumnCards3, 3);
}

TEST_F(QuickjackEngineTest, ABustCostsAHundredAndLeavesTheCardOnShow)
{
    lay({10, 5, 10});
    hits({0, 0});
    const int used = gDeckIndex;
    const HitOutcome ten = Hit(0);
    EXPECT_TRUE(ten.bust);
    EXPECT_EQ(gScore, -100) << "the score may fall below 0";
    EXPECT_EQ(gDeckIndex, used);
    EXPECT_EQ(gColumnTotal[0], 15);
    EXPECT_EQ(gColumnCards1, 2);
    // The same card still fits elsewhere.
    EXPECT_FALSE(Hit(1).bust);
    EXPECT_EQ(gColumnTotal[1], 10);
}

TEST_F(QuickjackEngineTest, AFifthCardMakingTwentyOneIsATwentyOneNotAFiveCardColumn)
{
    lay({2, 3, 4, 2, 10});
    const HitOutcome last = hits({0, 0, 0, 0, 0});
    EXPECT_TRUE(last.twentyOne);
    EXPECT_FALSE(last.fiveCards);
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(gTwentyOnes, 1);
    EXPECT_EQ(gRunningBonus, 1000);
}

TEST_F(QuickjackEngineTest, FiveCardsShortOfTwentyOnePayTheBonusAndEmptyTheColumn)
{
    lay({1, 2, 2, 2, 2, 10, 6, 10});
    const HitOutcome fifth = hits({3, 3, 3, 3, 3});
    ASSERT_TRUE(fifth.fiveCards);
    EXPECT_EQ(gScore, 750);
    EXPECT_EQ(gColumnTotal[3], 0);
    EXPECT_EQ(gColumnCards4, 0);
    EXPECT_EQ(gSoftAces[3], 0);
    EXPECT_EQ(gTwentyOnes, 0);
    hits({3, 3});
    EXPECT_TRUE(Hit(3).bust) << "no soft ace is left to recount";
}

TEST_F(QuickjackEngineTest, TwentyOnesRaiseTheRunningBonusByTheTwentyOneValue)
{
    lay({10, 1, 10, 1, 10, 1});
    hits({0, 0, 1, 1});
    EXPECT_EQ(gRunningBonus, 2000);
    gTwentyOneBonus = 500;
    hits({2, 2});
    EXPECT_EQ(gRunningBonus, 2500);
    EXPECT_EQ(gTwentyOnes, 3);
}

TEST_F(QuickjackEngineTest, PassingStopsAtTheLastCardAndAtTheLastPass)
{
    gPassesLeft = 10;
    gDeckIndex = 51;
    const PassOutcome toLast = Pass();
    EXPECT_TRUE(toLast.lastCardOnShow);
    EXPECT_EQ(gDeckIndex, 52);
    EXPECT_TRUE(Pass().refused) << "nothing lies behind the last card";
    EXPECT_EQ(gDeckIndex, 52);

    gDeckIndex = 1;
    gPassesLeft = 1;
    EXPECT_TRUE(Pass().passesUsedUp);
    EXPECT_TRUE(Pass().refused);
    EXPECT_EQ(gDeckIndex, 2);
}

TEST_F(QuickjackEngineTest, TheLastCardPaysCompletionAfterItsOwnTwentyOne)
{
    gDeckIndex = 51;
    lay({10, 1});
    Hit(0);
    const HitOutcome last = Hit(0);
    EXPECT_TRUE(last.twentyOne);
    EXPECT_TRUE(last.deckCompleted);
    EXPECT_EQ(gDeckIndex, 53);
    EXPECT_EQ(gScore, 100000);
    EXPECT_EQ(Hit(1).slot, -1) << "no card beyond the deck is read";
}

TEST_F(QuickjackEngineTest, HitsAreIgnoredWhileTheRoundIsOver)
{
    gRoundOver = true;
    const HitOutcome o = Hit(0);
    EXPECT_EQ(o.slot, -1);
    EXPECT_FALSE(o.bust);
    EXPECT_EQ(gDeckIndex, 1);
}

TEST_F(QuickjackEngineTest, TheScoreStaysWithinThirtyTwoBits)
{
    gScore = 2147483000;
    AddToScore(100000);
    EXPECT_EQ(gScore, 2147483647);
    gScore = -2147483600;
    AddToScore(-100);
    EXPECT_EQ(gScore, -2147483647 - 1);
}

TEST(QuickjackPile, ThePileThinsAsTheDeckIsUsed)
{
    EXPECT_EQ(PileKey(1), QStringLiteral("FULL"));
    EXPECT_EQ(PileKey(16), QStringLiteral("FULL"));
    EXPECT_EQ(PileKey(17), QStringLiteral("HALF"));
    EXPECT_EQ(PileKey(34), QStringLiteral("HALF"));
    EXPECT_EQ(PileKey(35), QStringLiteral("BACK"));
}

TEST(QuickjackCounterTest, RunsHundredStepsThenFallsBackToOneTwentyOnesWorth)
{
    resetSuiteGlobals();
    gTwentyOneBonus = 1000;
    gRunningBonus = 5000;
    QuickjackCounter counter;
    int blinkStep = 0;
    for (int i = 1; i <= 100; ++i) {
        const auto s = counter.step();
        ASSERT_FALSE(s.fellBack);
        if (s.blinkStarts)
            blinkStep = i;
    }
    EXPECT_EQ(blinkStep, 50);
    EXPECT_EQ(counter.value(), 100);
    EXPECT_EQ(gRunningBonus, 5000);
    EXPECT_TRUE(counter.step().fellBack) << "the 101st step finds it full";
    EXPECT_EQ(counter.value(), 0);
    EXPECT_EQ(gRunningBonus, 1000);

    for (int i = 0; i < 99; ++i)
        counter.step();
    counter.restart();
    EXPECT_EQ(counter.value(), 0) << "a 21 at 99 starts it over with no fall-back";
    EXPECT_EQ(gRunningBonus, 1000);
}

TEST(QuickjackRoundTest, OnlyAScoreAboveTheThresholdPlaysTheBonusRound)
{
    EXPECT_TRUE(PlaysRound(2, 0, 250000));
    EXPECT_TRUE(PlaysRound(3, 0, 250000));
    EXPECT_FALSE(PlaysRound(4, 250000, 250000)) << "an equal score does not qualify";
    EXPECT_TRUE(PlaysRound(4, 250001, 250000));
    EXPECT_TRUE(IsBonusRound(4, 250001, 250000));
    EXPECT_FALSE(IsBonusRound(3, 250001, 250000));
    EXPECT_FALSE(PlaysRound(5, 999999, 250000));
}

TEST(QuickjackRoundTest, TimeWarningsFollowTheQuarterAndHalfOfTheLimit)
{
    struct Case {
        int limit, left;
        const char* text;
    };
    const Case cases[] = {
        {90, 46, ""}, {90, 45, "Times running out!"}, {90, 22, "Times running out!"}, {90, 21, "Better Hurry!"},
        {15, 9, ""},  {15, 8, "Times running out!"},  {15, 4, "Times running out!"},  {15, 3, "Better Hurry!"},
        {30, 15, "Times running out!"}, {30, 7, "Better Hurry!"}, {120, 61, ""}, {120, 29, "Better Hurry!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimeWarning(c.limit, c.limit - c.left), QString::fromLatin1(c.text)) << c.limit << " " << c.left;
}

TEST(QuickjackRoundTest, TheTwentyOneLineAndAngles)
{
    RoundPay pay;
    pay.twentyOnes = 2;
    pay.runningBonus = 3000;
    pay.twentyOnePoints = 6000;
    EXPECT_EQ(TwentyOneLine(pay), QStringLiteral("2 X 3,000 = 6,000"));
    EXPECT_EQ(ClockAngle(1, 90), 4);
    EXPECT_EQ(ClockAngle(90, 90), 360);
    EXPECT_EQ(ClockAngle(5, 0), 0) << "a limit of 0 must not divide";
}

} // namespace
