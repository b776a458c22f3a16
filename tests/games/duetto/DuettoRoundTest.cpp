#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoRound.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace duetto;

namespace {

class DuettoRoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetDuettoDefaults();
    }
};

TEST_F(DuettoRoundTest, A45SecondRoundWarnsFrom22SecondsLeftAndHurriesBelow11)
{
    for (int left = 45; left >= 0; --left) {
        const TimeWarning expected = left > 22 ? TimeWarning::None : left >= 11 ? TimeWarning::RunningOut : TimeWarning::Hurry;
        EXPECT_EQ(WarningFor(45 - left, 45), expected) << left;
    }
    EXPECT_STREQ(WarningText(TimeWarning::RunningOut), "Times running out!");
    EXPECT_STREQ(WarningText(TimeWarning::Hurry), "Better Hurry!");
}

TEST_F(DuettoRoundTest, ARoundEndPaysCompletionSecondsRunsAndPairsInThatOrder)
{
    const std::vector<Award> awards = RoundEndAwards(true, 20, 4, 3);
    ASSERT_EQ(awards.size(), 4u);
    EXPECT_EQ(awards[0].kind, AwardKind::Completion);
    EXPECT_EQ(std::int64_t(awards[0].count) * awards[0].value, 10000);
    EXPECT_EQ(awards[1].kind, AwardKind::Speed);
    EXPECT_EQ(std::int64_t(awards[1].count) * awards[1].value, 2000);
    EXPECT_EQ(awards[2].kind, AwardKind::Runs);
    EXPECT_EQ(std::int64_t(awards[2].count) * awards[2].value, 2000);
    EXPECT_EQ(awards[3].kind, AwardKind::Pairs);
    EXPECT_EQ(std::int64_t(awards[3].count) * awards[3].value, 9000);
    EXPECT_STREQ(AwardText(AwardKind::Completion), "Completion Bonus");
    EXPECT_STREQ(AwardText(AwardKind::Runs), "Runs Bonus");
    EXPECT_STREQ(AwardText(AwardKind::Pairs), "Pairs Bonus");

    // The clock ran out and nothing was made: nothing to pay.
    EXPECT_TRUE(RoundEndAwards(false, 0, 0, 0).empty());
    const std::vector<Award> pairsOnly = RoundEndAwards(false, 0, 0, 2);
    ASSERT_EQ(pairsOnly.size(), 1u);
    EXPECT_EQ(pairsOnly[0].kind, AwardKind::Pairs);
}

TEST_F(DuettoRoundTest, TheBonusRoundNeedsTheTargetScoreAfterRoundTwo)
{
    EXPECT_EQ(NextAfterRound(2, 0, 80000), AfterRound::RoundTwo);
    EXPECT_EQ(NextAfterRound(3, 80000, 80000), AfterRound::BonusRound);
    EXPECT_EQ(NextAfterRound(3, 79999, 80000), AfterRound::GameOver);
    EXPECT_EQ(NextAfterRound(4, 500000, 80000), AfterRound::GameOver);
}

TEST_F(DuettoRoundTest, CustomScoringIsAnyOfTheFiveValuesChangedNotTheCountDown)
{
    for (bool countDown : {true, false}) {
        gCountDownScore = countDown;
        CheckForCustom();
        EXPECT_FALSE(gCustomScoring);
    }
    std::int32_t* values[] = {&gPairsBonus, &gRunsBonus, &gTimeBonus, &gBonusRoundScore, &gCompletionBonus};
    for (std::int32_t* v : values) {
        SetDuettoDefaults();
        *v += 1;
        CheckForCustom();
        EXPECT_TRUE(gCustomScoring);
    }
}

} // namespace
