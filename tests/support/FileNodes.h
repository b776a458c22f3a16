#pragma once
// Tests put pipes, sockets and devices where files are expected, in folders of their own.
#include <QString>
#include <sys/types.h>

// The kind of node at `path` itself (S_IFREG, S_IFIFO, S_IFLNK, ...), links not followed; 0 for none.
mode_t kindAt(const QString& path);

// Binds a Unix socket at `path`, leaving the node behind; false when it cannot.
bool makeSocketAt(const QString& path);
