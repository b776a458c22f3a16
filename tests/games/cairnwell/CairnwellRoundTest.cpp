#include "CairnwellTableFixture.h"
#include "games/cairnwell/CairnwellRound.h"

using namespace cairnwell;

TEST(CairnwellRound, TimeWarningsAt105Seconds)
{
    // Half is 52 (52.5 to even), a quarter 26.
    EXPECT_EQ(TimeWarning(105, 52), nullptr);            // 53 left
    EXPECT_STREQ(TimeWarning(105, 53), "Times running out!"); // 52 left
    EXPECT_STREQ(TimeWarning(105, 79), "Times running out!"); // 26 left
    EXPECT_STREQ(TimeWarning(105, 80), "Better Hurry!");      // 25 left
    EXPECT_STREQ(TimeWarning(105, 105), "Better Hurry!");
}

TEST(CairnwellRound, WhatFollowsARound)
{
    EXPECT_EQ(WhatFollows(1, 0, 100000), AfterRound::NextRound);
    EXPECT_EQ(WhatFollows(2, 100000, 100000), AfterRound::BonusRound);
    EXPECT_EQ(WhatFollows(2, 99999, 100000), AfterRound::GameOver);
    EXPECT_EQ(WhatFollows(3, 900000, 100000), AfterRound::GameOver);
}

TEST(CairnwellRound, TheScoreCanFallBelowZeroAndStaysWithin32Bits)
{
    gScore = 100;
    AddToScore(-250);
    EXPECT_EQ(gScore, -150);
    gScore = 2147483000;
    AddToScore(6000);
    EXPECT_EQ(gScore, 2147483647);
}

TEST_F(CairnwellTableTest, LeftoverPlacesInPenaltyOrder)
{
    deal({"2S", "9H", "4D", "5C"});
    fanTo(0);
    fanTo(0);
    fanTo(3);
    table.UpCard_Click(FrontCard);
    table.TempCard_Click(1);
    EXPECT_EQ(LeftoverColumnPlaces(table), (std::vector<int>{4, 3, 0}));
    EXPECT_EQ(LeftoverStoragePlaces(table), std::vector<int>{1});
}

TEST(CairnwellRound, CustomScoringFollowsTheSevenValuesOnly)
{
    SetCairnwellDefaults();
    gCountDownScore = false;
    CheckForCustom();
    EXPECT_FALSE(gCustomScoring);
    std::int32_t* values[] = {&gTrioValue,  &gRunValue,  &gFlushPoints,     &gDeckCompletionBonus,
                              &gTimeBonus,  &gBonusRoundScore, &gLeftoverPenalty};
    for (std::int32_t* value : values) {
        SetCairnwellDefaults();
        *value += 1;
        CheckForCustom();
        EXPECT_TRUE(gCustomScoring);
    }
}
