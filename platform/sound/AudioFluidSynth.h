#pragma once
#include "platform/AudioSequencer.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// The General MIDI sound font, looked up in the "sounds/sf2" folder of the XDG data folders;
// empty when none is installed.
QString findSoundFont();

class SilenceNotices;

// Plays the tune through FluidSynth. Nothing is set up until the first tune starts; without a sound
// font or a sound device it stays silent for the rest of the run and says why once through
// `notices`; FluidSynth's own messages never reach the terminal. The audio drivers are tried in the
// order given, or when none are given the configured one, then the sound servers, then ALSA.
class FluidTunePlayer : public TunePlayer {
public:
    explicit FluidTunePlayer(SilenceNotices& notices, QStringList drivers = {});
    ~FluidTunePlayer() override;

    void start(const QString& path) override;
    void stop() override;

private:
    struct Synth;
    std::unique_ptr<Synth> m_synth; // null until the first start, and after a failed set-up
    bool m_tried = false;
    SilenceNotices& m_notices;
    QStringList m_drivers;
};

// What a tune sounds like when rendered offline, without any audio device: for checking a tune.
struct TuneRendering {
    bool loaded = false; // the file was read as a MIDI file with events in it
    double seconds = 0;  // until the player reached its end (or the limit)
    double peak = 0;     // largest sample; 0 is silence
};
TuneRendering renderTuneOffline(const QString& midiPath, const QString& soundFont, double maxSeconds);

} // namespace platform
