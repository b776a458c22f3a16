#pragma once
#include <QString>

namespace platform {

// Something that plays a MIDI file from its beginning, once; a file it cannot read stays silent.
class TunePlayer {
public:
    virtual ~TunePlayer() = default;
    virtual void start(const QString& path) = 0;
    virtual void stop() = 0;
};

// The open/play/close life of the tune. Opening while open fails silently and leaves the running
// tune alone, so a second play lets it run on instead of restarting it; play or close without an
// open does nothing.
class MidiSequencer {
public:
    explicit MidiSequencer(TunePlayer& player) : m_player(player) {}

    void open(const QString& path);
    void play();
    void close();

    bool isOpen() const { return m_open; }

private:
    TunePlayer& m_player;
    QString m_path;
    bool m_open = false;
    bool m_started = false;
};

} // namespace platform
