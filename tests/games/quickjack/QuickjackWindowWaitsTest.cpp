// What reaches the next round from a round's end, with the waits running for real: no tick of the
// old clocks and no click made while "Prepare for Round n" shows.
#include "QuickjackWindowFixture.h"
#include "support/PostedInput.h"
#include "games/quickjack/QuickjackColumns.h"



TEST_F(QuickjackWindowTest, TakeScoreStopsTheClockAndTheCounterBeforeTheRoundEnds)
{
    play();
    tick(10);
    int ticksWhileEnding = 0;
    int counterStepsWhileEnding = 0;
    for (auto [timer, count] : {std::pair{form->Timer1, &ticksWhileEnding}, std::pair{form->Timer3, &counterStepsWhileEnding}}) {
        timer->setInterval(1);
        timer->onTimer = [this, count, run = timer->onTimer] {
            if (gRoundOver)
                ++*count;
            run();
        };
    }
    form->Timer3->setEnabled(true);
    // Long enough waits that a clock left running would surely tick.
    useRealWaits(0.05);
    form->cmdTakeScore->click();
    form->Timer1->setInterval(1000);
    form->Timer3->setEnabled(false);
    settle();
    EXPECT_EQ(ticksWhileEnding, 0);
    EXPECT_EQ(counterStepsWhileEnding, 0);
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gElapsed, 0);
}

TEST_F(QuickjackWindowTest, ClicksOnTheGreyedPassDuringPrepareForRoundPassNothing)
{
    gCardsToPass = 3;
    play();
    tick(10);
    useRealWaits();
    bool clicked = false;
    platform::setWaitObserver([&](int) {
        if (!clicked && form->ScoringLabelInfo->caption().startsWith(QStringLiteral("Prepare for Round"))) {
            clicked = true;
            postClick(form->cmdPass, 3);
        }
    });
    form->cmdTakeScore->click();
    settle();
    ASSERT_TRUE(clicked);
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gPassesLeft, 3);
    EXPECT_EQ(gDeckIndex, 1);
}
