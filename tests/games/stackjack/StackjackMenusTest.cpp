#include "StackjackWindowFixture.h"

#include "core/scores/HighScoreTable.h"
#include "core/cards/ImageList.h"
#include "core/scores/frmHighScores.h"
#include "games/stackjack/frmStackjackCustomScoring.h"
#include "platform/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/HighScoreTableText.h"
#include "support/MenuEntry.h"
#include "support/ModalDialogs.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

class StackjackMenusTest : public StackjackWindowTest {
protected:
    QAction* entry(const char* name) const { return menuEntry(*form, name); }

    // Confirms closing (answering any further box with OK) and loads the window afresh from its file.
    void closeAndReopen()
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        ASSERT_TRUE(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(form.isNull());
        openWindow();
    }

    QString settingsFile() const { return QString::fromLatin1(readBytes(folder.file(QStringLiteral("Stackjack.Ini")))); }
};

TEST_F(StackjackMenusTest, TheMenusHoldTheirEntriesInOrderWithTheirShortcuts)
{
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(entryCaptions(top[0]->menu()),
              QStringList({"&Play\tCtrl+P", "Pau&se\tCtrl+S", "-", "E&xit\tCtrl+X"}));
    EXPECT_EQ(entryCaptions(top[1]->menu()),
              QStringList({"&View High Scores...\tCtrl+V", "&Clear High Scores\tCtrl+C", "-",
                           "Play &Music  (plays during game)\tCtrl+M", "&Play Sounds\tCtrl+L", "-",
                           "&User Options...\tCtrl+U", "&Time limit", "&Deck"}));
    EXPECT_EQ(entryCaptions(form->mnuTime->menu()),
              QStringList({"&15 Seconds", "&30 Seconds", "&45 Seconds", "&60 Seconds (default)", "&75 Seconds"}));
    EXPECT_EQ(entryCaptions(form->mnuDeck->menu()),
              QStringList({"&Palm Tree", "&Night Castle", "&Magic Hands", "&Hot Cards"}));
    EXPECT_EQ(entryCaptions(top[2]->menu()), QStringList({"&Rules\tCtrl+R", "-", "&About"}));
    for (const char* name : {"mnuViewHighScores", "mnuClearHighScores", "mnuCustom", "mnuRules", "mnuAbout"})
        EXPECT_NE(entry(name), nullptr) << name;
    EXPECT_EQ(entry("mnuCustom"), form->mnuCustom);
    EXPECT_TRUE(form->mnuSounds->isChecked());
    EXPECT_FALSE(form->mnuMusic->isChecked());
}

TEST_F(StackjackMenusTest, ATimeLimitChecksOnlyItselfRecomputesTheDecrementAndShowsItsTable)
{
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("HiScores15.Txt")), tableWithTop("Ann", 123456)));
    gMaxTimeBonus = 400; // the decrement follows the multipliers in force
    struct Case {
        int seconds;
        float decrement;
        const char* top;
    };
    const Case cases[] = {
        {15, 300.0f / 15, "High Score: 123,456"},
        {75, 300.0f / 75, "High Score: 50,000"}, // a limit never played gets its default table
        {75, 300.0f / 75, "High Score: 50,000"}, // the limit in force, chosen again
        {60, 300.0f / 60, "High Score: 50,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        form->timeLimitEntry(c.seconds)->trigger();
        EXPECT_EQ(gTimeLimit, c.seconds);
        for (int s : {15, 30, 45, 60, 75})
            EXPECT_EQ(form->timeLimitEntry(s)->isChecked(), s == c.seconds) << s;
        EXPECT_FLOAT_EQ(gBonusDecrement, c.decrement);
        EXPECT_EQ(form->lblHighScore->caption(), QLatin1String(c.top));
    }
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores75.Txt"))));
}

TEST_F(StackjackMenusTest, CardBacksShowOnTheDeckAndComeBackFromTheFile)
{
    struct Case {
        const char* entry;
        int deckPicture; // the design's full stack; "BACK" is the next picture
        int number;      // as the file keeps it
    };
    const Case cases[] = {{"mnuHot", 10, 1}, {"mnuPalm", 1, 4}, {"mnuNight", 7, 3}, {"mnuMagic", 4, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        entry(c.entry)->trigger();
        for (const char* other : {"mnuHot", "mnuPalm", "mnuNight", "mnuMagic"})
            EXPECT_EQ(entry(other)->isChecked(), QLatin1String(other) == QLatin1String(c.entry)) << other;
        EXPECT_EQ(form->PlayCardPicture->picture(), c.deckPicture);
        EXPECT_EQ(ImageList2().indexOf(QStringLiteral("FULL")), c.deckPicture);
        EXPECT_EQ(ImageList2().indexOf(QStringLiteral("BACK")), c.deckPicture + 1);
        EXPECT_EQ(gDeckDesign, c.number);

        closeAndReopen();
        EXPECT_TRUE(settingsFile().contains(QStringLiteral("[Deck]\r\n%1\r\n").arg(c.number)));
        EXPECT_TRUE(entry(c.entry)->isChecked());
        EXPECT_EQ(gDeckDesign, c.number);
        EXPECT_EQ(form->PlayCardPicture->picture(), c.deckPicture);
        EXPECT_EQ(ImageList2().indexOf(QStringLiteral("BACK")), c.deckPicture + 1);
    }
}

TEST_F(StackjackMenusTest, TheOptionsAndTheWindowSizeComeBackAfterAClose)
{
    form->timeLimitEntry(45)->trigger();
    form->mnuSounds->trigger();
    form->mnuMusic->trigger();
    entry("mnuNight")->trigger();
    answerModal([this] { form->mnuCustom->trigger(); },
                [](QWidget* modal) {
                    auto* dialog = qobject_cast<frmStackjackCustomScoring*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    dialog->txtTimeBonusMax->setText(QStringLiteral("400"));
                    dialog->txtNumberOfCardsToPass->setText(QStringLiteral("3"));
                    dialog->cmdOK->click();
                });
    platform::resizeTw(form, 10500, 7800);
    QApplication::processEvents();
    ASSERT_EQ(platform::widthTw(form), 10500);
    EXPECT_FALSE(audio.tunePlaying()); // music switched on between games waits for the next round

    closeAndReopen();
    EXPECT_TRUE(settingsFile().startsWith(QStringLiteral("[Time]\r\n45\r\n\r\n[Play Sounds]\r\nFalse\r\n\r\n"
                                                         "[Play Music]\r\nTrue\r\n\r\n[Deck]\r\n3\r\n\r\n"
                                                         "[TimeBonusMax]\r\n400\r\n\r\n")));
    EXPECT_EQ(gTimeLimit, 45);
    EXPECT_TRUE(form->timeLimitEntry(45)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(60)->isChecked());
    EXPECT_FLOAT_EQ(gBonusDecrement, 300.0f / 45);
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
    EXPECT_TRUE(gMusicOn);
    EXPECT_TRUE(form->mnuMusic->isChecked());
    EXPECT_TRUE(entry("mnuNight")->isChecked());
    EXPECT_EQ(gMaxTimeBonus, 400);
    EXPECT_EQ(gCardsToPass, 3);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(platform::widthTw(form), 10500);
    EXPECT_EQ(platform::heightTw(form), 7800);
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores45.Txt"))));
}

TEST_F(StackjackMenusTest, AFailedSaveIsToldAndTheWindowClosesAnyway)
{
    // A folder that is not there makes the write fail.
    gAppPath = folder.file(QStringLiteral("gone"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(boxes.shown().size(), 2u);
    const platform::MessageBoxCall& told = boxes.shown()[1];
    EXPECT_TRUE(told.prompt.startsWith(QStringLiteral("Unable to save your options in ")));
    EXPECT_EQ(told.icon(), int(platform::vbExclamation));
    EXPECT_EQ(told.title, QStringLiteral("Stackjack!"));
    gAppPath = folder.path();
}

TEST_F(StackjackMenusTest, DialogsPauseARunningRoundAndLeaveAPausedOnePaused)
{
    const char* entries[] = {"mnuRules", "mnuAbout", "mnuViewHighScores", "mnuClearHighScores"};
    for (const char* name : entries) {
        for (bool pausedFirst : {false, true}) {
            SCOPED_TRACE(name);
            SCOPED_TRACE(pausedFirst);
            delete form;
            form = new frmStackjack;
            form->show();
            play();
            tick(3);
            if (pausedFirst)
                form->cmdPause->click();

            bool pausedDuring = false;
            const auto seen = [&] {
                pausedDuring = form->ScoringLabel->caption() == QStringLiteral("Game Paused") && !form->Timer1->enabled();
            };
            if (QLatin1String(name) == QLatin1String("mnuClearHighScores")) {
                platform::setMessageBoxHandler([&](const platform::MessageBoxCall&) {
                    seen();
                    return int(platform::vbNo);
                });
                entry(name)->trigger();
                platform::setMessageBoxHandler(nullptr);
            } else {
                answerModal([&] { entry(name)->trigger(); },
                            [&](QWidget* modal) {
                                seen();
                                modal->close();
                            });
            }
            EXPECT_TRUE(pausedDuring);
            if (pausedFirst) {
                EXPECT_EQ(form->ScoringLabel->caption(), QStringLiteral("Game Paused"));
                EXPECT_FALSE(form->Timer1->enabled());
                EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
            } else {
                EXPECT_TRUE(form->ScoringLabel->caption().isEmpty());
                EXPECT_TRUE(form->Timer1->enabled());
                EXPECT_TRUE(form->cmdHit[0]->isVisible());
                EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
            }
            EXPECT_EQ(gElapsed, 3);
        }
    }
}

TEST_F(StackjackMenusTest, ViewingALimitWithoutATableShowsTheDefaultOne)
{
    QFile::remove(folder.file(QStringLiteral("HiScores60.Txt")));
    QString firstScore;
    answerModal([this] { entry("mnuViewHighScores")->trigger(); },
                [&](QWidget* modal) {
                    auto* viewer = qobject_cast<frmHighScores*>(modal);
                    ASSERT_NE(viewer, nullptr);
                    firstScore = viewer->ScoreList[1]->caption();
                    viewer->cmdDone->click();
                });
    EXPECT_EQ(firstScore, QStringLiteral("50,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores60.Txt"))));
}

TEST_F(StackjackMenusTest, ClearingResetsOnlyTheTableOfTheLimitInForce)
{
    const QString table60 = folder.file(QStringLiteral("HiScores60.Txt"));
    const QString table15 = folder.file(QStringLiteral("HiScores15.Txt"));
    ASSERT_TRUE(platform::writeFileAtomically(table60, tableWithTop("Ann", 123456)));
    ASSERT_TRUE(platform::writeFileAtomically(table15, tableWithTop("Bob", 99999)));
    form->timeLimitEntry(60)->trigger();
    ASSERT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 123,456"));

    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbNo);
        entry("mnuClearHighScores")->trigger();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
        EXPECT_EQ(boxes.shown()[0].style, 36);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Stackjack!"));
    }
    EXPECT_EQ(readBytes(table60), tableWithTop("Ann", 123456));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 123,456"));

    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    entry("mnuClearHighScores")->trigger();
    EXPECT_EQ(readBytes(table60), HighScoreTable::defaults(QStringLiteral("50000")).text());
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_EQ(readBytes(table15), tableWithTop("Bob", 99999));

    // A table that cannot be written is told; the label keeps what it showed.
    form->timeLimitEntry(15)->trigger();
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    {
        FileSizeLimit full(0);
        entry("mnuClearHighScores")->trigger();
    }
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_TRUE(boxes.shown()[2].prompt.startsWith(QStringLiteral("Unable to clear the High Scores")));
    EXPECT_EQ(boxes.shown()[2].icon(), int(platform::vbExclamation));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 99,999"));
    EXPECT_EQ(readBytes(table15), tableWithTop("Bob", 99999));
}

TEST_F(StackjackMenusTest, AGameUnderUserOptionsIsMarkedInTheHallOfFame)
{
    answerModal([this] { form->mnuCustom->trigger(); },
                [](QWidget* modal) {
                    auto* dialog = qobject_cast<frmStackjackCustomScoring*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    EXPECT_EQ(dialog->txtBonus->text(), QStringLiteral("200000"));
                    dialog->txtBonus->setText(QStringLiteral("500000"));
                    dialog->cmdOK->click();
                });
    EXPECT_EQ(gStackjackBonusScore, 500000);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 500,000 for bonus round.  "));

    play();
    EXPECT_FALSE(form->mnuCustom->isEnabled());
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_EQ(gScore, 300000);
    form->cmdGiveUp->click();
    form->cmdGiveUp->click(); // 300,000 is short of the bonus round
    ASSERT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    EXPECT_TRUE(table().startsWith("Tester*, 300000\r\n"));
    EXPECT_TRUE(form->mnuCustom->isEnabled());
}

TEST_F(StackjackMenusTest, ARefusedPassesEntryThenCancelLeavesADefaultGameUnmarked)
{
    std::vector<QString> shown;
    answerModal([this] { form->mnuCustom->trigger(); },
                [&shown](QWidget* modal) {
                    auto* dialog = qobject_cast<frmStackjackCustomScoring*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    dialog->txtNumberOfCardsToPass->setText(QStringLiteral("-1"));
                    ScriptedMessageBoxes boxes;
                    boxes.expect(platform::vbOK);
                    dialog->cmdOK->click();
                    for (const platform::MessageBoxCall& call : boxes.shown())
                        shown.push_back(call.prompt);
                    EXPECT_TRUE(dialog->isVisible());
                    dialog->cmdCancel->click();
                });
    EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("Sorry, you cannot pass fewer than 0 cards.")});
    EXPECT_EQ(gCardsToPass, 1);
    EXPECT_FALSE(gCustomScoring);

    play();
    EXPECT_TRUE(form->cmdPass->isEnabled()); // the game deals its one pass a round
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_EQ(gScore, 300000);
    form->cmdGiveUp->click();
    form->cmdGiveUp->click();
    form->cmdGiveUp->click(); // the bonus round, which 300,000 reached
    ASSERT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    EXPECT_TRUE(table().startsWith("Tester, 300000\r\n")) << table().left(40).toStdString();
}

TEST_F(StackjackMenusTest, NoToTheQuitQuestionGoesBackToARoundThePlayerHadPaused)
{
    play();
    tick(2);
    form->cmdPause->click();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_TRUE(form->ScoringLabel->caption().isEmpty());
    EXPECT_EQ(gElapsed, 2);
}

TEST_F(StackjackMenusTest, ScreenshotAfterChoosingNightCastle)
{
    entry("mnuNight")->trigger();
    play();
    lay({13, 1, 7, 9});
    hits({0, 0, 1, 1});
    QApplication::processEvents();
    saveScreenshot(form, QStringLiteral("stackjack-night-castle"));
    EXPECT_EQ(form->PlayCardPicture->picture(), int(CardBackDesign::NightCastle));
    EXPECT_TRUE(form->PlayCardPicture->isVisible());
}
