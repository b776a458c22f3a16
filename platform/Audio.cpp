#include "platform/Audio.h"

#include "platform/AudioFluidSynth.h"
#include "platform/AudioSequencer.h"
#include "platform/AudioWavePlayer.h"

#include <QCoreApplication>
#include <QPointer>

namespace platform {

namespace {

AudioHandler*& handler()
{
    static AudioHandler* h = nullptr;
    return h;
}

// The real sound device, made on first use and torn down with the application,
// before Qt's multimedia and the synthesiser's threads would outlive it.
class AudioDevices : public QObject {
public:
    explicit AudioDevices(QObject* parent) : QObject(parent), tune(synth) {}
    WavePlayer waves;
    FluidTunePlayer synth;
    MidiSequencer tune;
};

AudioDevices* devices()
{
    static QPointer<AudioDevices> d;
    QCoreApplication* app = QCoreApplication::instance();
    if (!d && app) {
        d = new AudioDevices(app);
        QObject::connect(app, &QCoreApplication::aboutToQuit, d, &QObject::deleteLater);
    }
    return d;
}

} // namespace

void setAudioHandler(AudioHandler* h) { handler() = h; }

void playWave(const QString& path)
{
    if (AudioHandler* h = handler())
        return h->playWave(path);
    if (AudioDevices* d = devices())
        d->waves.play(path);
}

void openMidi(const QString& path)
{
    if (AudioHandler* h = handler())
        return h->openMidi(path);
    if (AudioDevices* d = devices())
        d->tune.open(path);
}

void playMidi()
{
    if (AudioHandler* h = handler())
        return h->playMidi();
    if (AudioDevices* d = devices())
        d->tune.play();
}

void closeMidi()
{
    if (AudioHandler* h = handler())
        return h->closeMidi();
    if (AudioDevices* d = devices())
        d->tune.close();
}

} // namespace platform
