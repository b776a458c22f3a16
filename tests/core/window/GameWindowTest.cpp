#include "core/cards/ImageList.h"
#include "core/SuiteGlobals.h"
#include "core/launcher/frmSelect.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "support/TestGameForm.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QDateTime at(const char* time) { return QDateTime(QDate(2024, 3, 9), QTime::fromString(QLatin1String(time), "hh:mm:ss")); }

class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Duetto!");
        form = new TestGameForm;
        form->recordStartTime();
    }
    void TearDown() override { delete form; }

    FakeClock clock{at("10:00:50")};
    RecordingAudio audio;
    QPointer<TestGameForm> form;
};
} // namespace

TEST_F(GameWindowTest, TheQuitQuestionDependsOnTheGameAndOnMinuteBoundaries)
{
    EXPECT_EQ(gStartTime, at("10:00:50"));
    struct Case {
        const char* now;
        bool playing;
        const char* question;
    };
    const Case cases[] = {
        {"10:04:59", false, "Giving up so soon?"},
        {"10:05:00", false, "Are you sure you want to quit now? Were just getting started!"},
        {"10:00:51", true, "You have a game in progress. Are you sure you want to quit now?"},
        {"11:30:00", true, "You have a game in progress. Are you sure you want to quit now?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        clock.set(at(c.now));
        gGameInProgress = c.playing;
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        EXPECT_FALSE(form->close());
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QLatin1String(c.question));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Duetto!"));
    }
}

TEST_F(GameWindowTest, NoKeepsTheWindowAndItsGame)
{
    form->show();
    form->startGame();
    gMusicOn = true;
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo);

    form->mnuExit->trigger();

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->settingsWrites, 0);
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->pauseClicks, 0);
    EXPECT_TRUE(audio.midiCalls().isEmpty());
}

TEST_F(GameWindowTest, YesWritesTheSettingsStopsTheTuneAndShowsTheLauncher)
{
    frmSelect launcher;
    launcher.Timer1->setEnabled(false);
    launcher.hide();
    form->show();
    form->startGame();
    form->setMusicOn(true);
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);

    EXPECT_TRUE(form->close());

    EXPECT_EQ(form->settingsWrites, 1);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_TRUE(launcher.isVisible());
}

TEST_F(GameWindowTest, TheQuestionCanPauseTheRoundWhileItIsOpen)
{
    form->pauseForCloseQuestion = true;
    form->startGame();
    platform::setMessageBoxHandler([&](const platform::MessageBoxCall&) {
        EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
        EXPECT_FALSE(form->Timer1->enabled());
        return int(platform::vbNo);
    });
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->lblMessage->caption(), QString());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->pauseClicks, 2);

    // A round the player had paused stays paused.
    form->cmdPause_Click();
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    EXPECT_EQ(form->pauseClicks, 3);
    platform::setMessageBoxHandler(nullptr);
}

TEST_F(GameWindowTest, DialogsPauseARunningGameAndResumeIt)
{
    using Pause = GameWindow::DialogPause;
    struct Case {
        const char* state;
        Pause pause;
        bool pausedDuring;
        QString messageAfter;
        int clicks;
    };
    const Case cases[] = {
        {"running", Pause::AroundDialog, true, QString(), 2},
        {"paused", Pause::AroundDialog, true, QStringLiteral("Game Paused"), 0},
        {"over", Pause::AroundDialog, false, QStringLiteral("Game Over"), 0},
        {"running", Pause::AroundTable, true, QString(), 2},
        {"paused", Pause::AroundTable, true, QStringLiteral("Game Paused"), 0},
        {"over", Pause::AroundTable, false, QStringLiteral("Game Over"), 0},
        {"running", Pause::None, false, QString(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        SCOPED_TRACE(int(c.pause));
        delete form;
        form = new TestGameForm;
        form->startGame();
        if (QLatin1String(c.state) == QLatin1String("paused")) {
            form->cmdPause_Click();
            form->pauseClicks = 0;
        } else if (QLatin1String(c.state) == QLatin1String("over")) {
            gGameInProgress = false;
            form->cmdPause->setEnabled(false);
            form->lblMessage->setCaption(QStringLiteral("Game Over"));
        }
        bool shown = false;
        form->runDialog(c.pause, [&] {
            shown = true;
            EXPECT_EQ(form->isPaused(), c.pausedDuring);
        });
        EXPECT_TRUE(shown);
        EXPECT_EQ(form->lblMessage->caption(), c.messageAfter);
        EXPECT_EQ(form->pauseClicks, c.clicks);
    }
}

TEST_F(GameWindowTest, TheTableDialogEmptiesTheMessageWhenTheGameResumes)
{
    form->startGame();
    form->runDialog(GameWindow::DialogPause::AroundTable, [&] {
        EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    });
    EXPECT_EQ(form->lblMessage->caption(), QString());
    EXPECT_TRUE(form->Timer1->enabled());
}

TEST_F(GameWindowTest, TimeLimitEntriesCarryTheOnlyCheckMark)
{
    for (int seconds : {30, 45, 60, 90})
        ASSERT_NE(form->findChild<QAction*>(QStringLiteral("mnu") + QString::number(seconds)), nullptr);
    form->timeLimitEntry(60)->trigger();
    EXPECT_EQ(gTimeLimit, 60);
    form->timeLimitEntry(90)->trigger();
    form->timeLimitEntry(90)->trigger(); // choosing it again keeps it chosen
    EXPECT_EQ(gTimeLimit, 90);
    for (int seconds : {30, 45, 60, 90})
        EXPECT_EQ(form->timeLimitEntry(seconds)->isChecked(), seconds == 90);
    EXPECT_EQ(form->timeLimitChoices, 3);
}

TEST_F(GameWindowTest, CardBackEntriesSwitchTheDesignInTheGamesNumbering)
{
    ImageList2();
    form->mnuHot->trigger();
    EXPECT_EQ(gDeckDesign, 4);
    EXPECT_TRUE(form->mnuHot->isChecked());
    form->mnuMagic->trigger();
    form->mnuMagic->trigger();
    EXPECT_EQ(gDeckDesign, 2);
    EXPECT_TRUE(form->mnuMagic->isChecked());
    EXPECT_FALSE(form->mnuHot->isChecked() || form->mnuPalm->isChecked() || form->mnuNight->isChecked());
    EXPECT_EQ(form->mnuPalm->text(), QStringLiteral("&Palm Tree"));
    EXPECT_EQ(form->mnuNight->text(), QStringLiteral("&Night Castle"));
    EXPECT_EQ(form->cardBacksChosen,
              (std::vector<CardBackDesign>{CardBackDesign::HotCards, CardBackDesign::MagicHands,
                                           CardBackDesign::MagicHands}));
}

TEST_F(GameWindowTest, MusicFollowsItsSwitchOnlyDuringAGame)
{
    form->mnuMusic->trigger();
    EXPECT_TRUE(gMusicOn);
    EXPECT_TRUE(form->mnuMusic->isChecked());
    EXPECT_EQ(audio.tuneStarts(), 0); // the next round starts it

    form->startGame();
    form->cmdPause_Click();
    form->mnuMusic_Click();
    EXPECT_FALSE(gMusicOn);
    EXPECT_FALSE(form->mnuMusic->isChecked());
    form->mnuMusic->trigger();
    EXPECT_EQ(audio.tuneStarts(), 1); // a paused game plays it too
    EXPECT_TRUE(audio.tunePlaying());

    form->mnuSounds->trigger();
    EXPECT_TRUE(gSoundsOn);
    form->mnuSounds_Click();
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
}

TEST_F(GameWindowTest, MinimisingStopsTheRoundAndAnyOtherResizeRestartsIt)
{
    form->show();
    form->startGame();
    form->setMusicOn(true);
    audio.clear();

    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());

    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(audio.tunePlaying());

    form->cmdPause_Click();
    form->setWindowState(Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(form->Timer1->running());

    // Gridhand's kind of window leaves its round alone.
    form->cmdPause_Click();
    form->setRoundStopsWhenMinimized(false);
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(form->Timer1->running());
}

TEST_F(GameWindowTest, ASizeBelowTheMinimumSnapsBackAndIsNotLaidOut)
{
    form->setMinimumFormSizeTw(TestGameForm::FormWidth, TestGameForm::FormHeight);
    form->layouts = 0;
    form->resize(form->width() - 50, form->height() + 30);
    form->Form_Resize();
    EXPECT_EQ(platform::widthTw(form), TestGameForm::FormWidth);
    EXPECT_EQ(platform::heightTw(form), TestGameForm::FormHeight);

    form->layouts = 0;
    platform::resizeTw(form, TestGameForm::FormWidth + 1500, TestGameForm::FormHeight + 1500);
    form->Form_Resize();
    EXPECT_EQ(form->layouts, 1);
}

TEST_F(GameWindowTest, TheStatusBarWelcomesAndKeepsTheTime)
{
    form->showWelcome(QStringLiteral("  "));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Duetto!  "));
    clock.set(at("15:07:00"));
    form->StatusClock->fire();
    EXPECT_EQ(form->StatusBar1->panelText(3), QStringLiteral("3:07 PM"));
    EXPECT_EQ(form->StatusBar1->panelText(4), QStringLiteral("3/9/2024"));
    EXPECT_TRUE(form->StatusClock->enabled());
    EXPECT_EQ(form->StatusClock->interval(), 60000);
}

TEST_F(GameWindowTest, TheSplashTimerRunsTheGamesHook)
{
    EXPECT_FALSE(form->Timer4->enabled());
    form->startSplash();
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_EQ(form->Name(), QStringLiteral("frmDuetto"));
    EXPECT_EQ(form->objectName(), QStringLiteral("frmDuetto"));
}

TEST_F(GameWindowTest, StatusTextsNeverWidenTheWindow)
{
    platform::resizeTw(form, TestGameForm::FormWidth, TestGameForm::FormHeight);
    form->show();
    const QString longText = QStringLiteral("Create runs and triples by moving available cards!   ").repeated(4);
    form->StatusBar1->setPanelText(1, longText);
    form->StatusBar1->setPanelText(2, longText);
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    EXPECT_EQ(platform::widthTw(form), TestGameForm::FormWidth);
    EXPECT_LE(form->minimumSizeHint().width(), form->width());
    // The panel keeps the whole text; only its picture is cut.
    EXPECT_EQ(form->StatusBar1->panelText(2), longText);
}
