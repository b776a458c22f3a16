#include "GridhandWindowFixture.h"

#include "core/window/ClockSurface.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>
#include <QMenuBar>

TEST_F(GridhandWindowTest, LoadWritesTheDefaultSettingsAndShowsTheSplash)
{
    const QByteArray ini = file("Gridhand.Ini");
    EXPECT_TRUE(ini.startsWith("[Time]\r\n75\r\n\r\n[Play Sounds]\r\nTrue\r\n\r\n"));
    EXPECT_TRUE(ini.contains("[Over Writes]\r\n3\r\n\r\n[State]\r\n0\r\n\r\n"));
    EXPECT_EQ(gTimeLimit, 75);
    EXPECT_TRUE(form->timeLimitEntry(75)->isChecked());
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_TRUE(form->mnuSounds->isChecked());
    EXPECT_FALSE(form->mnuMusic->isChecked());
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
    EXPECT_TRUE(file("GridhandHighScores75.Txt").startsWith("Corvanta, 30000\r\n"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Gridhand!"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Gridhand!   "));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->mnuPause->isEnabled());
    EXPECT_FALSE(gCustomScoring);
    saveScreenshot(form, QStringLiteral("gridhand-idle"));
}

TEST_F(GridhandWindowTest, TheMenusCarryTheirCaptionsAndShortcuts)
{
    QStringList captions;
    for (QAction* top : form->menuBar()->actions()) {
        captions << top->text();
        for (QAction* entry : top->menu()->actions())
            captions << (entry->isSeparator() ? QStringLiteral("-")
                                              : entry->text() + QLatin1Char('|') + entry->shortcut().toString());
    }
    const QStringList expected{"&File", "&Play|Ctrl+P", "Pau&se|Ctrl+S", "-", "E&xit|", "&Options",
                               "&View High Scores...|Ctrl+V", "&Clear High Scores...|Ctrl+C", "-",
                               "Play &Music (plays during game)|Ctrl+M", "&Play Sounds|Ctrl+L", "-",
                               "&User Options...|Ctrl+U", "&Time Limit|", "Dec&k|", "&Help", "&Rules|Ctrl+R", "-",
                               "&About|"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(form->timeLimitEntry(60)->text(), QStringLiteral("&60 seconds  "));
    EXPECT_EQ(form->timeLimitEntry(75)->text(), QStringLiteral("&75 seconds (default)"));
}

TEST_F(GridhandWindowTest, PlacingDrawsTheNextCardAndOverwritesAreCounted)
{
    play();
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("Cards remaining: 51"));
    lay({"13S", "13H", "2C", "3C", "4C", "5C"});
    place({0});
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("Cards remaining: 50"));
    place({3});
    EXPECT_EQ(form->lblRow[1]->caption(), QStringLiteral("1 Pair"));
    EXPECT_EQ(form->lblRow[1]->foreColor(), platform::ColorBlue);
    EXPECT_EQ(form->lblPointsEarned->caption(), QStringLiteral("Points Earned: 50"));
    EXPECT_EQ(played("TwentyOne.wav"), 1);
    // The hand sound replaces the click of the draw that follows it.
    EXPECT_EQ(played("Click.wav"), 2);

    // Overwriting the king breaks the pair: its points are gone.
    place({3, 0});
    EXPECT_EQ(form->lblRow[1]->caption(), QStringLiteral("Nothing"));
    EXPECT_EQ(gHandPoints, 0);
    EXPECT_EQ(form->lblOverWrites->caption(), QStringLiteral("Over Writes Remaining: 1"));
    EXPECT_EQ(form->lblOverWrites->foreColor(), platform::ColorBlue);
    place({3});
    EXPECT_EQ(form->lblOverWrites->caption(), QStringLiteral("Over Writes Remaining: 0"));
    EXPECT_EQ(form->lblOverWrites->foreColor(), platform::ColorRed);
    const int chords = played("Chord.wav");
    place({3});
    EXPECT_EQ(played("Chord.wav"), chords + 1);
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("Cards remaining: 46"));

    // The deck never deals by hand.
    form->CardStackPicture_Click();
    EXPECT_EQ(played("Chord.wav"), chords + 2);
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("Cards remaining: 46"));
    saveScreenshot(form, QStringLiteral("gridhand-mid-round"));
}

TEST_F(GridhandWindowTest, PausingHidesTheCardsAndResumingBringsThemBack)
{
    play();
    lay({"13S"});
    place({6});
    form->cmdPause->click();
    EXPECT_EQ(form->ScoringLabel->caption(), QStringLiteral("Game Paused"));
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(form->PlayCards[6]->isVisible());
    EXPECT_FALSE(form->lblRow[2]->isVisible());
    EXPECT_TRUE(form->lblCurrentScore->isVisible());
    EXPECT_TRUE(form->Surface->isVisible());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->cmdPlay->isEnabled());
    saveScreenshot(form, QStringLiteral("gridhand-paused"));
    form->cmdPause->click();
    EXPECT_TRUE(form->PlayCards[6]->isVisible());
    EXPECT_TRUE(form->PlayCards[6]->shows(QStringLiteral("13S")));
    EXPECT_TRUE(form->PlayCards[7]->shows(QStringLiteral("EMPTY")));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(form->lblRow[2]->isVisible());
}

TEST_F(GridhandWindowTest, EndGameAnsweredNoResumesAndYesReturnsToTheSplash)
{
    play();
    tick(5);
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdPlay->click();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress, are you sure you want to quit?"));
        EXPECT_EQ(boxes.shown()[0].style, 36);
    }
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(gElapsed, 5);
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->cmdPlay->click();
    }
    EXPECT_FALSE(form->mGameRunning);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_FALSE(form->PlayCards[0]->isVisible());
    EXPECT_EQ(namePrompts, 0);
}

TEST_F(GridhandWindowTest, TheQuitQuestionDependsOnTheGameAndTheMinutesPassed)
{
    struct Case {
        QTime closedAt;
        bool running;
        const char* question;
    };
    const Case cases[] = {
        {QTime(10, 4, 59), false, "Giving up so soon?"},
        {QTime(10, 5, 0), false, "Are you sure you want to quit now? Were just getting started!"},
        {QTime(10, 4, 59), true, "You have a game in progress. Are you sure you want to quit now?"},
    };
    for (const Case& c : cases) {
        if (c.running && !form->mGameRunning)
            play();
        clock.set(QDateTime(QDate(2024, 3, 9), c.closedAt));
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->close();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QString::fromLatin1(c.question));
        EXPECT_TRUE(form->isVisible());
    }
    // No leaves the game running and the settings file alone.
    EXPECT_TRUE(form->Timer1->enabled());
    QFile::remove(folder.file(QStringLiteral("Gridhand.Ini")));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->close();
    EXPECT_TRUE(file("Gridhand.Ini").startsWith("[Time]\r\n75\r\n"));
}

TEST_F(GridhandWindowTest, TheRoundRunsOnWhileTheWindowIsMinimised)
{
    play();
    form->showMinimized();
    EXPECT_TRUE(form->Timer1->enabled());
    form->showNormal();
    EXPECT_TRUE(form->Timer1->enabled());
}

TEST_F(GridhandWindowTest, TheGridIsLaidOutFromTheWindowsCentreLine)
{
    platform::resizeTw(form, 9540, 7305);
    const int lefts[] = {300, 1500, 2700, 3900, 5100};
    for (int c = 0; c < 5; ++c)
        EXPECT_NEAR(platform::leftTw(form->PlayCards[20 + c]), lefts[c], 15);
    EXPECT_NEAR(platform::leftTw(form->CardStackPicture), 7110, 15);
    EXPECT_NEAR(platform::leftTw(form->HoleCard), 8310, 15);
    EXPECT_NEAR(platform::topTw(form->PlayCards[5]), 1242, 15);
    EXPECT_NEAR(platform::topTw(form->PlayCards[24]), 4355, 30);

    platform::resizeTw(form, 12000, 9000);
    EXPECT_NEAR(platform::leftTw(form->PlayCards[2]), 6000 - 2070, 15);
    EXPECT_NEAR(platform::topTw(form->PlayCards[0]), 204, 15);
    EXPECT_GT(platform::topTw(form->PlayCards[24]), 4400);
}

TEST_F(GridhandWindowTest, TheSettingsFileIsAppliedThroughTheMenusAtLoad)
{
    delete form;
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Gridhand.Ini")),
                                              "[Time]\r\n120\r\n\r\n[Play Sounds]\r\ntrue\r\n\r\n[Deck]\r\n2\r\n\r\n"
                                              "[Over Writes]\r\n40\r\n\r\n[Pair Score]\r\n60000\r\n\r\n"
                                              "[Royal Flush Score]\r\n-5\r\n\r\n"));
    form = new frmGridhand;
    EXPECT_EQ(gTimeLimit, 120);
    EXPECT_TRUE(form->timeLimitEntry(120)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(75)->isChecked());
    EXPECT_TRUE(form->mnuMagic->isChecked());
    EXPECT_EQ(gDeckDesign, 2);
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
    EXPECT_EQ(gOverwritesAllowed, 3) << "more than 26 could empty the deck before the grid is full";
    // Beyond what the user-options dialog accepts, but used as stored.
    EXPECT_EQ(gPairPoints, 60000);
    EXPECT_EQ(gRoyalFlushPoints, -5);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("GridhandHighScores120.Txt"))));
}

TEST_F(GridhandWindowTest, ASettingsFileThatCannotBeWrittenIsToldAndTheWindowClosesAnyway)
{
    const QString ini = folder.file(QStringLiteral("Gridhand.Ini"));
    QFile::remove(ini);
    ASSERT_TRUE(QDir().mkdir(ini));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    form->close();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].prompt.startsWith(QStringLiteral("Unable to save your options in ")));
    EXPECT_EQ(boxes.shown()[1].style, platform::vbExclamation);
    EXPECT_FALSE(form->isVisible());
}

// A window opened minimised is centred all the same, so restoring it brings it to the middle of the screen.
TEST_F(GridhandWindowTest, AWindowOpenedMinimisedIsRestoredCentred)
{
    delete form;
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Gridhand.Ini")),
                                              "[State]\r\n1\r\n\r\n[Width]\r\n10500\r\n\r\n[Height]\r\n7800\r\n\r\n"));
    openWindow();
    EXPECT_TRUE(form->isMinimized());
    form->showNormal();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(platform::widthTw(form), 10500);
    EXPECT_NEAR(form->frameGeometry().center().x(), screen.center().x(), 2);
    EXPECT_NEAR(form->frameGeometry().center().y(), screen.center().y(), 2);
}
