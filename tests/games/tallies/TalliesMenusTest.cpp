// The Tallies window's menus: the entries, the card goal, the card backs, the high-score entries,
// the dialogs that pause a round, and a game under custom scoring.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/scores/HighScoreTable.h"
#include "core/cards/ImageList.h"
#include "core/window/ShapeControl.h"
#include "core/scores/frmHighScores.h"
#include "core/dialogs/frmRules.h"
#include "games/tallies/frmTalliesCustomScoring.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"
#include "support/FileBytes.h"
#include "support/HighScoreTableText.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// "caption<TAB>shortcut", "-" for a separator; a checked entry ends in " [x]".
QStringList entries(const QMenu* menu)
{
    QStringList shown;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            shown << QStringLiteral("-");
            continue;
        }
        QString text = a->text();
        if (!a->shortcut().isEmpty())
            text += QLatin1Char('\t') + a->shortcut().toString();
        if (a->isChecked())
            text += QStringLiteral(" [x]");
        shown << text;
    }
    return shown;
}

QStringList names(const QMenu* menu)
{
    QStringList shown;
    for (const QAction* a : menu->actions())
        shown << a->objectName();
    return shown;
}

} // namespace

using TalliesMenusTest = TalliesWindowTest;

TEST_F(TalliesMenusTest, TheMenusHoldTheirEntriesInOrderWithTheirShortcutsAndMarks)
{
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Game"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&Options"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("&Help"));
    EXPECT_EQ(entries(top[0]->menu()),
              QStringList({"&Play\tCtrl+P", "&Take Score\tCtrl+T", "Pau&se\tCtrl+S", "-", "Sa&ve Last Game...",
                           "&Open Game...", "-", "E&xit\tCtrl+X"}));
    EXPECT_EQ(names(top[0]->menu()), QStringList({"mnuPlay", "mnuTakeScore", "mnuPause", "mnuBreak0", "mnuSave", "mnuOpen",
                                                  "mnuSep11", "mnuExit"}));
    // Sounds and the count-down are on by default; the file written at the first start keeps them so.
    EXPECT_EQ(entries(top[1]->menu()),
              QStringList({"&View High Scores...\tCtrl+V", "&Cear High Scores...\tCtrl+C", "-", "&Time Limit",
                           "Card &Goal", "C&ustomize Scoring...\tCtrl+Z", "-", "Play &Music (plays during game)\tCtrl+M",
                           "&Play Sounds\tCtrl+L [x]", "-", "Count &Down when taking score\tCtrl+D [x]",
                           "&Card Selection Color", "Dec&k"}));
    EXPECT_EQ(names(top[1]->menu()),
              QStringList({"mnuViewHiScore", "mnuClear", "mnuBreak1", "mnuTime", "mnuGoal", "mnuScoring", "mnuBreak2",
                           "mnuMusic", "mnuSounds", "mnuSep1", "mnuDrawTimer", "mnuColor", "mnuDeck"}));
    EXPECT_EQ(entries(form->mnuTime->menu()),
              QStringList({" &30 Seconds", " &60 Seconds", " &90 Seconds (Default) [x]", "1&20 Seconds", "1&50 Seconds",
                           "1&80 Seconds"}));
    EXPECT_EQ(names(form->mnuTime->menu()), QStringList({"mnu30", "mnu60", "mnu90", "mnu120", "mnu150", "mnu180"}));
    EXPECT_EQ(entries(form->mnuGoal->menu()), QStringList({"1&0", "1&1 (Default) [x]", "1&2", "1&3", "1&4", "1&5"}));
    EXPECT_EQ(names(form->mnuGoal->menu()), QStringList({"mnu10", "mnu11", "mnu12", "mnu13", "mnu14", "mnu15"}));
    EXPECT_EQ(entries(form->mnuColor->menu()),
              QStringList({"&Yellow", "&Red (Default) [x]", "&Blue", "&Green", "&Purple", "&Black"}));
    EXPECT_EQ(names(form->mnuColor->menu()),
              QStringList({"mnuYellow", "mnuRed", "mnuBlue", "mnuGreen", "mnuPurple", "mnuBlack"}));
    EXPECT_EQ(entries(form->mnuDeck->menu()),
              QStringList({"&Palm Tree [x]", "&Magic Hands", "&Night Castle", "&Hot Cards"}));
    EXPECT_EQ(entries(top[2]->menu()), QStringList({"&Rules...\tCtrl+R", "-", "&About..."}));
    EXPECT_EQ(names(top[2]->menu()), QStringList({"mnuRules", "mnuSep2", "mnuAbout"}));

    // Nothing to save before the first game; opening is for between games.
    EXPECT_FALSE(form->mnuSave->isEnabled());
    EXPECT_TRUE(form->mnuOpen->isEnabled());
    click(form->cmdPlay);
    for (QAction* off : {form->mnuTime, form->mnuGoal, form->mnuScoring, form->mnuOpen, form->mnuSave})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    click(form->cmdTakeScore);
    click(form->cmdTakeScore);
    for (QAction* on : {form->mnuTime, form->mnuGoal, form->mnuScoring, form->mnuOpen, form->mnuSave})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
}

TEST_F(TalliesMenusTest, AGoalChecksOnlyItselfAndShowsItsHeadingTextAndTable)
{
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("HiScores90_13.Txt")), tableWithTop("Ann", 123456)));
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("HiScores60_13.Txt")), tableWithTop("Bob", 70000)));
    struct Case {
        const char* entry;
        int goal;
        const char* heading;
        const char* top;
    };
    const Case cases[] = {
        {"mnu13", 13, "Thirteens:", "High Score: 123,456"},
        {"mnu10", 10, "Tens:", "High Score: 50,000"}, // a goal never played gets its default table
        {"mnu15", 15, "Fifteens:", "High Score: 50,000"},
        {"mnu11", 11, "Tallies:", "High Score: 50,000"},
        {"mnu12", 12, "Twelves:", "High Score: 50,000"},
        {"mnu14", 14, "Fourteens:", "High Score: 50,000"},
        {"mnu13", 13, "Thirteens:", "High Score: 123,456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        entry(c.entry)->trigger();
        for (int goal = 10; goal <= 15; ++goal)
            EXPECT_EQ(form->goalEntry(goal)->isChecked(), goal == c.goal) << goal;
        EXPECT_EQ(gCardGoal, c.goal);
        EXPECT_EQ(form->lblTallies->caption(), QLatin1String(c.heading));
        const QRect box = form->FieldSelectionRectangle[2]->geometry();
        EXPECT_NEAR(form->lblTallies->geometry().center().x(), box.center().x(), 1); // stays over its box
        EXPECT_EQ(panel(2), QStringLiteral("Click on exposed cards to total %1!   ").arg(c.goal));
        EXPECT_EQ(form->lblHighScore->caption(), QLatin1String(c.top));
    }
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores90_10.Txt"))));

    // The time limit moves the top score to the table of that limit and the goal in force.
    entry("mnu60")->trigger();
    EXPECT_EQ(gTimeLimit, 60);
    for (int s : {30, 60, 90, 120, 150, 180})
        EXPECT_EQ(form->timeLimitEntry(s)->isChecked(), s == 60) << s;
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 70,000"));

    // A round at goal 13 is played to 13 and its bonus is named after the heading.
    click(form->cmdPlay);
    EXPECT_EQ(form->lblTallies->caption(), QStringLiteral("Thirteens:"));
    EXPECT_EQ(gTalliesDrawPile.size(), 60u - 22u + 1u);
}

TEST_F(TalliesMenusTest, NewBacksShowOnThePileAndOnAPausedField)
{
    click(form->cmdPlay);
    const QStringList faces = fieldKeys();
    entry("mnuHot")->trigger();
    EXPECT_EQ(form->PlayCardPicture->picture(), int(CardBackDesign::HotCards)); // the design's full stack
    EXPECT_EQ(fieldKeys(), faces);
    EXPECT_EQ(gDeckDesign, 4);
    for (const char* design : {"mnuPalm", "mnuMagic", "mnuNight", "mnuHot"})
        EXPECT_EQ(entry(design)->isChecked(), QLatin1String(design) == QLatin1String("mnuHot")) << design;

    click(form->cmdPause);
    entry("mnuMagic")->trigger();
    EXPECT_EQ(gDeckDesign, 2);
    EXPECT_EQ(form->PlayCardPicture->picture(), int(CardBackDesign::MagicHands));
    const int magicBack = int(CardBackDesign::MagicHands) + 1;
    for (const CardImage* card : form->FieldCardPicture) {
        if (!card->isHidden()) {
            EXPECT_EQ(card->picture(), magicBack);
        }
    }
    click(form->cmdPause);
    EXPECT_EQ(fieldKeys(), faces);
}

TEST_F(TalliesMenusTest, SelectionColoursAndSwitchesKeepFlagAndMarkTogether)
{
    const std::pair<const char*, long> colours[] = {{"mnuYellow", 0xFFFF}, {"mnuBlue", 0xFF0000}, {"mnuGreen", 0xC000},
                                                    {"mnuPurple", 0x800080}, {"mnuBlack", 0}, {"mnuRed", 0xFF}};
    for (int code = 0; code < 6; ++code) {
        const auto& [name, bgr] = colours[code];
        SCOPED_TRACE(name);
        entry(name)->trigger();
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(form->colorEntry(other)->isChecked(), form->colorEntry(other) == entry(name)) << other;
        EXPECT_EQ(form->FieldSelectionRectangle[3]->borderColor(), platform::fromBgr(bgr));
    }
    EXPECT_EQ(gSelectionColor, 1);

    form->mnuDrawTimer->trigger();
    EXPECT_FALSE(gTalliesDrawTimer);
    EXPECT_FALSE(form->mnuDrawTimer->isChecked());
    form->mnuDrawTimer_Click();
    EXPECT_TRUE(gTalliesDrawTimer);
    EXPECT_TRUE(form->mnuDrawTimer->isChecked());
    form->mnuSounds->trigger();
    EXPECT_FALSE(gSoundsOn);

    // Music switched on between games waits for the next round; during a paused round it starts at once.
    form->mnuMusic->trigger();
    EXPECT_TRUE(gMusicOn);
    EXPECT_FALSE(audio.tunePlaying());
    click(form->cmdPlay);
    EXPECT_TRUE(audio.tunePlaying());
    form->mnuMusic->trigger();
    EXPECT_FALSE(audio.tunePlaying());
    click(form->cmdPause);
    form->mnuMusic->trigger();
    EXPECT_TRUE(audio.tunePlaying());
}

TEST_F(TalliesMenusTest, ClearingRewritesOnlyTheTableOfTheTimeAndGoalInForce)
{
    const QString table = folder.file(QStringLiteral("HiScores90_12.Txt"));
    const QString other = folder.file(QStringLiteral("HiScores90_11.Txt"));
    ASSERT_TRUE(platform::writeFileAtomically(table, tableWithTop("Ann", 123456)));
    ASSERT_TRUE(platform::writeFileAtomically(other, tableWithTop("Bob", 99999)));
    entry("mnu12")->trigger();

    boxes.expect(platform::vbNo);
    entry("mnuClear")->trigger();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
    EXPECT_EQ(boxes.shown()[0].style, 36);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Go for Tallies!"));
    EXPECT_EQ(readBytes(table), tableWithTop("Ann", 123456));

    boxes.expect(platform::vbYes);
    entry("mnuClear")->trigger();
    EXPECT_EQ(readBytes(table), HighScoreTable::defaults(QStringLiteral("50000")).text());
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_EQ(readBytes(other), tableWithTop("Bob", 99999));
}

TEST_F(TalliesMenusTest, AboutRulesAndViewPauseARunningRoundAndLeaveAPausedOneAlone)
{
    enum class Before { Running, Paused, Over };
    for (const char* name : {"mnuAbout", "mnuRules", "mnuViewHiScore"}) {
        for (Before before : {Before::Running, Before::Paused, Before::Over}) {
            SCOPED_TRACE(name);
            SCOPED_TRACE(int(before));
            delete form;
            form = new frmTallies;
            form->show();
            if (before == Before::Over) {
                playShortGame();
            } else {
                click(form->cmdPlay);
                tick(3);
                if (before == Before::Paused)
                    click(form->cmdPause);
            }

            QString during;
            bool clockDuring = true;
            answerModal([&] { entry(name)->trigger(); },
                        [&](QWidget* modal) {
                            during = form->lblMessage->caption();
                            clockDuring = form->Timer1->enabled();
                            modal->close();
                        });
            EXPECT_FALSE(clockDuring);
            switch (before) {
            case Before::Running:
                EXPECT_EQ(during, QStringLiteral("Game Paused"));
                EXPECT_TRUE(form->Timer1->enabled());
                EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
                EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 87"));
                EXPECT_FALSE(form->lblMessage->isVisible());
                break;
            case Before::Paused:
                EXPECT_EQ(during, QStringLiteral("Game Paused"));
                EXPECT_FALSE(form->Timer1->enabled());
                EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
                EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
                break;
            case Before::Over:
                EXPECT_EQ(during, QStringLiteral("Game Over"));
                EXPECT_FALSE(form->cmdPause->isEnabled());
                EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
                break;
            }
        }
    }
}

TEST_F(TalliesMenusTest, TheRulesQuoteTheTakeScoreButtonAsItReads)
{
    auto rulesText = [this] {
        QString text;
        answerModal([this] { form->mnuRules->trigger(); },
                    [&](QWidget* modal) {
                        auto* rules = qobject_cast<frmRules*>(modal);
                        ASSERT_NE(rules, nullptr);
                        text = rules->lblRules->toPlainText();
                        rules->cmdOK->click();
                    });
        return text;
    };
    EXPECT_TRUE(rulesText().contains(QStringLiteral("after selecting the 'Take Score' command button.")));
    playShortGame();
    ASSERT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Replay"));
    EXPECT_TRUE(rulesText().contains(QStringLiteral("after selecting the 'Replay' command button.")));
}

TEST_F(TalliesMenusTest, ViewingATableNeverPlayedShowsTheDefaultOne)
{
    entry("mnu180")->trigger();
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("HiScores180_11.Txt"))));
    QString firstScore;
    answerModal([this] { entry("mnuViewHiScore")->trigger(); },
                [&](QWidget* modal) {
                    auto* viewer = qobject_cast<frmHighScores*>(modal);
                    ASSERT_NE(viewer, nullptr);
                    firstScore = viewer->ScoreList[1]->caption();
                    viewer->cmdDone->click();
                });
    EXPECT_EQ(firstScore, QStringLiteral("50,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores180_11.Txt"))));
}

TEST_F(TalliesMenusTest, AGameUnderCustomScoringIsMarkedInTheTable)
{
    writeLowTable();
    answerModal([this] { form->mnuScoring->trigger(); },
                [](QWidget* modal) {
                    auto* dialog = qobject_cast<frmTalliesCustomScoring*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    EXPECT_EQ(dialog->txtTimeBonus->text(), QStringLiteral("100"));
                    dialog->txtTimeBonus->setText(QStringLiteral("200"));
                    dialog->cmdOK->click();
                });
    EXPECT_EQ(gTimeBonus, 200);
    EXPECT_TRUE(gCustomScoring);

    playShortGame(); // two rounds of 90 seconds at 200 a second
    EXPECT_TRUE(tableText().startsWith(QStringLiteral("Tess*, 36000\r\n")));

    // Back to the defaults: the next game is entered unmarked.
    answerModal([this] { form->mnuScoring->trigger(); },
                [](QWidget* modal) {
                    auto* dialog = qobject_cast<frmTalliesCustomScoring*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    dialog->cmdDefault->click();
                    dialog->cmdOK->click();
                });
    EXPECT_FALSE(gCustomScoring);
    playShortGame();
    EXPECT_TRUE(tableText().startsWith(QStringLiteral("Tess*, 36000\r\nTess, 18000\r\n")));
}

TEST_F(TalliesMenusTest, ScreenshotAtGoalThirteenWithNightCastleBacks)
{
    entry("mnu13")->trigger();
    entry("mnuNight")->trigger();
    click(form->cmdPlay);
    tick(20);
    QApplication::processEvents();
    saveScreenshot(form, QStringLiteral("tallies-goal13-night"));
    click(form->cmdPause);
    QApplication::processEvents();
    saveScreenshot(form, QStringLiteral("tallies-goal13-night-paused"));
    EXPECT_EQ(form->PlayCardPicture->picture(), int(CardBackDesign::NightCastle));
    EXPECT_EQ(form->lblTallies->caption(), QStringLiteral("Thirteens:"));
}
