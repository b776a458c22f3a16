#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandGrid.h"
#include "games/gridhand/GridhandRules.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace gridhand;

namespace {
class GridModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetGridhandDefaults();
        gOverwritesUsed = 0;
        CreateDeck();
        grid.Deal(gDeck);
        grid.DrawCard();
    }
    GridhandGrid grid;
};
} // namespace

TEST_F(GridModelTest, DealDrawsTheFirstCardAndEachPlacementTheNext)
{
    EXPECT_EQ(grid.mCardsLeft, 51);
    EXPECT_EQ(grid.mHandCount, 1);
    EXPECT_EQ(grid.HoleCard(), gDeck[1]);
    EXPECT_EQ(grid.Place(7, gOverwritesAllowed), Placement::Placed);
    EXPECT_EQ(grid.mGridCards[7], gDeck[1]);
    EXPECT_EQ(grid.mHandCount, 0);
    EXPECT_EQ(grid.Place(8, gOverwritesAllowed), Placement::Refused); // nothing in hand until the next draw
    grid.DrawCard();
    EXPECT_EQ(grid.mCardsLeft, 50);
    EXPECT_EQ(grid.HoleCard(), gDeck[2]);
}

TEST_F(GridModelTest, OverwritesAreLimitedPerRoundAndLeaveTheEmptyCellsAlone)
{
    grid.Place(0, gOverwritesAllowed);
    for (int i = 0; i < 3; ++i) {
        grid.DrawCard();
        EXPECT_EQ(grid.Place(0, gOverwritesAllowed), Placement::Overwrote);
    }
    grid.DrawCard();
    EXPECT_EQ(grid.Place(0, gOverwritesAllowed), Placement::Refused);
    EXPECT_EQ(gOverwritesUsed, 3);
    EXPECT_EQ(grid.mGridCards[0], gDeck[4]);
    EXPECT_EQ(grid.Place(1, gOverwritesAllowed), Placement::Placed);
    EXPECT_FALSE(grid.IsFull());

    gOverwritesUsed = 0;
    grid.DrawCard();
    EXPECT_EQ(grid.Place(1, 0), Placement::Refused);
}

TEST_F(GridModelTest, TheGridIsFullOnlyWhenTheLastEmptyCellIsFilled)
{
    for (int i = 0; i < 24; ++i) {
        ASSERT_EQ(grid.Place(i, gOverwritesAllowed), Placement::Placed);
        grid.DrawCard();
    }
    EXPECT_FALSE(grid.IsFull());
    EXPECT_EQ(grid.Place(24, gOverwritesAllowed), Placement::Placed);
    EXPECT_TRUE(grid.IsFull());
}

TEST_F(GridModelTest, TheDeckPictureFollowsTheCardsBelowTheDrawnOne)
{
    EXPECT_STREQ(StackKeyFor(26), "FULL");
    EXPECT_STREQ(StackKeyFor(25), "HALF");
    EXPECT_STREQ(StackKeyFor(13), "HALF");
    EXPECT_STREQ(StackKeyFor(12), "BACK");
    EXPECT_STREQ(StackKeyFor(1), "BACK");
    EXPECT_STREQ(StackKeyFor(0), "EMPTY");
}

TEST_F(GridModelTest, AnEmptiedDeckDrawsNothingAndAnEmptyHandCannotOverwrite)
{
    // 51 draws follow the first; the last card is drawn, then nothing.
    DrawResult last{};
    for (int i = 0; i < 51; ++i) {
        grid.Place(i % 25, 100);
        last = grid.DrawCard();
    }
    EXPECT_TRUE(last.drawn);
    EXPECT_STREQ(last.stackKey, "EMPTY");
    EXPECT_EQ(grid.mCardsLeft, 0);
    grid.Place(0, 100);
    EXPECT_FALSE(grid.DrawCard().drawn);
    EXPECT_EQ(grid.mCardsLeft, 0);
    EXPECT_EQ(grid.Place(0, 100), Placement::Refused);
}

TEST(GridhandRulesTest, RoundPointsAndTheBonusRoundThreshold)
{
    EXPECT_EQ(RoundPoints(250, 30, 1), 7500);
    EXPECT_EQ(RoundPoints(250, 30, 0), 0);
    EXPECT_EQ(RoundPoints(250, 0, 1), 0);
    EXPECT_EQ(RoundPoints(1'000'000, 120, 10), 1'200'000'000);
    EXPECT_TRUE(GameGoesOn(2, 0, 100000));
    EXPECT_TRUE(GameGoesOn(3, 0, 100000));
    EXPECT_FALSE(GameGoesOn(4, 99999, 100000));
    EXPECT_TRUE(GameGoesOn(4, 100000, 100000));
    EXPECT_TRUE(GameGoesOn(4, 0, 0));
    EXPECT_FALSE(GameGoesOn(5, 1'000'000, 0));
}

TEST(GridhandRulesTest, CustomScoringIsAnyScoringValueAwayFromItsDefault)
{
    resetSuiteGlobals();
    SetGridhandDefaults();
    gCountDownScore = false;
    CheckForCustom();
    EXPECT_FALSE(gCustomScoring);
    for (std::int32_t* v : {&gPairPoints, &gRoyalFlushPoints, &gTimeBonus, &gBonusRoundScore}) {
        SetGridhandDefaults();
        *v += 1;
        CheckForCustom();
        EXPECT_TRUE(gCustomScoring);
    }
    SetGridhandDefaults();
    gOverwritesAllowed = 4;
    CheckForCustom();
    EXPECT_TRUE(gCustomScoring);
}
