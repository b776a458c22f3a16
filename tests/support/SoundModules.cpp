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
// The names the loader knows the loaded libraries by, the first loaded first.
std::vector<QByteArray> loadedLibraries()
{
    std::vector<QByteArray> names;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            static_cast<std::vector<QByteArray>*>(found)->emplace_back(info->dlpi_name);
            return 0;
        },
        &names);
    return names;
}
} // namespace

QStringList recordedSoundCalls()
{
    using Calls = QStringList (*)();
    // Only a module the program already loaded has anything to tell; the look never loads one. The
    // program loads each module from a copy of its own, known to the loader only by the name it was
    // loaded under: the last loaded that records calls is the one in use.
    if (!platform::soundModuleLoaded())
        return {};
    const std::vector<QByteArray> names = loadedLibraries();
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        void* module = name->isEmpty() ? nullptr : dlopen(name->constData(), RTLD_NOW | RTLD_NOLOAD);
        if (!module)
            continue;
        auto calls = reinterpret_cast<Calls>(dlsym(module, "parlour_recorded_sound_calls"));
        const QStringList made = calls ? calls() : QStringList();
        dlclose(module); // the program's own hold on it stays
        if (calls)
            return made;
    }
    return {};
}
