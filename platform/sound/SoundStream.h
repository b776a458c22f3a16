#pragma once
// An output stream: open only while something sounds, dropped when it fails. Opened, watched and
// closed on the sound thread, which a stalled sound server may hold in any of these.
#include <cstdint>

namespace platform {

class Mixer;

// Where the mixed frames go. An open output pulls frames from the mixer on a thread of its own,
// never the window's, so a busy window or a blocking wait cannot starve it.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // False when no stream could be opened.
    virtual bool open(Mixer& mixer) = 0;
    // Whether an open stream was lost, as when the sound server went away.
    virtual bool failed() const = 0;
    // Waits for the output thread to leave the mixer.
    virtual void close() = 0;
};

class SoundStream {
public:
    // The stream closes once nothing has sounded for this long.
    static constexpr std::int64_t CloseAfterFrames = 44100 + 44100 / 2;

    SoundStream(Mixer& mixer, AudioOutput& output) : m_mixer(mixer), m_output(output) {}
    ~SoundStream() { close(); }
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Opens the stream, or a new one in place of one that failed; false when none can be opened.
    bool open();
    // Asked now and then while open: drops a failed stream, and closes one silent for long enough.
    void poll();
    void close();
    bool isOpen() const { return m_open; }

private:
    void dropIfFailed();

    Mixer& m_mixer;
    AudioOutput& m_output;
    bool m_open = false;
};

} // namespace platform
