#include "CairnwellWindowFixture.h"

#include "core/window/ClockSurface.h"
#include "core/scores/GameScoring.h"
#include "games/cairnwell/CairnwellLayout.h"
#include "support/MenuEntry.h"
#include "support/ModalDialogs.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {
// Runs `open`, which shows a modal dialog, and closes the dialog once it is up.
void closeModal(const std::function<void()>& open, bool* wasShown)
{
    answerModal(open, [wasShown](QWidget* modal) {
        *wasShown = true;
        modal->close();
    });
}
} // namespace

TEST_F(CairnwellWindowTest, TheMenusHoldTheirEntriesInOrder)
{
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(entryCaptions(top[0]->menu()), QStringList({"&Play\tCtrl+P", "Pau&se\tCtrl+S", "-", "E&xit"}));
    EXPECT_EQ(entryCaptions(top[1]->menu()),
              QStringList({"&View High Scores...\tCtrl+V", "&Clear High Scores...\tCtrl+C", "-",
                           "Play &Music (plays during game)\tCtrl+M", "&Play Sounds\tCtrl+L", "-", "&User Options...",
                           "&Time Limit", "Dec&k"}));
    EXPECT_EQ(entryCaptions(form->mnuTime->menu()),
              QStringList({"&60 seconds", "&75 seconds", "&90 seconds", "&105 seconds", "1&20 seconds (default)",
                           "1&35 seconds", "1&50 seconds", "1&80 seconds"}));
    EXPECT_EQ(entryCaptions(form->mnuDeck->menu()),
              QStringList({"&Palm Tree", "&Magic Hands", "&Night Castle", "&Hot Cards"}));
    EXPECT_EQ(entryCaptions(top[2]->menu()), QStringList({"&Rules\tCtrl+R", "-", "&About..."}));
    EXPECT_FALSE(form->mnuPause->isEnabled());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Cairnwell!"));
    EXPECT_EQ(panel(1), QStringLiteral("Welcome to Cairnwell!   "));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
}

TEST_F(CairnwellWindowTest, TheCloseQuestionFollowsTheGameAndTheClock)
{
    struct Case {
        bool inGame;
        int secondsLater;
        const char* question;
    };
    const Case cases[] = {
        {false, 60, "Giving up so soon?"},
        {false, 300, "Are you sure you want to quit now? Were just getting started!"},
        {true, 0, "You have a game in progress. Are you sure you want to quit now?"},
    };
    for (const Case& c : cases) {
        if (c.inGame && !gGameInProgress)
            play();
        clock.set(gStartTime.addSecs(c.secondsLater));
        tick(3);
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdQuit->click();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QString::fromLatin1(c.question));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
        // No leaves the window, the game and its clock as they were.
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->Timer1->enabled(), c.inGame);
    }
}

TEST_F(CairnwellWindowTest, PausingHidesTheCardsAndKeepsTheSelection)
{
    form->setMusicOn(true);
    play();
    restack({"5S", "6S"});
    fanTo(1);
    form->PlayCard_Click(1);
    ASSERT_TRUE(form->PlayCardSelection[1]->isVisible());
    audio.clear();

    form->cmdPause->click();
    EXPECT_EQ(form->lblScoring->caption(), QStringLiteral("Game Paused"));
    EXPECT_TRUE(form->lblScoring->isVisible());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->PlayCard[1]->isVisible());
    EXPECT_FALSE(form->PlayCardSelection[1]->isVisible());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_EQ(form->mnuPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(audio.tunePlaying());

    form->cmdPause->click();
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(form->PlayCard[1]->isVisible());
    EXPECT_TRUE(form->PlayCardSelection[1]->isVisible());
    EXPECT_FALSE(form->PlayCard[5]->isVisible()); // the free place below stays hidden
    EXPECT_FALSE(form->lblScoring->isVisible());
    EXPECT_EQ(audio.tuneStarts(), 1);
}

TEST_F(CairnwellWindowTest, TheHighScoreTablePausesARunningGameButLeavesAPausedOnePaused)
{
    play();
    bool shown = false;
    closeModal([this] { form->mnuView->trigger(); }, &shown);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));

    form->cmdPause->click();
    shown = false;
    closeModal([this] { form->mnuView->trigger(); }, &shown);
    EXPECT_TRUE(shown);
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->lblScoring->caption(), QStringLiteral("Game Paused"));
    EXPECT_FALSE(form->Timer1->enabled());
}

TEST_F(CairnwellWindowTest, EndingAGameFromPlayAsksAndRecordsNoScore)
{
    form->setMusicOn(true);
    play();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdPlay->click();
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress, are you sure you want to quit?"));
    }
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(audio.tunePlaying());
    EXPECT_TRUE(form->UpCard[2]->isVisible());
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->cmdPlay->click();
    }
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(form->UpCard[2]->isVisible());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_EQ(namePrompts, 0);
}

TEST_F(CairnwellWindowTest, MinimisingStopsTheRoundUnlessPaused)
{
    form->setMusicOn(true);
    play();
    form->showMinimized();
    form->Form_Resize();
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());
    form->showNormal();
    form->Form_Resize();
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(audio.tunePlaying());

    form->cmdPause->click();
    form->showMinimized();
    form->Form_Resize();
    form->showNormal();
    form->Form_Resize();
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());
}

TEST_F(CairnwellWindowTest, TakingTheScoreWithCardsInTheDeckPaysOnlyTheSpeedBonus)
{
    play();
    restack({"2S", "9H"});
    fanTo(0);
    tick(100);
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 20 * 200);
    EXPECT_EQ(form->mRound, 2);
}

TEST_F(CairnwellWindowTest, NoMovesLeftEndsTheRoundAtOnce)
{
    play();
    leaveOneMoveBeforeNoMovesLeft();
    tick(10);
    fanToStorage(2);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), QStringLiteral("No more legal moves left!"));
    EXPECT_EQ(gScore, 110 * 200);
    EXPECT_EQ(form->mRound, 2);
    EXPECT_EQ(audio.waves().filter(QStringLiteral("Slide.wav")).size(), 1);
}

TEST_F(CairnwellWindowTest, ChoosingACardBackMidRoundShowsTheFullPileUntilTheDeckMoves)
{
    play();
    for (int k = 0; k < 20; ++k)
        fanToStorage(0), form->table.mTempCards[0].clear(), form->table.TempCard[0].picture = cairnwell::EmptyKey;
    form->showTable();
    ASSERT_TRUE(form->CardStackPicture->shows(QStringLiteral("HALF")));
    form->chooseCardBack(CardBackDesign::HotCards);
    EXPECT_EQ(form->CardStackPicture->picture(), int(CardBackDesign::HotCards));
    fanToStorage(0);
    EXPECT_EQ(form->CardStackPicture->picture(), int(CardBackDesign::HotCards) + 2);
}

TEST_F(CairnwellWindowTest, TheLayoutHangsFromTheWindowsMiddle)
{
    using namespace cairnwell::layout;
    const CairnwellPlaces p = PlacesFor(9540, 7305);
    EXPECT_DOUBLE_EQ(p.tempCard[0].top, 252.5);
    EXPECT_DOUBLE_EQ(p.field.top, 2052.5);
    EXPECT_DOUBLE_EQ(p.playCard[0].top, 2172.5);
    EXPECT_DOUBLE_EQ(p.playCard[4].top, 2532.5);
    EXPECT_DOUBLE_EQ(p.playCard[8].top, 2892.5);
    EXPECT_DOUBLE_EQ(p.upCard[0].top, 4692.5);
    EXPECT_DOUBLE_EQ(p.buttonLeft, 8140);

    const CairnwellPlaces grown = PlacesFor(9540 + 1000, 7305 + 600);
    EXPECT_DOUBLE_EQ(grown.playCard[0].left - p.playCard[0].left, 500);
    EXPECT_DOUBLE_EQ(grown.playCard[0].top - p.playCard[0].top, 300);
    EXPECT_DOUBLE_EQ(grown.buttonLeft - p.buttonLeft, 1000);
    EXPECT_DOUBLE_EQ(grown.scoreBox.left - p.scoreBox.left, 1000);
    EXPECT_DOUBLE_EQ(grown.quitTop - p.quitTop, 300);

    // A window below the minimum in one direction goes back to the minimum in both.
    platform::resizeTw(form, 12000, 7000);
    form->Form_Resize();
    EXPECT_EQ(platform::widthTw(form), 9540);
    EXPECT_EQ(platform::heightTw(form), 7305);
    EXPECT_NEAR(platform::leftTw(form->cmdPlay), 8140, platform::TwipsPerPixel); // whole pixels
}

TEST_F(CairnwellWindowTest, ATimeLimitShowsItsOwnTableAndClearResetsIt)
{
    QFile table(folder.file(QStringLiteral("CairnwellHiScores60.Txt")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("Ada, 77777\r\n");
    table.close();
    form->timeLimitEntry(60)->trigger();
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(120)->isChecked());
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 77,777"));

    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->mnuClear->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_TRUE(file(QStringLiteral("CairnwellHiScores60.Txt")).startsWith("Corvanta, 50000"));
}
