#include "SpiresWindowFixture.h"

#include "core/window/GameSplash.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

using platform::heightTw;
using platform::widthTw;

TEST_F(SpiresWindowTest, LoadsIdleWithTheBuiltInValues)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Spires!"));
    EXPECT_EQ(widthTw(form), 9570);
    EXPECT_EQ(heightTw(form), 7200);
    EXPECT_EQ(gTimeLimit, 45);
    EXPECT_TRUE(form->timeLimitEntry(45)->isChecked());
    EXPECT_EQ(gCardValue, 100);
    EXPECT_EQ(gBonusRoundScore, 40000);
    EXPECT_EQ(gSpireBonus, 5000);
    EXPECT_EQ(gHighRunBonus, 1000);
    EXPECT_EQ(gTimeBonus, 100);
    EXPECT_TRUE(gSoundsOn);
    EXPECT_TRUE(form->mnuSounds->isChecked());
    EXPECT_FALSE(gMusicOn);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_EQ(gDeckDesign, 1);
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_EQ(form->board.mUpValue, 99);
    EXPECT_EQ(form->lblHighRun->caption(), QStringLiteral("Highest Run: 0"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("Current High Score: 30,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("SpiresHiScores45.Txt"))));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Spires!  "));
    EXPECT_EQ(form->frmSplash->lblProductName->caption(), QStringLiteral("Spires!"));
    EXPECT_EQ(form->frmSplash->lblCompanyProduct->caption(), QStringLiteral("Corvanta Presents"));
    EXPECT_EQ(form->frmSplash->lblVersion->caption(), QStringLiteral("Version 4.0"));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_FALSE(form->Timer1->enabled());
    for (CardImage* place : form->UpCardImage)
        EXPECT_FALSE(place->isVisible());
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->mnuPause->isEnabled());
    EXPECT_FALSE(form->mnuTakeScore->isEnabled());
    EXPECT_FALSE(gGameInProgress);
    saveScreenshot(form, QStringLiteral("spires_idle"));
}

TEST_F(SpiresWindowTest, TheMenusCarryTheirCaptionsAndShortcuts)
{
    struct Entry {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Entry entries[] = {
        {"mnuPlay", "&Play", "Ctrl+P"},
        {"mnuPause", "Pau&se", "Ctrl+S"},
        {"mnuTakeScore", "&Take Score", "Ctrl+T"},
        {"mnuExit", "E&xit", "Ctrl+X"},
        {"mnuViewHiScore", "&View High Scores...", "Ctrl+V"},
        {"mnuClearHighScores", "&Clear High Scores...", "Ctrl+C"},
        {"mnuClearHighRun", "Clear &High Run", "Ctrl+H"},
        {"mnuMusic", "Play &Music (plays during game)", "Ctrl+M"},
        {"mnuSounds", "&Play Sounds", "Ctrl+L"},
        {"mnuCustom", "&User Options...", "Ctrl+U"},
        {"mnu30", "&30 seconds", ""},
        {"mnu45", "&45 seconds (default)", ""},
        {"mnu60", "&60 seconds", ""},
        {"mnu90", "&90 seconds ", ""},
        {"mnuPalm", "&Palm Tree", ""},
        {"mnuMagic", "&Magic Hands", ""},
        {"mnuNight", "&Night Castle", ""},
        {"mnuHot", "&Hot Cards", ""},
        {"mnuRules", "&Rules...", "Ctrl+R"},
        {"mnuAbout", "&About", ""},
    };
    for (const Entry& e : entries) {
        auto* action = form->findChild<QAction*>(QLatin1String(e.name));
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->text(), QLatin1String(e.caption)) << e.name;
        EXPECT_EQ(action->shortcut().toString(), QLatin1String(e.shortcut)) << e.name;
    }
    EXPECT_EQ(form->mnuTime->text(), QStringLiteral("&Time Limit"));
    EXPECT_EQ(form->mnuDeck->text(), QStringLiteral("Dec&k"));
}

TEST_F(SpiresWindowTest, TheDealLaysTheTowersTheStockAndTheUpCard)
{
    play();
    EXPECT_TRUE(gGameInProgress);
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End Game"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Ends the current game"));
    for (int p = 0; p < 28; ++p) {
        CardImage* place = form->UpCardImage[std::size_t(p)];
        EXPECT_TRUE(place->isVisible()) << p;
        EXPECT_EQ(place->shows(QStringLiteral("BACK")), p < 18) << p;
        EXPECT_EQ(place->borderStyle(), p < 18 ? 0 : 1) << p;
    }
    EXPECT_EQ(form->board.upCard, gDeck[52]);
    EXPECT_EQ(form->board.mUpValue, cardRank(gDeck[52]));
    EXPECT_TRUE(form->UpCardPicture->shows(QString::fromStdString(trimmedCode(gDeck[52]))));
    EXPECT_TRUE(form->CardStackPicture->shows(QStringLiteral("FULL")));
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("23"));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->lblCurrentRun->caption(), QStringLiteral("Current Run: 0"));
    EXPECT_EQ(form->lblNextCard->caption(), QStringLiteral("Next card worth: 100 points"));
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 45"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 40,000 for Bonus Round!   "));
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Create runs by clicking on exposed cards!   "));
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer4->enabled());
    EXPECT_FALSE(form->frmSplash->isVisible());
    EXPECT_FALSE(form->mnuCustom->isEnabled());
    EXPECT_FALSE(form->mnuTime->isEnabled());
    EXPECT_FALSE(form->mnuClearHighRun->isEnabled());
    EXPECT_TRUE(form->cmdTakeScore->isEnabled());
    EXPECT_TRUE(form->mnuTakeScore->isEnabled());
    saveScreenshot(form, QStringLiteral("spires_round"));
}

TEST_F(SpiresWindowTest, ClicksPlayRunsAndTheStockEndsThem)
{
    play();
    lay(51, 4);
    lay(18, 5);
    lay(19, 6);
    audio.clear();
    // A real click on the place reaches the handler.
    QTest::mouseClick(form->UpCardImage[18], Qt::LeftButton);
    form->UpCardImage_Click(19);
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("300"));
    EXPECT_EQ(form->lblCurrentRun->caption(), QStringLiteral("Current Run: 2"));
    EXPECT_EQ(form->lblHighRun->caption(), QStringLiteral("Highest Run: 2"));
    EXPECT_EQ(form->lblNextCard->caption(), QStringLiteral("Next card worth: 300 points"));
    EXPECT_FALSE(form->UpCardImage[18]->isVisible());
    EXPECT_EQ(form->UpCardImage[18]->picture(), 0);
    // Place 9 lost both its covers and turns face up, with the mark.
    EXPECT_FALSE(form->UpCardImage[9]->shows(QStringLiteral("BACK")));
    EXPECT_EQ(form->UpCardImage[9]->borderStyle(), 1);
    EXPECT_TRUE(form->UpCardPicture->shows(QString::fromStdString(trimmedCode(form->board.mCards[19]))));

    // A face-down place and the up card only sound the refusal.
    form->UpCardImage_Click(0);
    form->UpCardPicture_Click();
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(audio.waves().filter(QStringLiteral("Markq.wav")).size(), 2);
    EXPECT_EQ(audio.waves().filter(QStringLiteral("Chord.wav")).size(), 2);

    form->CardStackPicture_Click();
    EXPECT_EQ(form->lblCurrentRun->caption(), QStringLiteral("Current Run: 0"));
    EXPECT_EQ(form->lblNextCard->caption(), QStringLiteral("Next card worth: 100 points"));
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("22"));
    EXPECT_TRUE(form->UpCardPicture->shows(QString::fromStdString(trimmedCode(form->board.mCards[28]))));
}

TEST_F(SpiresWindowTest, AnotherCardBackRedrawsTheStockAndTheFaceDownPlaces)
{
    play();
    for (int i = 0; i < 10; ++i)
        form->CardStackPicture_Click();
    const int upPicture = form->UpCardPicture->picture();
    const int facePicture = form->UpCardImage[20]->picture();
    form->mnuNight->trigger();
    EXPECT_EQ(gDeckDesign, 3);
    EXPECT_TRUE(form->mnuNight->isChecked());
    EXPECT_FALSE(form->mnuPalm->isChecked());
    EXPECT_EQ(form->CardStackPicture->picture(), int(CardBackDesign::NightCastle) + 2); // its half pile
    for (int p = 0; p < 18; ++p)
        EXPECT_EQ(form->UpCardImage[std::size_t(p)]->picture(), int(CardBackDesign::NightCastle) + 1) << p;
    EXPECT_EQ(form->UpCardPicture->picture(), upPicture);
    EXPECT_EQ(form->UpCardImage[20]->picture(), facePicture);

    // Paused, the places are hidden, and still show the new back and refuse play after resuming.
    form->cmdPause->click();
    form->mnuHot->trigger();
    form->cmdPause->click();
    for (int p = 0; p < 18; ++p) {
        EXPECT_TRUE(form->UpCardImage[std::size_t(p)]->isVisible());
        EXPECT_TRUE(form->UpCardImage[std::size_t(p)]->shows(QStringLiteral("BACK")));
    }
    const std::int32_t before = gScore;
    form->UpCardImage_Click(5);
    EXPECT_EQ(gScore, before);

    for (int i = 0; i < 13; ++i)
        form->CardStackPicture_Click();
    EXPECT_TRUE(form->CardStackPicture->shows(QStringLiteral("EMPTY")));
    form->mnuMagic->trigger();
    EXPECT_TRUE(form->CardStackPicture->shows(QStringLiteral("EMPTY")));
}

TEST_F(SpiresWindowTest, PauseHidesTheCardsAndResumeShowsOnlyThoseNotPlayed)
{
    play();
    lay(51, 4);
    lay(18, 5);
    form->UpCardImage_Click(18);
    form->cmdPause->click();
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    EXPECT_TRUE(form->lblMessage->isVisible());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->mnuPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->cmdExit->isEnabled());
    EXPECT_FALSE(form->mnuPlay->isEnabled());
    for (CardImage* place : form->UpCardImage)
        EXPECT_FALSE(place->isVisible());
    EXPECT_FALSE(form->CardStackPicture->isVisible());

    form->cmdPause->click();
    EXPECT_FALSE(form->lblMessage->isVisible());
    EXPECT_EQ(form->lblMessage->caption(), QString());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_FALSE(form->UpCardImage[18]->isVisible());
    for (int p = 0; p < 28; ++p) {
        if (p != 18) {
            EXPECT_TRUE(form->UpCardImage[std::size_t(p)]->isVisible()) << p;
        }
    }
    EXPECT_TRUE(form->UpCardPicture->isVisible());
}

TEST_F(SpiresWindowTest, TheClockWarnsAndRunsOutWithoutASpeedBonus)
{
    play();
    tick(22);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 23"));
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Create runs by clicking on exposed cards!   "));
    tick(1);
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Times running out!"));
    tick(12);
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Better Hurry!"));
    waits.clear();
    tick(10);
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gScore, 0);
    const auto shown = messagesShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), QStringLiteral("Times Up!"));
    for (const QString& m : shown) {
        EXPECT_NE(m, QStringLiteral("Speed Bonus!"));
        EXPECT_FALSE(m.startsWith(QStringLiteral("Sorry")));
    }
    EXPECT_EQ(shown.back(), QStringLiteral("Prepare for Round Two!"));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_FALSE(gRoundOver);
    EXPECT_FALSE(form->Timer2->enabled());
}

TEST_F(SpiresWindowTest, TakingTheScoreEarlyPaysTheSpeedBonusOnlyForACompletedTower)
{
    play();
    tick(5);
    audio.clear();
    platform::setWaitHandler([this](int ms) {
        recordWait(ms);
        if (ms == 3000)
            saveScreenshot(form, QStringLiteral("spires_no_tower"));
    });
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 0);
    const auto shown = messagesShown();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), QStringLiteral("Sorry, you must complete at least\r\none tower to receive the time bonus!"));
    EXPECT_TRUE(std::any_of(waits.begin(), waits.end(), [](const WaitSnapshot& s) { return s.ms == 3000; }));
    EXPECT_EQ(audio.waves().filter(QStringLiteral("Slide.wav")).size(), 1);

    // Round two: one tower top played, taken with 40 seconds left.
    form->board.places[1] = spires::PlaceState::FaceUp;
    lay(51, 3);
    lay(1, 4);
    form->UpCardImage_Click(1);
    EXPECT_TRUE(form->lblTower[1]->isVisible());
    EXPECT_EQ(form->lblTower[1]->caption(), QStringLiteral("Tower 2 Completed!"));
    tick(5);
    waits.clear();
    form->cmdTakeScore->click();
    // 100 for the card, 40 x 100 speed bonus, one tower 5,000, the first record 1 x 1,000.
    EXPECT_EQ(gScore, 100 + 4000 + 5000 + 1000);
    const auto later = messagesShown();
    EXPECT_NE(std::find(later.begin(), later.end(), QStringLiteral("Speed Bonus!")), later.end());
    EXPECT_NE(std::find(later.begin(), later.end(), QStringLiteral("Tower Bonus!!")), later.end());
    EXPECT_NE(std::find(later.begin(), later.end(), QStringLiteral("Highest Run Bonus!")), later.end());
    EXPECT_EQ(later.back(), QStringLiteral("Game Over"));
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    EXPECT_FALSE(gGameInProgress);

    // A Take Score once the round is over does nothing.
    form->cmdTakeScore_Click();
    EXPECT_EQ(gScore, 10100);
}

TEST_F(SpiresWindowTest, EndingAGameAsksAndOffersTheScoreSoFar)
{
    play();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->cmdPlay->click();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("You have a game in progress, are you sure you want to quit?"));
        EXPECT_TRUE(gGameInProgress);
    }
    gScore = 35000;
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->cmdPlay->click();
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(namePrompts, 1);
    EXPECT_TRUE(file(QStringLiteral("SpiresHiScores45.Txt")).startsWith("Tester, 35000"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("Current High Score: 35,000"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Starts a new game"));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_TRUE(form->mnuClearHighRun->isEnabled());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Game Over"));
}

TEST_F(SpiresWindowTest, ClearHighRunAsksAroundAPause)
{
    form->board.mHighRun = 9;
    play();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->mnuClearHighRun->setEnabled(true);
        form->mnuClearHighRun_Click();
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("This will clear the current high run value. Are you sure?"));
        EXPECT_EQ(form->board.mHighRun, 9);
        EXPECT_TRUE(form->Timer1->enabled()); // resumed after the question
        EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    }
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->mnuClearHighRun_Click();
    EXPECT_EQ(form->board.mHighRun, 0);
    EXPECT_EQ(form->lblHighRun->caption(), QStringLiteral("Highest Run: 0"));
}

TEST_F(SpiresWindowTest, TheCloseQuestionDependsOnTheGameAndTheMinutes)
{
    clock.set(QDateTime(QDate(2024, 3, 9), QTime(10, 0, 59)));
    form->recordStartTime();
    clock.set(QDateTime(QDate(2024, 3, 9), QTime(10, 4, 0)));
    EXPECT_EQ(form->closeQuestion(), QStringLiteral("Giving up so soon?"));
    clock.set(QDateTime(QDate(2024, 3, 9), QTime(10, 5, 0)));
    EXPECT_EQ(form->closeQuestion(), QStringLiteral("Are you sure you want to quit now? Were just getting started!"));
    play();
    EXPECT_EQ(form->closeQuestion(), QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo);
    form->close();
    EXPECT_TRUE(form);
    EXPECT_TRUE(gGameInProgress);
    EXPECT_TRUE(form->Timer1->enabled());
}

TEST_F(SpiresWindowTest, TheWindowKeepsItsMinimumAndLaysOutAtAnySize)
{
    play();
    platform::resizeTw(form, 9000, 8000);
    QApplication::processEvents();
    EXPECT_EQ(widthTw(form), 9570);
    EXPECT_EQ(heightTw(form), 7200);
    for (int width : {9570, 12000, 15000}) {
        platform::resizeTw(form, width, 9000);
        QApplication::processEvents();
        // The middle top is centred, and the base row stays inside the window.
        const CardImage* middle = form->UpCardImage[1];
        EXPECT_NEAR(platform::leftTw(middle) + widthTw(middle) / 2, widthTw(form) / 2, 30) << width;
        EXPECT_GE(platform::leftTw(form->UpCardImage[18]), 0) << width;
        EXPECT_LE(platform::leftTw(form->UpCardImage[27]) + widthTw(form->UpCardImage[27]), widthTw(form)) << width;
        EXPECT_LE(platform::leftTw(form->cmdPlay) + widthTw(form->cmdPlay), widthTw(form)) << width;
    }
    saveScreenshot(form, QStringLiteral("spires_wide"));
}

TEST_F(SpiresWindowTest, MinimisingStopsTheClockAndRestoringRestartsIt)
{
    gMusicOn = true;
    play();
    form->showMinimized();
    form->Form_Resize();
    EXPECT_FALSE(form->Timer1->running());
    form->showNormal();
    form->Form_Resize();
    EXPECT_TRUE(form->Timer1->running());
    form->cmdPause->click();
    form->showMinimized();
    form->Form_Resize();
    form->showNormal();
    form->Form_Resize();
    EXPECT_FALSE(form->Timer1->running());
}

TEST_F(SpiresWindowTest, TheSplashHidesTheGameOverItReturnsOverAtAnySize)
{
    play();
    form->cmdTakeScore->click();
    form->cmdTakeScore->click();
    ASSERT_FALSE(gGameInProgress);
    ASSERT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    ASSERT_TRUE(form->lblMessage->isVisible());
    QWidget* felt = form->centralWidget();
    // What the splash shows is the same whether the message lies under it or not.
    const auto splashLooksBare = [&] {
        const QRect splash = form->frmSplash->geometry();
        EXPECT_TRUE(splash.intersects(form->lblMessage->geometry()));
        const QImage over = felt->grab(splash).toImage();
        form->lblMessage->hide();
        const QImage bare = felt->grab(splash).toImage();
        form->lblMessage->show();
        return over == bare;
    };
    EXPECT_TRUE(splashLooksBare());
    // A resize lays the message out again without bringing it over the splash.
    form->resize(form->width() + 200, form->height() + 120);
    QApplication::processEvents();
    EXPECT_TRUE(splashLooksBare());
    saveScreenshot(form, QStringLiteral("spires_game_over_under_splash"));
}
