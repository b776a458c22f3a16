#include "games/spires/SpiresRound.h"

#include <gtest/gtest.h>

using namespace spires;

TEST(SpiresRoundTest, TheClockWarnsFromHalfTimeAndAgainBelowAQuarter)
{
    struct Case {
        int limit, left;
        const char* warning; // null: the panel is not touched
    };
    const Case cases[] = {
        {45, 23, nullptr}, {45, 22, "Times running out!"}, {45, 11, "Times running out!"}, {45, 10, "Better Hurry!"},
        {45, 0, "Better Hurry!"}, {30, 16, nullptr}, {30, 15, "Times running out!"}, {30, 8, "Times running out!"},
        {30, 7, "Better Hurry!"}, {60, 30, "Times running out!"}, {60, 14, "Better Hurry!"},
        {90, 45, "Times running out!"}, {90, 22, "Times running out!"}, {90, 21, "Better Hurry!"},
    };
    for (const Case& c : cases) {
        const auto warning = TimeWarning(c.left, c.limit);
        if (c.warning)
            EXPECT_EQ(warning.value_or(QString()), QLatin1String(c.warning)) << c.limit << "/" << c.left;
        else
            EXPECT_FALSE(warning.has_value()) << c.limit << "/" << c.left;
    }
}

TEST(SpiresRoundTest, AnEqualScoreQualifiesForTheBonusRoundAndTheBonusRoundEndsTheGame)
{
    EXPECT_EQ(NextAfterRound(2, 0, 40000), AfterRound::RoundTwo);
    EXPECT_EQ(NextAfterRound(3, 40000, 40000), AfterRound::BonusRound);
    EXPECT_EQ(NextAfterRound(3, 39999, 40000), AfterRound::GameOver);
    EXPECT_EQ(NextAfterRound(4, 900000, 40000), AfterRound::GameOver);
}

TEST(SpiresRoundTest, TheRoundAndTargetTexts)
{
    EXPECT_EQ(RoundCaption(1), QStringLiteral("1"));
    EXPECT_EQ(RoundCaption(2), QStringLiteral("2"));
    EXPECT_EQ(RoundCaption(3), QStringLiteral("Bonus"));
    EXPECT_EQ(BonusRoundTarget(40000), QStringLiteral("Make 40,000 for Bonus Round!   "));
}
