#include "platform/LibraryFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

#if __ELF_NATIVE_CLASS == 64
constexpr unsigned char NativeClass = ELFCLASS64;
#else
constexpr unsigned char NativeClass = ELFCLASS32;
#endif
#if __BYTE_ORDER == __LITTLE_ENDIAN
constexpr unsigned char NativeData = ELFDATA2LSB;
#else
constexpr unsigned char NativeData = ELFDATA2MSB;
#endif

// Whether `count` records of `each` bytes from `offset` lie inside a file of `size` bytes.
bool inside(quint64 offset, quint64 count, quint64 each, quint64 size)
{
    if (offset > size)
        return false;
    return each == 0 || count <= (size - offset) / each;
}

bool readAt(int fd, void* into, size_t length, off_t offset)
{
    auto* bytes = static_cast<char*>(into);
    while (length > 0) {
        const ssize_t got = ::pread(fd, bytes, length, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got, length -= size_t(got), offset += got;
    }
    return true;
}

// Why the open file `fd` of `size` bytes, named `path`, is not a whole library for this machine.
QString elfFault(const QString& path, int fd, quint64 size)
{
    const QString notALibrary = QStringLiteral("%1 is not a library for this computer").arg(path);
    ElfW(Ehdr) header {};
    if (size < sizeof header || !readAt(fd, &header, sizeof header, 0))
        return notALibrary;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != NativeClass
        || header.e_ident[EI_DATA] != NativeData || header.e_type != ET_DYN)
        return notALibrary;

    const QString cutShort = QStringLiteral("%1 is damaged: its %2 bytes end before the parts its headers name")
                                 .arg(path)
                                 .arg(size);
    if (header.e_phnum > 0 && header.e_phentsize != sizeof(ElfW(Phdr)))
        return notALibrary;
    if (!inside(header.e_phoff, header.e_phnum, sizeof(ElfW(Phdr)), size))
        return cutShort;
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    if (!segments.empty() && !readAt(fd, segments.data(), segments.size() * sizeof(ElfW(Phdr)), off_t(header.e_phoff)))
        return cutShort;
    for (const ElfW(Phdr)& segment : segments) {
        if (segment.p_type != PT_NULL && !inside(segment.p_offset, 1, segment.p_filesz, size))
            return cutShort;
    }
    // With more sections than the header can count, the count is kept in the first entry: that one at least.
    const quint64 sections = header.e_shoff != 0 && header.e_shnum == 0 ? 1 : header.e_shnum;
    if (!inside(header.e_shoff, sections, header.e_shentsize, size))
        return cutShort;
    return {};
}

} // namespace

LibraryFile::LibraryFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const auto cannotRead = [&] {
        return QStringLiteral("cannot read %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    };
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
    m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        m_fault = cannotRead();
        return;
    }
    // Swapped for something else between the look and the open.
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        m_fault = QStringLiteral("%1 is not a regular file").arg(path);
        return;
    }
    m_fault = elfFault(path, m_fd, quint64(info.st_size));
}

LibraryFile::~LibraryFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray LibraryFile::sha256() const
{
    if (!m_fault.isEmpty() || m_fd < 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::vector<char> chunk(64 * 1024);
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(m_fd, chunk.data(), chunk.size(), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {};
        if (got == 0)
            return hash.result().toHex();
        hash.addData(QByteArrayView(chunk.data(), got));
        offset += got;
    }
}

QByteArray LibraryFile::loaderPath() const
{
    return m_fd < 0 ? QByteArray() : QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(m_fd);
}

} // namespace platform
