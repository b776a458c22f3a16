#include "HighScoreFakes.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "support/PlatformFakes.h"
#include "support/FileNodes.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingAudio.h"
#include "platform/Wait.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {
QByteArray defaultTable(const char* score)
{
    QByteArray text;
    for (int i = 0; i < 10; ++i)
        text += QByteArray("Corvanta, ") + score + "\r\n";
    return text + "\r\n";
}

// Ten entries P1 (10000) down to P10 (1000).
QByteArray tenEntries(const char* lineEnd = "\r\n")
{
    QByteArray text;
    for (int i = 1; i <= 10; ++i)
        text += "P" + QByteArray::number(i) + ", " + QByteArray::number(11000 - 1000 * i) + lineEnd;
    return text + lineEnd;
}

QStringList entriesOf(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

class HighScores : public ::testing::Test {
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

TEST_F(HighScores, MissingTableIsCreatedWithDefaultsAndItsTopScoreShown)
{
    struct Case {
        const char* form;
        const char* fileBase;
        const char* defaultScore;
        const char* file;
        const char* caption;
    };
    const Case cases[] = {
        {"frmStackjack", "HiScores", "50000", "HiScores60.Txt", "High Score: 50,000"},
        {"frmTallies", "HiScores", "50000", "HiScores60_11.Txt", "High Score: 50,000"},
        {"frmSpires", "SpiresHiScores", "30000", "SpiresHiScores60.Txt", "Current High Score: 30,000"},
        {"frmGridhand", "GridhandHighScores", "30000", "GridhandHighScores60.Txt", "High Score: 30,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        HighScoreTestForm form(QString::fromLatin1(c.form));
        ShowTopHighScore(QString::fromLatin1(c.fileBase), form, QString::fromLatin1(c.defaultScore));
        EXPECT_EQ(readBytes(folder.file(QString::fromLatin1(c.file))), defaultTable(c.defaultScore));
        EXPECT_EQ(form.lblHighScore->caption(), QString::fromLatin1(c.caption));
    }
    // Tallies and Stackjack share the base name but not the file.
    EXPECT_EQ(QDir(folder.path()).entryList({"HiScores*"}, QDir::Files), QStringList({"HiScores60.Txt", "HiScores60_11.Txt"}));
}

TEST_F(HighScores, TopScoreComesFromTheExistingTableWhateverItsLineEnds)
{
    HighScoreTestForm form(QStringLiteral("frmQuickjack"));
    writeBytes(folder.file("QuickjackHiScores60.Txt"), tenEntries("\n"));
    ShowTopHighScore(QStringLiteral("QuickjackHiScores"), form, QStringLiteral("50000"));
    EXPECT_EQ(form.lblHighScore->caption(), QStringLiteral("High Score: 10,000"));
    EXPECT_EQ(readBytes(folder.file("QuickjackHiScores60.Txt")), tenEntries("\n")); // not rewritten
}

TEST_F(HighScores, FileNamesFollowTimeLimitAndTalliesGoal)
{
    gTimeLimit = 90;
    gCardGoal = 13;
    EXPECT_EQ(HighScoreTablePath("HiScores", "frmTallies"), folder.file("HiScores90_13.Txt"));
    EXPECT_EQ(HighScoreTablePath("HiScores", "frmStackjack"), folder.file("HiScores90.Txt"));
    EXPECT_EQ(HighScoreTablePath("SpiresHiScores", "frmSpires"), folder.file("SpiresHiScores90.Txt"));
}

TEST_F(HighScores, WriteDefaultHighScoresReplacesTheTable)
{
    HighScoreTestForm form(QStringLiteral("frmTallies"));
    writeBytes(folder.file("HiScores60_11.Txt"), tenEntries());
    WriteDefaultHighScores(QStringLiteral("HiScores"), form, QStringLiteral("50000"));
    EXPECT_EQ(readBytes(folder.file("HiScores60_11.Txt")), defaultTable("50000"));
}

namespace {
struct MergeCase {
    const char* what;
    std::int32_t score;
    bool custom;
    QString typed;
    int place; // -1: does not enter
    QString written;
};
} // namespace

TEST_F(HighScores, MergePlacesTheScoreAboveTheFirstLowerOne)
{
    const MergeCase cases[] = {
        {"equal to the tenth", 1000, false, "Ann", -1, {}},
        {"below all", 5, false, "Ann", -1, {}},
        {"one above the tenth", 1001, false, "Ann", 9, "Ann, 1001"},
        {"equal to the third goes below it", 8000, false, "Ann", 3, "Ann, 8000"},
        {"top score", 20000, false, "Ann", 0, "Ann, 20000"},
        {"custom scoring", 12345, true, "Ann", 0, "Ann*, 12345"},
        {"empty name", 20000, false, "", 0, "Unknown User, 20000"},
        {"blanks only", 20000, false, "   ", 0, "   , 20000"},
        {"quotes and punctuation", 20000, false, "\"Ace\" O'Neil *!", 0, "\"Ace\" O'Neil *!, 20000"},
    };
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, tenEntries());
        ScriptedHighScoreDialogs dialogs;
        dialogs.names.push_back(c.typed);
        gScore = c.score;
        gCustomScoring = c.custom;

        CheckHighScore(QStringLiteral("HiScores"), form);

        if (c.place < 0) {
            EXPECT_TRUE(dialogs.promptedFor.empty());
            EXPECT_TRUE(dialogs.tablesShown.empty());
            EXPECT_EQ(readBytes(path), tenEntries());
            continue;
        }
        QStringList expected = entriesOf(tenEntries());
        expected.insert(c.place, c.written);
        expected.removeLast();
        EXPECT_EQ(entriesOf(readBytes(path)), expected);
        EXPECT_TRUE(readBytes(path).endsWith((expected.last() + "\r\n\r\n").toUtf8()));
        ASSERT_EQ(dialogs.promptedFor.size(), 1u);
        EXPECT_EQ(dialogs.promptedFor[0], &form);
        ASSERT_EQ(dialogs.tablesShown.size(), 1u);
        EXPECT_EQ(dialogs.tablesShown[0], std::make_pair(QStringLiteral("HiScores"), static_cast<GameForm*>(&form)));
        EXPECT_EQ(gPlayerName, c.typed.isEmpty() ? QStringLiteral("Unknown User") : c.typed);
    }
}

TEST_F(HighScores, MergedTableKeepsMarksQuotesAndItsExactFormat)
{
    HighScoreTestForm form(QStringLiteral("frmTallies"));
    const QString path = folder.file("HiScores60_11.Txt");
    writeBytes(path, "Bo \"Ace\"*, 900\nCorvanta, 500\n"); // short, hand-edited with LF
    ScriptedHighScoreDialogs dialogs;
    dialogs.names = {"Cy", "Di"};

    gScore = 700;
    CheckHighScore(QStringLiteral("HiScores"), form);
    EXPECT_EQ(readBytes(path), QByteArray("Bo \"Ace\"*, 900\r\nCy, 700\r\nCorvanta, 500\r\n\r\n"));

    gScore = 800;
    gCustomScoring = true;
    CheckHighScore(QStringLiteral("HiScores"), form);
    EXPECT_EQ(readBytes(path), QByteArray("Bo \"Ace\"*, 900\r\nDi*, 800\r\nCy, 700\r\nCorvanta, 500\r\n\r\n"));

    gScore = 400; // below every entry of a short table: still not entered
    CheckHighScore(QStringLiteral("HiScores"), form);
    EXPECT_EQ(dialogs.promptedFor.size(), 2u);
}

TEST_F(HighScores, NamesAreReadWithoutTheBlanksTheyStartWith)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    writeBytes(path, "  Spaced  , 800\r\n Bo*, 700\r\n\r\n");
    ScriptedHighScoreDialogs dialogs;
    dialogs.names = {"Cy"};
    gScore = 900;
    CheckHighScore(QStringLiteral("HiScores"), form);
    EXPECT_EQ(readBytes(path), QByteArray("Cy, 900\r\nSpaced  , 800\r\nBo*, 700\r\n\r\n"));
}

TEST_F(HighScores, AMissingTableAtGameEndIsMadeWithTheGamesDefaultsBeforeTheScoreEnters)
{
    HighScoreTestForm form(QStringLiteral("frmQuickjack"));
    gTimeLimit = 45;
    ScriptedHighScoreDialogs dialogs;
    dialogs.names = {"Ann"};
    gScore = 60000;
    CheckHighScore(QStringLiteral("QuickjackHiScores"), form, QStringLiteral("50000"));
    QByteArray expected = "Ann, 60000\r\n";
    for (int i = 0; i < 9; ++i)
        expected += "Corvanta, 50000\r\n";
    EXPECT_EQ(readBytes(folder.file("QuickjackHiScores45.Txt")), expected + "\r\n");
    EXPECT_EQ(dialogs.tablesShown.size(), 1u);

    // A score below the defaults still leaves the new table behind, unchanged.
    gTimeLimit = 30;
    gScore = 10;
    CheckHighScore(QStringLiteral("QuickjackHiScores"), form, QStringLiteral("50000"));
    EXPECT_EQ(readBytes(folder.file("QuickjackHiScores30.Txt")), defaultTable("50000"));
}

TEST_F(HighScores, TableThatCannotBeReadOrWrittenIsReportedAndLeftAlone)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    ScriptedHighScoreDialogs dialogs;
    gScore = 99999;
    const QString path = folder.file("HiScores60.Txt");

    EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError); // missing

    const QByteArray bad = "Ann, 9000\r\nBob, lots\r\n\r\n";
    writeBytes(path, bad);
    EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError);
    EXPECT_EQ(readBytes(path), bad);
    EXPECT_TRUE(dialogs.promptedFor.empty()); // nobody is asked for a name that cannot be kept

    QFile::remove(path);
    ASSERT_TRUE(QDir(folder.path()).mkdir("HiScores60.Txt")); // neither readable nor replaceable
    EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError);
    EXPECT_TRUE(dialogs.tablesShown.empty());
}

TEST_F(HighScores, ShowTopHighScoreShowsNoFigureFromAnotherTableWhenNoneCanBeReadAndNeverThrows)
{
    // A folder in the table's place can be neither read nor replaced, and is kept.
    HighScoreTestForm stackjack(QStringLiteral("frmStackjack"));
    stackjack.lblHighScore->setCaption(QStringLiteral("High Score: 7"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("HiScores60.Txt"));
    EXPECT_NO_THROW(ShowTopHighScore(QStringLiteral("HiScores"), stackjack, QStringLiteral("50000")));
    EXPECT_NO_THROW(WriteDefaultHighScores(QStringLiteral("HiScores"), stackjack, QStringLiteral("50000")));
    EXPECT_EQ(stackjack.lblHighScore->caption(), QStringLiteral("High Score: "));
    EXPECT_TRUE(QFileInfo(folder.file("HiScores60.Txt")).isDir());

    // Only the 45 seconds table exists, and the folder takes no new file: 60 seconds shows no score.
    HighScoreTestForm spires(QStringLiteral("frmSpires"));
    writeBytes(folder.file("SpiresHiScores45.Txt"), tenEntries());
    gTimeLimit = 45;
    ShowTopHighScore(QStringLiteral("SpiresHiScores"), spires, QStringLiteral("30000"));
    EXPECT_EQ(spires.lblHighScore->caption(), QStringLiteral("Current High Score: 10,000"));
    gTimeLimit = 60;
    {
        FileSizeLimit full(0);
        EXPECT_NO_THROW(ShowTopHighScore(QStringLiteral("SpiresHiScores"), spires, QStringLiteral("30000")));
    }
    EXPECT_EQ(spires.lblHighScore->caption(), QStringLiteral("Current High Score: "));
    EXPECT_FALSE(QFileInfo::exists(folder.file("SpiresHiScores60.Txt")));
}

TEST_F(HighScores, FanfarePlaysOnlyForAScoreThatEntersWithSoundsOn)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    RecordingAudio audio;
    ScriptedHighScoreDialogs dialogs;
    const struct {
        bool soundsOn;
        std::int32_t score;
        bool heard;
    } cases[] = {{true, 1000, false}, {false, 5000, false}, {true, 5000, true}};
    for (const auto& c : cases) {
        writeBytes(path, tenEntries());
        audio.clear();
        gSoundsOn = c.soundsOn;
        gScore = c.score;
        CheckHighScore(QStringLiteral("HiScores"), form);
        EXPECT_EQ(audio.waves(), c.heard ? QStringList{folder.file("HighScore.wav")} : QStringList{});
    }
}

TEST_F(HighScores, AFullDiskLeavesTheTableWholeAndIsReported)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    QByteArray table;
    for (int i = 1; i <= 10; ++i)
        table += "A player with a long name " + QByteArray::number(i) + ", " + QByteArray::number(1000 - i) + "\r\n";
    table += "\r\n";
    writeBytes(path, table);
    ScriptedHighScoreDialogs dialogs;
    dialogs.names.push_back(QStringLiteral("Ann"));
    gScore = 20000;
    {
        FileSizeLimit full(150); // room for the lock, not for the table
        EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError);
    }
    EXPECT_EQ(readBytes(path), table);
    EXPECT_TRUE(dialogs.tablesShown.empty());
}

TEST_F(HighScores, ATableLeftEmptyByAnEarlierFaultIsRenewedLikeAMissingOne)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    for (const QByteArray& empty : {QByteArray(), QByteArray("\r\n")}) {
        writeBytes(path, empty);
        ShowTopHighScore(QStringLiteral("HiScores"), form, QStringLiteral("50000"));
        EXPECT_EQ(readBytes(path), defaultTable("50000"));
        EXPECT_EQ(form.lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    }
}

TEST_F(HighScores, AnEntryWrittenByAnotherCopyWhileTheNameWasTypedIsKept)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    writeBytes(path, tenEntries());
    QByteArray other = tenEntries();
    other.replace("P1, 10000", "Other, 30000\r\nP1, 10000");
    other.replace("P10, 1000\r\n", "");
    // The other copy writes its entry while this one waits on its prompt.
    setHighScoreDialogs({[&](GameForm&) {
                             writeBytes(path, other);
                             return QStringLiteral("Ann");
                         },
                         [](const QString&, GameForm&) {}});
    gScore = 5500;
    CheckHighScore(QStringLiteral("HiScores"), form);
    setHighScoreDialogs({});
    const QStringList entries = entriesOf(readBytes(path));
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries[0], QStringLiteral("Other, 30000"));
    EXPECT_EQ(entries[6], QStringLiteral("Ann, 5500"));
    EXPECT_EQ(entries[9], QStringLiteral("P8, 3000"));
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

TEST_F(HighScores, ANameWaitsForATableAnotherCopyHoldsAndGoesInWhenItFrees)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    writeBytes(path, tenEntries());
    QLockFile otherCopy(path + ".lock");
    ASSERT_TRUE(otherCopy.tryLock(0));
    ScriptedHighScoreDialogs dialogs;
    dialogs.names.push_back(QStringLiteral("Ann"));
    // Nothing else runs the event loop: the other copy lets go only if the wait keeps it turning.
    QTimer::singleShot(0, [&] { otherCopy.unlock(); });
    int waits = 0;
    platform::setWaitObserver([&](int) { ++waits; });
    platform::setWaitScale(0.01);
    gScore = 5500;
    EXPECT_NO_THROW(CheckHighScore(QStringLiteral("HiScores"), form));
    platform::setWaitScale(1.0);
    platform::setWaitObserver(nullptr);

    EXPECT_GE(waits, 1);
    const QStringList entries = entriesOf(readBytes(path));
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries[5], QStringLiteral("Ann, 5500"));
    EXPECT_EQ(dialogs.tablesShown.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

TEST_F(HighScores, ATableAnotherCopyNeverLetsGoIsToldAndLeftAsItWas)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    writeBytes(path, tenEntries());
    QLockFile otherCopy(path + ".lock");
    ASSERT_TRUE(otherCopy.tryLock(0));
    ScriptedHighScoreDialogs dialogs;
    dialogs.names.push_back(QStringLiteral("Ann"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);
    InstantWaits waits;
    gGameTitle = QStringLiteral("Stackjack!");
    gScore = 5500;
    EXPECT_NO_THROW(CheckHighScore(QStringLiteral("HiScores"), form));

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Another copy of the game is using the High Score Table. "
                                                      "Your score could not be recorded."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbExclamation);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Stackjack!"));
    EXPECT_FALSE(waits.waits().empty());
    EXPECT_EQ(readBytes(path), tenEntries());
    EXPECT_TRUE(dialogs.tablesShown.empty());
}

TEST_F(HighScores, EveryNameReadsBackAsTypedAndStaysOnItsLine)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    ScriptedHighScoreDialogs dialogs;
    const QString utf8Name = QStringLiteral("\u0141ukasz \u05e9\u05dc\u05d5\u05dd \U0001F600");
    // An older table: Latin-1 name, CR-only line ends.
    writeBytes(path, "Jos\xe9, 9000\rBo, 8000\r\r");
    // Line and paragraph separators would draw the name over the next row of the viewer.
    dialogs.names = {utf8Name, QStringLiteral("Line\nFeed\tTab"), QStringLiteral("Line\u2028Para\u2029End")};

    for (const std::int32_t score : {8500, 8200, 8100}) {
        gScore = score;
        CheckHighScore(QStringLiteral("HiScores"), form);
    }

    const QString expected = QStringLiteral("Jos\u00e9, 9000\r\n") + utf8Name +
                             QStringLiteral(", 8500\r\nLine Feed Tab, 8200\r\nLine Para End, 8100\r\n"
                                            "Bo, 8000\r\n\r\n");
    EXPECT_EQ(QString::fromUtf8(readBytes(path)), expected);
    EXPECT_EQ(dialogs.tablesShown.size(), 3u);
    gScore = 50; // the table still reads: four entries, so a lower score has no place and is no error
    EXPECT_NO_THROW(CheckHighScore(QStringLiteral("HiScores"), form));
}

namespace {
// Lets every reader that opens one of the pipes through at once, as a writer that closes straight
// away: a lock name that were opened after all then fails the test instead of hanging it.
class PipeReleaser {
public:
    explicit PipeReleaser(QStringList pipes) : m_pipes(std::move(pipes)), m_thread([this] { run(); }) {}
    ~PipeReleaser()
    {
        m_stop = true;
        m_thread.join();
    }
    int released() const { return m_released; }

private:
    void run()
    {
        while (!m_stop) {
            for (const QString& pipe : m_pipes) {
                const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                struct stat st {};
                if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode))
                    ++m_released; // a writer's open of a pipe succeeds only while a reader waits
                if (fd >= 0)
                    ::close(fd);
            }
            std::this_thread::yield();
        }
    }
    QStringList m_pipes;
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_released = 0;
    std::thread m_thread;
};

// A lock left behind a day ago by a copy long gone.
void writeStaleLock(const QString& lock)
{
    writeBytes(lock, "");
    QFile stale(lock);
    ASSERT_TRUE(stale.open(QIODevice::ReadWrite)
                && stale.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1), QFileDevice::FileModificationTime));
}
} // namespace

// A pipe at a lock name would hold the window for good while the lock was read for its owner, and a
// device there would be taken for a stale lock and deleted. Only a regular file, a link that leads
// nowhere, or nothing is handed to the lock; anything else is a lock that cannot be made, at once.
TEST_F(HighScores, ALockNameThatIsNoRegularFileIsNeverOpenedAndCostsOnlyTheEntry)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    const QString lock = path + ".lock";
    const QString fifo = folder.file("elsewhere.fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto link = [](const QString& target, const QString& name) {
        return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()) == 0;
    };
    const struct {
        const char* what;
        std::function<bool(const QString&)> make;
    } cases[] = {
        {"a pipe", [](const QString& at) { return ::mkfifo(QFile::encodeName(at).constData(), 0600) == 0; }},
        {"a link to a pipe", [&](const QString& at) { return link(fifo, at); }},
        {"a link to a device", [&](const QString& at) { return link(QStringLiteral("/dev/null"), at); }},
        {"a folder", [](const QString& at) { return QDir().mkdir(at); }},
        {"a socket", makeSocketAt},
    };
    PipeReleaser releaser({lock, fifo, lock + ".rmlock"});
    InstantWaits waits;
    ScriptedMessageBoxes boxes; // the game tells the player of the table's fault, not this
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, tenEntries());
        ASSERT_TRUE(c.make(lock));
        const mode_t kind = kindAt(lock);
        ScriptedHighScoreDialogs dialogs;
        dialogs.names.push_back(QStringLiteral("Ann"));
        gScore = 5500;
        EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError);
        EXPECT_EQ(kindAt(lock), kind) << "the lock name was changed";
        EXPECT_EQ(readBytes(path), tenEntries());
        EXPECT_TRUE(dialogs.tablesShown.empty());
        QDir(lock).removeRecursively();
        QFile::remove(lock);
    }
    EXPECT_EQ(waits.waits(), std::vector<int>{}) << "a lock that can never be made was waited for";

    // A stale lock is removed under a second lock beside it, whose name is looked at just the same.
    writeBytes(path, tenEntries());
    writeStaleLock(lock);
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock + ".rmlock").constData(), 0600), 0);
    ScriptedHighScoreDialogs dialogs;
    dialogs.names.push_back(QStringLiteral("Ann"));
    EXPECT_THROW(CheckHighScore(QStringLiteral("HiScores"), form), HighScoreTableError);
    EXPECT_EQ(kindAt(lock + ".rmlock"), mode_t(S_IFIFO));
    EXPECT_EQ(readBytes(path), tenEntries());
    EXPECT_EQ(releaser.released(), 0) << "a pipe at a lock name was opened";
}

// The look at the lock names refuses no regular file: a lock left by a copy long gone is taken over.
TEST_F(HighScores, AStaleLockLeftAsARegularFileIsStillTakenOver)
{
    HighScoreTestForm form(QStringLiteral("frmStackjack"));
    const QString path = folder.file("HiScores60.Txt");
    const QString lock = path + ".lock";
    writeBytes(path, tenEntries());
    writeStaleLock(lock);
    ScriptedHighScoreDialogs dialogs;
    dialogs.names.push_back(QStringLiteral("Ann"));
    gScore = 5500;
    EXPECT_NO_THROW(CheckHighScore(QStringLiteral("HiScores"), form));
    EXPECT_EQ(entriesOf(readBytes(path))[5], QStringLiteral("Ann, 5500"));
    EXPECT_FALSE(QFileInfo::exists(lock));
}
