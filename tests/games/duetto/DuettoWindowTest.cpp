#include "DuettoWindowFixture.h"

#include "core/cards/ImageList.h"
#include "support/FileSizeLimit.h"
#include "support/Screenshot.h"
#include "platform/Twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
QAction* entry(QWidget* form, const char* name) { return form->findChild<QAction*>(QLatin1String(name)); }
} // namespace

TEST_F(DuettoWindowTest, TheWindowLoadsIdleWithTheBuiltInValuesAndWritesItsFiles)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Duetto!"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Duetto!  "));
    EXPECT_EQ(gTimeLimit, 45);
    EXPECT_TRUE(form->timeLimitEntry(45)->isChecked());
    EXPECT_TRUE(form->mnuSounds->isChecked());
    EXPECT_FALSE(form->mnuMusic->isChecked());
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_FALSE(gCustomScoring);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_EQ(form->lblPairs->caption(), QStringLiteral("Pairs x 3000"));
    EXPECT_EQ(form->lblRuns->caption(), QStringLiteral("Runs x 500"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
    EXPECT_TRUE(file("DuettoHighScores45.Txt").startsWith("Corvanta, 30000\r\n"));
    EXPECT_TRUE(file("Duetto.Ini").startsWith("[Play Music]\r\nFalse\r\n\r\n[Time]\r\n45\r\n\r\n"));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_EQ(form->frmSplash->lblProductName->caption(), QStringLiteral("Duetto!"));
    EXPECT_EQ(form->frmSplash->lblCompanyProduct->caption(), QStringLiteral("Corvanta Presents"));
    EXPECT_EQ(form->frmSplash->lblVersion->caption(), QStringLiteral("Version 4.0"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_EQ(form->cmdTakeScore->toolTip(), QStringLiteral("End current round and take score"));
    EXPECT_EQ(form->cmdExit->toolTip(), QStringLiteral("Exits the game"));
    form->Timer4->fire();
    saveScreenshot(form, QStringLiteral("duetto-idle"));
}

TEST_F(DuettoWindowTest, TheMenusCarryTheirCaptionsNamesAndShortcuts)
{
    struct Row {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {"mnuPlay", "&Play", "Ctrl+P"},         {"mnuPause", "Pau&se", "Ctrl+S"},
        {"mnuTakeScore", "&Take Score", "Ctrl+T"}, {"mnuExit", "E&xit", "Ctrl+X"},
        {"mnuView", "&View High Scores...", "Ctrl+V"}, {"mnuClear", "&Clear High Scores...", "Ctrl+C"},
        {"mnuMusic", "Play &Music (plays during game)", "Ctrl+M"}, {"mnuSounds", "&Play Sounds", "Ctrl+L"},
        {"mnuCustom", "&User Options...", "Ctrl+U"}, {"mnuTime", "&Time Limit", ""},
        {"mnu30", "&30 seconds", ""},           {"mnu45", "&45 seconds (default)", ""},
        {"mnu105", "&105 seconds", ""},         {"mnu120", "1&20 seconds", ""},
        {"mnuDeck", "Dec&k", ""},               {"mnuNight", "&Night Castle", ""},
        {"mnuRules", "&Rules", "Ctrl+R"},       {"mnuAbout", "&About", ""},
    };
    for (const Row& r : rows) {
        QAction* a = entry(form, r.name);
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), QLatin1String(r.caption)) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QLatin1String(r.shortcut))) << r.name;
    }
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Help"));
    QStringList options;
    for (QAction* a : top[1]->menu()->actions())
        options << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(options, QStringList({"&View High Scores...", "&Clear High Scores...", "-", "Play &Music (plays during game)",
                                    "&Play Sounds", "-", "&User Options...", "&Time Limit", "Dec&k"}));
}

TEST_F(DuettoWindowTest, ChoosingATimeLimitMovesTheMarkAndShowsThatTablesBest)
{
    entry(form, "mnu105")->trigger();
    EXPECT_EQ(gTimeLimit, 105);
    for (int s : {30, 45, 60, 75, 90, 105, 120})
        EXPECT_EQ(form->timeLimitEntry(s)->isChecked(), s == 105) << s;
    const QByteArray table = file("DuettoHighScores105.Txt");
    EXPECT_EQ(table.count("Corvanta, 30000\r\n"), 10);
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
}

TEST_F(DuettoWindowTest, ClearingTheHighScoresResetsOnlyTheTableOfTheLimitInForce)
{
    entry(form, "mnu60")->trigger();
    const QByteArray kept("Ann, 90000\r\nCorvanta, 30000\r\n");
    QFile f45(folder.file(QStringLiteral("DuettoHighScores45.Txt")));
    ASSERT_TRUE(f45.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f45.write(kept);
    f45.close();
    QFile f60(folder.file(QStringLiteral("DuettoHighScores60.Txt")));
    ASSERT_TRUE(f60.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f60.write("Bea, 120000\r\n");
    f60.close();
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        form->mnuClear_Click();
        EXPECT_EQ(boxes.shown().at(0).prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
        EXPECT_EQ(boxes.shown().at(0).style, platform::vbYesNo | platform::vbQuestion);
    }
    EXPECT_EQ(file("DuettoHighScores60.Txt"), QByteArray("Bea, 120000\r\n"));
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->mnuClear_Click();
    }
    EXPECT_EQ(file("DuettoHighScores60.Txt").count("Corvanta, 30000\r\n"), 10);
    EXPECT_EQ(file("DuettoHighScores45.Txt"), kept);
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
}

TEST_F(DuettoWindowTest, AClearThatCannotWriteTheTableIsToldAndKeepsTheLabel)
{
    entry(form, "mnu60")->trigger();
    const QString caption = form->lblHighScore->caption();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    {
        FileSizeLimit full(0);
        form->mnuClear_Click();
    }
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].prompt.startsWith(QStringLiteral("Unable to clear the High Scores")));
    EXPECT_EQ(boxes.shown()[1].icon(), int(platform::vbExclamation));
    EXPECT_EQ(form->lblHighScore->caption(), caption);
}

TEST_F(DuettoWindowTest, AChosenCardBackShowsOnTheStockAtOnceAndInEveryLaterPicture)
{
    play();
    for (int i = 0; i < 11; ++i)
        form->CardStackPicture_Click();
    ASSERT_TRUE(form->CardStackPicture->shows(QStringLiteral("HALF")));
    entry(form, "mnuNight")->trigger();
    EXPECT_EQ(gDeckDesign, 3);
    EXPECT_TRUE(form->mnuNight->isChecked());
    EXPECT_FALSE(form->mnuPalm->isChecked());
    EXPECT_EQ(form->CardStackPicture->picture(), 7);
    form->CardStackPicture_Click();
    EXPECT_EQ(form->CardStackPicture->picture(), 9);
}

TEST_F(DuettoWindowTest, TheCloseQuestionCountsMinuteBoundariesAndNoKeepsEverything)
{
    struct Case {
        QTime closedAt;
        const char* question;
    };
    const Case cases[] = {{QTime(10, 4, 59), "Giving up so soon?"},
                          {QTime(10, 5, 0), "Are you sure you want to quit now? Were just getting started!"}};
    for (const Case& c : cases) {
        clock.set(QDateTime(QDate(2024, 3, 9), QTime(10, 0, 50)));
        form->recordStartTime();
        clock.set(QDateTime(QDate(2024, 3, 9), c.closedAt));
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        EXPECT_FALSE(form->close());
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QLatin1String(c.question));
        EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Duetto!"));
    }

    play();
    tick(3);
    entry(form, "mnuSounds")->trigger();
    const QByteArray before = file("Duetto.Ini");
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        EXPECT_FALSE(form->close());
        EXPECT_EQ(boxes.shown().at(0).prompt,
                  QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
    }
    EXPECT_EQ(file("Duetto.Ini"), before);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(gGameInProgress);

    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->cmdExit->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_FALSE(gGameInProgress);
    EXPECT_TRUE(file("Duetto.Ini").contains("[Play Sounds]\r\nFalse\r\n"));
}

TEST_F(DuettoWindowTest, TheSettingsFileIsAppliedAtLoadAndValuesNotOfferedKeepTheDefaults)
{
    delete form;
    QFile ini(folder.file(QStringLiteral("Duetto.Ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Time]\r\n50\r\n\r\n[Play Sounds]\r\ntrue\r\n\r\n[Deck]\r\n7\r\n\r\n[Pairs Bonus]\r\n4000\r\n\r\n"
              "[Runs Bonus]\r\n50000\r\n\r\n[Count Down Score]\r\nFalse\r\n\r\n");
    ini.close();
    form = new frmDuetto;
    EXPECT_EQ(gTimeLimit, 45);
    EXPECT_TRUE(form->timeLimitEntry(45)->isChecked());
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_EQ(gPairsBonus, 4000);
    // Beyond what the user-options dialog accepts, but used as stored.
    EXPECT_EQ(gRunsBonus, 50000);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(form->lblPairs->caption(), QStringLiteral("Pairs x 4000"));
    EXPECT_EQ(form->lblRuns->caption(), QStringLiteral("Runs x 50000"));
}

TEST_F(DuettoWindowTest, TheLoadMakesOnlyTheTableOfTheLimitTheFileSets)
{
    delete form;
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("DuettoHighScores45.Txt"))));
    QFile ini(folder.file(QStringLiteral("Duetto.Ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[Time]\r\n30\r\n\r\n");
    ini.close();
    form = new frmDuetto;
    EXPECT_EQ(gTimeLimit, 30);
    EXPECT_TRUE(form->timeLimitEntry(30)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(45)->isChecked());
    EXPECT_TRUE(file("DuettoHighScores30.Txt").startsWith("Corvanta, 30000\r\n"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("DuettoHighScores45.Txt"))));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
}

TEST_F(DuettoWindowTest, PausingHidesTheTableAndResumingShowsOnlyTheCardsInPlay)
{
    gMusicOn = true;
    play();
    lay(deckWith({{18, 4}, {19, 4}, {22, 2}, {23, 3}}));
    match(18, 19);
    match(22, duetto::PileCard);
    clickCard(20);
    form->cmdPause->click();
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    EXPECT_TRUE(form->lblMessage->isVisible());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->mnuPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->cmdPlay->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->cmdExit->isEnabled());
    EXPECT_FALSE(form->PlayCard[0]->isVisible());
    EXPECT_FALSE(form->FieldSelectionRectangle[20]->isVisible());
    EXPECT_FALSE(audio.tunePlaying());

    form->cmdPause->click();
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_EQ(form->lblMessage->caption(), QString());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_TRUE(audio.tunePlaying());
    EXPECT_TRUE(form->PlayCard[0]->isVisible());
    EXPECT_FALSE(form->PlayCard[18]->isVisible());
    EXPECT_FALSE(form->PlayCard[22]->isVisible());
    EXPECT_TRUE(form->PlayCard[duetto::PileCard]->isVisible());
    EXPECT_TRUE(form->PlayCard[duetto::PileCard]->shows(QStringLiteral("EMPTY")));
    EXPECT_TRUE(form->CardStackPicture->isVisible());
    // The selection was dropped by the pause.
    clickCard(21);
    EXPECT_TRUE(form->FieldSelectionRectangle[21]->isVisible());
}

TEST_F(DuettoWindowTest, MinimisingStopsTheRoundAndRestoringRestartsItUnlessPaused)
{
    gMusicOn = true;
    play();
    ASSERT_TRUE(audio.tunePlaying());
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

TEST_F(DuettoWindowTest, TheLayoutKeepsItsMinimumAndStaysCentredWhenWider)
{
    using namespace platform;
    resizeTw(form, 12000, 7000);
    form->Form_Resize();
    EXPECT_EQ(widthTw(form), 9570);
    EXPECT_EQ(heightTw(form), 7200);
    const int w = widthTw(form->PlayCard[0]);
    EXPECT_NEAR(leftTw(form->PlayCard[2]), 9570 / 2 - w / 2, 15);
    const int gapRight = leftTw(form->ScoreRectangle) - (leftTw(form->PlayCard[4]) + w);
    const int gapLeft = leftTw(form->PlayCard[0]) - (leftTw(form->PairRectangle) + widthTw(form->PairRectangle));
    EXPECT_NEAR(gapRight, gapLeft, 15);
    EXPECT_NEAR(leftTw(form->PlayCard[5]), leftTw(form->PlayCard[0]) + w / 2, 15);
    EXPECT_EQ(leftTw(form->PlayCard[9]), leftTw(form->PlayCard[0]));
    EXPECT_EQ(leftTw(form->PlayCard[14]), leftTw(form->PlayCard[5]));
    EXPECT_EQ(leftTw(form->CardStackPicture), leftTw(form->PlayCard[14]));
    EXPECT_NEAR(leftTw(form->PlayCard[duetto::PileCard]), leftTw(form->CardStackPicture) + 1200, 15);

    const int splashTop = topTw(form->frmSplash);
    resizeTw(form, 12000, 7200);
    form->Form_Resize();
    EXPECT_NEAR(leftTw(form->PlayCard[2]), 12000 / 2 - w / 2, 15);
    EXPECT_NEAR(leftTw(form->ScoreRectangle) - (leftTw(form->PlayCard[4]) + w), gapRight, 15);
    EXPECT_EQ(topTw(form->frmSplash), splashTop);
    resizeTw(form, 12000, 9000);
    form->Form_Resize();
    EXPECT_GT(topTw(form->frmSplash), splashTop);
    EXPECT_EQ(topTw(form->PlayCard[0]), 540);
}
