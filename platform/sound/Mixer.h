#pragma once
// What one output stream plays: a voice for a sound and one for a tune, mixed into its frames. Plain
// C++ with no sound library: the output thread pulls frames, the sound thread starts and stops what
// sounds (never the window's thread, which must not wait for a render), and tests drive it frame by
// frame.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

inline constexpr int MixRate = 44100;
inline constexpr int MixChannels = 2;

// The time the sound side goes by; tests set their own.
using SoundTime = std::chrono::steady_clock::time_point;
using SoundClock = std::function<SoundTime()>;

// A sound decoded once into the stream's format: interleaved stereo floats at MixRate.
struct Clip {
    std::vector<float> samples;
    std::size_t frames() const { return samples.size() / MixChannels; }
};

// A tune being played. It is only ever called with the mixer's lock held, so it may use what the
// sound thread uses too; it is destroyed under the same lock.
class TuneVoice {
public:
    virtual ~TuneVoice() = default;
    // Adds its next `frames` frames into `stereo` (interleaved); false once it has ended and faded out.
    virtual bool mixInto(float* stereo, int frames) = 0;
};

class Mixer {
public:
    explicit Mixer(SoundClock clock = &std::chrono::steady_clock::now) : m_clock(std::move(clock)) {}
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // A new sound cuts off the one playing; the same sound again starts over from its first frame.
    // One that has not begun to sound by `startBy` is dropped: a sound heard late is worse than none,
    // as when the stream stalled while the sound server was stopped.
    void play(std::shared_ptr<const Clip> clip, SoundTime startBy = SoundTime::max());
    // A new tune cuts off the one playing.
    void startTune(std::unique_ptr<TuneVoice> tune);
    void stopTune();
    // Drops the sound and the tune.
    void stopAll();
    // The stream this mixer was heard through is lost: the sound goes, too late to hear once a new
    // one opens, and so does what was last heard of it; the tune waits where it was for a new stream.
    void streamLost();

    // The output thread's part: writes the next `frames` frames over `stereo`. What it mixes is held
    // under its ceiling by a limiter that lets go again over some 50 ms, so nothing clips.
    void render(float* stereo, int frames);

    // Where another mixer's stream is heard alongside this one's, this one keeps under full scale
    // less what the other has just rendered, so the two together never clip either.
    void leaveRoomFor(const Mixer* other) { m_other = other; }
    // The largest sample rendered lately: held for 100 ms, then falling away.
    float recentPeak() const { return m_recentPeak.load(std::memory_order_relaxed); }

    // Frames rendered since the last sound and the tune ended; 0 while anything sounds.
    std::int64_t silentFrames() const;
    bool tunePlaying() const;

private:
    void dropTune(); // with the lock held

    const SoundClock m_clock;
    mutable std::mutex m_lock;
    std::shared_ptr<const Clip> m_clip;
    SoundTime m_startBy = SoundTime::max();
    std::size_t m_position = 0; // next frame of m_clip
    std::unique_ptr<TuneVoice> m_tune;
    std::int64_t m_silentFrames = 0;
    float m_gain = 1; // the limiter's
    const Mixer* m_other = nullptr;
    std::atomic<float> m_recentPeak = 0;
    std::int64_t m_peakHeldFor = 0; // frames
};

} // namespace platform
