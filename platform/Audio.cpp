#include "platform/Audio.h"

#include "platform/AudioModule.h"
#include "platform/AudioSequencer.h"
#include "platform/LibraryFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QPointer>
#include <memory>

namespace platform {

namespace {

AudioHandler*& handler()
{
    static AudioHandler* h = nullptr;
    return h;
}

// The module's devices, torn down with the application, before Qt's multimedia and the
// synthesiser's threads would outlive it. The library itself stays loaded for the rest of the run.
class LoadedModule : public QObject {
public:
    LoadedModule(QObject* parent, SoundModule* devices) : QObject(parent), devices(devices) {}
    std::unique_ptr<SoundModule> devices;
};

struct ModuleState {
    QString folder; // empty: the program's folder
    bool tried = false;
    QPointer<LoadedModule> loaded;
};

ModuleState& state()
{
    static ModuleState s;
    return s;
}

SoundModule* loadedModule() { return state().loaded ? state().loaded->devices.get() : nullptr; }

// The module at `path` when it is whole and was built for this program; otherwise why not. A module
// that fails is never called: one cut short or left from another build would take the program down.
SoundModuleFactory moduleFactory(const QString& path, QString* fault)
{
    *fault = libraryFileFault(path);
    if (!fault->isEmpty())
        return nullptr;
    QLibrary library(path);
    if (!library.load()) {
        *fault = library.errorString();
        return nullptr;
    }
    const auto* version = reinterpret_cast<const int*>(library.resolve(SoundModuleInterfaceSymbol));
    if (!version || *version != SoundModuleInterface) {
        *fault = QStringLiteral("%1 was made for another version of the program (sound interface %2, this one uses %3)")
                     .arg(path, version ? QString::number(*version) : QStringLiteral("unnamed"))
                     .arg(SoundModuleInterface);
        return nullptr;
    }
    auto factory = reinterpret_cast<SoundModuleFactory>(library.resolve(SoundModuleEntry));
    if (!factory)
        *fault = library.errorString();
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
    SoundModuleFactory factory = moduleFactory(path, &fault);
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

void setSoundModuleFolder(const QString& folder)
{
    ModuleState& s = state();
    sequencer().close();
    delete s.loaded.data();
    s.folder = folder;
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
