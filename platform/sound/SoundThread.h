#pragma once
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/Mixer.h"
#include "platform/sound/SilenceNotices.h"
#include "platform/sound/SoundFiles.h"
#include "platform/sound/SoundStream.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {

// Makes the output a stream is heard through: `name` as the desktop's sound settings list it, and
// the frames the sound server is to hold of it.
using OutputMaker = std::function<std::unique_ptr<AudioOutput>(const QByteArray& name, int periodFrames)>;

// Everything of the sound side that can wait, on a thread of its own: reading and decoding files,
// setting up the synthesiser, and opening, watching and closing the streams, any of which a stalled
// sound server can hold for as long as it likes. The window's thread only leaves word of what it
// wants and goes on; word left while the thread is held is taken up when it is free, what is left
// of a sound by then being too late to hear. A tune whose stream is lost waits in its mixer, and the
// thread opens a new stream for it once the server answers, so it carries on from its place until
// it is stopped. Made by `start`; the thread keeps it alive, so one left behind on quitting outlives
// its owner safely.
class SoundThread {
public:
    // A sound not begun this soon after it was asked for is dropped rather than heard late.
    static constexpr std::chrono::milliseconds SoundOnTime{100};
    // An open that has not answered in this long is given up as no device; and after a stream could
    // not be opened, none is tried again for this long, so a lost server is not asked at every sound.
    static constexpr std::chrono::seconds GiveUpAfter{3};
    static constexpr std::chrono::seconds RetryAfter{2};

    static std::shared_ptr<SoundThread> start(OutputMaker outputs, SoundClock clock);
    ~SoundThread();

    // The window's part: each returns at once.
    void playWave(const QString& path);
    void startTune(const QString& path);
    void stopTune();
    // Asks the thread to close its streams and end, and waits a moment for it; a thread held by the
    // sound server is left to end on its own.
    void quit();

    // Whether a stream is open; what tests look at, with `settle`.
    bool streamOpen() const { return m_streamsOpen.load() > 0; }
    // Tests: waits until everything asked so far has been done and the thread waits for more.
    bool settle(std::chrono::milliseconds patience);

private:
    struct Channel {
        Channel(OutputMaker& outputs, const char* name, int periodFrames, const SoundClock& clock);
        Mixer mixer;
        std::unique_ptr<AudioOutput> output;
        SoundStream stream;
    };
    // What the window has asked for and the thread has not taken up yet. Only the latest sound
    // counts (a new one cuts off the last anyway), and only the latest word on the tune.
    struct Word {
        std::optional<std::pair<QString, SoundTime>> sound;
        std::optional<QString> tune; // empty: stop it
        bool quit = false;
        bool empty() const { return !sound && !tune && !quit; }
    };

    SoundThread(OutputMaker outputs, SoundClock clock);
    void run();
    void leave(const std::function<void(Word&)>& what);
    void play(const QString& path, SoundTime asked);
    void tune(const QString& path);
    bool open(Channel& channel);
    bool tuneAwaitsStream() const;
    void poll();
    void closeAll();
    void countOpen();

    const SoundClock m_clock;
    // Torn down from the last: a stream closes (its thread gone) before its mixer drops the tune, and
    // the tune goes before its synthesiser.
    SilenceNotices m_notices; // shared: no sound device is said once for sounds and tune
    FluidTunes m_tunes{m_notices};
    WaveClips m_clips;
    Channel m_music;
    Channel m_sounds;
    SoundTime m_retryAt = SoundTime::min();

    mutable std::mutex m_wordLock; // never held across anything that can wait
    std::condition_variable m_wake;
    std::condition_variable m_settled;
    Word m_word;
    bool m_busy = false;
    bool m_ended = false;
    std::atomic<int> m_streamsOpen = 0;
    static constexpr SoundTime::rep NotOpening = std::numeric_limits<SoundTime::rep>::min();
    std::atomic<SoundTime::rep> m_openingSince{NotOpening};
    std::thread m_thread;
};

} // namespace platform
