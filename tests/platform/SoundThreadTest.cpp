// The sound devices against a sound server that holds their streams: outputs whose open and close
// wait until the test lets them go, and a clock the test moves. The window's calls all return while
// the server holds the sound thread, and a sound is heard on time or not at all.
#include "platform/sound/SoundDevices.h"
#include "platform/sound/AudioFluidSynth.h"
#include "support/TestMidi.h"
#include "support/TestWaves.h"

#include <QFile>
#include <QTemporaryDir>
#include <condition_variable>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <set>

using namespace std::chrono_literals;
using platform::Mixer;
using platform::MixChannels;
using platform::SoundThread;
using platform::SoundTime;

namespace {

// A sound server that answers, or holds each open and close until let go.
class HeldServer {
public:
    std::atomic<bool> holdOpens = false, holdCloses = false, answer = true;

    // An output's call: waits while calls of its kind are held.
    void pass(const char* what)
    {
        std::unique_lock lock(m_lock);
        const int me = ++m_entered[what];
        m_changed.notify_all();
        const bool hold = std::string_view(what) == "open" ? holdOpens : holdCloses;
        if (hold)
            m_changed.wait(lock, [&] { return m_released[what] >= me; });
    }
    // The test's part: lets the held calls of a kind go.
    void let(const char* what)
    {
        std::lock_guard guard(m_lock);
        m_released[what] = m_entered[what];
        m_changed.notify_all();
    }
    // Waits, as a guard only, until `count` calls of a kind have come.
    bool reached(const char* what, int count)
    {
        std::unique_lock lock(m_lock);
        return m_changed.wait_for(lock, 30s, [&] { return m_entered[what] >= count; });
    }
    int calls(const char* what)
    {
        std::lock_guard guard(m_lock);
        return m_entered[what];
    }
    void opened(const QByteArray& name, Mixer* mixer, bool answered)
    {
        std::lock_guard guard(m_lock);
        m_mixers[name] = mixer;
        if (answered)
            m_lost.erase(name);
    }
    // The server goes away under the open stream of this name, as when it is killed.
    void lose(const QByteArray& name)
    {
        std::lock_guard guard(m_lock);
        m_lost.insert(name);
    }
    bool lost(const QByteArray& name)
    {
        std::lock_guard guard(m_lock);
        return m_lost.count(name) > 0;
    }
    // The mixer a stream of this name was last opened on.
    Mixer& mixer(const QByteArray& name)
    {
        std::lock_guard guard(m_lock);
        return *m_mixers.at(name);
    }

private:
    std::map<QByteArray, Mixer*> m_mixers;
    std::set<QByteArray> m_lost;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::map<std::string, int> m_entered, m_released;
};

class HeldOutput : public platform::AudioOutput {
public:
    HeldOutput(std::shared_ptr<HeldServer> server, QByteArray name) : m_server(std::move(server)), m_name(std::move(name)) {}
    bool open(Mixer& mixer) override
    {
        m_server->pass("open");
        const bool answered = m_server->answer;
        m_server->opened(m_name, &mixer, answered);
        return answered;
    }
    bool failed() const override { return m_server->lost(m_name); }
    void close() override { m_server->pass("close"); }

private:
    std::shared_ptr<HeldServer> m_server;
    QByteArray m_name;
};

// The test's clock; the thread reads it too.
struct TestClock {
    std::shared_ptr<std::atomic<SoundTime::rep>> at = std::make_shared<std::atomic<SoundTime::rep>>(
        std::chrono::duration_cast<SoundTime::duration>(1h).count());
    platform::SoundClock clock() const
    {
        return [at = at] { return SoundTime(SoundTime::duration(at->load())); };
    }
    void pass(SoundTime::duration d) { *at += d.count(); }
};

struct Fixture {
    std::shared_ptr<HeldServer> server = std::make_shared<HeldServer>();
    TestClock time;
    QTemporaryDir dir;

    std::unique_ptr<platform::SoundDevices> devices()
    {
        return std::make_unique<platform::SoundDevices>(
            [server = server](const QByteArray& name, int) { return std::make_unique<HeldOutput>(server, name); },
            time.clock());
    }
    // A steady sound at the mixer's own rate, so it reaches the stream sample for sample.
    QString sound(const char* name, double level)
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(testWave(2000, {platform::MixRate, 1, 16, 1}, [=](int, int) { return level; }));
        return path;
    }
    // The first frame of the next block the sounds' stream plays.
    float heard()
    {
        std::vector<float> block(64 * MixChannels);
        server->mixer("Sounds").render(block.data(), 64);
        return block[0];
    }
};

constexpr float Click = 0.25f, Chord = -0.5f;

// The next `seconds` of what a stream of this name plays, as its output would pull them.
std::vector<float> pull(HeldServer& server, const QByteArray& name, int seconds)
{
    constexpr int Block = 2048;
    std::vector<float> frames(std::size_t(seconds) * platform::MixRate / Block * Block * MixChannels);
    for (std::size_t at = 0; at < frames.size(); at += Block * MixChannels)
        server.mixer(name).render(frames.data() + at, Block);
    return frames;
}

float peak(const std::vector<float>& frames)
{
    float most = 0;
    for (float v : frames)
        most = std::max(most, std::fabs(v));
    return most;
}

} // namespace

TEST(SoundThread, WhileTheServerHoldsAnOpenTheWindowGoesOnAndASoundIsHeardOnlyIfItOpensSoon)
{
    for (const bool soon : {true, false}) {
        Fixture f;
        const QString click = f.sound("Click.wav", Click), chord = f.sound("Chord.wav", Chord);
        auto devices = f.devices();
        f.server->holdOpens = true;
        devices->playWave(click);
        ASSERT_TRUE(f.server->reached("open", 1));
        // All of these come back while the open is held.
        devices->playWave(click);
        devices->startTune(f.dir.filePath(QStringLiteral("none.MID")));
        devices->stopTune();
        EXPECT_FALSE(devices->streamOpen());
        f.time.pass(soon ? 60ms : SoundThread::SoundOnTime + 1ms);
        f.server->holdOpens = false;
        f.server->let("open");
        ASSERT_TRUE(devices->settle());
        EXPECT_TRUE(devices->streamOpen());
        EXPECT_FLOAT_EQ(f.heard(), soon ? Click : 0.0f) << (soon ? "opened soon" : "too late to hear");
        devices->playWave(chord);
        ASSERT_TRUE(devices->settle());
        EXPECT_FLOAT_EQ(f.heard(), Chord) << "the stream once open, the next sound is heard at once";
        EXPECT_EQ(f.server->calls("open"), 1);
    }
}

// A stream that stalls (the server stopped while it was open) leaves sounds unplayed; when it goes
// on, they are not heard late.
TEST(SoundThread, ASoundThatCouldNotBeginOnTimeIsNeverHeardLate)
{
    Fixture f;
    auto devices = f.devices();
    devices->playWave(f.sound("Click.wav", Click));
    ASSERT_TRUE(devices->settle());
    f.time.pass(10s);
    EXPECT_FLOAT_EQ(f.heard(), 0.0f);
}

// A server that cannot be reached is asked again now and then, not at every sound, and is heard once
// it answers.
TEST(SoundThread, AFailedOpenIsTriedAgainOnlyAfterAWhile)
{
    Fixture f;
    const QString click = f.sound("Click.wav", Click);
    auto devices = f.devices();
    f.server->answer = false;
    for (int i = 0; i < 5; ++i) {
        devices->playWave(click);
        ASSERT_TRUE(devices->settle());
        f.time.pass(std::chrono::milliseconds(SoundThread::RetryAfter) / 5);
    }
    EXPECT_EQ(f.server->calls("open"), 1);
    EXPECT_FALSE(devices->streamOpen());
    f.server->answer = true;
    f.time.pass(SoundThread::RetryAfter);
    devices->playWave(click);
    ASSERT_TRUE(devices->settle());
    EXPECT_EQ(f.server->calls("open"), 2);
    EXPECT_TRUE(devices->streamOpen());
    EXPECT_FLOAT_EQ(f.heard(), Click);
}

// Quitting never waits for the server: the devices go while it holds an open, or the close of a
// stream gone silent. What the thread still uses lives on until it is let go.
TEST(SoundThread, QuittingNeverWaitsForAHeldOpenOrClose)
{
    for (const char* held : {"open", "close"}) {
        Fixture f;
        auto devices = f.devices();
        const QString click = f.sound("Click.wav", Click);
        if (std::string_view(held) == "open") {
            f.server->holdOpens = true;
            devices->playWave(click);
        } else {
            f.server->holdCloses = true;
            devices->playWave(click);
            ASSERT_TRUE(devices->settle());
            std::vector<float> silence(std::size_t(platform::SoundStream::CloseAfterFrames + 2000) * MixChannels);
            f.server->mixer("Sounds").render(silence.data(), int(silence.size() / MixChannels));
        }
        ASSERT_TRUE(f.server->reached(held, 1)) << held;
        devices.reset(); // returns while the server holds the thread
        devices = f.devices();
        devices->playWave(click); // and a new run of the devices does not wait for the old one
        f.server->holdOpens = f.server->holdCloses = false;
        f.server->let(held);
        ASSERT_TRUE(devices->settle());
        devices.reset();
    }
}

// The server is killed under a playing tune and comes back only at the third try: the sound thread
// asks again every RetryAfter with nothing clicked, and the tune goes on from where it was lost, not
// from its start. Asked to stop meanwhile, it stays silent whatever the server does.
TEST(SoundThread, ATuneWhoseStreamIsLostCarriesOnOnceTheServerAnswersUnlessStopped)
{
    if (platform::findSoundFont().isEmpty())
        GTEST_SKIP() << "no General MIDI sound font installed";
    const QString tune = testmidi::suiteTunePath();
    Fixture unbroken;
    auto steady = unbroken.devices();
    steady->startTune(tune);
    ASSERT_TRUE(steady->settle());
    const std::vector<float> first = pull(*unbroken.server, "Music", 2), next = pull(*unbroken.server, "Music", 2);
    ASSERT_GT(peak(next), 0.05f);

    for (const bool stopped : {false, true}) {
        Fixture f;
        auto devices = f.devices();
        devices->startTune(tune);
        ASSERT_TRUE(devices->settle());
        ASSERT_EQ(pull(*f.server, "Music", 2), first);
        f.server->answer = false;
        f.server->lose("Music");
        ASSERT_TRUE(f.server->reached("close", 1)); // the thread finds it lost by itself
        ASSERT_TRUE(f.server->reached("open", 2));  // and asks at once
        ASSERT_TRUE(devices->settle());
        EXPECT_FALSE(devices->streamOpen());
        f.time.pass(SoundThread::RetryAfter);
        ASSERT_TRUE(f.server->reached("open", 3));
        ASSERT_TRUE(devices->settle());
        if (stopped) {
            devices->stopTune();
            ASSERT_TRUE(devices->settle());
        }
        f.server->answer = true;
        f.time.pass(SoundThread::RetryAfter);
        if (stopped) {
            devices->playWave(f.sound("Click.wav", Click)); // the thread wakes, and looks at the tune too
            ASSERT_TRUE(devices->settle());
            EXPECT_EQ(f.server->calls("open"), 4) << "only the sound's stream";
            EXPECT_EQ(peak(pull(*f.server, "Music", 1)), 0.0f) << "nothing sounds after a stop";
            continue;
        }
        ASSERT_TRUE(f.server->reached("open", 4));
        ASSERT_TRUE(devices->settle());
        EXPECT_TRUE(devices->streamOpen());
        EXPECT_EQ(pull(*f.server, "Music", 2), next) << "the tune goes on from its place";
        EXPECT_EQ(f.server->calls("open"), 4);
    }
}
