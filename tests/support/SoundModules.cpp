#include "support/SoundModules.h"

#include "platform/Audio.h"

#include <QCoreApplication>
#include <QFile>
#include <dlfcn.h>
#include <link.h>
#include <vector>

#include "RecordingSoundModuleFingerprint.h"

QString testSoundModuleFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/no-sound-module"); }

QString otherBuildSoundModuleFolder() { return QStringLiteral(PARLOUR_OTHER_SOUND_MODULE_DIR); }

QString recordingSoundModuleFile() { return QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR "/libparlour_sound.so"); }

platform::LibraryFingerprint recordingSoundModuleFingerprint()
{
    return {RecordingSoundModuleSize, QByteArray(RecordingSoundModuleSha256)};
}

SoundModuleFolder::SoundModuleFolder(const QString& folder, const platform::LibraryFingerprint& built)
{
    platform::setAudioHandler(nullptr);
    platform::setSoundModule(folder, built);
}

SoundModuleFolder::~SoundModuleFolder() { platform::setSoundModule(testSoundModuleFolder(), {}); }

NoSoundModule::NoSoundModule() : m_folder(m_empty.path()) {}

RecordingSoundModule::RecordingSoundModule() : m_folder(QStringLiteral(PARLOUR_RECORDING_SOUND_MODULE_DIR)) {}

namespace {
// The loader's handle on the module loaded last that records calls: the program loads each module
// from a copy of its own, known to the loader only by the name it was loaded under.
void* lastRecordingModule()
{
    std::vector<QByteArray> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            static_cast<std::vector<QByteArray>*>(found)->emplace_back(info->dlpi_name);
            return 0;
        },
        &names);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (name->isEmpty())
            continue;
        void* module = dlopen(name->constData(), RTLD_NOW | RTLD_NOLOAD);
        if (module && dlsym(module, "parlour_recorded_sound_calls"))
            return module;
        if (module)
            dlclose(module);
    }
    return nullptr;
}
} // namespace

QStringList recordedSoundCalls()
{
    using Calls = QStringList (*)();
    // Only a module the program already loaded has anything to tell; the look never loads one.
    if (!platform::soundModuleLoaded())
        return {};
    void* module = lastRecordingModule();
    if (!module)
        return {};
    auto calls = reinterpret_cast<Calls>(dlsym(module, "parlour_recorded_sound_calls"));
    const QStringList made = calls ? calls() : QStringList();
    dlclose(module); // the program's own hold on it stays
    return made;
}
