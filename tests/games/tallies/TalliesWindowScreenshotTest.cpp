#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "platform/Random.h"
#include "platform/Twips.h"
#include "platform/Wait.h"
#include "support/Screenshot.h"

#include <QCoreApplication>
#include <QPushButton>

// Pictures of the window for a look by eye: idle, and in the middle of a round with a card selected,
// at the size it opens with and larger.
TEST_F(TalliesWindowTest, ScreenshotsIdleAndMidRound)
{
    QCoreApplication::processEvents();
    saveScreenshot(form, QStringLiteral("tallies-idle"));
    platform::seedRandom(7);
    click(form->cmdPlay);
    tick(50);
    for (int p : {20, 21, 7})
        if (form->FieldCardPicture[p]->isVisible()) {
            click(form->FieldCardPicture[p]);
            break;
        }
    QCoreApplication::processEvents();
    saveScreenshot(form, QStringLiteral("tallies-round"));
    platform::resizeTw(form, 14400, 10800);
    QCoreApplication::processEvents();
    saveScreenshot(form, QStringLiteral("tallies-round-large"));
    click(form->cmdPause);
    saveScreenshot(form, QStringLiteral("tallies-paused-large"));
    click(form->cmdPause);

    // The round end's messages, caught while the window waits on them.
    QString shot;
    int shotWait = 1000;
    platform::setWaitHandler([&](int ms) {
        if (ms == shotWait && !shot.isEmpty()) {
            saveScreenshot(form, shot);
            shot.clear();
        }
    });
    shot = QStringLiteral("tallies-bonus-large");
    click(form->cmdTakeScore);
    platform::resizeTw(form, frmTallies::FormWidth, frmTallies::FormHeight);
    QCoreApplication::processEvents();
    shot = QStringLiteral("tallies-gameover");
    shotWait = 2000;
    click(form->cmdTakeScore);
    platform::setWaitHandler(nullptr);
    EXPECT_TRUE(shot.isEmpty());
    EXPECT_FALSE(form->gameInProgress());
}
