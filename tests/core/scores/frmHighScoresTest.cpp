#include "HighScoreFakes.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHiScoreName.h"
#include "core/scores/frmHighScores.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QByteArray entries(int count, const char* lineEnd = "\r\n")
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "P" + QByteArray::number(i) + (i == 2 ? "*" : "") + ", " + QByteArray::number(123000 - 1000 * i) + lineEnd;
    return text + lineEnd;
}

QStringList captions(const frmHighScores& dialog)
{
    QStringList out;
    for (const platform::Label* label : dialog.ScoreList)
        out << label->caption();
    return out;
}

QStringList label1s(int count) { return QStringList(count, QStringLiteral("Label1")); }

class HighScoreViewer : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gAppPath = folder.path();
        gTimeLimit = 60;
        gCardGoal = 11;
    }
    TempProgramFolder folder;
};
} // namespace

TEST_F(HighScoreViewer, FullTableFillsTheTwentyLabels)
{
    gGameTitle = QStringLiteral("Spires!");
    gTimeLimit = 45;
    writeBytes(folder.file("SpiresHiScores45.Txt"), entries(12, "\n")); // hand-edited: LF ends, two extra rows

    frmHighScores dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Spires! Hall of Fame (45 secs)"));
    EXPECT_EQ(dialog.lblHiScoreInfo->caption(), QStringLiteral("* denotes customized scoring was used"));
    const QStringList shown = captions(dialog);
    EXPECT_EQ(shown.mid(0, 4), QStringList({"P1", "122,000", "P2*", "121,000"}));
    EXPECT_EQ(shown.mid(18, 2), QStringList({"P10", "113,000"}));
    for (int i = 0; i < 20; ++i) {
        const platform::Label* label = dialog.ScoreList[i];
        EXPECT_EQ(label->foreColor(), i % 2 == 0 ? platform::ColorBlue : platform::ColorRed);
        EXPECT_EQ(platform::topTw(label), 165 + 285 * (i / 2));
        EXPECT_EQ(label->width(), platform::toPixels(i % 2 == 0 ? 2000 : 1230));
        EXPECT_TRUE(label->font().bold());
    }
    // The window is at least as wide as its table, wide enough for its caption, with the table in its middle.
    EXPECT_GE(platform::widthTw(&dialog), 3675);
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    EXPECT_GT(dialog.width(), QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()));
    const int tableMiddle = (dialog.ScoreList[0]->x() + dialog.ScoreList[1]->x() + dialog.ScoreList[1]->width()) / 2;
    EXPECT_NEAR(tableMiddle * 2, dialog.width(), 20);
    EXPECT_NEAR(dialog.cmdClear->x() + dialog.cmdDone->x() + dialog.cmdDone->width(), dialog.width(), 20);
    EXPECT_EQ(platform::heightTw(&dialog), 4245);
    EXPECT_EQ(dialog.cmdClear->text(), QStringLiteral("&Clear"));
    EXPECT_EQ(dialog.cmdDone->text(), QStringLiteral("&Done"));
    EXPECT_TRUE(dialog.cmdDone->isDefault());
    saveScreenshot(&dialog, QStringLiteral("frmHighScores"));

    QTest::mouseClick(dialog.cmdDone, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HighScoreViewer, ShortTableLeavesTheRestAtLabel1)
{
    gGameTitle = QStringLiteral("Duetto!");
    writeBytes(folder.file("DuettoHighScores60.Txt"), "Ann, 0\r\nBob, 50000\r\n\r\n");
    frmHighScores dialog(nullptr);
    EXPECT_EQ(captions(dialog), QStringList({"Ann", "0", "Bob", "50,000"}) + label1s(16));
}

TEST_F(HighScoreViewer, TheWholeFigureShowsAndNamesLoseTheirLeadingBlanks)
{
    gGameTitle = QStringLiteral("Stackjack!");
    writeBytes(folder.file("HiScores60.Txt"), "  Spaced  , 2147483647\r\nBo, 800\r\n\r\n");
    frmHighScores dialog(nullptr);
    dialog.show();
    EXPECT_EQ(captions(dialog).mid(0, 4), QStringList({"Spaced  ", "2,147,483,647", "Bo", "800"}));
    const platform::Label* largest = dialog.ScoreList[1];
    EXPECT_EQ(largest->shownText(), largest->caption());
    EXPECT_LE(QFontMetrics(largest->shownFont()).horizontalAdvance(largest->caption()), largest->contentsRect().width());
    EXPECT_EQ(dialog.ScoreList[3]->shownFont(), dialog.ScoreList[3]->font()) << "a figure that fits keeps the table's font";
}

TEST_F(HighScoreViewer, TalliesReadsTheTableOfItsCardGoal)
{
    gGameTitle = QStringLiteral("Go for Tallies!");
    gCardGoal = 13;
    writeBytes(folder.file("HiScores60_13.Txt"), "Goal Thirteen, 50000\r\n\r\n");
    writeBytes(folder.file("HiScores60.Txt"), "Stackjack Player, 1\r\n\r\n");
    frmHighScores dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Go for Tallies! Hall of Fame (60 secs)"));
    EXPECT_EQ(dialog.lblHiScoreInfo->caption(),
              QStringLiteral("* denotes customized scoring was used\r\nHigh Scores for Card Goal of 13"));
    EXPECT_EQ(captions(dialog).mid(0, 3), QStringList({"Goal Thirteen", "50,000", "Label1"}));
    EXPECT_EQ(platform::leftTw(dialog.lblHiScoreInfo), platform::widthTw(&dialog) / 2 - 3525 / 2);
    saveScreenshot(&dialog, QStringLiteral("frmHighScores-Tallies"));
}

TEST_F(HighScoreViewer, ShowsWhatItCanReadOfABadOrMissingTable)
{
    gGameTitle = QStringLiteral("Stackjack!");
    {
        frmHighScores missing(nullptr);
        EXPECT_EQ(captions(missing), label1s(20));
        EXPECT_EQ(missing.lblHiScoreInfo->caption(), QStringLiteral("* denotes customized scoring was used"));
    }
    const QByteArray bad = "Ann, 900\r\nBob, lots\r\nCy, 100\r\n\r\n";
    writeBytes(folder.file("HiScores60.Txt"), bad);
    writeBytes(folder.file("HiScores60_11.Txt"), bad);
    {
        frmHighScores stackjack(nullptr); // shows a score as written
        EXPECT_EQ(captions(stackjack).mid(0, 7), QStringList({"Ann", "900", "Bob", "lots", "Cy", "100", "Label1"}));
    }
    gGameTitle = QStringLiteral("Go for Tallies!");
    frmHighScores tallies(nullptr); // reads scores as numbers, so stops at the bad one
    EXPECT_EQ(captions(tallies).mid(0, 4), QStringList({"Ann", "900", "Bob", "Label1"}));
}

TEST_F(HighScoreViewer, UnknownGameShowsNothingAndClearDoesNothing)
{
    gGameTitle = QStringLiteral("Solitaire!");
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    frmHighScores dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Solitaire! Hall of Fame (60 secs)"));
    QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(captions(dialog), label1s(20));
    EXPECT_EQ(dialog.lblHiScoreInfo->caption(), QStringLiteral("Label1"));
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(HighScoreViewer, ClearAnsweredNoLeavesFileAndLabels)
{
    gGameTitle = QStringLiteral("Quickjack!");
    writeBytes(folder.file("QuickjackHiScores60.Txt"), entries(10));
    frmHighScores dialog(nullptr);
    const QStringList before = captions(dialog);
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo);
    QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Quickjack!"));
    EXPECT_EQ(captions(dialog), before);
    EXPECT_EQ(readBytes(folder.file("QuickjackHiScores60.Txt")), entries(10));
}

TEST_F(HighScoreViewer, ClearWritesTheGamesDefaultsAndRefreshesItsOpenWindow)
{
    struct Case {
        const char* title;
        const char* form;
        const char* file;
        const char* score;
        const char* topLine;
    };
    const Case cases[] = {
        {"Go for Tallies!", "frmTallies", "HiScores60_11.Txt", "50000", "High Score: 50,000"},
        {"Stackjack!", "frmStackjack", "HiScores60.Txt", "50000", "High Score: 50,000"},
        {"Quickjack!", "frmQuickjack", "QuickjackHiScores60.Txt", "50000", "High Score: 50,000"},
        {"Spires!", "frmSpires", "SpiresHiScores60.Txt", "30000", "Current High Score: 30,000"},
        {"Duetto!", "frmDuetto", "DuettoHighScores60.Txt", "50000", "High Score: 50,000"},
        {"Gridhand!", "frmGridhand", "GridhandHighScores60.Txt", "30000", "High Score: 30,000"},
        {"Cairnwell!", "frmCairnwell", "CairnwellHiScores60.Txt", "50000", "High Score: 50,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        gGameTitle = QString::fromLatin1(c.title);
        const QString path = folder.file(QString::fromLatin1(c.file));
        writeBytes(path, entries(10));
        HighScoreTestForm game(QString::fromLatin1(c.form));
        game.lblHighScore->setCaption(QStringLiteral("High Score: 122,000"));
        const qsizetype windowsBefore = QApplication::topLevelWidgets().size();

        frmHighScores dialog(&game);
        const QString info = dialog.lblHiScoreInfo->caption();
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);

        QByteArray defaults;
        for (int i = 0; i < 10; ++i)
            defaults += QByteArray("Corvanta, ") + c.score + "\r\n";
        EXPECT_EQ(readBytes(path), defaults + "\r\n");
        const QString shownScore = QString::fromLatin1(c.topLine).section(QLatin1Char(' '), -1);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(dialog.ScoreList[2 * k]->caption(), QStringLiteral("Corvanta"));
            EXPECT_EQ(dialog.ScoreList[2 * k + 1]->caption(), shownScore);
        }
        EXPECT_EQ(dialog.lblHiScoreInfo->caption(), info);
        EXPECT_EQ(game.lblHighScore->caption(), QString::fromLatin1(c.topLine));
        EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore + 1); // the dialog, no game window
    }
}

TEST_F(HighScoreViewer, ClearThatCannotWriteSaysSoAndKeepsTheLabels)
{
    gGameTitle = QStringLiteral("Stackjack!");
    const QString path = folder.file("HiScores60.Txt");
    writeBytes(path, entries(10));
    HighScoreTestForm game(QStringLiteral("frmStackjack"));
    game.lblHighScore->setCaption(QStringLiteral("High Score: 122,000"));
    frmHighScores dialog(&game);
    const QStringList before = captions(dialog);

    QFile::remove(path);
    ASSERT_TRUE(QDir(folder.path()).mkdir("HiScores60.Txt")); // cannot be replaced by a file
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    QTest::mouseClick(dialog.cmdClear, Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 2u);
    // The same message as a game's Clear High Scores menu gives.
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("Unable to clear the High Scores: ") +
                                           QDir::toNativeSeparators(path) +
                                           QStringLiteral(" could not be written. The table has been left as it was."));
    EXPECT_EQ(boxes.shown()[1].icon(), platform::vbExclamation);
    EXPECT_EQ(boxes.shown()[1].title, QStringLiteral("Stackjack!"));
    EXPECT_EQ(captions(dialog), before);
    EXPECT_EQ(game.lblHighScore->caption(), QStringLiteral("High Score: 122,000"));
}

// Without a scripted seam the merge opens the real prompt and then the real viewer, each modally.
TEST_F(HighScoreViewer, MergeAsksTheNameThenShowsTheTable)
{
    gGameTitle = QStringLiteral("Stackjack!");
    gScore = 200000;
    writeBytes(folder.file("HiScores60.Txt"), entries(10));
    HighScoreTestForm game(QStringLiteral("frmStackjack"));
    ScriptedMessageBoxes noRealBoxes;

    bool prompted = false;
    QStringList shown;
    int ticks = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* prompt = qobject_cast<frmHiScoreName*>(modal)) {
            prompted = true;
            prompt->lblPlayerName->setText(QStringLiteral("Zed"));
            prompt->cmdOK->click();
        } else if (auto* viewer = qobject_cast<frmHighScores*>(modal)) {
            shown = captions(*viewer);
            viewer->cmdDone->click();
        } else if (modal && ++ticks > 500) {
            modal->close(); // never hang the run
        }
    });
    driver.start(5);
    CheckHighScore(QStringLiteral("HiScores"), game);
    driver.stop();

    EXPECT_TRUE(prompted);
    EXPECT_EQ(shown.mid(0, 4), QStringList({"Zed", "200,000", "P1", "122,000"}));
    EXPECT_EQ(gPlayerName, QStringLiteral("Zed"));
}

TEST_F(HighScoreViewer, LongNamesAndScoresAreDrawnWholeAndOnlyAnOutlandishNameIsCut)
{
    gGameTitle = QStringLiteral("Cairnwell!");
    writeBytes(folder.file("CairnwellHiScores60.Txt"), "Maximilian Fitzgerald*, 2147483647\r\nAl, 5\r\n"
                                                       "Maximilian Bartholomew Fitzgerald-Worthington III, 1\r\n\r\n");
    frmHighScores dialog(nullptr);
    dialog.show();
    for (int i : {0, 1, 2, 3, 5}) {
        const platform::Label* label = dialog.ScoreList[i];
        SCOPED_TRACE(label->caption().toStdString());
        EXPECT_EQ(label->shownText(), label->caption());
        EXPECT_LE(QFontMetrics(label->shownFont()).horizontalAdvance(label->caption()), label->contentsRect().width());
    }
    EXPECT_LT(dialog.ScoreList[0]->shownFont().pointSizeF(), dialog.ScoreList[0]->font().pointSizeF());
    // A name that fits keeps the table's font.
    EXPECT_EQ(dialog.ScoreList[2]->shownFont(), dialog.ScoreList[2]->font());
    const QString cut = dialog.ScoreList[4]->shownText();
    EXPECT_TRUE(cut.startsWith(QStringLiteral("Maximilian"))) << cut.toStdString();
    EXPECT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    saveScreenshot(&dialog, QStringLiteral("frmHighScores-long-names"));
}
