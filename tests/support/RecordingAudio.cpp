#include "support/RecordingAudio.h"

RecordingAudio::RecordingAudio() { platform::setAudioHandler(this); }

RecordingAudio::~RecordingAudio() { platform::setAudioHandler(nullptr); }

void RecordingAudio::clear()
{
    m_waves.clear();
    m_midiCalls.clear();
    m_starts = 0;
}

void RecordingAudio::playWave(const QString& path) { m_waves << path; }

void RecordingAudio::openMidi(const QString& path)
{
    m_midiCalls << QStringLiteral("open ") + path;
    m_sequencer.open(path);
}

void RecordingAudio::playMidi()
{
    m_midiCalls << QStringLiteral("play");
    m_sequencer.play();
}

void RecordingAudio::closeMidi()
{
    m_midiCalls << QStringLiteral("close");
    m_sequencer.close();
}

void RecordingAudio::start(const QString&)
{
    ++m_starts;
    m_playing = true;
}

void RecordingAudio::stop() { m_playing = false; }
