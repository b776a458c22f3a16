#include "TalliesFixture.h"

#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesRound.h"
#include "games/tallies/TalliesRoundEnd.h"

#include <limits>

using namespace tallies;

namespace {
std::vector<std::string> messages(const TalliesRoundEnd& end)
{
    std::vector<std::string> m;
    for (const auto& b : end.bonuses)
        m.push_back(b.message);
    return m;
}
} // namespace

TEST_F(TalliesTest, ARoundEndedWithNoSecondLeftAndNoCombinationPaysNothing)
{
    dealNewGame(11, {});
    runClock(90);
    gScore = 500;
    const auto taken = takeScore();
    ASSERT_TRUE(taken.end.started);
    EXPECT_FALSE(taken.end.completed);
    EXPECT_TRUE(taken.end.bonuses.empty());
    EXPECT_EQ(gScore, 500);
    EXPECT_EQ(taken.next, TalliesNext::RoundTwo);
    EXPECT_EQ(gTalliesRound, 2);
    EXPECT_EQ(gElapsed, 0);
}

TEST_F(TalliesTest, RoundEndPaysCompletionCombinationsAndSecondsLeftInThatOrder)
{
    for (bool countUp : {true, false}) {
        SCOPED_TRACE(countUp);
        SetUp();
        gTalliesDrawTimer = countUp;
        gTalliesCompletionBonus = 10005;
        dealNewGame(10, {});
        runClock(30);
        gTalliesCombos = 3;
        gTalliesFieldVisible.fill(false);
        gScore = 1000;

        const auto end = BeginTakeScore(TalliesHeading(gCardGoal));
        ASSERT_TRUE(end.started);
        EXPECT_TRUE(gRoundOver);
        EXPECT_TRUE(end.completed);
        EXPECT_EQ(messages(end), (std::vector<std::string>{"Completion Bonus! 10005", "3 Tens! Bonus = 4500",
                                                           "Speed Bonus! 6000"}));
        ASSERT_EQ(end.bonuses.size(), 3u);
        EXPECT_EQ(end.bonuses[0].steps, countUp ? 10 : 1);
        EXPECT_EQ(end.bonuses[1].steps, countUp ? 3 : 1);
        EXPECT_EQ(end.bonuses[2].steps, countUp ? 60 : 1);

        for (int s = 0; s < end.bonuses[0].steps; ++s)
            PayBonusStep(TalliesBonusKind::Completion);
        // Counting up pays whole tenths.
        EXPECT_EQ(gScore, countUp ? 11000 : 11005);
        PayBonusStep(TalliesBonusKind::Combinations);
        EXPECT_EQ(gTalliesCombos, countUp ? 2 : 0);
        for (int s = 1; s < end.bonuses[1].steps; ++s)
            PayBonusStep(TalliesBonusKind::Combinations);
        EXPECT_EQ(gTalliesCombos, 0);
        const int base = gScore;
        int angle = PayBonusStep(TalliesBonusKind::Speed);
        EXPECT_EQ(angle, countUp ? 124 : 0);
        for (int s = 1; s < end.bonuses[2].steps; ++s)
            angle = PayBonusStep(TalliesBonusKind::Speed);
        EXPECT_EQ(angle, countUp ? 360 : 0);
        EXPECT_EQ(gElapsed, 90);
        EXPECT_EQ(gScore - base, 6000);
    }
}

TEST_F(TalliesTest, CombinationMessageTakesTheHeadingWithoutItsColon)
{
    dealNewGame(11, {});
    gTalliesCombos = 1;
    runClock(90);
    EXPECT_EQ(messages(BeginTakeScore(TalliesHeading(11))), std::vector<std::string>{"1 Tallies! Bonus = 1500"});
    EXPECT_EQ(TalliesHeading(15), "Fifteens:");
}

TEST_F(TalliesTest, SecondRoundAtTheThresholdLeadsToTheBonusRound)
{
    struct Case {
        int round;
        std::int32_t score;
        TalliesNext next;
    };
    const Case cases[] = {
        {1, 0, TalliesNext::RoundTwo},
        {2, 80000, TalliesNext::BonusRound},
        {2, 79999, TalliesNext::GameOver},
        {3, 500000, TalliesNext::GameOver},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.round);
        SetUp();
        dealNewGame(11, {});
        runClock(90);
        gTalliesRound = c.round;
        gScore = c.score;
        EXPECT_EQ(takeScore().next, c.next);
        EXPECT_FALSE(gRoundOver);
        if (c.next == TalliesNext::GameOver) {
            EXPECT_EQ(gTalliesRound, 1);
            EXPECT_EQ(gPreviousScore, c.score);
            EXPECT_EQ(gTalliesPhase, TalliesPhase::GameOver);
            EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Refused);
            EXPECT_TRUE(DrawCard().refused);
        } else {
            EXPECT_EQ(gTalliesRound, c.round + 1);
            EXPECT_EQ(gTalliesPhase, TalliesPhase::Playing);
            EXPECT_EQ(gScore, c.score) << "a later deal keeps the score";
        }
    }
}

TEST_F(TalliesTest, ScoreIsTakenOnlyOnceAndOnlyDuringARound)
{
    EXPECT_FALSE(BeginTakeScore("Tallies:").started) << "no game yet";
    EXPECT_EQ(gScore, 0);
    dealNewGame(11, {});
    ASSERT_TRUE(BeginTakeScore("Tallies:").started);
    EXPECT_FALSE(BeginTakeScore("Tallies:").started);
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Refused);
    EXPECT_TRUE(DrawCard().refused);
}

TEST_F(TalliesTest, HugeCustomBonusesStopAtTheLargestScore)
{
    gTimeLimit = 180;
    gTimeBonus = 5000000;
    gTalliesComboBonus = 5000000;
    dealNewGame(11, {});
    gTalliesCombos = 20;
    gScore = 1000;
    const auto taken = takeScore();
    ASSERT_EQ(taken.end.bonuses.size(), 2u);
    EXPECT_EQ(taken.end.bonuses[0].message, "20 Tallies! Bonus = 100000000");
    EXPECT_EQ(taken.end.bonuses[1].message, "Speed Bonus! 900000000");
    gTalliesCombos = 0;
    gScore = std::numeric_limits<std::int32_t>::max() - 10;
    gElapsed = 0;
    gTalliesDrawTimer = false;
    PayBonusStep(TalliesBonusKind::Speed);
    EXPECT_EQ(gScore, std::numeric_limits<std::int32_t>::max());
}
