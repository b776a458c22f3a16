#pragma once
#include <QString>

namespace platform {

// Why the file at `path` cannot be a whole shared library for this machine, or an empty text when
// it can. Looked at before the system loader sees it: the loader waits for good on a pipe and maps
// a library cut short, which then kills the program the first time a missing page is touched. The
// file must be a regular file (a pipe is never opened) holding an ELF header of this machine's
// kind, every segment its program headers name and its section header table.
QString libraryFileFault(const QString& path);

} // namespace platform
