#include "platform/RegularFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    // Without blocking, a pipe opens at once and is refused like any non-file, instead of waiting
    // for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    bool read = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= maxBytes;
    // One byte past its size shows a file that grows as it is read, up to one past the limit.
    const qsizetype enough = qsizetype(maxBytes) + 1;
    QByteArray bytes(read ? qsizetype(status.st_size) + 1 : 0, Qt::Uninitialized);
    qsizetype size = 0;
    while (read && size < enough) {
        if (size == bytes.size())
            bytes.resize(std::min(enough, 2 * size));
        const ssize_t got = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            read = got == 0;
            break;
        }
        size += got;
    }
    ::close(fd);
    if (!read || size > maxBytes)
        return std::nullopt;
    bytes.truncate(size);
    return bytes;
}

} // namespace platform
