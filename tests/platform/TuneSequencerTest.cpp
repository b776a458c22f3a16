// The sequencer against a recording synthesiser and a clock the test moves; then flooding tunes
// through the real synthesiser.
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/TuneSequencer.h"
#include "support/TestMidi.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using platform::MidiEvent;
using platform::MidiTune;
using platform::MixRate;
using platform::TuneSequencer;
using namespace std::chrono_literals;

namespace {

// What the synthesiser was handed and when, kept by the test after the sequencer took the synth.
struct SynthLog {
    struct Handed {
        std::int64_t frame;
        std::uint8_t status;
        std::uint8_t data1;
    };
    std::vector<Handed> handed;
    std::int64_t frame = 0;        // rendered so far
    std::int64_t letGoAt = -1;
    int held = 0;                  // notes on and not yet off
    std::int64_t releasedAt = -1;  // when the last note went off
    std::chrono::nanoseconds cpu{0};       // spent so far, as the sequencer's clock tells it
    std::chrono::nanoseconds cpuPerFrame{0};
    static constexpr std::int64_t ReleaseFrames = 3000;
};

// Sounds while a note is held and for a while after it goes, and renders a steady 0.5.
class RecordingSynth : public platform::TuneSynth {
public:
    explicit RecordingSynth(SynthLog& log) : m_log(log) {}
    void channelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override
    {
        m_log.handed.push_back({m_log.frame, status, data1});
        if ((status & 0xF0) == 0x90 && data2 > 0)
            ++m_log.held;
        else if ((status & 0xF0) == 0x80 && m_log.held > 0 && --m_log.held == 0)
            m_log.releasedAt = m_log.frame;
    }
    void systemExclusive(const char*, int) override { m_log.handed.push_back({m_log.frame, 0xF0, 0}); }
    void letGo() override
    {
        m_log.letGoAt = m_log.frame;
        if (m_log.held > 0)
            m_log.releasedAt = m_log.frame;
        m_log.held = 0;
    }
    void render(float* left, float* right, int frames) override
    {
        std::fill(left, left + frames, 0.5f);
        std::fill(right, right + frames, 0.5f);
        m_log.frame += frames;
        m_log.cpu += m_log.cpuPerFrame * frames;
    }
    bool sounding() const override
    {
        return m_log.held > 0 || (m_log.releasedAt >= 0 && m_log.frame < m_log.releasedAt + SynthLog::ReleaseFrames);
    }

private:
    SynthLog& m_log;
};

MidiEvent note(std::int64_t frame, int key, bool on = true)
{
    MidiEvent e;
    e.frame = frame;
    e.status = on ? 0x90 : 0x80;
    e.data1 = std::uint8_t(key);
    e.data2 = on ? 100 : 0;
    return e;
}

MidiEvent controller(std::int64_t frame)
{
    MidiEvent e = note(frame, 7);
    e.status = 0xB0;
    return e;
}

MidiTune tuneOf(std::vector<MidiEvent> events, std::int64_t endFrame)
{
    MidiTune tune;
    tune.events = std::move(events);
    tune.endFrame = endFrame;
    return tune;
}

std::unique_ptr<TuneSequencer> sequencer(MidiTune tune, SynthLog& log,
                                         TuneSequencer::CpuClock clock = [] { return 0ns; })
{
    return std::make_unique<TuneSequencer>(std::move(tune), std::make_unique<RecordingSynth>(log), std::move(clock));
}

// Renders in calls of `frames` until the tune ends or `limit` frames; the frames rendered.
std::int64_t playOut(TuneSequencer& s, int frames, std::int64_t limit = 60 * MixRate)
{
    std::vector<float> out(std::size_t(frames) * 2);
    std::int64_t rendered = 0;
    while (rendered < limit) {
        rendered += frames;
        if (!s.mixInto(out.data(), frames))
            break;
    }
    return rendered;
}

} // namespace

// An event goes to the synthesiser at the first step that starts a whole step after it, whatever
// the size of the calls the frames are asked for in.
TEST(TuneSequencer, HandsEachEventOverAStepAfterItFallsDue)
{
    const std::int64_t due[] = {0, 1, 63, 64, 100, 22050};
    const std::int64_t handedAt[] = {64, 128, 128, 128, 192, 22144};
    for (int callFrames : {64, 100, 2048}) {
        std::vector<MidiEvent> events;
        for (std::int64_t f : due)
            events.push_back(controller(f));
        SynthLog log;
        playOut(*sequencer(tuneOf(events, 22050), log), callFrames);
        ASSERT_EQ(log.handed.size(), std::size(due)) << callFrames;
        for (std::size_t i = 0; i < std::size(due); ++i)
            EXPECT_EQ(log.handed[i].frame, handedAt[i]) << "event " << i << ", calls of " << callFrames;
    }
}

// More than a step may hand over waits for the next steps, in order and none lost; the tune plays on.
TEST(TuneSequencer, SpreadsABurstOverStepsInOrder)
{
    std::vector<MidiEvent> events;
    for (int i = 0; i < 600; ++i)
        events.push_back(i % 4 == 0 ? controller(0) : note(0, i % 128));
    SynthLog log;
    auto s = sequencer(tuneOf(events, 0), log);
    playOut(*s, 2048, MixRate);
    EXPECT_FALSE(s->cutShort());
    ASSERT_EQ(log.handed.size(), events.size());
    std::map<std::int64_t, int> costPerStep;
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(log.handed[i].status, events[i].status) << i;
        EXPECT_EQ(log.handed[i].data1, events[i].data1) << i;
        costPerStep[log.handed[i].frame] += TuneSequencer::eventCost(events[i]);
    }
    for (const auto& [frame, cost] : costPerStep)
        EXPECT_LE(cost, TuneSequencer::StepBudget) << "at " << frame;
    EXPECT_GT(costPerStep.size(), 3u);
}

// Deterministic: the step at which the oldest waiting event is more than a quarter second late.
TEST(TuneSequencer, StopsAFloodOnceItFallsAQuarterSecondBehind)
{
    for (int callFrames : {512, 2048}) {
        std::vector<MidiEvent> events(100'000, note(0, 64));
        SynthLog log;
        auto s = sequencer(tuneOf(events, 0), log);
        const std::int64_t rendered = playOut(*s, callFrames);
        EXPECT_TRUE(s->cutShort());
        EXPECT_GE(log.frame, TuneSequencer::MaxLateFrames);
        EXPECT_LE(log.frame, TuneSequencer::MaxLateFrames + 2 * TuneSequencer::StepFrames);
        EXPECT_LE(rendered, TuneSequencer::MaxLateFrames + callFrames);
        std::vector<float> out(4);
        EXPECT_FALSE(s->mixInto(out.data(), 2)) << "a stopped tune stays stopped";
    }
}

struct CpuCase {
    const char* name;
    std::vector<std::chrono::nanoseconds> cpuPerFrame; // in each call, one after the other
    int stoppedAfterCalls;                             // 0: plays on
};

// A call of 2048 frames lasts 46 ms of sound. At 10 us a frame the synthesiser stays inside it; at
// 40 us a frame it runs past it in the call's fourth run of 512 frames, and the call is cut off there,
// the frames rendered until then still heard. One such call is forgiven, two in a row stop the tune.
TEST(TuneSequencer, StopsOnceCallsSpendMoreCpuThanTheirFramesLast)
{
    const auto fast = 10us, slow = 40us;
    const CpuCase cases[] = {
        {"steady", {fast, fast, fast, fast, fast, fast}, 0},
        {"one slow call", {fast, slow, fast, fast, fast, fast}, 0},
        {"slow calls between good ones", {slow, fast, slow, fast, slow, fast}, 0},
        {"two slow calls in a row", {fast, slow, slow, fast, fast, fast}, 3},
        {"slow throughout", {slow, slow, slow, slow, slow, slow}, 2},
    };
    for (const CpuCase& c : cases) {
        SynthLog log;
        auto s = sequencer(tuneOf({note(0, 60)}, 10 * MixRate), log, [&log] { return log.cpu; });
        std::vector<float> out(2048 * 2);
        int calls = 0;
        for (std::chrono::nanoseconds cost : c.cpuPerFrame) {
            log.cpuPerFrame = cost;
            std::fill(out.begin(), out.end(), 0.0f);
            const std::int64_t from = log.frame;
            ++calls;
            const bool playing = s->mixInto(out.data(), 2048);
            const std::int64_t heard = log.frame - from;
            EXPECT_EQ(heard, cost == slow ? 3 * TuneSequencer::RunFrames : 2048) << c.name << ", call " << calls;
            EXPECT_EQ(out[2 * (heard - 1)], 0.5f) << c.name;
            if (heard < 2048) {
                EXPECT_EQ(out[2 * heard], 0.0f) << c.name;
            }
            if (!playing)
                break;
        }
        EXPECT_EQ(s->cutShort(), c.stoppedAfterCalls > 0) << c.name;
        if (c.stoppedAfterCalls > 0) {
            EXPECT_EQ(calls, c.stoppedAfterCalls) << c.name;
        }
    }
}

struct EndingCase {
    const char* name;
    std::vector<MidiEvent> events;
    std::int64_t endFrame;
    std::int64_t quietFrom; // when no note sounds any more
};

// Once past the last End of Track every pedal and held note is let go; the tune ends once the last
// note has died away and the reverberation has rung on after it.
TEST(TuneSequencer, EndsOnceTheLastNoteAndItsRingHaveDiedAway)
{
    constexpr std::int64_t R = SynthLog::ReleaseFrames;
    const EndingCase cases[] = {
        {"a note let go before the end", {note(0, 60), note(1000, 60, false)}, 1000, 1088 + R},
        {"silence up to a late End of Track", {note(0, 60), note(1000, 60, false)}, 20000, 20032},
        {"a note never let go", {note(0, 60)}, 1000, 1024 + R},
    };
    for (const EndingCase& c : cases) {
        SynthLog log;
        const std::int64_t rendered = playOut(*sequencer(tuneOf(c.events, c.endFrame), log), 64);
        EXPECT_GE(log.letGoAt, c.endFrame) << c.name;
        EXPECT_LE(log.letGoAt, c.endFrame + 2 * TuneSequencer::StepFrames) << c.name;
        EXPECT_GE(rendered, c.quietFrom + TuneSequencer::RingFrames) << c.name;
        EXPECT_LE(rendered, c.quietFrom + TuneSequencer::RingFrames + 2 * TuneSequencer::StepFrames) << c.name;
    }
}

struct FloodCase {
    const char* name;
    QByteArray file;
    bool readable; // within the reader's bounds, so it is the sequencer that stops it
};

// Everything at tick 0, as much as a file under the read bound holds or as much as the reader
// accepts: refused, or stopped within a quarter second of sound, through the real synthesiser. The
// sequencer is told no CPU time passes, so it is its own pace that stops them, as fast as the
// machine may be; the CPU backstop is shown above.
TEST(TuneSequencer, FloodingTunesAreRefusedOrStoppedWithinAFewBlocks)
{
    constexpr int Accepted = platform::MaxMidiEvents - 1000;
    const FloodCase cases[] = {
        {"a million note-ons", testmidi::noteOnFlood(1'000'000), false},
        {"half a million resets", testmidi::resetFlood(500'000), false},
        {"pitch bends over 256 held notes", testmidi::bendFlood(1'200'000), false},
        {"note-ons", testmidi::noteOnFlood(Accepted), true},
        {"resets", testmidi::resetFlood(Accepted), true},
        {"pitch bends", testmidi::bendFlood(Accepted), true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvanta.MID"));
    const QString font = platform::findSoundFont(); // without one the synthesiser is still real, only silent
    for (const FloodCase& c : cases) {
        ASSERT_LT(c.file.size(), 4 << 20) << c.name;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.file);
        f.close();
        const platform::TuneRendering r = platform::renderTuneOffline(path, font, 60, [] { return 0ns; });
        EXPECT_EQ(r.loaded, c.readable) << c.name;
        if (r.loaded) {
            EXPECT_TRUE(r.cutShort) << c.name;
            EXPECT_LE(r.seconds, double(TuneSequencer::MaxLateFrames + 512) / MixRate) << c.name;
        }
    }
}

// The suite's own tune keeps up with every limit and plays to its end.
TEST(TuneSequencer, TheSuitesTunePlaysToItsEnd)
{
    const QString font = platform::findSoundFont();
    if (font.isEmpty())
        GTEST_SKIP() << "no General MIDI sound font installed";
    const platform::TuneRendering r = platform::renderTuneOffline(testmidi::suiteTunePath(), font, 120);
    EXPECT_TRUE(r.loaded);
    EXPECT_FALSE(r.cutShort);
    EXPECT_GT(r.seconds, 45.1 + 2);
    EXPECT_LT(r.seconds, 60);
}

TEST(TuneRendering, RefusesTheFileThatHungTheSynthesiser)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvanta.MID"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x00\x00\x00\x01\xff\xff\xff\xff\xff\xff\xff\xef"
                       "\x03\x00\x00\xff\xff\xff\xff",
                       32));
    f.close();
    EXPECT_FALSE(platform::renderTuneOffline(path, platform::findSoundFont(), 5).loaded);
}
