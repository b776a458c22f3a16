// What reaches the next round from a round's end, with the waits running for real: no tick of the
// old clocks and no click made while "Prepare for Round n" shows.
#include "QuickjackWindowFixture.h"
#include "support/PostedInput.h"
#include "games/quickjack/QuickjackColumns.h"

#include <QTest>

namespace {
// Keeps clicking a button that is greyed out until it lights up, as an impatient player does.
void clickOnceEnabled(QPushButton* button, int times)
{
    soon(button, [button, times] {
        if (!button->isEnabled()) {
            clickOnceEnabled(button, times);
            return;
        }
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
    });
}
} // namespace

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
    useRealWaits();
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
    clickOnceEnabled(form->cmdPass, 3);
    form->cmdTakeScore->click();
    settle();
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gPassesLeft, 3);
    EXPECT_EQ(gDeckIndex, 1);
}
