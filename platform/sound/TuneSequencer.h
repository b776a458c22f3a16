#pragma once
#include "platform/sound/MidiFile.h"
#include "platform/sound/Mixer.h"
#include "platform/sound/TuneSynth.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Plays a checked tune into a synthesiser, by steps of 64 frames (the synthesiser's own block),
// and never lets a render take longer than the sound it makes: each step hands over a bounded amount
// of work, the rest waits for the next steps, and a tune whose waiting events fall too far behind is
// stopped. As a backstop, a call that spends more of its thread's CPU than its frames last is cut off
// there, the rest of it silent, and a second such call in a row stops the tune: one alone may be the
// machine's doing (page faults, an allocator's first use), two in a row are the tune's. CPU time, not
// the wall clock, so a busy machine that preempts the thread stops no tune.
class TuneSequencer : public TuneVoice {
public:
    using CpuClock = std::function<std::chrono::nanoseconds()>;

    static constexpr int StepFrames = 64;
    // Where nothing falls due, frames are rendered this many at a time: few calls into the
    // synthesiser and few looks at the clock, and a call that overruns is still caught soon.
    static constexpr int RunFrames = 8 * StepFrames;
    // Work a step may hand over, in units of some 2 us (see eventCost); the suite's tune needs half of
    // it, at its first step, where it sets its channels up.
    static constexpr int StepBudget = 128;
    static constexpr std::int64_t MaxLateFrames = MixRate / 4;
    // After the last note has died away the reverberation rings on; the tune ends once it has died too.
    static constexpr std::int64_t RingFrames = 2 * MixRate;

    TuneSequencer(MidiTune tune, std::unique_ptr<TuneSynth> synth, CpuClock cpuClock = threadCpuTime);

    bool mixInto(float* stereo, int frames) override;

    // Stopped for falling behind or spending too long, rather than ended.
    bool cutShort() const { return m_cutShort; }

    static int eventCost(const MidiEvent& event);
    static std::chrono::nanoseconds threadCpuTime();

private:
    bool playDueEvents(); // false once the tune has fallen too far behind
    std::int64_t nextStop() const;
    bool quiet() const;
    void endOnceDone();

    MidiTune m_tune;
    std::unique_ptr<TuneSynth> m_synth;
    CpuClock m_cpuClock;
    std::size_t m_next = 0; // first event not yet handed over
    std::int64_t m_frame = 0; // frames rendered so far
    bool m_letGo = false;
    std::int64_t m_quietSince = -1; // the frame from which no event was left and no note sounded
    bool m_cutShort = false;
    bool m_lastCallOverran = false;
    std::vector<float> m_left, m_right;
};

} // namespace platform
