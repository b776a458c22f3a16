// The mixer and the stream's life, frame by frame; then the real output path, written to a file by
// SDL's disk driver instead of a sound card.
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/Mixer.h"
#include "platform/sound/SdlOutput.h"
#include "platform/sound/SilenceNotices.h"
#include "platform/sound/SoundFiles.h"
#include "platform/sound/SoundStream.h"
#include "support/TestWaves.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

using platform::Clip;
using platform::MixChannels;
using platform::Mixer;

namespace {

// A clip whose frame i holds (i + 1) / 1000 in both channels, so every frame is known by its value.
std::shared_ptr<const Clip> countingClip(int frames, float scale = 1.0f / 1000)
{
    auto clip = std::make_shared<Clip>();
    for (int i = 0; i < frames; ++i)
        clip->samples.insert(clip->samples.end(), MixChannels, float(i + 1) * scale);
    return clip;
}

std::vector<float> render(Mixer& mixer, int frames)
{
    std::vector<float> out(std::size_t(frames) * MixChannels, 99.0f);
    mixer.render(out.data(), frames);
    return out;
}

float left(const std::vector<float>& out, int frame) { return out[std::size_t(frame) * MixChannels]; }

// A tune of steady level that ends after a given number of frames, counting its living instances.
class SteadyTune : public platform::TuneVoice {
public:
    SteadyTune(float level, int frames, std::atomic<int>* alive = nullptr) : m_level(level), m_left(frames), m_alive(alive)
    {
        if (m_alive)
            ++*m_alive;
    }
    ~SteadyTune() override
    {
        if (m_alive)
            --*m_alive;
    }
    bool mixInto(float* stereo, int frames) override
    {
        for (int i = 0; i < frames * MixChannels && m_left > 0; ++i) {
            stereo[i] += m_level;
            if (i % MixChannels == MixChannels - 1)
                --m_left;
        }
        return m_left > 0;
    }

private:
    float m_level;
    int m_left;
    std::atomic<int>* m_alive;
};

class FakeOutput : public platform::AudioOutput {
public:
    bool open(Mixer&) override
    {
        ++opens;
        isOpen = canOpen;
        lost = false;
        return canOpen;
    }
    bool failed() const override { return lost; }
    void close() override { isOpen = false; }

    bool canOpen = true, isOpen = false, lost = false;
    int opens = 0;
};

} // namespace

TEST(Mixer, ARepeatedSoundStartsOverAndIsHeardWholeAndANewOneCutsTheOldOne)
{
    Mixer mixer;
    const auto click = countingClip(300);
    mixer.play(click);
    std::vector<float> out = render(mixer, 100);
    EXPECT_FLOAT_EQ(left(out, 0), 0.001f) << "from its first frame";
    EXPECT_FLOAT_EQ(left(out, 99), 0.100f);

    mixer.play(click); // the same sound again, a third of the way in
    out = render(mixer, 400);
    EXPECT_FLOAT_EQ(left(out, 0), 0.001f) << "starts over at once";
    EXPECT_FLOAT_EQ(left(out, 299), 0.300f) << "to its last frame";
    EXPECT_FLOAT_EQ(left(out, 300), 0.0f) << "then silence";
    EXPECT_EQ(mixer.silentFrames(), 100);

    const auto snap = countingClip(50, -1.0f / 1000);
    mixer.play(click);
    render(mixer, 10);
    mixer.play(snap);
    out = render(mixer, 60);
    EXPECT_FLOAT_EQ(left(out, 0), -0.001f) << "the new sound cuts the old";
    EXPECT_FLOAT_EQ(left(out, 49), -0.050f);
    EXPECT_FLOAT_EQ(left(out, 50), 0.0f) << "and the old one never comes back";
}

TEST(Mixer, ASoundOverTheTuneNeverClipsAndTheTuneComesBackToItsLevel)
{
    Mixer mixer;
    mixer.startTune(std::make_unique<SteadyTune>(0.8f, 1 << 30));
    auto loud = std::make_shared<Clip>();
    loud->samples.assign(2000 * MixChannels, 1.0f);
    mixer.play(loud);
    const std::vector<float> over = render(mixer, 2000);
    for (float v : over) {
        ASSERT_LE(v, 1.0f);
        ASSERT_GT(v, 0.5f) << "held under full scale, not cut off";
    }
    EXPECT_FLOAT_EQ(over[0], 1.0f);
    const std::vector<float> after = render(mixer, platform::MixRate / 5);
    EXPECT_NEAR(after.back(), 0.8f, 1e-4) << "the limiter lets go within 200 ms";
    EXPECT_TRUE(mixer.tunePlaying());
    EXPECT_EQ(mixer.silentFrames(), 0);
}

// Sounds and tune in streams of their own: the sounds keep under full scale less the tune's recent
// peak, so the two summed by the sound server never clip, and get their full scale back once the
// tune has stopped.
TEST(Mixer, SoundsInAStreamBesideTheTunesLeaveRoomForIt)
{
    Mixer music, sounds;
    sounds.leaveRoomFor(&music);
    music.startTune(std::make_unique<SteadyTune>(0.7f, 1 << 30));
    auto loud = std::make_shared<Clip>();
    loud->samples.assign(4000 * MixChannels, 1.0f);
    for (int block = 0; block < 20; ++block) {
        const std::vector<float> tune = render(music, 200);
        if (block == 2)
            sounds.play(loud);
        const std::vector<float> sound = render(sounds, 200);
        for (std::size_t i = 0; i < tune.size(); ++i)
            ASSERT_LE(tune[i] + sound[i], 1.0f + 1e-6f) << "block " << block;
        if (block == 3) {
            EXPECT_NEAR(sound[0], 0.3f, 1e-4) << "the sound is heard, only lower";
        }
    }
    music.stopTune();
    render(music, platform::MixRate * 2); // the tune's peak is forgotten
    render(sounds, platform::MixRate / 10);
    sounds.play(loud);
    EXPECT_NEAR(left(render(sounds, 10), 0), 1.0f, 0.01f);
}

// A sound given a time to begin by is heard if its first frame goes out by then, and never after.
TEST(Mixer, ASoundNotBegunByItsTimeIsDroppedButOneBegunIsHeardToItsEnd)
{
    platform::SoundTime now{std::chrono::hours(1)};
    Mixer mixer([&] { return now; });
    const auto click = countingClip(300);
    mixer.play(click, now + std::chrono::milliseconds(100));
    now += std::chrono::milliseconds(60);
    EXPECT_FLOAT_EQ(left(render(mixer, 100), 0), 0.001f);
    now += std::chrono::seconds(10);
    EXPECT_FLOAT_EQ(left(render(mixer, 100), 0), 0.101f) << "once begun, it plays on";

    mixer.play(click, now + std::chrono::milliseconds(100));
    now += std::chrono::milliseconds(101); // the stream stalled meanwhile
    EXPECT_FLOAT_EQ(left(render(mixer, 100), 0), 0.0f);
    EXPECT_FLOAT_EQ(left(render(mixer, 100), 0), 0.0f) << "dropped, not kept for later";
}

TEST(Mixer, ATuneThatEndsIsDroppedAndStoppingOneDestroysItAtOnce)
{
    std::atomic<int> alive = 0;
    Mixer mixer;
    mixer.startTune(std::make_unique<SteadyTune>(0.25f, 150, &alive));
    std::vector<float> out = render(mixer, 100);
    EXPECT_FLOAT_EQ(left(out, 99), 0.25f);
    out = render(mixer, 100);
    EXPECT_FLOAT_EQ(left(out, 49), 0.25f);
    EXPECT_FLOAT_EQ(left(out, 50), 0.0f);
    EXPECT_FALSE(mixer.tunePlaying());
    EXPECT_EQ(alive, 0) << "an ended tune is let go";

    mixer.startTune(std::make_unique<SteadyTune>(0.25f, 1000, &alive));
    mixer.startTune(std::make_unique<SteadyTune>(0.5f, 1000, &alive));
    EXPECT_EQ(alive, 1) << "a new tune cuts the old one off";
    mixer.stopTune();
    EXPECT_EQ(alive, 0);
    EXPECT_FLOAT_EQ(left(render(mixer, 10), 0), 0.0f);
}

// The stream opens with the first sound, closes once nothing has sounded for a while, and a stream
// that failed is dropped with the sound it was playing, the next sound opening a new one; the tune
// waits in the mixer for it.
TEST(SoundStream, ClosesWhenSilentForLongEnoughAndReplacesOneThatFailed)
{
    Mixer mixer;
    FakeOutput output;
    platform::SoundStream stream(mixer, output);
    ASSERT_TRUE(stream.open());
    mixer.play(countingClip(100));
    render(mixer, 100);
    stream.poll();
    EXPECT_TRUE(output.isOpen) << "the sound has just ended";
    render(mixer, int(platform::SoundStream::CloseAfterFrames) - 1);
    stream.poll();
    EXPECT_TRUE(output.isOpen);
    render(mixer, 1);
    stream.poll();
    EXPECT_FALSE(output.isOpen) << "silent for long enough";
    EXPECT_FALSE(stream.isOpen());

    ASSERT_TRUE(stream.open());
    mixer.startTune(std::make_unique<SteadyTune>(0.5f, 1 << 30));
    render(mixer, int(platform::SoundStream::CloseAfterFrames) * 2);
    stream.poll();
    EXPECT_TRUE(output.isOpen) << "the tune keeps it open";

    mixer.play(countingClip(1000));
    render(mixer, 10);
    output.lost = true; // the sound server went away
    stream.poll();
    EXPECT_FALSE(stream.isOpen());
    EXPECT_TRUE(mixer.tunePlaying()) << "the tune waits for the next stream";
    EXPECT_EQ(mixer.recentPeak(), 0.0f) << "nothing of it is heard meanwhile, so sounds beside it need no room";
    ASSERT_TRUE(stream.open());
    EXPECT_FLOAT_EQ(left(render(mixer, 1), 0), 0.5f) << "the sound is dropped with the stream";
    EXPECT_EQ(output.opens, 3);

    output.lost = true; // lost between two sounds: the next sound finds out and opens a new one
    EXPECT_TRUE(stream.open());
    EXPECT_EQ(output.opens, 4);

    stream.close();
    output.canOpen = false;
    EXPECT_FALSE(stream.open());
    EXPECT_FALSE(stream.open());
    output.canOpen = true;
    EXPECT_TRUE(stream.open()) << "each sound tries again";
}

// The output thread renders without pause while the window's thread starts and stops sounds and
// real tunes hundreds of times: nothing it renders is ever freed under it (run under
// ThreadSanitizer to see the ordering, too).
TEST(Mixer, StartingAndStoppingWhileTheOutputThreadRendersIsSafe)
{
    const QString tune = QCoreApplication::applicationDirPath() + QStringLiteral("/Corvanta.MID");
    platform::SilenceNotices notices;
    platform::FluidTunes tunes(notices);
    Mixer mixer;
    std::atomic<bool> done = false;
    std::atomic<long> blocks = 0;
    std::thread output([&] {
        std::vector<float> block(256 * MixChannels);
        while (!done) {
            mixer.render(block.data(), 256);
            ++blocks;
        }
    });
    const auto click = countingClip(2000);
    const bool withSynth = !platform::findSoundFont().isEmpty();
    for (int i = 0; i < 300; ++i) {
        mixer.play(click);
        mixer.stopTune();
        std::unique_ptr<platform::TuneVoice> voice =
            withSynth ? tunes.voice(tune) : std::make_unique<SteadyTune>(0.1f, 5000);
        ASSERT_NE(voice, nullptr);
        mixer.startTune(std::move(voice));
        for (long seen = blocks; blocks < seen + 2;)
            std::this_thread::yield();
        if (i % 3 == 0)
            mixer.stopTune();
        if (i % 7 == 0)
            mixer.stopAll();
    }
    done = true;
    output.join();
    mixer.stopTune();
    EXPECT_GT(blocks, 600);
}

struct WaveCase {
    const char* name;
    WaveShape shape;
    int frames;
    int expectFrames;
};

// Every common WAV shape is brought to the mixer's stereo at its rate, sample values kept.
TEST(SoundFiles, AWaveOfAnyCommonShapeIsDecodedIntoTheMixersFormat)
{
    const WaveCase cases[] = {
        {"16-bit mono 22050", {22050, 1, 16, 1}, 661, 1322},
        {"8-bit mono 11025", {11025, 1, 8, 1}, 100, 400},
        {"24-bit stereo 44100", {44100, 2, 24, 1}, 300, 300},
        {"32-bit stereo 48000", {48000, 2, 32, 1}, 480, 441},
        {"float stereo 44100", {44100, 2, 32, 3}, 200, 200},
    };
    for (const WaveCase& c : cases) {
        // Left rises, right falls, so a channel swap or a lost channel shows.
        const auto value = [&](int f, int ch) { return (ch == 0 ? 1 : -1) * 0.5 * f / c.frames; };
        const std::shared_ptr<const Clip> clip = platform::decodeWave(testWave(c.frames, c.shape, value));
        ASSERT_NE(clip, nullptr) << c.name;
        EXPECT_EQ(int(clip->frames()), c.expectFrames) << c.name;
        const std::size_t mid = clip->frames() / 2;
        const float l = clip->samples[mid * 2], r = clip->samples[mid * 2 + 1];
        EXPECT_NEAR(l, 0.25, 0.02) << c.name;
        EXPECT_NEAR(r, c.shape.channels == 1 ? l : -l, 0.02) << c.name;
    }
}

TEST(SoundFiles, ADamagedOrForeignWaveIsRefusedAndOneCutShortKeepsWhatItHas)
{
    const QByteArray good = testWave(1000);
    for (const QByteArray& bad : {QByteArray(), QByteArray("RIFF"), good.left(40), QByteArray("RIFX") + good.mid(4),
                                  good.left(20) + QByteArray(2, '\x55') + good.mid(22), // 21845 channels
                                  testWave(10, {22050, 1, 12, 1})}) {
        EXPECT_EQ(platform::decodeWave(bad), nullptr) << bad.toHex().left(80).constData();
    }
    const std::shared_ptr<const Clip> cut = platform::decodeWave(good.left(good.size() - 1000));
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(int(cut->frames()), 1000);
}

// A long sound costs no more than its first few seconds, whatever its rate, and ends in a fade where it
// was cut; all the clips kept stay within their bound.
TEST(SoundFiles, ALongOrLowRateWaveIsCutToItsFirstSecondsAndTheClipsKeptStayBounded)
{
    const struct {
        const char* name;
        WaveShape shape;
        int frames;
    } cases[] = {
        {"8-bit mono 4000 Hz, 16 MB", {4000, 1, 8, 1}, 16'000'000},
        {"16-bit stereo 8000 Hz, a minute", {8000, 2, 16, 1}, 8000 * 60},
        {"float stereo 44100 Hz, 10 s", {44100, 2, 32, 3}, 44100 * 10},
    };
    constexpr std::size_t Bound = std::size_t(platform::MaxClipSeconds) * platform::MixRate;
    QTemporaryDir dir;
    platform::WaveClips clips;
    for (const auto& c : cases) {
        const QByteArray bytes = testWave(c.frames, c.shape, [](int, int) { return 0.5; });
        for (int copy = 0; copy < 4; ++copy) { // twelve such files, as many as the suite has sounds
            const std::shared_ptr<const Clip> clip = platform::decodeWave(bytes);
            ASSERT_NE(clip, nullptr) << c.name;
            EXPECT_GE(clip->frames(), Bound - 1) << c.name;
            EXPECT_LE(clip->frames(), Bound + 1) << c.name;
            EXPECT_NEAR(clip->samples[clip->frames() / 2 * MixChannels], 0.5, 0.01) << c.name;
            EXPECT_NEAR(clip->samples.back(), 0.0, 0.001) << c.name << ": faded out where cut";

            const QString path = dir.filePath(QStringLiteral("%1-%2.wav").arg(&c - cases).arg(copy));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            ASSERT_NE(clips.clip(path), nullptr) << c.name;
            EXPECT_LE(clips.bytesKept(), platform::MaxCachedClipBytes);
        }
    }
}

// A sound is read once, on its first play; a pipe at its name is never waited on, and a file put
// right later is read then.
TEST(SoundFiles, EachSoundIsDecodedOnceAndAPipeAtItsNameIsNeverWaitedOn)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Click.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    platform::WaveClips clips;
    EXPECT_EQ(clips.clip(name), nullptr) << "returned at once, with no writer at the pipe";
    ASSERT_TRUE(QFile::remove(name));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testWave(100));
    file.close();
    const std::shared_ptr<const Clip> clip = clips.clip(name);
    ASSERT_NE(clip, nullptr);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(testWave(300));
    file.close();
    EXPECT_EQ(clips.clip(name), clip) << "decoded on its first play only";
}

// The real output path, through SDL's disk driver: what it would play reaches the file from the
// sound's first frame to its last, and the stream closes once silent.
TEST(SdlOutput, WhatTheMixerRendersReachesTheDeviceWholeAndTheStreamClosesOnceSilent)
{
    QTemporaryDir dir;
    const QByteArray written = QFile::encodeName(dir.filePath(QStringLiteral("out.raw")));
    qputenv("SDL_DISKAUDIOFILE", written);
    qputenv("SDL_DISKAUDIODELAY", "1"); // no need to keep pace with a listener
    Mixer mixer;
    platform::SdlOutput disk("Sounds", 512, "disk");
    platform::SoundStream stream(mixer, disk);
    ASSERT_TRUE(stream.open());
    const auto sound = countingClip(3000, 1.0f / 4096);
    mixer.play(sound);
    QElapsedTimer waited;
    waited.start();
    while (mixer.silentFrames() < platform::SoundStream::CloseAfterFrames && waited.elapsed() < 30000)
        QThread::msleep(5);
    EXPECT_FALSE(disk.failed());
    stream.poll();
    EXPECT_FALSE(stream.isOpen());
    qunsetenv("SDL_DISKAUDIOFILE");
    qunsetenv("SDL_DISKAUDIODELAY");

    QFile out(QString::fromLocal8Bit(written));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    const auto* frames = reinterpret_cast<const float*>(bytes.constData());
    const qsizetype count = bytes.size() / qsizetype(sizeof(float) * MixChannels);
    qsizetype first = 0;
    while (first < count && frames[first * MixChannels] == 0.0f)
        ++first;
    ASSERT_LE(first + 3000, count) << "the sound reached the device";
    for (int i = 0; i < 3000; ++i)
        ASSERT_FLOAT_EQ(frames[(first + i) * MixChannels], sound->samples[std::size_t(i) * MixChannels]) << "frame " << i;
    EXPECT_EQ(frames[(first + 3000) * MixChannels], 0.0f);

    platform::SdlOutput none("Sounds", 512, "no-such-driver");
    EXPECT_FALSE(none.open(mixer));
    EXPECT_FALSE(none.failed());
}
