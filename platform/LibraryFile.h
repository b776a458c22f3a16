#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// A shared library file, looked at before the system loader sees it: the loader waits for good on a
// pipe and maps a library cut short, which then kills the program the first time a missing page is
// touched. The file must be a regular file (a pipe is never opened) holding an ELF header of this
// machine's kind, every segment its program headers name and its section header table. It stays open
// while this lives, so what is loaded through loaderPath() is the file that was looked at, even if
// another takes its name meanwhile.
class LibraryFile {
public:
    explicit LibraryFile(const QString& path);
    ~LibraryFile();
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;

    // Why the file cannot be a whole shared library for this machine; empty when it can.
    QString fault() const { return m_fault; }
    // The SHA-256 of all its bytes, in lower-case hex, read from the open file; empty on a fault.
    QByteArray sha256() const;
    // A name under which the system loader opens this very file. Once the library is loaded through
    // it, keep the file open for the rest of the run (keepOpen): the loader knows a loaded library by
    // that name, which must never come to mean another file.
    QByteArray loaderPath() const;
    void keepOpen() { m_fd = -1; }

private:
    QString m_fault;
    int m_fd = -1;
};

} // namespace platform
