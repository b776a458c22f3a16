#include "platform/LibraryFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

// Newer kernels than this system's headers may know.
#ifndef MFD_EXEC
#define MFD_EXEC 0x0010U
#endif

namespace platform {

namespace {

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Exactly `length` bytes from the start of `fd`; nothing when the file holds fewer.
QByteArray readExactly(int fd, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qint64 at = 0; at < length;) {
        const ssize_t got = ::pread(fd, bytes.data() + at, size_t(length - at), off_t(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {};
        at += got;
    }
    return bytes;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        at += put;
    }
    return true;
}

// A file in memory holding `bytes`, sealed so that nothing can write, grow or shrink it; -1 on failure.
int sealedCopy(const QString& name, const QByteArray& bytes)
{
    const QByteArray label = QFile::encodeName(name);
    // Kernels that tell executable memory files apart want that asked for; older ones know no such flag.
    int fd = ::memfd_create(label.constData(), MFD_CLOEXEC | MFD_ALLOW_SEALING | MFD_EXEC);
    if (fd < 0 && errno == EINVAL)
        fd = ::memfd_create(label.constData(), MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    const int seals = F_SEAL_WRITE | F_SEAL_GROW | F_SEAL_SHRINK | F_SEAL_SEAL;
    if (!writeAll(fd, bytes) || ::fcntl(fd, F_ADD_SEALS, seals) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// For where the system allows no executable memory file: a file with no name in `folder`, holding
// `bytes`, given back open read-only. With no name and no write bit it can be reached only through this
// process's descriptors (/proc/<pid>/fd, open to those with the right to trace it), and written by no
// process but one that writes any file; the one descriptor that wrote it is closed before it is loaded.
// -1 on failure, with errno as it was.
int unlinkedCopy(const QString& folder, const QByteArray& bytes)
{
    const int error = errno;
    const int writable =
        ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_EXCL | O_RDWR | O_CLOEXEC, S_IRUSR | S_IXUSR);
    if (writable < 0) {
        errno = error;
        return -1;
    }
    // On a filesystem mounted without execution the loader would refuse it.
    struct statvfs filesystem {};
    int copy = -1;
    if (writeAll(writable, bytes) && ::fstatvfs(writable, &filesystem) == 0 && !(filesystem.f_flag & ST_NOEXEC)) {
        const QByteArray again = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(writable);
        copy = ::open(again.constData(), O_RDONLY | O_CLOEXEC);
    }
    ::close(writable);
    errno = error;
    return copy;
}

} // namespace

LibraryFile::LibraryFile(const QString& path, const LibraryFingerprint& built)
{
    const QByteArray name = QFile::encodeName(path);
    const auto cannotRead = [&] { return QStringLiteral("cannot read %1: %2").arg(path, systemError()); };
    struct stat info {};
    // Looked at by name first, so a pipe or a device is never opened.
    if (::stat(name.constData(), &info) != 0) {
        m_fault = cannotRead();
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_fault = QStringLiteral("%1 is not a regular file").arg(path);
        return;
    }
    if (built.sha256.isEmpty() || info.st_size != built.size)
        return;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_fault = cannotRead();
        return;
    }
    // Swapped for something else between the look and the open.
    QByteArray bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == built.size)
        bytes = readExactly(fd, built.size);
    ::close(fd);
    if (bytes.size() != built.size || QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() != built.sha256)
        return;
    const QFileInfo file(path);
    m_copy = sealedCopy(file.fileName(), bytes);
    // The folder the module came from is on a filesystem it is meant to be loaded from; the program's
    // folder, where it is, is written to for the tables and settings anyway.
    if (m_copy < 0)
        m_copy = unlinkedCopy(file.absolutePath(), bytes);
    // Named by why the memory file was refused, as ever.
    if (m_copy < 0)
        m_fault = QStringLiteral("cannot copy %1 into memory: %2").arg(path, systemError());
}

LibraryFile::~LibraryFile()
{
    if (m_copy >= 0)
        ::close(m_copy);
}

QByteArray LibraryFile::loaderPath() const
{
    return m_copy < 0 ? QByteArray() : QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(m_copy);
}

} // namespace platform
