#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// What the build recorded of a library it made: its length in bytes and the SHA-256 of its bytes
// (lower-case hex). An empty digest matches no file.
struct LibraryFingerprint {
    qint64 size = -1;
    QByteArray sha256;
};

// A shared library file, taken only when it is byte for byte the one the build made. A file of any
// other length is refused before any of its bytes are read, however large it is; a pipe or a device is
// never opened. The bytes that match are copied once into memory sealed against any change (where the
// system allows no executable memory file, into a file with no name and no write bit in the library's
// folder, kept open read-only), and the loader is given that copy: a rewrite of the file on disk, before
// the load or after it, never reaches what is loaded.
class LibraryFile {
public:
    LibraryFile(const QString& path, const LibraryFingerprint& built);
    ~LibraryFile();
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;

    // Why the file could not be looked at, or its copy not made; empty when neither happened.
    QString fault() const { return m_fault; }
    // Whether its bytes are the ones the build made (and copied, ready to load).
    bool isTheOneBuilt() const { return m_copy >= 0; }
    // A name under which the system loader opens the copy. Once the library is loaded through
    // it, keep the copy for the rest of the run (keepOpen): the loader knows a loaded library by that
    // name, which must never come to mean another file.
    QByteArray loaderPath() const;
    void keepOpen() { m_copy = -1; }

private:
    QString m_fault;
    int m_copy = -1;
};

} // namespace platform
