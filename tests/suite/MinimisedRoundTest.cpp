// Every game whose round stops while its window is minimised, through a round's end that runs for
// real on the event loop: the window minimised at a wait of that end must not let the next round run
// unseen, and restoring it must give that round its whole time.
#include "GameTableFixture.h"
#include "support/PlatformFakes.h"
#include "support/PostedInput.h"
#include "core/window/GameWindow.h"
#include "games/cairnwell/frmCairnwell.h"
#include "games/duetto/frmDuetto.h"
#include "games/quickjack/frmQuickjack.h"
#include "games/spires/frmSpires.h"
#include "games/stackjack/frmStackjack.h"
#include "games/tallies/frmTallies.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QPointer>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Game {
    const char* title;
    std::function<GameWindow*()> open;
    // The wait of the round's end at which the player minimises (0 the first).
    int minimiseAtWait;
};

template <class Form>
std::function<GameWindow*()> opener()
{
    return [] { return new Form; };
}

void PrintTo(const Game& game, std::ostream* os) { *os << game.title; }

class MinimisedRoundTest : public GameTableFixture<Game> {
protected:
    void SetUp() override
    {
        startRun(GetParam().title, 11);
        platform::setWaitHandler(nullptr);
        platform::setWaitScale(0.002);
        form = GetParam().open();
        form->show();
        form->setMusicOn(true);
    }

    void TearDown() override
    {
        GameTableFixture::TearDown();
        delete form;
    }

    QPointer<GameWindow> form;
};

TEST_P(MinimisedRoundTest, ARoundDealtWhileMinimisedWaitsForTheRestoreAndThenRunsItsWholeTime)
{
    form->cmdPlay->click();
    settle();
    ASSERT_TRUE(form->Timer1->running());

    int waits = 0;
    platform::setWaitObserver([&](int) {
        if (waits++ == GetParam().minimiseAtWait)
            form->setWindowState(Qt::WindowMinimized);
    });
    // The round's last second: its end runs inside this tick, the next round is dealt after it.
    gElapsed = gTimeLimit - 1;
    form->Timer1->fire();
    settle();
    platform::setWaitObserver(nullptr);

    ASSERT_GT(waits, GetParam().minimiseAtWait);
    ASSERT_TRUE(form->isMinimized());
    EXPECT_TRUE(form->Timer1->enabled()) << "the next round is dealt";
    EXPECT_FALSE(form->Timer1->running()) << "but its clock waits for the window";
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_EQ(gElapsed, 0);
    form->Timer1->fire(); // a tick the held clock cannot give
    EXPECT_EQ(gElapsed, 0);

    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(audio.tunePlaying());
    EXPECT_EQ(gElapsed, 0);
}

TEST_P(MinimisedRoundTest, APausedRoundComesBackFromMinimisedStillSilentAndResumeStartsTheTune)
{
    form->setMusicOn(false);
    form->cmdPlay->click();
    settle();
    form->cmdPause->click();
    ASSERT_TRUE(form->isPaused());
    form->setMusicOn(true); // a paused game plays it too
    ASSERT_TRUE(audio.tunePlaying());
    const int starts = audio.tuneStarts();

    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(audio.tunePlaying());
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->isPaused());
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_EQ(audio.tuneStarts(), starts);
    EXPECT_FALSE(form->Timer1->running());

    form->cmdPause->click();
    EXPECT_FALSE(form->isPaused());
    EXPECT_TRUE(audio.tunePlaying());
    EXPECT_EQ(audio.tuneStarts(), starts + 1);
    EXPECT_TRUE(form->Timer1->running());
}

INSTANTIATE_TEST_SUITE_P(Games, MinimisedRoundTest,
                         ::testing::Values(Game{"Go for Tallies!", opener<frmTallies>(), 0},
                                           Game{"Stackjack!", opener<frmStackjack>(), 0},
                                           Game{"Quickjack!", opener<frmQuickjack>(), 1},
                                           Game{"Spires!", opener<frmSpires>(), 1},
                                           Game{"Duetto!", opener<frmDuetto>(), 1},
                                           Game{"Cairnwell!", opener<frmCairnwell>(), 1}),
                         [](const ::testing::TestParamInfo<Game>& info) {
                             QString name = QString::fromLatin1(info.param.title);
                             name.remove(QLatin1Char('!'));
                             name.remove(QLatin1Char(' '));
                             return name.toStdString();
                         });

} // namespace
