#include "platform/sound/TuneSequencer.h"

#include <algorithm>
#include <ctime>

namespace platform {

namespace {
// The largest call the mixers make is a few thousand frames; room for it up front keeps the output
// thread from allocating while it plays.
constexpr std::size_t UsualCallFrames = 4096;
} // namespace

TuneSequencer::TuneSequencer(MidiTune tune, std::unique_ptr<TuneSynth> synth, CpuClock cpuClock)
    : m_tune(std::move(tune)), m_synth(std::move(synth)), m_cpuClock(std::move(cpuClock))
{
    m_left.reserve(UsualCallFrames);
    m_right.reserve(UsualCallFrames);
}

std::chrono::nanoseconds TuneSequencer::threadCpuTime()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// What an event costs FluidSynth at its worst, in units of some 2 us, as measured: a note-on that has
// to take over a voice some 4.5 us, a note-off a tenth of that; a controller, a pitch bend or a
// channel's pressure reworks every voice its channel holds, 9 us over 128 of them and next to nothing
// on a quiet channel, as where a tune sets its channels up; a system exclusive message may reset every
// channel, 21 us. Steps full of any one kind take at most two fifths of their time, rendering included.
int TuneSequencer::eventCost(const MidiEvent& event)
{
    switch (event.status & 0xF0) {
    case 0xF0:
        return 7;
    case 0xB0:
    case 0xD0:
    case 0xE0:
        return 3;
    case 0x90:
        return event.data2 > 0 ? 2 : 1;
    default:
        return 1;
    }
}

bool TuneSequencer::mixInto(float* stereo, int frames)
{
    if (m_cutShort)
        return false;
    const std::chrono::nanoseconds start = m_cpuClock();
    const std::chrono::nanoseconds allowed(std::int64_t(frames) * 1'000'000'000 / MixRate);
    m_left.resize(std::size_t(std::max(frames, 0)));
    m_right.resize(m_left.size());
    int done = 0;
    bool overran = false;
    while (done < frames) {
        if (m_frame % StepFrames == 0) {
            if (!playDueEvents()) {
                m_cutShort = true;
                break;
            }
            endOnceDone();
        }
        const int length = int(std::min<std::int64_t>(nextStop() - m_frame, frames - done));
        m_synth->render(m_left.data() + done, m_right.data() + done, length);
        done += length;
        m_frame += length;
        if (m_quietSince < 0 && quiet())
            m_quietSince = m_frame;
        if (m_cpuClock() - start > allowed) {
            overran = true;
            break;
        }
    }
    m_cutShort = m_cutShort || (overran && m_lastCallOverran);
    m_lastCallOverran = overran;
    for (int i = 0; i < done; ++i) {
        stereo[2 * i] += m_left[std::size_t(i)];
        stereo[2 * i + 1] += m_right[std::size_t(i)];
    }
    return !m_cutShort && (m_quietSince < 0 || m_frame - m_quietSince < RingFrames);
}

bool TuneSequencer::playDueEvents()
{
    const std::vector<MidiEvent>& events = m_tune.events;
    int budget = StepBudget;
    // An event is handed over a step after it falls due, as FluidSynth's own file player did, so the
    // tune sounds as it always has. In order, so an event too costly for what is left of this step
    // holds back the cheaper ones after it.
    while (m_next < events.size() && events[m_next].frame + StepFrames <= m_frame) {
        const MidiEvent& e = events[m_next];
        const int cost = eventCost(e);
        if (cost > budget)
            break;
        budget -= cost;
        if (e.status == 0xF0)
            m_synth->systemExclusive(m_tune.sysex.constData() + e.sysexAt, int(e.sysexLength));
        else
            m_synth->channelEvent(e.status, e.data1, e.data2);
        ++m_next;
    }
    return m_next == events.size() || events[m_next].frame + StepFrames >= m_frame - MaxLateFrames;
}

// The next step at which there is something to hand over or to look at, within the run.
std::int64_t TuneSequencer::nextStop() const
{
    const auto stepAtOrAfter = [](std::int64_t frame) { return (frame + StepFrames - 1) / StepFrames * StepFrames; };
    const std::int64_t nextStep = (m_frame / StepFrames + 1) * StepFrames;
    const std::int64_t runEnd = (m_frame / RunFrames + 1) * RunFrames;
    std::int64_t due = runEnd; // only the ring is left
    if (m_quietSince < 0 && m_letGo)
        due = nextStep; // the last note's dying away, looked for step by step
    else if (m_next < m_tune.events.size())
        due = stepAtOrAfter(m_tune.events[m_next].frame + StepFrames);
    else if (!m_letGo)
        due = stepAtOrAfter(m_tune.endFrame);
    return std::clamp(due, nextStep, runEnd);
}

// A note a damaged tune never lets go of would keep it sounding for good.
void TuneSequencer::endOnceDone()
{
    if (!m_letGo && m_next == m_tune.events.size() && m_frame >= m_tune.endFrame) {
        m_synth->letGo();
        m_letGo = true;
    }
}

// Its last event has been played and the last note has died away; no note can start again.
bool TuneSequencer::quiet() const { return m_letGo && !m_synth->sounding(); }

} // namespace platform
