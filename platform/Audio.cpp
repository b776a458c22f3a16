#include "platform/Audio.h"

#include "platform/AudioModule.h"
#include "platform/AudioSequencer.h"
#include "platform/LibraryFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <dlfcn.h>
#include <memory>

namespace platform {

namespace {

AudioHandler*& handler()
{
    static AudioHandler* h = nullptr;
    return h;
}

// The module's devices, torn down with the application; that never waits for the sound server (a
// sound thread it holds is left behind). The library itself stays loaded for the rest of the run,
// and so does the copy it was loaded from.
class LoadedModule : public QObject {
public:
    LoadedModule(QObject* parent, SoundModule* devices) : QObject(parent), devices(devices) {}
    std::unique_ptr<SoundModule> devices;
};

struct ModuleState {
    QString folder; // empty: the program's folder
    LibraryFingerprint built;
    bool tried = false;
    QPointer<LoadedModule> loaded;
};

ModuleState& state()
{
    static ModuleState s;
    return s;
}

SoundModule* loadedModule() { return state().loaded ? state().loaded->devices.get() : nullptr; }

// The module at `path` when it is the one built with the program; otherwise why not. Any other file
// is never loaded: one damaged inside, cut short or made by another build could take the program down
// as it loads or at exit, however whole its headers look.
SoundModuleFactory moduleFactory(const QString& path, const LibraryFingerprint& built, QString* fault)
{
    LibraryFile file(path, built);
    *fault = file.fault();
    if (!fault->isEmpty())
        return nullptr;
    if (!file.isTheOneBuilt()) {
        *fault = QStringLiteral("%1 is not the sound module of this build").arg(path);
        return nullptr;
    }
    // Loaded from the copy of the bytes that were checked, whatever becomes of the file meanwhile.
    void* library = ::dlopen(file.loaderPath().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        *fault = QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(::dlerror()));
        return nullptr;
    }
    file.keepOpen();
    auto factory = reinterpret_cast<SoundModuleFactory>(::dlsym(library, SoundModuleEntry));
    if (!factory)
        *fault = QStringLiteral("%1 has no %2").arg(path, QLatin1String(SoundModuleEntry));
    return factory;
}

// One look per folder; a failure leaves the rest of the run silent and is named once.
SoundModule* module()
{
    ModuleState& s = state();
    if (s.tried)
        return loadedModule();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    s.tried = true;
    const QString folder = s.folder.isEmpty() ? QCoreApplication::applicationDirPath() : s.folder;
    const QString path = folder + QStringLiteral("/lib") + QLatin1String(SoundModuleName) + QStringLiteral(".so");
    QString fault;
    SoundModuleFactory factory = moduleFactory(path, s.built, &fault);
    SoundModule* devices = factory ? factory() : nullptr;
    if (!devices) {
        if (fault.isEmpty())
            fault = QStringLiteral("%1 made no sound devices").arg(path);
        qInfo("Playing without sounds and music: %s", qUtf8Printable(fault));
        return nullptr;
    }
    s.loaded = new LoadedModule(app, devices);
    QObject::connect(app, &QCoreApplication::aboutToQuit, s.loaded.data(), &QObject::deleteLater);
    return devices;
}

// The tune's open and close are bookkeeping; only a tune that really starts needs the module.
class ModuleTunes : public TunePlayer {
public:
    void start(const QString& path) override
    {
        if (!QFileInfo(path).isFile())
            return;
        if (SoundModule* m = module())
            m->startTune(path);
    }
    void stop() override
    {
        if (SoundModule* m = loadedModule())
            m->stopTune();
    }
};

MidiSequencer& sequencer()
{
    static ModuleTunes tunes;
    static MidiSequencer s(tunes);
    return s;
}

} // namespace

void setAudioHandler(AudioHandler* h) { handler() = h; }

void setSoundModule(const QString& folder, const LibraryFingerprint& built)
{
    ModuleState& s = state();
    sequencer().close();
    delete s.loaded.data();
    s.folder = folder;
    s.built = {built.size, built.sha256.toLower()};
    s.tried = false;
}

bool soundModuleLoaded() { return loadedModule() != nullptr; }

void playWave(const QString& path)
{
    if (AudioHandler* h = handler())
        return h->playWave(path);
    if (!QFileInfo(path).isFile())
        return;
    if (SoundModule* m = module())
        m->playWave(path);
}

void openMidi(const QString& path)
{
    if (AudioHandler* h = handler())
        return h->openMidi(path);
    sequencer().open(path);
}

void playMidi()
{
    if (AudioHandler* h = handler())
        return h->playMidi();
    sequencer().play();
}

void closeMidi()
{
    if (AudioHandler* h = handler())
        return h->closeMidi();
    sequencer().close();
}

} // namespace platform
