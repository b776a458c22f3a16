#pragma once
#include "platform/sound/Mixer.h"
#include "platform/sound/TuneSequencer.h"

#include <QString>
#include <memory>

namespace platform {

// The General MIDI sound font, looked up in the "sounds/sf2" folder of the XDG data folders;
// empty when none is installed.
QString findSoundFont();

class SilenceNotices;

// The tune through FluidSynth, rendered into the mixer's stream rather than through an audio driver
// of its own; the file is read by our own reader and played by our own sequencer. The synthesiser
// is set up on the first tune and kept for the run; without a sound font it stays silent for the
// rest of the run and says so once through `notices`; FluidSynth's own messages never reach the
// terminal.
class FluidTunes {
public:
    explicit FluidTunes(SilenceNotices& notices);
    ~FluidTunes();
    FluidTunes(const FluidTunes&) = delete;
    FluidTunes& operator=(const FluidTunes&) = delete;

    // A voice that plays the tune at `path` once from its beginning; null when it cannot be played
    // or is not a tune that makes sense.
    // The synthesiser serves one voice at a time, and is the output thread's while a voice is in the
    // mixer: take the last voice out of the mixer before asking for the next.
    std::unique_ptr<TuneVoice> voice(const QString& path);

    struct Synth;

private:
    std::unique_ptr<Synth> m_synth; // null until the first tune, and after a failed set-up
    bool m_tried = false;
    SilenceNotices& m_notices;
};

// What a tune sounds like when rendered offline, without any audio device: for checking a tune.
struct TuneRendering {
    bool loaded = false;   // the file was read as a MIDI file with events in it
    bool cutShort = false; // stopped for asking more of the synthesiser than it could keep up with
    double seconds = 0;    // until the tune had ended and faded out, was stopped, or the limit
    double peak = 0;     // largest sample; 0 is silence
};
// `cpuClock` is the sequencer's: a test that must not depend on the machine's speed gives its own.
TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds,
                                TuneSequencer::CpuClock cpuClock = TuneSequencer::threadCpuTime);

} // namespace platform
