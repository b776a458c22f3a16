#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// Writes the whole file to a temporary beside it and renames it over the old one,
// so a failed write never leaves a half-written file. Returns false on any failure.
bool writeFileAtomically(const QString& path, const QByteArray& contents);

// Reads a whole file; false when it cannot be opened.
bool readWholeFile(const QString& path, QByteArray* contents);

} // namespace platform
