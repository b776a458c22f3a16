#pragma once
#include "platform/AudioModule.h"
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/Mixer.h"
#include "platform/sound/SdlOutput.h"
#include "platform/sound/SilenceNotices.h"
#include "platform/sound/SoundFiles.h"
#include "platform/sound/SoundStream.h"

#include <QTimer>

namespace platform {

// What the module makes: the sounds and the tune, each mixed into an output stream of its own that
// opens with the first sound or tune and closes soon after the last has ended. The sounds' stream is
// short, so each is heard within a few milliseconds of its click; the tune's is long, so a busy
// machine never breaks it; the sounds leave room under full scale for the tune. Without a sound
// device it stays silent and says so once; it tries again at the next sound, so a sound server that
// comes back is heard. `driver` names the one output driver to use; empty, the desktop's own is found.
class SoundDevices : public SoundModule {
public:
    explicit SoundDevices(QByteArray driver = {});
    ~SoundDevices() override;

    void playWave(const QString& path) override;
    void startTune(const QString& path) override;
    void stopTune() override;

    bool streamOpen() const { return m_sounds.stream.isOpen() || m_music.stream.isOpen(); }

private:
    struct Channel {
        Channel(const char* name, int periodFrames, const QByteArray& driver) : output(name, periodFrames, driver) {}
        Mixer mixer;
        SdlOutput output;
        SoundStream stream{mixer, output};
    };
    bool open(Channel& channel);

    // Torn down from the last: a stream closes (its thread gone) before its mixer drops the tune, and
    // the tune goes before its synthesiser.
    SilenceNotices m_notices; // shared: no sound device is said once for sounds and tune
    FluidTunes m_tunes{m_notices};
    WaveClips m_clips;
    Channel m_music;
    Channel m_sounds;
    QTimer m_watch;
};

} // namespace platform
