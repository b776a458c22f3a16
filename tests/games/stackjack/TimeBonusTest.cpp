#include "StackjackFixture.h"

#include "games/stackjack/ScoreCountDown.h"

using namespace stackjack;

TEST_F(StackjackTest, TheTimeBonusFallsFromItsMaximumToItsMinimum)
{
    struct Case {
        int max, min, limit, elapsed;
        std::int32_t bonus;
    };
    const Case cases[] = {
        {300, 100, 60, 1, 297}, {300, 100, 60, 2, 293}, {300, 100, 60, 3, 290}, {300, 100, 60, 30, 200},
        {300, 100, 60, 60, 100}, {300, 100, 15, 1, 287}, {300, 100, 15, 2, 273}, {300, 100, 15, 3, 260},
        {300, 100, 15, 15, 100}, {300, 100, 75, 75, 100},
        {126, 1, 30, 15, 64}, // 63.5000038 in single precision (63 in double)
        {124, 1, 60, 30, 62}, // exactly 62.5: halves go to even
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.max << " to " << c.min << " over " << c.limit << " s, after " << c.elapsed);
        gMaxTimeBonus = c.max;
        gMinTimeBonus = c.min;
        gTimeLimit = c.limit;
        ComputeBonusDecrement();
        EXPECT_EQ(TimeBonusAt(c.elapsed), c.bonus);
    }
}

TEST_F(StackjackTest, TheRoundClockRunsToTheTimeLimit)
{
    tick(59);
    EXPECT_EQ(gTimeBonus, 103);
    EXPECT_EQ(gPieElapsed, 59);
    const auto last = RoundClockTick();
    EXPECT_TRUE(last.timeUp);
    EXPECT_EQ(last.elapsed, 60);
    EXPECT_EQ(last.pieAngle, 360);
    EXPECT_EQ(last.timeBonus, 100);
    EXPECT_EQ(PieAngle(45), 270);
}

TEST_F(StackjackTest, EachRoundStartsAtTheFullTimeBonus)
{
    tick(60);
    ASSERT_EQ(gTimeBonus, 100);
    Reset();
    EXPECT_EQ(gTimeBonus, 300);
    EXPECT_EQ(gElapsed, 0);
}

TEST_F(StackjackTest, OneHundredTakenAfterThirtySecondsScoresFortyThousandInStepsOfFourHundred)
{
    lay({10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    tick(30);
    gScore = 1000;
    const auto end = EndCurrentRound();
    ASSERT_EQ(end.result, RoundResult::ScoreTaken);
    EXPECT_EQ(end.taken.roundScore, 40000);
    EXPECT_EQ(gScore, 41000);

    const auto steps = CountDownSteps(end.taken);
    ASSERT_EQ(steps.size(), 100u);
    EXPECT_EQ(steps.front().remaining, 40000);
    EXPECT_EQ(steps.front().score, 1400);
    EXPECT_EQ(steps[1].remaining, 39600);
    EXPECT_EQ(steps.back().remaining, 400);
    EXPECT_EQ(steps.back().score, 41000);
    EXPECT_FALSE(steps[0].tick);
    EXPECT_FALSE(steps[1].tick);
    EXPECT_TRUE(steps[2].tick);
    EXPECT_TRUE(steps[98].tick);
}

TEST_F(StackjackTest, AtTimeUpATableTotalScoresAtTheMinimumAndALowerOneIsLost)
{
    struct Case {
        std::vector<int> ranks;
        std::vector<int> columns;
        RoundResult result;
        std::int64_t roundScore;
    };
    const std::vector<int> pairs = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4};
    const Case cases[] = {
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 7}, pairs, RoundResult::ScoreTaken, 50 * 100}, // 97
        {{10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10},
         {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4},
         RoundResult::ScoreTaken,
         500 * 100}, // 104
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 6}, pairs, RoundResult::TooLow, 0}, // 96
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roundScore);
        ASSERT_TRUE(StartGame());
        lay(c.ranks);
        hits(c.columns);
        tick(59);
        ASSERT_TRUE(RoundClockTick().timeUp);
        const auto end = EndCurrentRound();
        EXPECT_EQ(end.result, c.result);
        EXPECT_EQ(end.taken.roundScore, c.roundScore);
        EXPECT_EQ(gScore, c.roundScore);
        EXPECT_STREQ(end.message, c.result == RoundResult::TooLow ? "Sorry, 97 or more needed to win!" : "");
    }
}

TEST_F(StackjackTest, TheScoreSaturatesInsteadOfWrapping)
{
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    gScore = 2147400000;
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    const auto end = EndCurrentRound();
    EXPECT_EQ(end.taken.roundScore, 300000);
    EXPECT_EQ(gScore, 2147483647);
    EXPECT_EQ(CountDownSteps(end.taken).back().score, 2147483647);
}
