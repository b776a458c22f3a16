#include "support/SoundModules.h"

#include "platform/Audio.h"

#include <QCoreApplication>
#include <QLibrary>

QString testSoundModuleFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/no-sound-module"); }

QString otherInterfaceSoundModuleFolder() { return QStringLiteral(PARLOUR_OTHER_SOUND_MODULE_DIR); }

SoundModuleFolder::SoundModuleFolder(const QString& folder)
{
    platform::setAudioHandler(nullptr);
    platform::setSoundModuleFolder(folder);
}

SoundModuleFolder::~SoundModuleFolder() { platform::setSoundModuleFolder(testSoundModuleFolder()); }

NoSoundModule::NoSoundModule() : m_folder(m_empty.path()) {}

RecordingSoundModule::RecordingSoundModule() : m_folder(QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR)) {}

QStringList RecordingSoundModule::calls() const
{
    using Calls = QStringList (*)();
    QLibrary module(QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR "/parlour_sound"));
    // Only a module the program already loaded has anything to tell.
    if (!platform::soundModuleLoaded())
        return {};
    auto calls = reinterpret_cast<Calls>(module.resolve("parlour_recorded_sound_calls"));
    return calls ? calls() : QStringList();
}
