#include "platform/Program.h"

#include <QCoreApplication>

namespace platform {

namespace {
QString& folderOverride()
{
    static QString f;
    return f;
}
std::function<void()>& endHandler()
{
    static std::function<void()> h;
    return h;
}
} // namespace

QString programFolder()
{
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

void setProgramFolder(const QString& folder) { folderOverride() = folder; }

void setEndProgramHandler(std::function<void()> h) { endHandler() = std::move(h); }

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace platform
