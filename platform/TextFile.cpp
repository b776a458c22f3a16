#include "platform/TextFile.h"
#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {
// Ends the name of each temporary the writer makes: no player names a file like this, so the launch
// clean-up can tell our leftovers from the player's own files.
const QString TemporaryMark = QStringLiteral(".parlour-tmp-");
constexpr int TemporaryTagLength = 6;

QString temporaryTag()
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < TemporaryTagLength; ++i)
        tag += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    return tag;
}

// A new, empty temporary beside `target`, open for writing; false when none could be made.
bool openTemporary(const QString& target, QFile& temporary, QFile::Permissions permissions)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary.setFileName(target + TemporaryMark + temporaryTag());
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, permissions))
            return true;
        if (!QFileInfo::exists(temporary.fileName()))
            return false; // not a clash of names: the folder takes no new file
    }
    return false;
}

// As many links as the system itself follows before it gives up on a name.
constexpr int MostLinksFollowed = 40;

// The file a name leads to through its links: the one a write replaces, or makes.
struct LinkEnd {
    QByteArray path;
    bool exists = false;
    struct stat status {};
};

QByteArray linkTarget(const QByteArray& link)
{
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t size = ::readlink(link.constData(), target.data(), target.size());
    if (size <= 0 || size >= target.size())
        return {};
    target.truncate(size);
    return target;
}

// The path built from the targets of links may hold "..", which Qt takes away by name: wrongly,
// where what stands before it is a link. The real path of the folder holds none.
QByteArray withRealFolder(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    char real[PATH_MAX];
    if (!::realpath(folder.constData(), real))
        return path; // a folder that is not there takes no file either
    const QByteArray name = path.mid(slash + 1);
    return std::strcmp(real, "/") == 0 ? '/' + name : real + ('/' + name);
}

// Nothing for a name that leads nowhere: a loop of links, a chain longer than the system follows,
// or a folder on the way that cannot be looked into.
std::optional<LinkEnd> resolveLinks(QByteArray path)
{
    for (int followed = 0;; ++followed) {
        LinkEnd end{path};
        if (::lstat(path.constData(), &end.status) != 0)
            return errno == ENOENT ? std::optional(end) : std::nullopt;
        end.exists = true;
        if (!S_ISLNK(end.status.st_mode))
            return end;
        QByteArray target = linkTarget(path);
        if (target.isEmpty() || followed == MostLinksFollowed)
            return std::nullopt;
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1)); // from the link's own folder
        path = withRealFolder(target);
    }
}

// Only a regular file: a device, pipe or socket at the name (often a link to /dev/null, to keep a
// file from being saved) would be replaced by a file of ours, for root even in /dev. Root may write
// any file, so the write bits alone show which file the player made read-only; any other process
// keeps to the files it may write.
bool mayReplace(const LinkEnd& end)
{
    return S_ISREG(end.status.st_mode) && (end.status.st_mode & 0222) != 0 &&
           ::access(end.path.constData(), W_OK) == 0;
}

bool keepOwner(int file, const struct stat& old)
{
    // Only root gives a file away; the others may still give it a group they are in.
    return ::fchown(file, old.st_uid, old.st_gid) == 0 || ::fchown(file, uid_t(-1), old.st_gid) == 0;
}

// Failures are let be: a filesystem without ACLs has nothing to keep.
void keepAccessAcl(int file, const QByteArray& old)
{
    static const char Acl[] = "system.posix_acl_access";
    const ssize_t size = ::lgetxattr(old.constData(), Acl, nullptr, 0);
    if (size < 0) {
        if (errno == ENODATA)
            ::fremovexattr(file, Acl); // one the folder's default ACL gave the new file
        return;
    }
    QByteArray acl(size, Qt::Uninitialized);
    if (::lgetxattr(old.constData(), Acl, acl.data(), acl.size()) == size)
        ::fsetxattr(file, Acl, acl.constData(), acl.size(), 0);
}

// The new file stands as the old one did. The owner comes first: a change of owner clears the
// set-id bits. A filesystem that takes no mode leaves the temporary's own.
void takeOverStanding(int file, const LinkEnd& old)
{
    keepOwner(file, old.status);
    ::fchmod(file, old.status.st_mode & 07777);
    keepAccessAcl(file, old.path);
}
} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& contents)
{
    // A link is kept, and the file it points to replaced; one that leads nowhere is never replaced.
    const std::optional<LinkEnd> end = resolveLinks(QFile::encodeName(path));
    if (!end || (end->exists && !mayReplace(*end)))
        return false;
    const QString target = QFile::decodeName(end->path);

    QFile temporary;
    // Until it is given the old file's mode, the temporary admits no one else.
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions anyone =
        ownerOnly | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    if (!openTemporary(target, temporary, end->exists ? ownerOnly : anyone))
        return false;
    // Unbuffered, so a write the disk refuses is seen here.
    bool written = temporary.write(contents) == contents.size() && temporary.error() == QFileDevice::NoError;
    // Only after the write: the kernel clears the set-id bits of a file written by a process that may
    // not set them.
    if (written && end->exists)
        takeOverStanding(temporary.handle(), *end);
    // The data and the standing are on the disk before the rename, or a crash could leave an empty
    // file where the old one was.
    if (written && ::fsync(temporary.handle()) != 0 && errno != EINVAL)
        written = false;
    temporary.close();
    // Only this name gets the new file: other hard links to the old one keep the old contents. Writing
    // into the old file would reach them, but a failed write could then leave it half written.
    if (written && temporary.error() == QFileDevice::NoError &&
        ::rename(QFile::encodeName(temporary.fileName()).constData(), end->path.constData()) == 0)
        return true;
    QFile::remove(temporary.fileName());
    return false;
}

bool readWholeFile(const QString& path, QByteArray* contents)
{
    std::optional<QByteArray> bytes = readRegularFile(path, LargestReadableFile);
    if (!bytes)
        return false;
    *contents = std::move(*bytes);
    return true;
}

bool holdsRegularFileOrNothing(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return errno == ENOENT;
    if (S_ISLNK(status.st_mode) && ::stat(name.constData(), &status) != 0)
        return errno == ENOENT; // a link that leads nowhere
    return S_ISREG(status.st_mode);
}

namespace {
bool validUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}
} // namespace

QString decodeText(const QByteArray& bytes)
{
    if (validUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line(bytes.constData() + start, end - start);
        text += validUtf8(line) ? QString::fromUtf8(line) : QString::fromLatin1(line);
        start = end;
    }
    return text;
}

QString withoutControlCharacters(const QString& text)
{
    QString kept = text;
    for (QChar& c : kept) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return kept;
}

namespace {
QRegularExpression temporariesOf(const QString& namePattern)
{
    return QRegularExpression(QStringLiteral("^") + namePattern + QRegularExpression::escape(TemporaryMark) +
                              QStringLiteral("[A-Za-z0-9]{%1}$").arg(TemporaryTagLength));
}

// The writer makes no links, so none is among its temporaries.
void removeOldFiles(const QString& folder, const QRegularExpression& names, const QDateTime& before)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        if (names.match(file.fileName()).hasMatch() && file.lastModified().toUTC() < before)
            QFile::remove(file.absoluteFilePath());
    }
}
} // namespace

void removeStaleTemporaries(const QString& folder, int minimumAgeSeconds)
{
    static const QRegularExpression Temporary = temporariesOf(QStringLiteral(".+"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    removeOldFiles(folder, Temporary, before);
    // A write through a link leaves its temporary beside the file linked to, perhaps in another folder:
    // there, only that file's temporaries are ours to remove.
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            continue;
        const std::optional<LinkEnd> end = resolveLinks(path);
        if (!end || (end->exists && !S_ISREG(end->status.st_mode)))
            continue;
        const QFileInfo target(QFile::decodeName(end->path));
        removeOldFiles(target.path(), temporariesOf(QRegularExpression::escape(target.fileName())), before);
    }
}

} // namespace platform
