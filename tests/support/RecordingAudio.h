#pragma once
// A recording stand-in for the sound device. It installs itself for its lifetime; nothing is heard.
// The tune calls go through the real open/play/close rules, so a test sees whether the tune
// (re)started from its beginning as well as the raw calls.
#include "platform/Audio.h"
#include "platform/AudioSequencer.h"

#include <QString>
#include <QStringList>

class RecordingAudio : public platform::AudioHandler, private platform::TunePlayer {
public:
    RecordingAudio();
    ~RecordingAudio() override;

    // Paths of the WAV files played, in order.
    const QStringList& waves() const { return m_waves; }
    // The tune calls in order: "open <path>", "play", "close".
    const QStringList& midiCalls() const { return m_midiCalls; }
    // How often the tune started from its beginning, and whether it is sounding now.
    int tuneStarts() const { return m_starts; }
    bool tunePlaying() const { return m_playing; }
    void clear();

    void playWave(const QString& path) override;
    void openMidi(const QString& path) override;
    void playMidi() override;
    void closeMidi() override;

private:
    void start(const QString& path) override;
    void stop() override;

    platform::MidiSequencer m_sequencer{*this};
    QStringList m_waves;
    QStringList m_midiCalls;
    int m_starts = 0;
    bool m_playing = false;
};
