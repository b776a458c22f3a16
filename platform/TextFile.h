#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// No settings file, table or saved game comes near this; anything larger is not one of ours.
constexpr qint64 LargestReadableFile = 1024 * 1024;

// Writes the whole file to a temporary beside it and renames it over the old one,
// so a failed write never leaves a half-written file. Returns false on any failure,
// a full disk included; the old file then stays as it was. A file with no write bit is one
// the player made read-only and is refused even to root; any other process is refused a file
// it may not write, and every process anything but a regular file in its place (a folder, a device,
// a pipe or a socket, reached directly or through links), which is left as it is. The new file keeps the
// old one's mode, its access ACL, and its owner and group where the process may give them.
// A link is kept and the file it leads to replaced, beside which the temporary is made; a link
// that leads nowhere (a loop, or more links than the system follows) is refused. Other hard
// links to the old file keep the old contents.
bool writeFileAtomically(const QString& path, const QByteArray& contents);

// Reads a whole file; false when it cannot be opened, or when it is not a regular file
// of at most LargestReadableFile bytes. The name is opened once, without waiting, and judged by what
// was opened: a device, a pipe or a folder is never read, whatever stood at the name a moment before.
bool readWholeFile(const QString& path, QByteArray* contents);

// Whether `path` holds nothing, a regular file, or a link to one or to nothing: a name that may be
// opened, or made, without waiting on a pipe or touching a device. Looked at, never opened, and only
// for code that opens by name itself (a lock file); it cannot see what the name holds a moment later.
bool holdsRegularFileOrNothing(const QString& path);

// The text of a file's bytes: each line as UTF-8 when it is valid UTF-8, otherwise as Latin-1,
// so files written before names were kept in UTF-8 still read as written.
QString decodeText(const QByteArray& bytes);

// The text with each control character (a line feed or tab pasted into a name) and each line or
// paragraph separator turned into a blank, so that it stays one item on one line of the file it is
// written to, and one line wherever it is shown.
QString withoutControlCharacters(const QString& text);

// Removes the temporaries that interrupted writes left in `folder`, once they are older than
// `minimumAgeSeconds` (a write in progress elsewhere is never that old), and for each link in `folder`
// those of the file it leads to, in that file's folder. Only names the writer itself makes are touched,
// and never a link: every other file, whatever its name, is the player's.
void removeStaleTemporaries(const QString& folder, int minimumAgeSeconds = 600);

} // namespace platform
