#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesSettings.h"
#include "games/tallies/TalliesState.h"
#include "support/FileSizeLimit.h"
#include "support/PlatformFakes.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tallies;

namespace {
const QByteArray DefaultFile = "[Color]\r\n1\r\n\r\n"
                               "[Play Music]\r\nFalse\r\n\r\n"
                               "[Time]\r\n90\r\n\r\n"
                               "[DrawTimer]\r\nTrue\r\n\r\n"
                               "[Play Sounds]\r\nTrue\r\n\r\n"
                               "[CardGoal]\r\n11\r\n\r\n"
                               "[State]\r\n0\r\n\r\n"
                               "[Width]\r\n9540\r\n\r\n"
                               "[Height]\r\n7200\r\n\r\n"
                               "[Deck]\r\n0\r\n\r\n";

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TalliesSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gCardGoal = 11;
        gDeckDesign = 0;
    }
    TempProgramFolder folder;
    const TalliesWindowPlacement atLoad{0, 9540, 7200};
};
} // namespace

TEST_F(TalliesSettingsTest, FirstStartWritesTheDefaultFileAndReadsItBack)
{
    const TalliesSettings s = ReadSettingsINI(atLoad);

    EXPECT_EQ(fileBytes(folder.file("Tallies.Ini")), DefaultFile);
    EXPECT_EQ(s.selectionColor, 1);
    EXPECT_EQ(s.playMusic, false);
    EXPECT_EQ(s.timeLimit, 90);
    EXPECT_EQ(s.drawTimer, true);
    EXPECT_EQ(s.playSounds, true);
    EXPECT_EQ(s.cardGoal, 11);
    EXPECT_EQ(s.windowState, 0);
    EXPECT_EQ(s.width, 9540);
    EXPECT_EQ(s.height, 7200);
    EXPECT_FALSE(s.deckDesign) << "design 0 (none chosen yet) is no design of the menu";
    EXPECT_FALSE(s.stoppedEarly);
}

TEST_F(TalliesSettingsTest, AnExistingFileIsReadNotReplaced)
{
    QFile f(folder.file("Tallies.Ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Time]\n150\n\n[Deck]\n3\n");
    f.close();

    const TalliesSettings s = ReadSettingsINI(atLoad);
    EXPECT_EQ(s.timeLimit, 150);
    EXPECT_EQ(s.deckDesign, 3);
    EXPECT_FALSE(s.selectionColor);
    EXPECT_EQ(fileBytes(folder.file("Tallies.Ini")), QByteArray("[Time]\n150\n\n[Deck]\n3\n"));
}

TEST_F(TalliesSettingsTest, LfLineEndsReadTheSameAsCrLf)
{
    QByteArray lf = DefaultFile;
    lf.replace("\r\n", "\n");
    const TalliesSettings crlf = ParseSettingsINI(QString::fromLatin1(DefaultFile));
    const TalliesSettings plain = ParseSettingsINI(QString::fromLatin1(lf));
    EXPECT_EQ(plain.selectionColor, crlf.selectionColor);
    EXPECT_EQ(plain.timeLimit, crlf.timeLimit);
    EXPECT_EQ(plain.drawTimer, crlf.drawTimer);
    EXPECT_EQ(plain.playSounds, crlf.playSounds);
    EXPECT_EQ(plain.playMusic, crlf.playMusic);
    EXPECT_EQ(plain.cardGoal, crlf.cardGoal);
    EXPECT_EQ(plain.windowState, crlf.windowState);
    EXPECT_EQ(plain.width, crlf.width);
    EXPECT_EQ(plain.height, crlf.height);
}

TEST_F(TalliesSettingsTest, ValuesAreReadAsTheMenusOfferThem)
{
    // Unknown keys and stray values are skipped; a time of 45 and a colour of 7 change nothing.
    const TalliesSettings s = ParseSettingsINI(QStringLiteral("[Sound Volume]\n12\n\n"
                                                              "[Color]\n4\n\n[Time]\n45\n\n[Color]\n7\n\n"
                                                              "[DrawTimer]\ntrue\n\n[Play Music]\nTrue\n\n"
                                                              "[Deck]\n02\n\n[Color]\n2\n"));
    EXPECT_EQ(s.selectionColor, 2) << "a later colour wins";
    EXPECT_FALSE(s.timeLimit);
    EXPECT_EQ(s.drawTimer, false) << "only \"True\" switches on";
    EXPECT_EQ(s.playMusic, true);
    EXPECT_FALSE(s.deckDesign) << "numbers are compared as text";
    EXPECT_FALSE(s.stoppedEarly);

    EXPECT_EQ(ParseSettingsINI(QStringLiteral("[CardGoal]\n16\n")).cardGoal, 16);
    EXPECT_EQ(ParseSettingsINI(QStringLiteral("[CardGoal]\n9\n")).cardGoal, 9);
    EXPECT_EQ(ParseSettingsINI(QStringLiteral("[CardGoal]\n13 goal\n")).cardGoal, 13);

    // A value holding a comma is cut there; the rest is skipped as an item of no meaning.
    const TalliesSettings cut = ParseSettingsINI(QStringLiteral("[Time]\n60,5\n\n[Color]\n3\n"));
    EXPECT_EQ(cut.timeLimit, 60);
    EXPECT_EQ(cut.selectionColor, 3);
}

TEST_F(TalliesSettingsTest, AValueThatCannotBeConvertedEndsTheReadingThere)
{
    for (const char* bad : {"[State]\nbig\n", "[State]\n3\n", "[Width]\nwide\n", "[Height]\n-15\n"}) {
        const QString text =
            QStringLiteral("[Color]\n0\n\n") + QString::fromLatin1(bad) + QStringLiteral("\n[Time]\n30\n");
        const TalliesSettings s = ParseSettingsINI(text);
        EXPECT_TRUE(s.stoppedEarly) << bad;
        EXPECT_EQ(s.selectionColor, 0) << bad;
        EXPECT_FALSE(s.timeLimit) << bad;
    }
    const TalliesSettings last = ParseSettingsINI(QStringLiteral("[Color]\n5\n\n[Time]"));
    EXPECT_TRUE(last.stoppedEarly);
    EXPECT_EQ(last.selectionColor, 5);
}

TEST_F(TalliesSettingsTest, AMaximisedWindowIsSavedWithTheFixedSizeAndOpensMaximised)
{
    TalliesSettingsValues v = DefaultTalliesSettings({2, 19200, 14400});
    const QByteArray text = SettingsINIText(v);
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7200\r\n\r\n"))
        << text.constData();

    const TalliesSettings s = ParseSettingsINI(QString::fromLatin1(text));
    EXPECT_EQ(s.windowState, 2);
    EXPECT_FALSE(s.width) << "the normal size stays the window's own";
    EXPECT_FALSE(s.height);

    // Read before the state, the size still applies.
    const TalliesSettings early = ParseSettingsINI(QStringLiteral("[Width]\n12000\n[State]\n2\n[Height]\n9000\n"));
    EXPECT_EQ(early.width, 12000);
    EXPECT_FALSE(early.height);
}

TEST_F(TalliesSettingsTest, ClosingWritesTheOptionsInForce)
{
    gSelectionColor = 4;
    gMusicOn = true;
    gTimeLimit = 180;
    gTalliesDrawTimer = false;
    gSoundsOn = false;
    gCardGoal = 15;
    gDeckDesign = 4;

    const TalliesSettingsWriteResult r = WriteSettingsOnClose({0, 10500, 8100});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(fileBytes(folder.file("Tallies.Ini")), QByteArray("[Color]\r\n4\r\n\r\n"
                                                                "[Play Music]\r\nTrue\r\n\r\n"
                                                                "[Time]\r\n180\r\n\r\n"
                                                                "[DrawTimer]\r\nFalse\r\n\r\n"
                                                                "[Play Sounds]\r\nFalse\r\n\r\n"
                                                                "[CardGoal]\r\n15\r\n\r\n"
                                                                "[State]\r\n0\r\n\r\n"
                                                                "[Width]\r\n10500\r\n\r\n"
                                                                "[Height]\r\n8100\r\n\r\n"
                                                                "[Deck]\r\n4\r\n\r\n"));
}

TEST_F(TalliesSettingsTest, AFailedWriteIsReported)
{
    gAppPath = folder.file("missing-folder");

    const TalliesSettingsWriteResult r = WriteSettingsOnClose(atLoad);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(QStringLiteral("Tallies.Ini"))) << r.message.toStdString();

    // Neither written nor found at load: the built-in options stay.
    const TalliesSettings s = ReadSettingsINI(atLoad);
    EXPECT_FALSE(s.timeLimit);
    EXPECT_FALSE(s.selectionColor);
}

TEST_F(TalliesSettingsTest, AFullDiskKeepsTheOldFileAndIsReported)
{
    ASSERT_TRUE(WriteSettingsINI(DefaultTalliesSettings(atLoad)));
    const QByteArray before = fileBytes(folder.file("Tallies.Ini"));
    gTimeLimit = 180;
    TalliesSettingsWriteResult r;
    {
        FileSizeLimit full(0);
        r = WriteSettingsOnClose(atLoad);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("Unable to save your options to "))) << r.message.toStdString();
    EXPECT_EQ(fileBytes(folder.file("Tallies.Ini")), before);
}

TEST_F(TalliesSettingsTest, ASettingsFileThatIsNoRegularFileOfSaneSizeIsNeverRead)
{
    // Read whole, the first would exhaust memory and the second freeze the window.
    QFile big(folder.file("Tallies.Ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("[Time]\r\n60\r\n\r\n");
    big.write(QByteArray(2 * 1024 * 1024, ' '));
    big.close();
    TalliesSettings s = ReadSettingsINI(atLoad);
    EXPECT_EQ(s.timeLimit, 90); // the defaults, written over it
    EXPECT_EQ(fileBytes(folder.file("Tallies.Ini")), DefaultFile);

    // A pipe there is left a pipe: nothing is read, so the window keeps its own defaults, and none are
    // written in its place.
    QFile::remove(folder.file("Tallies.Ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file("Tallies.Ini")).constData(), 0600), 0);
    s = ReadSettingsINI(atLoad);
    EXPECT_FALSE(s.timeLimit);
    struct stat node {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder.file("Tallies.Ini")).constData(), &node), 0);
    EXPECT_TRUE(S_ISFIFO(node.st_mode));
}
