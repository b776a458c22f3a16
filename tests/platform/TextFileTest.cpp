#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <limits>
#include <malloc.h>
#include <sys/stat.h>

using namespace platform;

namespace {
void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(TextFile, AWriteTheDiskRefusesFailsAndLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("HiScores60.Txt"));
    const QByteArray old(162, 'o');
    writeRaw(path, old);
    for (const rlim_t room : {rlim_t(0), rlim_t(16)}) {
        SCOPED_TRACE(room);
        {
            FileSizeLimit full(room);
            EXPECT_FALSE(writeFileAtomically(path, QByteArray(200, 'n')));
        }
        EXPECT_EQ(readBytes(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"HiScores60.Txt"});
    }
}

TEST(TextFile, OnlyRegularFilesOfSaneSizeAreRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("f.tgm"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath(QStringLiteral("big.Ini"));
    writeRaw(big, QByteArray(LargestReadableFile + 1, 'x'));
    const QString limit = dir.filePath(QStringLiteral("limit.Ini"));
    writeRaw(limit, QByteArray(LargestReadableFile, 'x'));

    // Each would hang or exhaust memory if it were read whole.
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo, big, dir.path()}) {
        QByteArray contents = "kept";
        EXPECT_FALSE(readWholeFile(path, &contents)) << qPrintable(path);
        EXPECT_EQ(contents, QByteArray("kept"));
        bool opened = true;
        EXPECT_TRUE(ItemReader::fromFile(path, &opened).atEnd());
        EXPECT_FALSE(opened) << qPrintable(path);
    }
    QByteArray contents;
    EXPECT_TRUE(readWholeFile(limit, &contents));
    EXPECT_EQ(contents.size(), LargestReadableFile);
}

TEST(TextFile, EachLineReadsAsUtf8WhenItIsAndAsLatin1Otherwise)
{
    const QString utf8Name = QStringLiteral("\u0141ukasz \u05e9\u05dc\u05d5\u05dd \U0001F600");
    const QByteArray mixed = "Jos\xe9, 900\r\n" + utf8Name.toUtf8() + ", 800\r\n\xff\xfe\r\n";
    EXPECT_EQ(decodeText(mixed), QStringLiteral("Jos\u00e9, 900\r\n") + utf8Name +
                                     QStringLiteral(", 800\r\n\u00ff\u00fe\r\n"));
    EXPECT_EQ(decodeText(utf8Name.toUtf8()), utf8Name);
    EXPECT_EQ(decodeText("plain"), QStringLiteral("plain"));
}

TEST(TextFile, OnlyOurOwnOldTemporariesAreRemoved)
{
    QTemporaryDir dir;
    // The player's own files, however they are named, and what older versions left behind.
    const QStringList kept = {"HiScores60.Txt.backup", "Tallies.Ini.before", "readme.txt.old123",
                              "Tallies.Ini.a1B2c3", "HiScores60.Txt.lock", "game.tgm.parlour-tmp-a1B2"};
    const QString stale = QStringLiteral("HiScores90_11.Txt.parlour-tmp-Zz9yX8");
    const QString fresh = QStringLiteral("Tallies.Ini.parlour-tmp-q1W2e3");
    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    for (const QString& name : kept + QStringList{stale, fresh}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (name != fresh) {
            ASSERT_TRUE(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
        }
    }
    removeStaleTemporaries(dir.path());
    QStringList expected = kept + QStringList{fresh};
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST(TextFile, AWriteLeavesOnlyItsFileAndKeepsTheOldFilesPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tallies.Ini"));
    ASSERT_TRUE(writeFileAtomically(path, "first"));
    writeRaw(dir.filePath(QStringLiteral("Tallies.Ini.a1B2c3")), "a player's file");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    EXPECT_EQ(readBytes(path), QByteArray("second"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    EXPECT_EQ(QFile::permissions(path) & others, QFile::Permissions(QFile::ReadGroup));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"Tallies.Ini", "Tallies.Ini.a1B2c3"}));
}

TEST(ItemReader, CrAloneEndsALineAndATrailingCommaLeavesAnEmptyItem)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"a\rb\r\rc", {"a", "b", "", "c"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\n", {""}},
        {"", {}},
        {"\"x\"y, \"\" ", {"xy", ""}}, // blanks outside the quotes are dropped
    };
    for (const auto& [text, expected] : cases) {
        ItemReader r(QString::fromLatin1(text));
        QStringList items;
        while (!r.atEnd())
            items << r.next();
        EXPECT_EQ(items, expected) << text;
    }
}

TEST(ItemReader, ReadsAHugeTextInOnePassWithoutCuttingItAllUpFront)
{
    const QString record = QStringLiteral("[Color]\r\n1\r\n\r\n");
    auto textOf = [&record](qsizetype size) {
        QString text;
        text.reserve(size);
        while (text.size() < size - record.size())
            text += record;
        return text;
    };
    auto heapInUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return m.uordblks + m.hblkhd;
    };
    struct Pass {
        std::size_t heapGrowth = 0; // the most heap in use beyond what was in use before
        qint64 nanoseconds = 0;
    };
    auto readAll = [&](const QString& text) {
        QElapsedTimer timer;
        timer.start();
        const std::size_t before = heapInUse();
        ItemReader r(text);
        std::size_t most = heapInUse();
        qsizetype items = 0;
        while (!r.atEnd()) {
            r.next();
            if (++items % 65536 == 0)
                most = std::max(most, heapInUse());
        }
        EXPECT_EQ(items, text.size() / record.size() * 3);
        return Pass{most - before, timer.nsecsElapsed()};
    };
    // The least of a few passes, so that a pass slowed by other work on the machine does not count.
    auto fastest = [&](const QString& text, qint64 first) {
        qint64 best = first;
        for (int i = 0; i < 2; ++i)
            best = std::min(best, readAll(text).nanoseconds);
        return best;
    };

    const QString small = textOf(1024 * 1024);
    const QString big = textOf(8 * 1024 * 1024);
    const Pass bigPass = readAll(big);
    // Millions of items held at once took a gigabyte for a big file; one at a time takes next to nothing.
    EXPECT_LT(bigPass.heapGrowth, std::size_t(1024 * 1024));
    // One pass: eight times the text takes about eight times as long, where going over what is left of
    // the text again for each item would take some sixty-four times.
    const qint64 smallTime = fastest(small, readAll(small).nanoseconds);
    const qint64 bigTime = fastest(big, bigPass.nanoseconds);
    EXPECT_LT(bigTime, 24 * smallTime) << bigTime << " ns against " << smallTime << " ns";
}

TEST(Conversions, RoundingAValueBeyondTheWholeNumbersPinsItToTheirEnds)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfEven(inf), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfEven(9.3e18), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
    EXPECT_EQ(roundHalfEven(-9.2e18), std::int64_t(-9200000000000000000));
}
