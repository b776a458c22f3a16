#include "platform/TextFile.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

bool writeFileAtomically(const QString& path, const QByteArray& contents)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(contents) != contents.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool readWholeFile(const QString& path, QByteArray* contents)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *contents = f.readAll();
    return true;
}

} // namespace platform
