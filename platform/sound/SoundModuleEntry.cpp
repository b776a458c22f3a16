#include "platform/AudioModule.h"
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/AudioWavePlayer.h"
#include "platform/sound/SilenceNotices.h"

#include <QtGlobal>

namespace {

class Devices : public platform::SoundModule {
public:
    void playWave(const QString& path) override { m_waves.play(path); }
    void startTune(const QString& path) override { m_synth.start(path); }
    void stopTune() override { m_synth.stop(); }

private:
    platform::SilenceNotices m_notices; // shared: no sound device is said once for sounds and tune
    platform::WavePlayer m_waves{m_notices};
    platform::FluidTunePlayer m_synth{m_notices};
};

} // namespace

extern "C" Q_DECL_EXPORT platform::SoundModule* parlour_create_sound_module() { return new Devices; }
