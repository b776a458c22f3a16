#include "support/SoundModules.h"

#include "platform/Audio.h"

#include <QCoreApplication>
#include <QFile>
#include <dlfcn.h>

#include "RecordingSoundModuleDigest.h"

QString testSoundModuleFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/no-sound-module"); }

QString otherBuildSoundModuleFolder() { return QStringLiteral(PARLOUR_OTHER_SOUND_MODULE_DIR); }

QString recordingSoundModuleFile() { return QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR "/libparlour_sound.so"); }

QByteArray recordingSoundModuleSha256() { return QByteArray(RecordingSoundModuleSha256); }

SoundModuleFolder::SoundModuleFolder(const QString& folder, const QByteArray& sha256)
{
    platform::setAudioHandler(nullptr);
    platform::setSoundModule(folder, sha256);
}

SoundModuleFolder::~SoundModuleFolder() { platform::setSoundModule(testSoundModuleFolder(), QByteArray()); }

NoSoundModule::NoSoundModule() : m_folder(m_empty.path()) {}

RecordingSoundModule::RecordingSoundModule() : m_folder(QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR)) {}

QStringList RecordingSoundModule::calls() const
{
    using Calls = QStringList (*)();
    // Only a module the program already loaded has anything to tell; the look never loads one.
    if (!platform::soundModuleLoaded())
        return {};
    void* module = dlopen(QFile::encodeName(recordingSoundModuleFile()).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!module)
        return {};
    auto calls = reinterpret_cast<Calls>(dlsym(module, "parlour_recorded_sound_calls"));
    const QStringList made = calls ? calls() : QStringList();
    dlclose(module); // the program's own hold on it stays
    return made;
}
