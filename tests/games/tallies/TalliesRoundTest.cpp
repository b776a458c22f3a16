#include "TalliesFixture.h"

#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesRound.h"

using namespace tallies;

TEST_F(TalliesTest, WarningsOfANinetySecondRoundAndItsExpiry)
{
    dealNewGame(11, {});
    for (int elapsed = 1; elapsed <= 90; ++elapsed) {
        const auto tick = TickRoundClock();
        ASSERT_TRUE(tick.counted);
        const int left = 90 - elapsed;
        EXPECT_EQ(tick.timeLeft, left);
        EXPECT_EQ(tick.angle, elapsed * 4);
        EXPECT_EQ(gPieElapsed, elapsed);
        const auto expected = left > 45 ? TalliesTick::NoWarning
                              : left >= 22 ? TalliesTick::TimesRunningOut
                                           : TalliesTick::BetterHurry;
        EXPECT_EQ(tick.warning, expected) << left << " seconds left";
        EXPECT_EQ(tick.expired, left == 0);
    }
    EXPECT_EQ(gTalliesPhase, TalliesPhase::RoundEnding);
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Refused);
    EXPECT_FALSE(TickRoundClock().counted);
    EXPECT_EQ(gElapsed, 90);
}

TEST_F(TalliesTest, WarningBoundsRoundHalvesToEven)
{
    struct Case {
        int limit, quarter, half;
    };
    for (const Case c : {Case{30, 8, 15}, Case{60, 15, 30}, Case{90, 22, 45}, Case{120, 30, 60}, Case{150, 38, 75},
                         Case{180, 45, 90}}) {
        SCOPED_TRACE(c.limit);
        EXPECT_EQ(RoundClockWarning(c.half + 1, c.limit), TalliesTick::NoWarning);
        EXPECT_EQ(RoundClockWarning(c.half, c.limit), TalliesTick::TimesRunningOut);
        EXPECT_EQ(RoundClockWarning(c.quarter, c.limit), TalliesTick::TimesRunningOut);
        EXPECT_EQ(RoundClockWarning(c.quarter - 1, c.limit), TalliesTick::BetterHurry);
    }
}

TEST_F(TalliesTest, PausedRoundKeepsItsClockAndResumesWithTheTotalAtZero)
{
    dealNewGame(11, {{21, " 3C"}});
    runClock(10);
    SelectFieldCard(20);
    ASSERT_EQ(gTalliesTotal, 3);

    Pause();
    EXPECT_FALSE(gTalliesFieldSelected[20]);
    EXPECT_FALSE(TickRoundClock().counted);
    EXPECT_EQ(gElapsed, 10);

    Resume();
    EXPECT_EQ(gTalliesTotal, 0);
    EXPECT_TRUE(TickRoundClock().counted);
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Selected);
    EXPECT_EQ(gTalliesTotal, 3);
}

TEST_F(TalliesTest, EndingTheGameKeepsTheScoreForSavingAndStartsAfresh)
{
    dealNewGame(11, {});
    gScore = 4200;
    gTalliesRound = 2;
    gTalliesCombos = 5;
    gTalliesReplay = true;
    runClock(7);

    EndGame();
    EXPECT_EQ(gPreviousScore, 4200);
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(gTalliesRound, 1);
    EXPECT_EQ(gTalliesCombos, 0);
    EXPECT_EQ(gElapsed, 0);
    EXPECT_FALSE(gTalliesReplay);
    EXPECT_EQ(gTalliesPhase, TalliesPhase::Idle);
    EXPECT_FALSE(TickRoundClock().counted) << "a clock left running after the game counts nothing";
    EXPECT_FALSE(takeScore().end.started);
    EXPECT_EQ(gScore, 0);
}
