#include "StackjackFixture.h"

#include "games/stackjack/CardTotalTable.h"
#include "games/stackjack/StackjackTexts.h"

using namespace stackjack;

TEST_F(StackjackTest, TableRowsValuesAndTheTakeScoreOffer)
{
    struct Case {
        int total;
        int row;
        int value; // -1: unchanged
        bool offered;
    };
    const Case cases[] = {
        {0, BelowRow, -1, false},  {96, BelowRow, -1, false}, {97, 1, 50, true},    {98, 2, 100, true},
        {99, 3, 150, true},        {100, 4, 200, true},       {101, 5, 250, true},  {102, 6, 300, true},
        {103, 7, 400, true},       {104, 8, 500, true},       {105, 9, 1000, true}, {106, NoRow, 0, false},
        {BustMark, NoRow, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        Reset();
        gCardTotalValue = 123;
        gCurrentTotal = c.total;
        SetCardTotalValue();
        EXPECT_EQ(gMarkedRow, c.row);
        EXPECT_EQ(gCardTotalValue, c.value < 0 ? 123 : c.value);
        EXPECT_STREQ(texts::GiveUpButton(gGiveUpCaption), c.offered ? "&Take score" : "&Give Up");
    }
    EXPECT_STREQ(CardTotalRows()[BelowRow].totalCaption, "< 97");
    EXPECT_STREQ(CardTotalRows()[9].pointsCaption, "1000");
}

TEST_F(StackjackTest, TotalsNinetySevenToOneHundredFourAreOfferedAndTakenAtTheirValue)
{
    for (int total = 97; total <= 104; ++total) {
        SCOPED_TRACE(total);
        ASSERT_TRUE(StartGame());
        // Four columns of 21 (the aces count 1 on 20) and a fifth of 10 + the rest.
        lay({10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1, 10, total - 94});
        const auto hit = hits({0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4});
        EXPECT_EQ(hit.currentTotal, total);
        EXPECT_TRUE(hit.totalWinning);
        EXPECT_FALSE(hit.autoTake);
        EXPECT_EQ(gGiveUpCaption, GiveUpCaption::TakeScore);
        EXPECT_EQ(hit.markedRow, total - 96);

        const auto end = EndCurrentRound();
        ASSERT_EQ(end.result, RoundResult::ScoreTaken);
        EXPECT_EQ(end.taken.cardTotalValue, CardTotalPoints(total - 96));
        EXPECT_EQ(end.taken.roundScore, std::int64_t(end.taken.cardTotalValue) * 300);
        EXPECT_EQ(gScore, end.taken.roundScore);
        EXPECT_FALSE(end.taken.totallyAwesome);
    }
}

TEST_F(StackjackTest, OneHundredFiveIsTakenAtOnceAtAThousandTimesTheBonus)
{
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    tick(6); // 300 - 6 x 3.33 = 280
    const auto hit = hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    EXPECT_EQ(hit.currentTotal, 105);
    EXPECT_TRUE(hit.autoTake);

    const auto end = EndCurrentRound();
    ASSERT_EQ(end.result, RoundResult::ScoreTaken);
    EXPECT_EQ(end.taken.cardTotalValue, 1000);
    EXPECT_EQ(end.taken.timeBonus, 280);
    EXPECT_EQ(end.taken.roundScore, 280000);
    EXPECT_TRUE(end.taken.totallyAwesome);
    EXPECT_EQ(end.taken.finishedRound, 1);
    EXPECT_EQ(gScore, 280000);
}

TEST_F(StackjackTest, AHardenedAceBelowNinetySevenGoesBackToGiveUp)
{
    // 80 in four columns, a soft 17 in the fifth: 97. A five hardens it to 12: 92.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 1, 6, 5});
    const auto offered = hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    EXPECT_EQ(offered.currentTotal, 97);
    EXPECT_EQ(gGiveUpCaption, GiveUpCaption::TakeScore);

    const auto dropped = Hit(4);
    EXPECT_TRUE(dropped.hardened);
    EXPECT_EQ(dropped.currentTotal, 92);
    EXPECT_FALSE(dropped.totalWinning);
    EXPECT_EQ(dropped.markedRow, BelowRow);
    EXPECT_STREQ(texts::GiveUpButton(gGiveUpCaption), "&Give up");

    const auto end = EndCurrentRound();
    EXPECT_EQ(end.result, RoundResult::TooLow);
    EXPECT_STREQ(end.message, "Sorry, 97 or more needed to win!");
    EXPECT_EQ(gScore, 0);
}

TEST_F(StackjackTest, AHardenedAceThatStaysInTheTableKeepsTheOffer)
{
    // 80 + soft 20 = 100; a ten hardens the ace and leaves 100.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 1, 9, 10});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    const auto hit = Hit(4);
    EXPECT_TRUE(hit.hardened);
    EXPECT_EQ(hit.currentTotal, 100);
    EXPECT_TRUE(hit.totalWinning);
    EXPECT_EQ(gGiveUpCaption, GiveUpCaption::TakeScore);
    EXPECT_EQ(gCardTotalValue, 200);
}
