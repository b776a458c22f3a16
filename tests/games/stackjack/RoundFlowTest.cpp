#include "StackjackFixture.h"

#include "games/stackjack/CardTotalTable.h"

#include <algorithm>

using namespace stackjack;

namespace {
void expectFreshRound()
{
    EXPECT_EQ(gDeckIndex, 2) << "the deck's second card is the first on show";
    EXPECT_EQ(CardOnShow(), gDeck[2]);
    EXPECT_FALSE(gRoundOver);
    EXPECT_EQ(gPassesLeft, gCardsToPass);
    EXPECT_EQ(gGiveUpCaption, GiveUpCaption::GiveUp);
    EXPECT_EQ(gMarkedRow, BelowRow);
    EXPECT_EQ(gTimeBonus, gMaxTimeBonus);
    for (int i = 0; i < ColumnCount; ++i) {
        EXPECT_EQ(ColumnCards(i), 0);
        EXPECT_EQ(gColumnTotal[i], 0);
        EXPECT_TRUE(gHitEnabled[i]);
        EXPECT_FALSE(ColumnSoft(i));
    }
    auto sorted = gDeck;
    std::sort(sorted.begin() + 1, sorted.end());
    ASSERT_TRUE(CreateDeck());
    auto full = gDeck;
    std::sort(full.begin() + 1, full.end());
    EXPECT_EQ(sorted, full);
    gDeck = sorted;
}

// Ends the round in play as the window does: round end, reset, then what comes next.
RoundTransition finishRound()
{
    EndCurrentRound();
    Reset();
    return EndRound();
}
} // namespace

TEST_F(StackjackTest, ANewGameStartsRoundOneWithAFreshDeck)
{
    EXPECT_EQ(gStackjackRound, 1);
    EXPECT_EQ(gScore, 0);
    EXPECT_TRUE(gGameInProgress);
    expectFreshRound();
}

TEST_F(StackjackTest, ThreeRoundsAlwaysThenTheBonusRoundWhenTheScoreReachesTheThreshold)
{
    struct Case {
        std::int32_t scoreAfterRoundThree;
        bool bonusRound;
    };
    for (const Case c : {Case{200000, true}, Case{199999, false}}) {
        SCOPED_TRACE(c.scoreAfterRoundThree);
        ASSERT_TRUE(StartGame());
        gScore = 500000; // a high score early on does not shorten the game
        for (int next = 2; next <= 3; ++next) {
            const auto transition = finishRound();
            EXPECT_EQ(transition.next, NextStep::NextRound);
            EXPECT_EQ(transition.round, next);
            EXPECT_EQ(transition.announcement, "Prepare for Round " + std::to_string(next));
            ASSERT_TRUE(DealRound());
            expectFreshRound();
        }
        gScore = c.scoreAfterRoundThree;
        auto transition = finishRound();
        if (c.bonusRound) {
            EXPECT_EQ(transition.next, NextStep::BonusRound);
            EXPECT_EQ(transition.round, 4);
            EXPECT_EQ(transition.announcement, "Prepare for Bonus Round!");
            ASSERT_TRUE(DealRound());
            transition = finishRound();
        }
        EXPECT_EQ(transition.next, NextStep::GameOver);
        EXPECT_EQ(gStackjackRound, 5);
        EXPECT_TRUE(transition.announcement.empty());
        EXPECT_TRUE(gRoundOver);
        EXPECT_EQ(gScore, c.scoreAfterRoundThree) << "the table merge reads the final score";
        EndGame();
        EXPECT_FALSE(gGameInProgress);
        EXPECT_EQ(gScore, 0);
        EXPECT_EQ(gStackjackRound, 0);
        EXPECT_TRUE(gRoundOver) << "nothing plays until the next game";
    }
}

TEST_F(StackjackTest, ARoundEndsOnlyOnce)
{
    EXPECT_EQ(EndCurrentRound().result, RoundResult::TooLow);
    EXPECT_EQ(EndCurrentRound().result, RoundResult::Ignored);
    EXPECT_EQ(gStackjackRound, 2);
}

TEST_F(StackjackTest, PassesDiscardTheCardOnShowWhileAnyAreLeft)
{
    gCardsToPass = 2;
    Reset();
    const CardCode third = gDeck[3];
    auto pass = Pass();
    EXPECT_FALSE(pass.refused);
    EXPECT_EQ(pass.nextCard, third);
    EXPECT_TRUE(pass.passEnabled);
    pass = Pass();
    EXPECT_EQ(pass.passesLeft, 0);
    EXPECT_FALSE(pass.passEnabled);
    EXPECT_EQ(gDeckIndex, 4);

    EXPECT_TRUE(Pass().refused);
    EXPECT_EQ(gPassesLeft, 0);
    EXPECT_EQ(gDeckIndex, 4);

    Reset();
    EXPECT_EQ(gPassesLeft, 2);
    EndCurrentRound();
    EXPECT_FALSE(PassAllowed());
    EXPECT_TRUE(Pass().refused) << "no pass while the round ends";
    EXPECT_EQ(gDeckIndex, 4);

    gCardsToPass = 0;
    ASSERT_TRUE(StartGame());
    EXPECT_FALSE(PassAllowed());
}

TEST_F(StackjackTest, AnAbandonedGameEndsWithoutScore)
{
    lay({10, 10});
    hits({0, 1});
    gScore = 12345;
    AbandonGame();
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(gStackjackRound, 0);
    EXPECT_EQ(gColumnTotal[0], 0);
    EXPECT_TRUE(Hit(2).ignored);
    EXPECT_TRUE(Pass().refused);
}
