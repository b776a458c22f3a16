#include "platform/sound/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {
// The limiter's way back to full gain: about 50 ms from deep reduction.
constexpr float Release = 1.0f / (0.05f * MixRate);
// A peak is remembered this long, longer than two streams' latencies differ, then halves every 250 ms.
constexpr std::int64_t PeakHoldFrames = MixRate / 10;
constexpr double PeakHalfLifeFrames = MixRate / 4.0;
} // namespace

Mixer::~Mixer()
{
    std::lock_guard guard(m_lock);
    dropTune();
}

void Mixer::play(std::shared_ptr<const Clip> clip, SoundTime startBy)
{
    std::lock_guard guard(m_lock);
    m_clip = std::move(clip);
    m_position = 0;
    m_startBy = startBy;
    m_silentFrames = 0;
}

void Mixer::startTune(std::unique_ptr<TuneVoice> tune)
{
    std::lock_guard guard(m_lock);
    dropTune();
    m_tune = std::move(tune);
    m_silentFrames = 0;
}

void Mixer::stopTune()
{
    std::lock_guard guard(m_lock);
    dropTune();
}

void Mixer::stopAll()
{
    std::lock_guard guard(m_lock);
    dropTune();
    m_clip.reset();
}

void Mixer::streamLost()
{
    std::lock_guard guard(m_lock);
    m_clip.reset();
    m_recentPeak.store(0, std::memory_order_relaxed);
    m_peakHeldFor = 0;
}

void Mixer::dropTune()
{
    // Destroyed here, under the lock, so the output thread is never inside it meanwhile.
    m_tune.reset();
}

void Mixer::render(float* stereo, int frames)
{
    std::memset(stereo, 0, sizeof(float) * std::size_t(frames) * MixChannels);
    std::lock_guard guard(m_lock);
    std::size_t heard = 0; // frames of this block in which something sounded
    if (m_tune) {
        heard = std::size_t(frames);
        if (!m_tune->mixInto(stereo, frames))
            dropTune();
    }
    if (m_clip && m_position == 0 && m_startBy != SoundTime::max() && m_clock() > m_startBy)
        m_clip.reset();
    if (m_clip) {
        const std::size_t n = std::min<std::size_t>(std::size_t(frames), m_clip->frames() - m_position);
        const float* from = m_clip->samples.data() + m_position * MixChannels;
        for (std::size_t i = 0; i < n * MixChannels; ++i)
            stereo[i] += from[i];
        m_position += n;
        heard = std::max(heard, n);
        if (m_position >= m_clip->frames())
            m_clip.reset();
    }
    const float ceiling = m_other ? std::max(0.1f, 1.0f - m_other->recentPeak()) : 1.0f;
    float peakOut = 0;
    for (int f = 0; f < frames; ++f) {
        float* frame = stereo + f * MixChannels;
        const float peak = std::max(std::fabs(frame[0]), std::fabs(frame[1]));
        if (peak * m_gain > ceiling)
            m_gain = ceiling / peak;
        // The clamp only catches rounding: the gain already brings the peak to the ceiling.
        frame[0] = std::clamp(frame[0] * m_gain, -ceiling, ceiling);
        frame[1] = std::clamp(frame[1] * m_gain, -ceiling, ceiling);
        peakOut = std::max({peakOut, std::fabs(frame[0]), std::fabs(frame[1])});
        m_gain = std::min(1.0f, m_gain + Release);
    }
    float held = m_recentPeak.load(std::memory_order_relaxed);
    if (peakOut >= held) {
        held = peakOut;
        m_peakHeldFor = 0;
    } else if ((m_peakHeldFor += frames) > PeakHoldFrames) {
        held = std::max(peakOut, float(held * std::exp2(-frames / PeakHalfLifeFrames)));
    }
    m_recentPeak.store(held, std::memory_order_relaxed);
    if (m_tune || m_clip)
        m_silentFrames = 0;
    else if (heard > 0)
        m_silentFrames = frames - std::int64_t(heard);
    else
        m_silentFrames += frames;
}

std::int64_t Mixer::silentFrames() const
{
    std::lock_guard guard(m_lock);
    return m_silentFrames;
}

bool Mixer::tunePlaying() const
{
    std::lock_guard guard(m_lock);
    return m_tune != nullptr;
}

} // namespace platform
