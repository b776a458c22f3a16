#pragma once
#include "platform/AudioSequencer.h"

#include <QString>
#include <memory>

namespace platform {

// The General MIDI sound font, looked up in the "sounds/sf2" folder of the XDG data folders;
// empty when none is installed.
QString findSoundFont();

// Plays the tune through FluidSynth. Nothing is set up until the first tune starts; without a sound
// font or a sound device it stays silent for the rest of the run, and FluidSynth's own
// messages never reach the terminal.
class FluidTunePlayer : public TunePlayer {
public:
    FluidTunePlayer();
    ~FluidTunePlayer() override;

    void start(const QString& path) override;
    void stop() override;

private:
    struct Synth;
    std::unique_ptr<Synth> m_synth; // null until the first start, and after a failed set-up
    bool m_tried = false;
};

// What a tune sounds like when rendered offline, without any audio device: for checking a tune.
struct TuneRendering {
    bool loaded = false; // the file was read as a MIDI file with events in it
    double seconds = 0;  // until the player reached its end (or the limit)
    double peak = 0;     // largest sample; 0 is silence
};
TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds);

} // namespace platform
