#include "platform/Audio.h"
#include "platform/AudioModule.h"
#include "platform/sound/AudioFluidSynth.h"
#include "platform/AudioSequencer.h"
#include "support/SoundModules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
class LoggingTunePlayer : public platform::TunePlayer {
public:
    void start(const QString& path) override { log << QStringLiteral("start ") + path; }
    void stop() override { log << QStringLiteral("stop"); }
    QStringList log;
};

class Sequencer : public ::testing::Test {
protected:
    LoggingTunePlayer player;
    platform::MidiSequencer sequencer{player};
};

// Sets an environment variable for the scope of a test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = "RIFF")
{
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return f.fileName();
}

// Counts what the program writes to the terminal while it lives.
class TerminalLines {
public:
    TerminalLines() { s_count = 0, m_previous = qInstallMessageHandler(&TerminalLines::count); }
    ~TerminalLines() { qInstallMessageHandler(m_previous); }
    int lines() const { return s_count; }

private:
    static void count(QtMsgType, const QMessageLogContext&, const QString&) { ++s_count; }
    static inline int s_count = 0;
    QtMessageHandler m_previous;
};
} // namespace

TEST_F(Sequencer, SecondOpenAndPlayLetTheRunningTuneGoOn)
{
    sequencer.open(QStringLiteral("/a/Tune.MID"));
    sequencer.play();
    sequencer.open(QStringLiteral("/b/Other.MID"));
    sequencer.play();
    EXPECT_EQ(player.log, QStringList{QStringLiteral("start /a/Tune.MID")});
    EXPECT_TRUE(sequencer.isOpen());
}

TEST_F(Sequencer, CloseStopsAndTheNextOpenStartsFromTheBeginning)
{
    sequencer.open(QStringLiteral("/My Games/Tune.MID"));
    sequencer.play();
    sequencer.close();
    EXPECT_FALSE(sequencer.isOpen());
    sequencer.play(); // closed: nothing to play
    sequencer.open(QStringLiteral("/My Games/Tune.MID"));
    sequencer.play();
    sequencer.close();
    sequencer.close();
    EXPECT_EQ(player.log, (QStringList{QStringLiteral("start /My Games/Tune.MID"), QStringLiteral("stop"),
                                       QStringLiteral("start /My Games/Tune.MID"), QStringLiteral("stop")}));
}

TEST_F(Sequencer, OpenWithoutPlayIsClosedQuietly)
{
    sequencer.open(QStringLiteral("/a/Tune.MID"));
    sequencer.close();
    EXPECT_TRUE(player.log.isEmpty());
}

TEST(SoundFont, IsFoundInTheSf2FolderOfAnyDataFolder)
{
    QTemporaryDir home, first, second;
    ASSERT_TRUE(QDir(second.path()).mkpath(QStringLiteral("sounds/sf2")));
    const QString font = second.path() + QStringLiteral("/sounds/sf2/TimGM6mb.sf2");
    QFile(font).open(QIODevice::WriteOnly);
    ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(home.path()));
    {
        ScopedEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(first.path() + QLatin1Char(':') + second.path()));
        EXPECT_EQ(platform::findSoundFont(), font);
    }
    ScopedEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(first.path()));
    EXPECT_EQ(platform::findSoundFont(), QString());
}

TEST(TuneRendering, RefusesAFileThatIsNoTune)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Corvanta.MID"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF not a tune");
    f.close();
    EXPECT_FALSE(platform::renderTuneOffline(path, QString(), 5).loaded);
    EXPECT_FALSE(platform::renderTuneOffline(dir.filePath(QStringLiteral("missing.MID")), QString(), 5).loaded);
}

// The real device with files that are not there: it must neither wait, nor fail, nor make a sound.
TEST(RealAudio, MissingFilesStaySilentAndQuick)
{
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    platform::playWave(dir.filePath(QStringLiteral("Click.wav")));
    platform::openMidi(dir.filePath(QStringLiteral("Corvanta.MID")));
    platform::playMidi();
    platform::closeMidi();
    EXPECT_LT(clock.elapsed(), 1000);
}

// Opening and closing the tune are bookkeeping, and a missing file plays nothing: only a sound or a
// tune that really plays loads the module, which then hears everything after it.
TEST(SoundModule, IsLoadedByTheFirstSoundThatPlaysAndHearsAllAfterIt)
{
    RecordingSoundModule module;
    QTemporaryDir dir;
    const QString click = writeFile(dir, QStringLiteral("Click.wav"));
    const QString tune = writeFile(dir, QStringLiteral("Corvanta.MID"), "MThd");
    const QString missing = dir.filePath(QStringLiteral("Missing.wav"));

    platform::playWave(missing);
    platform::openMidi(tune);
    platform::closeMidi();
    platform::openMidi(dir.filePath(QStringLiteral("Missing.MID")));
    platform::playMidi();
    platform::closeMidi();
    platform::closeMidi();
    EXPECT_FALSE(platform::soundModuleLoaded());

    platform::openMidi(tune);
    platform::playMidi();
    ASSERT_TRUE(platform::soundModuleLoaded());
    platform::playWave(click);
    platform::playMidi(); // runs on
    platform::playWave(missing);
    platform::closeMidi();
    platform::playWave(click);
    EXPECT_EQ(module.calls(), (QStringList{QStringLiteral("start ") + tune, QStringLiteral("wave ") + click,
                                           QStringLiteral("stop"), QStringLiteral("wave ") + click}));
}

// A folder without the module, or with a file of its name that is no library: every sound and tune
// is silent at once, and the terminal hears of it once in the whole run, not at every sound.
TEST(SoundModule, OneThatCannotBeLoadedLeavesTheRunSilentAndIsNamedOnce)
{
    QTemporaryDir sounds, broken;
    const QString click = writeFile(sounds, QStringLiteral("Click.wav"));
    const QString tune = writeFile(sounds, QStringLiteral("Corvanta.MID"), "MThd");
    writeFile(broken, QStringLiteral("libparlour_sound.so"), "not a library");
    TerminalLines terminal;
    QElapsedTimer clock;
    clock.start();
    for (const QString& folder : {sounds.path(), broken.path()}) {
        SoundModuleFolder search(folder);
        for (int i = 0; i < 3; ++i) {
            platform::playWave(click);
            platform::openMidi(tune);
            platform::playMidi();
            platform::closeMidi();
        }
        EXPECT_FALSE(platform::soundModuleLoaded()) << qPrintable(folder);
    }
    EXPECT_EQ(terminal.lines(), 1);
    EXPECT_LT(clock.elapsed(), 1000);
}

// The module the build puts beside the program resolves all it needs and makes its devices; making
// them sets nothing up, so no sound is heard.
TEST(SoundModule, TheBuiltOneLoadsAndMakesItsDevices)
{
    QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(platform::SoundModuleName));
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    ASSERT_TRUE(module.load()) << qPrintable(module.errorString());
    auto factory = reinterpret_cast<platform::SoundModuleFactory>(module.resolve(platform::SoundModuleEntry));
    ASSERT_NE(factory, nullptr);
    std::unique_ptr<platform::SoundModule> devices(factory());
    EXPECT_NE(devices, nullptr);
}
