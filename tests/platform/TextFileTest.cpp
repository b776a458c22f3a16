#include "platform/Conversions.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "support/FileBytes.h"
#include "support/FileNodes.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <climits>
#include <fcntl.h>
#include <cstring>
#include <grp.h>
#include <limits>
#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <malloc.h>
#include <ostream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// A pipe put in a file's place between a look at the name and its opening would hold the reader until
// some writer came. Here one is swapped with a regular file at the name while it is read, and each
// reader waiting on it let through with bytes of its own: those must never come back.
TEST(TextFile, AFileSwappedForAPipeWhileItIsReadIsNeverWaitedOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tallies.Ini"));
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("file")));
    const QByteArray staged = QFile::encodeName(dir.filePath(QStringLiteral("staged")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    writeRaw(QFile::decodeName(file), "[Tallies]\n");
    ASSERT_EQ(::link(file.constData(), QFile::encodeName(path).constData()), 0);

    std::atomic<bool> done = false;
    std::atomic<int> fromThePipe = 0, read = 0;
    std::thread reader([&] {
        for (int i = 0; i < 50000 && fromThePipe == 0; ++i) {
            QByteArray contents;
            if (readWholeFile(path, &contents))
                ++(contents == "from the pipe" ? fromThePipe : read);
        }
        done = true;
    });
    // Each swap is a rename of a fresh hard link, so the pipe keeps a name of its own to be opened by.
    std::thread swapper([&] {
        for (bool toPipe = true; !done; toPipe = !toPipe) {
            ::link(toPipe ? fifo.constData() : file.constData(), staged.constData());
            ::rename(staged.constData(), QFile::encodeName(path).constData());
        }
    });
    const auto oldPipeAction = std::signal(SIGPIPE, SIG_IGN); // a reader that opened the pipe and left
    while (!done) {
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) {
            [[maybe_unused]] const ssize_t put = ::write(writer, "from the pipe", 13);
            ::close(writer);
        }
        std::this_thread::yield();
    }
    swapper.join();
    reader.join();
    std::signal(SIGPIPE, oldPipeAction);
    EXPECT_EQ(fromThePipe, 0) << "a read waited on the pipe";
    EXPECT_GT(read, 0);
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

namespace {
// nobody:nogroup, the player whose files root writes, and whom a child process becomes.
constexpr uid_t Player = 65534;

struct Standing {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    bool operator==(const Standing&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Standing& s)
{
    return out << std::oct << s.mode << std::dec << ' ' << s.owner << ':' << s.group;
}

Standing standingOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {mode_t(st.st_mode & 07777), st.st_uid, st.st_gid};
}

// Owner before mode: a change of owner clears the set-id bits.
bool placeFile(const QString& path, const QByteArray& bytes, const Standing& standing)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    const QByteArray name = QFile::encodeName(path);
    return ::chown(name.constData(), standing.owner, standing.group) == 0 &&
           ::chmod(name.constData(), standing.mode) == 0;
}

// Every name in the folder, links that lead nowhere included, in order and apart by blanks.
std::string namesIn(const QString& folder)
{
    const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    return QDir(folder).entryList(all, QDir::Name).join(QLatin1Char(' ')).toStdString();
}

bool makeLink(const QString& target, const QString& link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

QByteArray linkTarget(const QString& path)
{
    char target[PATH_MAX];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return size < 0 ? QByteArray() : QByteArray(target, size);
}

enum class PlayerWrite { Written, Refused, CannotSwitch, Crashed };

// The write made in a child process that has become the player: the suite run by the player, whatever
// user runs the tests.
PlayerWrite writeAsPlayer(const QString& path, const QByteArray& contents)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool switched = ::setgroups(0, nullptr) == 0 && ::setgid(Player) == 0 && ::setuid(Player) == 0;
        ::_exit(!switched ? 2 : writeFileAtomically(path, contents) ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return PlayerWrite::Crashed;
    const PlayerWrite outcomes[] = {PlayerWrite::Written, PlayerWrite::Refused, PlayerWrite::CannotSwitch};
    return WEXITSTATUS(status) < 3 ? outcomes[WEXITSTATUS(status)] : PlayerWrite::Crashed;
}
} // namespace

// Root may write any file, so only the mode tells which file the player made read-only.
TEST(TextFile, AWriteKeepsTheOldFilesModeAndOwnerAndRefusesOneWithNoWriteBit)
{
    const Standing mine{0, ::geteuid(), ::getegid()};
    const Standing players{0, Player, Player};
    const struct {
        mode_t mode;
        Standing owner;
        bool written;
    } cases[] = {
        {0444, mine, false},    {0400, mine, false},     {0640, mine, true},     {0600, mine, true},
        {0604, mine, true},     {0644, players, true},   {0444, players, false},
        {04750, players, true}, {02770, players, true}, // the owner given first, or the set-id bit is lost
    };
    for (const auto& c : cases) {
        const Standing old{c.mode, c.owner.owner, c.owner.group};
        SCOPED_TRACE(testing::Message() << old);
        if (old.owner != mine.owner && ::geteuid() != 0)
            continue; // only root gives a file away
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("HiScores60.Txt"));
        ASSERT_TRUE(placeFile(path, "old", old));
        writeRaw(dir.filePath(QStringLiteral("HiScores60.Txt.a1B2c3")), "a player's file");
        EXPECT_EQ(writeFileAtomically(path, "new"), c.written);
        EXPECT_EQ(readBytes(path), QByteArray(c.written ? "new" : "old"));
        EXPECT_EQ(standingOf(path), old);
        EXPECT_EQ(namesIn(dir.path()), "HiScores60.Txt HiScores60.Txt.a1B2c3");
    }
}

TEST(TextFile, ThePlayerWritesOnlyTheFilesThePlayerMayWriteAndTheyStayThePlayers)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can become the player";
    const Standing root{0, 0, 0};
    const Standing players{0, Player, Player};
    const struct {
        mode_t mode;
        Standing owner;
        bool written;
        Standing after; // the owner once written: one only root could give stays the player's
    } cases[] = {
        {0644, players, true, players},
        {0444, players, false, players},
        {0644, root, false, root},
        {0666, root, true, players},
        // The kernel clears the set-id bits on a write by a process that may not set them again.
        {04750, players, true, players},
        {02770, players, true, players},
    };
    for (const auto& c : cases) {
        const Standing old{c.mode, c.owner.owner, c.owner.group};
        SCOPED_TRACE(testing::Message() << old);
        QTemporaryDir dir;
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
        const QString path = dir.filePath(QStringLiteral("HiScores60.Txt"));
        ASSERT_TRUE(placeFile(path, "old", old));
        const PlayerWrite outcome = writeAsPlayer(path, "new");
        if (outcome == PlayerWrite::CannotSwitch)
            GTEST_SKIP() << "cannot become the player";
        EXPECT_EQ(outcome, c.written ? PlayerWrite::Written : PlayerWrite::Refused);
        EXPECT_EQ(readBytes(path), QByteArray(c.written ? "new" : "old"));
        EXPECT_EQ(standingOf(path), (Standing{c.mode, c.after.owner, c.after.group}));
        EXPECT_EQ(namesIn(dir.path()), "HiScores60.Txt");
    }
}

TEST(TextFile, ALinkIsKeptAndOneThatLeadsNowhereIsNeverReplaced)
{
    using Links = std::vector<std::pair<QString, QString>>; // each name and where it points
    // `count` links from "T" on, the last to the table itself.
    auto chain = [](int count) {
        Links links;
        for (int i = 0; i < count; ++i)
            links.emplace_back(i == 0 ? QStringLiteral("T") : QStringLiteral("L%1").arg(i),
                               i + 1 == count ? QStringLiteral("HiScores60.Txt") : QStringLiteral("L%1").arg(i + 1));
        return links;
    };
    const struct {
        const char* what;
        Links links;
        bool written;
    } cases[] = {
        {"a link to itself", {{"T", "T"}}, false},
        {"two links to each other", {{"T", "U"}, {"U", "T"}}, false},
        {"more links than the system follows", chain(41), false},
        {"as many as it follows", chain(40), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("HiScores60.Txt"));
        writeRaw(table, "old");
        for (const auto& [name, target] : c.links)
            ASSERT_TRUE(makeLink(target, dir.filePath(name)));
        EXPECT_EQ(writeFileAtomically(dir.filePath(QStringLiteral("T")), "new"), c.written);
        EXPECT_EQ(readBytes(table), QByteArray(c.written ? "new" : "old"));
        QStringList names{QStringLiteral("HiScores60.Txt")};
        for (const auto& [name, target] : c.links) {
            EXPECT_EQ(linkTarget(dir.filePath(name)), QFile::encodeName(target)) << qPrintable(name);
            names << name;
        }
        names.sort();
        EXPECT_EQ(namesIn(dir.path()), names.join(QLatin1Char(' ')).toStdString());
    }
}

namespace {
// The kind of node at `path`, links not followed; 0 when there is none.
} // namespace

// Linking a table to a device (or a pipe, or a socket) keeps a program from saving it: only a regular
// file is ever replaced, or root would put a file where the device was. Device nodes are made in a
// folder of the test's own, never in the machine's /dev.
TEST(TextFile, OnlyARegularFileIsReplacedAndNeverADevicePipeOrSocket)
{
    const struct {
        const char* what;
        mode_t kind;
        dev_t device;
    } nodes[] = {
        {"pipe", S_IFIFO, 0},
        {"socket", S_IFSOCK, 0},
        {"character device", S_IFCHR, makedev(1, 3)},
        {"block device", S_IFBLK, makedev(7, 0)},
    };
    for (const auto& node : nodes) {
        for (const bool throughALink : {false, true}) {
            SCOPED_TRACE(testing::Message() << node.what << (throughALink ? " through a link" : ""));
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Tallies.Ini"));
            const QString nodePath = throughALink ? dir.filePath(QStringLiteral("null")) : path;
            const QByteArray name = QFile::encodeName(nodePath);
            const bool made = node.kind == S_IFSOCK ? makeSocketAt(nodePath)
                                                    : ::mknod(name.constData(), node.kind | 0666, node.device) == 0;
            if (!made && (node.kind == S_IFCHR || node.kind == S_IFBLK))
                continue; // only root may make a device node, and not in every container
            ASSERT_TRUE(made) << std::strerror(errno);
            if (throughALink) {
                ASSERT_TRUE(makeLink(QStringLiteral("null"), path));
            }
            const std::string before = namesIn(dir.path());

            EXPECT_FALSE(writeFileAtomically(path, "[Options]\n"));
            EXPECT_EQ(kindAt(nodePath), node.kind);
            if (throughALink) {
                EXPECT_EQ(linkTarget(path), QByteArray("null"));
            }
            EXPECT_EQ(namesIn(dir.path()), before) << "a temporary was left behind";
        }
    }
}

// The launch clean-up looks in the program's folder only; a write through a link makes its temporary
// beside the file linked to.
TEST(TextFile, AWriteThroughALinkIntoAnotherFolderIsCleanedUpThere)
{
    QTemporaryDir programFolder;
    QTemporaryDir elsewhere;
    const QString table = elsewhere.filePath(QStringLiteral("Shared60.Txt"));
    const QString link = programFolder.filePath(QStringLiteral("HiScores60.Txt"));
    writeRaw(table, "old");
    const QString relativeTarget = QDir(programFolder.path()).relativeFilePath(table);
    ASSERT_TRUE(relativeTarget.startsWith(QStringLiteral("../")));
    ASSERT_TRUE(makeLink(relativeTarget, link));

    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_EQ(readBytes(table), QByteArray("new"));
    EXPECT_EQ(linkTarget(link), QFile::encodeName(relativeTarget));
    EXPECT_EQ(namesIn(elsewhere.path()), "Shared60.Txt");

    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    for (const char* name :
         {"Shared60.Txt.parlour-tmp-St4l3A", "Other.Txt.parlour-tmp-Zz9yX8", "Shared60.Txt.backup"}) {
        QFile f(elsewhere.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
    }
    writeRaw(elsewhere.filePath(QStringLiteral("Shared60.Txt.parlour-tmp-F1r5h2")), "fresh");
    ASSERT_TRUE(makeLink(QStringLiteral("Shared60.Txt.backup"),
                         elsewhere.filePath(QStringLiteral("Shared60.Txt.parlour-tmp-L1nk00"))));

    removeStaleTemporaries(programFolder.path());
    // Only the old temporary of the file linked to goes: not a fresh one, another file's, a look-alike
    // of the player's, nor a link of that name.
    EXPECT_EQ(namesIn(elsewhere.path()), "Other.Txt.parlour-tmp-Zz9yX8 Shared60.Txt Shared60.Txt.backup "
                                         "Shared60.Txt.parlour-tmp-F1r5h2 Shared60.Txt.parlour-tmp-L1nk00");
    EXPECT_EQ(namesIn(programFolder.path()), "HiScores60.Txt");
}

namespace {
// A POSIX access ACL as the system keeps it in its extended attribute.
QByteArray accessAcl(std::initializer_list<posix_acl_xattr_entry> entries)
{
    const posix_acl_xattr_header header{POSIX_ACL_XATTR_VERSION};
    QByteArray acl(reinterpret_cast<const char*>(&header), sizeof header);
    for (const posix_acl_xattr_entry& e : entries)
        acl.append(reinterpret_cast<const char*>(&e), sizeof e);
    return acl;
}

QByteArray aclOf(const QString& path, const char* name = "system.posix_acl_access")
{
    char acl[1024];
    const ssize_t size = ::lgetxattr(QFile::encodeName(path).constData(), name, acl, sizeof acl);
    return size < 0 ? QByteArray() : QByteArray(acl, size);
}

bool setAcl(const QString& path, const QByteArray& acl, const char* name = "system.posix_acl_access")
{
    return ::lsetxattr(QFile::encodeName(path).constData(), name, acl.constData(), acl.size(), 0) == 0;
}
} // namespace

TEST(TextFile, AWriteKeepsTheOldFilesAccessAclAndGainsNoneItDidNotHave)
{
    const std::uint32_t Anyone = ACL_UNDEFINED_ID;
    const QByteArray playerMayWrite = accessAcl({{ACL_USER_OBJ, ACL_READ | ACL_WRITE, Anyone},
                                                 {ACL_USER, ACL_READ | ACL_WRITE, Player},
                                                 {ACL_GROUP_OBJ, ACL_READ, Anyone},
                                                 {ACL_MASK, ACL_READ | ACL_WRITE, Anyone},
                                                 {ACL_OTHER, 0, Anyone}});
    const QByteArray folderDefault = accessAcl({{ACL_USER_OBJ, ACL_READ | ACL_WRITE, Anyone},
                                                {ACL_USER, ACL_READ, 4242},
                                                {ACL_GROUP_OBJ, ACL_READ, Anyone},
                                                {ACL_MASK, ACL_READ, Anyone},
                                                {ACL_OTHER, ACL_READ, Anyone}});
    QTemporaryDir dir;
    const QString withAcl = dir.filePath(QStringLiteral("HiScores60.Txt"));
    const QString without = dir.filePath(QStringLiteral("Tallies.Ini"));
    writeRaw(withAcl, "old");
    writeRaw(without, "old");
    if (!setAcl(withAcl, playerMayWrite))
        GTEST_SKIP() << "no ACLs on this filesystem: " << std::strerror(errno);
    // The folder's default is what a new file would otherwise be given.
    ASSERT_TRUE(setAcl(dir.path(), folderDefault, "system.posix_acl_default"));
    const Standing before = standingOf(withAcl);
    ASSERT_EQ(before.mode, mode_t(0660)); // the mask stands for the group

    ASSERT_TRUE(writeFileAtomically(withAcl, "new"));
    ASSERT_TRUE(writeFileAtomically(without, "new"));
    EXPECT_EQ(aclOf(withAcl), playerMayWrite);
    EXPECT_EQ(standingOf(withAcl), before);
    EXPECT_EQ(aclOf(without), QByteArray());
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
