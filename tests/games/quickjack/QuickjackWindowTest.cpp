// The Quickjack window's load, menus, pause, counter, minimise and close.
#include "QuickjackWindowFixture.h"

#include "games/quickjack/frmQuickjackCustomScoring.h"
#include "platform/Colors.h"
#include "platform/Twips.h"
#include "support/Screenshot.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

namespace {
QStringList entries(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') + a->shortcut().toString());
    return out;
}
} // namespace

TEST_F(QuickjackWindowTest, AFirstLoadWritesTheDefaultsAndAppliesThem)
{
    EXPECT_EQ(file(QStringLiteral("Quickjack.Ini")),
              QByteArray("[Play Sounds]\r\nTrue\r\n\r\n[Timer Speed]\r\n 90\r\n\r\n[Play Music]\r\nFalse\r\n\r\n"
                         "[Deck]\r\n3\r\n\r\n[Cards To Pass]\r\n3\r\n\r\n[TwentyOne Bonus Value]\r\n1000\r\n\r\n"
                         "[Cards Used Bonus Value]\r\n100\r\n\r\n[5 Cards Bonus Value]\r\n750\r\n\r\n"
                         "[Deck Completion Bonus]\r\n100000\r\n\r\n[Wait Period]\r\n2000\r\n\r\n[Time Limit]\r\n90\r\n\r\n"
                         "[Bonus Round Score]\r\n250000\r\n\r\n[Count Down Score]\r\nTrue\r\n\r\n[State]\r\n0\r\n\r\n"
                         "[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n\r\n\r\n"));
    EXPECT_TRUE(gSoundsOn);
    EXPECT_FALSE(gMusicOn);
    EXPECT_EQ(gDeckDesign, 3);
    EXPECT_TRUE(form->mnuNight->isChecked());
    EXPECT_TRUE(form->timeLimitEntry(90)->isChecked());
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_EQ(form->Timer3->interval(), 90);
    EXPECT_EQ(gCardsToPass, 3);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quickjack!"));
    EXPECT_EQ(panel(1), QStringLiteral("Welcome to Quickjack!!      "));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_TRUE(form->Timer4->enabled());
    saveScreenshot(form, QStringLiteral("quickjack-idle"));
}

TEST_F(QuickjackWindowTest, TheMenusReadAsTheGameNamesThem)
{
    const QList<QAction*> tops = form->menuBar()->actions();
    ASSERT_EQ(tops.size(), 3);
    EXPECT_EQ(tops[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(entries(tops[0]->menu()),
              (QStringList{"&Play|Ctrl+P", "Pau&se|Ctrl+S", "-", "E&xit|Ctrl+X"}));
    EXPECT_EQ(entries(tops[1]->menu()),
              (QStringList{"&View High Scores...|Ctrl+V", "&Clear High Scores...|Ctrl+C", "-",
                           "Play &Music (plays during game)|Ctrl+M", "&Play Sounds|Ctrl+L", "-",
                           "&User Options...|Ctrl+U", "&Deck|", "&Time limit|"}));
    EXPECT_EQ(entries(form->mnuDeck->menu()), (QStringList{"&Palm Tree|", "&Magic Hands|", "&Night Castle|", "&Hot Cards|"}));
    EXPECT_EQ(entries(form->mnuTimeLimit->menu()),
              (QStringList{"&15 Seconds (for the daring)|", "&30 Seconds|", "&60 Seconds|", "&90 Seconds (default)|",
                           "&120 Seconds|"}));
    EXPECT_EQ(entries(tops[2]->menu()), (QStringList{"&Rules...|Ctrl+R", "-", "&About|"}));
    EXPECT_FALSE(form->mnuPause->isEnabled());

    form->timeLimitEntry(15)->trigger();
    form->timeLimitEntry(60)->trigger();
    EXPECT_FALSE(form->timeLimitEntry(15)->isChecked());
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("QuickjackHiScores60.Txt"))));

    form->mnuHot->trigger();
    EXPECT_EQ(gDeckDesign, 1);
    form->mnuPalm->trigger();
    EXPECT_EQ(gDeckDesign, 4);
}

TEST_F(QuickjackWindowTest, TheCounterFlashesTheBonusBackAndBlinksInItsSecondHalf)
{
    play();
    lay({10, 1, 10, 1, 2, 2, 2, 2, 2});
    hits({0, 0, 1, 1});
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("2000"));
    for (int i = 0; i < 50; ++i)
        form->Timer3->fire();
    EXPECT_TRUE(form->Timer5->enabled());
    form->Timer5->fire();
    EXPECT_EQ(form->lblTwentyoneTime->foreColor(), platform::ColorRed);
    form->Timer5->fire();
    EXPECT_EQ(form->lblTwentyoneTime->foreColor(), platform::ColorBlack);

    // A five-card column in the second half starts the counter over and keeps the bonus.
    hits({2, 2, 2, 2, 2});
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_FALSE(form->Timer5->enabled());
    EXPECT_EQ(form->lblTwentyoneTime->foreColor(), platform::ColorBlue);
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("2000"));
    EXPECT_TRUE(form->Timer3->enabled());

    waits.clear();
    for (int i = 0; i < 101; ++i)
        form->Timer3->fire();
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("1000"));
    EXPECT_EQ(waitsOf(250), 1);
    EXPECT_EQ(form->lblBonus->foreColor(), platform::ColorBlue);
    EXPECT_TRUE(form->Timer3->enabled()) << "it runs again from 0";
}

TEST_F(QuickjackWindowTest, PauseKeepsTheClockAndCounterWhereTheyStood)
{
    play();
    lay({10, 1});
    hits({0, 0});
    form->Timer3->fire();
    form->cmdPause->click();
    EXPECT_EQ(form->ScoringLabelInfo->caption(), QStringLiteral("Game Paused"));
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer3->enabled());
    EXPECT_FALSE(form->NextCardPicture->isVisible());
    EXPECT_FALSE(form->cmdPlay->isEnabled());
    form->cmdPause->click();
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(form->Timer3->enabled());
    EXPECT_EQ(form->ProgressBar1->value(), 1);
    EXPECT_TRUE(form->NextCardPicture->isVisible());
    EXPECT_EQ(form->ScoringLabelInfo->caption(), QString());

    // Before the round's first 21 the counter stays stopped on resuming.
    form->cmdTakeScore->click();
    form->cmdPause->click();
    form->cmdPause->click();
    EXPECT_FALSE(form->Timer3->enabled());
}

TEST_F(QuickjackWindowTest, PassStopsAtTheLastCardAndAtTheLastPass)
{
    play();
    for (int i = 0; i < 3; ++i)
        form->cmdPass->click();
    EXPECT_FALSE(form->cmdPass->isEnabled());
    EXPECT_EQ(form->lblCardsUsedCount->caption(), QStringLiteral("3"));

    // EnableControls keeps Pass off with no passes left.
    form->cmdPause->click();
    form->cmdPause->click();
    EXPECT_FALSE(form->cmdPass->isEnabled());
}

TEST_F(QuickjackWindowTest, ANegativeScoreShowsRed)
{
    play();
    lay({10, 5, 10});
    hits({0, 0, 0});
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("-100"));
    EXPECT_EQ(form->lblTotalScore->foreColor(), platform::ColorRed);
    EXPECT_EQ(form->ColumnTotal[0]->caption(), QStringLiteral("15"));
    EXPECT_TRUE(audio.waves().contains(appFile(QStringLiteral("Slide.wav"))));
}

TEST_F(QuickjackWindowTest, MinimisingStopsClockAndCounterAndRestoringRestartsThem)
{
    play();
    lay({10, 1});
    hits({0, 0});
    form->showMinimized();
    form->Form_Resize();
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(form->Timer3->running());
    form->showNormal();
    form->Form_Resize();
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(form->Timer3->running());
}

TEST_F(QuickjackWindowTest, TheWindowSnapsBackToItsMinimumSize)
{
    platform::resizeTw(form, 6000, 5000);
    EXPECT_EQ(platform::widthTw(form), 9060);
    EXPECT_EQ(platform::heightTw(form), 7155);
}

TEST_F(QuickjackWindowTest, ClosingAsksAndNoResumesTheGameItPaused)
{
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->close();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Giving up so soon?"));
    }
    clock.advanceSeconds(5 * 60);
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->close();
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Are you sure you want to quit now? Were just getting started!"));
    }
    play();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->close();
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
        EXPECT_EQ(form->cmdPause->text(), QStringLiteral("P&ause")) << "No resumes the game the question paused";
    }
    form->cmdPause->click();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->close();
        EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume")) << "a game paused before stays paused";
    }
}

TEST_F(QuickjackWindowTest, YesWritesTheSettingsAndCloses)
{
    form->mnuHot->trigger();
    form->timeLimitEntry(30)->trigger();
    gTimerSpeed = 180;
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    const QByteArray text = file(QStringLiteral("Quickjack.Ini"));
    EXPECT_TRUE(text.contains("[Timer Speed]\r\n 180\r\n"));
    EXPECT_TRUE(text.contains("[Deck]\r\n1\r\n"));
    EXPECT_TRUE(text.contains("[Time Limit]\r\n30\r\n"));

    // The next window comes back with them.
    SetQuickjackDefaults();
    form = new frmQuickjack;
    EXPECT_EQ(form->Timer3->interval(), 180);
    EXPECT_TRUE(form->mnuHot->isChecked());
    EXPECT_TRUE(form->timeLimitEntry(30)->isChecked());
    EXPECT_TRUE(gCustomScoring) << "a slower counter is custom scoring";
}

TEST_F(QuickjackWindowTest, AMonkeyedTimerSpeedIsToldAndSetToNormal)
{
    delete form;
    QFile f(folder.file(QStringLiteral("Quickjack.Ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Timer Speed]\r\n200\r\n[Time Limit]\r\n45\r\n[Deck]\r\n7\r\n[Wait Period]\r\n60000\r\n");
    f.close();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);
    form = new frmQuickjack;
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt,
              QStringLiteral("Someone has been monkeying around with the INI file...tsk tsk! Timer speed is set to default!"));
    EXPECT_EQ(boxes.shown()[0].title, QString());
    EXPECT_EQ(form->Timer3->interval(), 90);
    EXPECT_EQ(gTimeLimit, 45);
    for (int s : {15, 30, 60, 90, 120})
        EXPECT_FALSE(form->timeLimitEntry(s)->isChecked());
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_EQ(gWaitPeriod, 60000);
}

TEST_F(QuickjackWindowTest, TheUserOptionsDialogStoresAndChangesTheCounterAtOnce)
{
    frmQuickjackCustomScoring dialog(form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quickjack! User Options"));
    EXPECT_TRUE(dialog.optDefault->isChecked());
    EXPECT_EQ(dialog.txtWaitPeriod->text(), QStringLiteral("2"));
    dialog.optSlowest->setChecked(true);
    dialog.txt21BonusValue->setText(QStringLiteral("-5"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);
    dialog.cmdOK_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Sorry, a minimum of 0 is required for the Twenty One bonus score."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_EQ(dialog.txt21BonusValue->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Timer3->interval(), 360);
    EXPECT_EQ(gTimerSpeed, 360);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(panel(1), QStringLiteral("Make 250,000 for bonus round.  "));

    dialog.cmdDefault_Click();
    dialog.cmdOK_Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form->Timer3->interval(), 90);
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(QuickjackWindowTest, ANewCardBackRedrawsTheDeckAtTheSameStage)
{
    play();
    for (int i = 0; i < 3; ++i)
        form->cmdPass->click();
    gDeckIndex = 20; // the half pile
    form->RefreshPlayCard();
    form->mnuHot->trigger();
    EXPECT_TRUE(form->PlayCardPicture->shows(QStringLiteral("HALF")));
    EXPECT_EQ(form->PlayCardPicture->picture(), 12) << "Hot Cards' half pile";
    EXPECT_TRUE(form->mnuHot->isChecked());
    EXPECT_FALSE(form->mnuNight->isChecked());
}
