#include "core/settings/SettingsFile.h"

#include "core/SuiteGlobals.h"
#include "platform/TextFile.h"

#include <QDir>

namespace settingsfile {

std::optional<platform::ItemReader> OpenOrCreate(const QString& fileName, const std::function<void()>& writeDefaults)
{
    const QString path = appFile(fileName);
    bool opened = false;
    platform::ItemReader reader = platform::ItemReader::fromFile(path, &opened);
    if (!opened) {
        writeDefaults();
        reader = platform::ItemReader::fromFile(path, &opened);
        if (!opened)
            return std::nullopt;
    }
    return reader;
}

bool WriteWhole(const QString& fileName, const QByteArray& contents)
{
    return platform::writeFileAtomically(appFile(fileName), contents);
}

QString NotSavedMessage(const QString& fileName)
{
    return QStringLiteral("Unable to save your options in ") + QDir::toNativeSeparators(appFile(fileName)) +
           QStringLiteral(". The options you changed will not be kept.");
}

} // namespace settingsfile
