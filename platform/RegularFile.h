#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The whole of a regular file of at most `maxBytes`; nothing when it cannot be opened, is anything
// but a regular file, or is (or grows while read) larger. The name is opened once, without waiting,
// and judged by what was opened: a device, a pipe or a folder is never read, whatever stood at the
// name a moment before. Built into the sound module too, which reads its sounds and tune this way.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace platform
