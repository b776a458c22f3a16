#include "platform/Audio.h"
#include "platform/AudioModule.h"
#include "platform/sound/AudioFluidSynth.h"
#include "platform/AudioSequencer.h"
#include "platform/LibraryFile.h"
#include "platform/sound/SoundDevices.h"
#include "support/TestWaves.h"
#include "platform/sound/SilenceNotices.h"
#include "support/SoundModules.h"

#include "SoundModuleFingerprint.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLibrary>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <cstring>
#include <random>
#include <elf.h>
#include <link.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Keeps what the program writes to the terminal while it lives.
class TerminalLines {
public:
    TerminalLines() { s_lines.clear(), m_previous = qInstallMessageHandler(&TerminalLines::keep); }
    ~TerminalLines() { qInstallMessageHandler(m_previous); }
    int lines() const { return int(s_lines.size()); }
    QStringList texts() const { return s_lines; }
    std::string text() const { return s_lines.join(QLatin1Char('\n')).toStdString(); }
    void clear() { s_lines.clear(); }

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& text) { s_lines << text; }
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

QString builtSoundModule()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lib") + QLatin1String(platform::SoundModuleName) +
           QStringLiteral(".so");
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whether any part of the file at `path` is mapped into this process: a library the loader saw is.
bool mappedHere(const QString& path)
{
    const QByteArray file = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (file.isEmpty())
        return false;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.endsWith(' ' + file))
            return true;
    return false;
}

// Every entry of the module's dynamic section made to point far outside it, the module's length and
// headers left whole: the loader would follow them at once.
QByteArray withDynamicSectionPointingNowhere(QByteArray module)
{
    ElfW(Ehdr) header;
    std::memcpy(&header, module.constData(), sizeof header);
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        std::memcpy(&segment, module.constData() + header.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type != PT_DYNAMIC)
            continue;
        const ElfW(Dyn) nowhere{DT_STRTAB, {0x7fffffff0000}};
        for (quint64 at = segment.p_offset; at + sizeof nowhere <= segment.p_offset + segment.p_filesz; at += sizeof nowhere)
            std::memcpy(module.data() + at, &nowhere, sizeof nowhere);
    }
    return module;
}

// The ways an installed module can be damaged, each put in `folder` under the module's name, made
// from the tests' recording module; `fault` is how the terminal names it, after the file's path.
struct DamagedModule {
    const char* what;
    const char* fault;
};
const char NotOfThisBuild[] = " is not the sound module of this build";
const DamagedModule DamagedModules[] = {
    {"pipe", " is not a regular file"},
    {"folder", " is not a regular file"},
    {"empty", NotOfThisBuild},
    {"text", NotOfThisBuild},
    {"first 8000 bytes", NotOfThisBuild},
    {"all but the last byte", NotOfThisBuild},
    {"one byte more", NotOfThisBuild},
    // Whole in length and headers, damaged inside.
    {"dynamic section pointing nowhere", NotOfThisBuild},
    {"middle third zeroed", NotOfThisBuild},
    {"one byte changed", NotOfThisBuild},
};

// The module's path in `folder`, made damaged as `what` says.
QString putDamagedModule(const QTemporaryDir& folder, const QString& what)
{
    const QString path = folder.filePath(QStringLiteral("lib") + QLatin1String(platform::SoundModuleName) + ".so");
    const QString name = QFileInfo(path).fileName();
    QByteArray module = fileBytes(recordingSoundModuleFile());
    if (what == QLatin1String("pipe"))
        EXPECT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what == QLatin1String("folder"))
        EXPECT_TRUE(QDir(folder.path()).mkdir(name));
    else if (what == QLatin1String("empty"))
        writeFile(folder, name, QByteArray());
    else if (what == QLatin1String("text"))
        writeFile(folder, name, "not a library");
    else if (what == QLatin1String("first 8000 bytes"))
        writeFile(folder, name, module.left(8000));
    else if (what == QLatin1String("all but the last byte"))
        writeFile(folder, name, module.chopped(1));
    else if (what == QLatin1String("one byte more"))
        writeFile(folder, name, module + '\0');
    else if (what == QLatin1String("dynamic section pointing nowhere"))
        writeFile(folder, name, withDynamicSectionPointingNowhere(module));
    else if (what == QLatin1String("middle third zeroed"))
        writeFile(folder, name, module.replace(module.size() / 3, module.size() / 3, QByteArray(module.size() / 3, 0)));
    else
        writeFile(folder, name, module.replace(module.size() / 2, 1, QByteArray(1, char(module[module.size() / 2] ^ 1))));
    return path;
}
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

// The real device with files that are not there: it must neither wait, nor fail, nor make a sound (a
// wait would show as the test's timeout).
TEST(RealAudio, MissingFilesStaySilent)
{
    QTemporaryDir dir;
    platform::playWave(dir.filePath(QStringLiteral("Click.wav")));
    platform::openMidi(dir.filePath(QStringLiteral("Corvanta.MID")));
    platform::playMidi();
    platform::closeMidi();
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

// A folder without the module, with a module in it that is damaged, however whole it looks, or one of
// another build: the module is never loaded (a pipe would hold the program for good, a damaged one
// would kill it as it loads or at exit, one of another build could bring a runtime of its own), every
// sound and tune is silent at once, and the terminal names it once, not at every sound.
TEST(SoundModule, OnlyTheOneBuiltWithTheProgramIsLoadedAndAnyOtherIsNamedOnce)
{
    QTemporaryDir sounds;
    const QString click = writeFile(sounds, QStringLiteral("Click.wav"));
    const QString tune = writeFile(sounds, QStringLiteral("Corvanta.MID"), "MThd");
    ASSERT_GT(fileBytes(recordingSoundModuleFile()).size(), 8000);
    struct Case {
        QString folder;
        QString path;
        QString line;
        platform::LibraryFingerprint built = recordingSoundModuleFingerprint();
    };
    const QString missing = sounds.filePath(QStringLiteral("libparlour_sound.so"));
    std::vector<Case> cases;
    cases.push_back({sounds.path(), missing, QStringLiteral("cannot read %1: No such file or directory").arg(missing)});
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (const DamagedModule& damage : DamagedModules) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        const QString path = putDamagedModule(*folders.back(), QLatin1String(damage.what));
        cases.push_back({folders.back()->path(), path, path + QLatin1String(damage.fault)});
    }
    // Eight bytes written anywhere into the first 8 KB, past the ELF header, of several copies.
    std::mt19937 random(2024);
    for (int copy = 0; copy < 24; ++copy) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        QByteArray module = fileBytes(recordingSoundModuleFile());
        const int at = std::uniform_int_distribution<int>(int(sizeof(ElfW(Ehdr))), 8192 - 8)(random);
        for (int i = 0; i < 8; ++i)
            module[at + i] = char(module[at + i] ^ (1 + std::uniform_int_distribution<int>(0, 254)(random)));
        const QString path = writeFile(*folders.back(), QStringLiteral("libparlour_sound.so"), module);
        cases.push_back({folders.back()->path(), path, path + QLatin1String(NotOfThisBuild)});
    }
    const QString other = otherBuildSoundModuleFolder() + QStringLiteral("/libparlour_sound.so");
    cases.push_back({otherBuildSoundModuleFolder(), other, other + QLatin1String(NotOfThisBuild)});
    // The recording module whole, where the program knows another digest or none.
    const qint64 size = recordingSoundModuleFingerprint().size;
    for (const platform::LibraryFingerprint& known : {platform::LibraryFingerprint{size, QByteArray(64, 'f')},
                                                      platform::LibraryFingerprint{size, {}}, platform::LibraryFingerprint{}}) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        const QString path = writeFile(*folders.back(), QStringLiteral("libparlour_sound.so"),
                                       fileBytes(recordingSoundModuleFile()));
        cases.push_back({folders.back()->path(), path, path + QLatin1String(NotOfThisBuild), known});
    }
    // A module that hangs the load (a FIFO opened for reading) shows as the test's timeout.
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        TerminalLines terminal;
        SoundModuleFolder search(c.folder, c.built);
        for (int i = 0; i < 3; ++i) {
            platform::playWave(click);
            platform::openMidi(tune);
            platform::playMidi();
            platform::closeMidi();
        }
        EXPECT_FALSE(platform::soundModuleLoaded());
        EXPECT_FALSE(mappedHere(c.path)) << "the loader saw it";
        ASSERT_EQ(terminal.lines(), 1) << terminal.text();
        EXPECT_TRUE(terminal.texts().first().startsWith(QStringLiteral("Playing without sounds and music: ") + c.line))
            << qPrintable(terminal.texts().first());
    }
}

// The program knows its module by the length and digest of the module built beside it.
TEST(SoundModule, TheProgramRecordsTheFingerprintOfTheModuleBuiltWithIt)
{
    const QByteArray built = fileBytes(builtSoundModule());
    ASSERT_FALSE(built.isEmpty());
    EXPECT_EQ(BuiltSoundModuleSize, built.size());
    EXPECT_EQ(QByteArray(BuiltSoundModuleSha256), QCryptographicHash::hash(built, QCryptographicHash::Sha256).toHex());
    EXPECT_NE(QByteArray(BuiltSoundModuleSha256), recordingSoundModuleFingerprint().sha256);
}

namespace {
// Bytes read by this process so far, through any call that reads.
qint64 bytesReadHere()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}
} // namespace

// However large the file at the module's name, one of another length is refused before a byte of it is
// read: hashing it all would hold the first sound of a game for as long as reading it takes.
TEST(SoundModule, AFileOfAnotherLengthIsRefusedWithoutReadingIt)
{
    QTemporaryDir folder, sounds;
    const QString click = writeFile(sounds, QStringLiteral("Click.wav"));
    const QString path = writeFile(folder, QStringLiteral("libparlour_sound.so"), fileBytes(recordingSoundModuleFile()));
    constexpr qint64 Tail = qint64(1) << 32; // sparse: it takes no room on the disk
    ASSERT_TRUE(QFile::resize(path, QFileInfo(path).size() + Tail));
    ASSERT_GE(bytesReadHere(), 0) << "this system tells no process how much it read";

    TerminalLines terminal;
    SoundModuleFolder search(folder.path());
    const qint64 before = bytesReadHere();
    platform::playWave(click);
    const qint64 read = bytesReadHere() - before;
    EXPECT_FALSE(platform::soundModuleLoaded());
    EXPECT_LT(read, 64 * 1024) << "the file was read";
    EXPECT_EQ(terminal.text(), ("Playing without sounds and music: " + path + NotOfThisBuild).toStdString());
}

// What is loaded is the copy of the bytes that were checked: a rewrite of the file in place (a new build
// copied over it while the suite runs) reaches neither a module about to be loaded nor one loaded.
TEST(LibraryFile, TheCopyToLoadKeepsTheBytesCheckedWhateverBecomesOfTheFile)
{
    QTemporaryDir folder;
    const QByteArray module = fileBytes(recordingSoundModuleFile());
    const QString path = writeFile(folder, QStringLiteral("libparlour_sound.so"), module);
    const platform::LibraryFile checked(path, recordingSoundModuleFingerprint());
    ASSERT_EQ(checked.fault(), QString());
    ASSERT_TRUE(checked.isTheOneBuilt());
    const int sealed = ::open(checked.loaderPath().constData(), O_RDONLY | O_CLOEXEC);
    const bool inMemory = ::fcntl(sealed, F_GET_SEALS) >= 0;
    ::close(sealed);
    if (!inMemory)
        GTEST_SKIP() << "this system allows no executable memory file (LibraryFileTest checks the copy made instead)";

    QFile rewrite(path);
    ASSERT_TRUE(rewrite.open(QIODevice::ReadWrite)); // in place, as cp does
    ASSERT_EQ(rewrite.write(withDynamicSectionPointingNowhere(module)), module.size());
    rewrite.close();
    EXPECT_EQ(fileBytes(QFile::decodeName(checked.loaderPath())), module);

    // Nothing can change the copy either.
    const int copy = ::open(checked.loaderPath().constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(copy, 0);
    EXPECT_LT(::pwrite(copy, "x", 1, 0), 0);
    EXPECT_LT(::pwrite(copy, "x", 1, module.size()), 0);
    EXPECT_NE(::ftruncate(copy, 0), 0);
    EXPECT_NE(::fcntl(copy, F_ADD_SEALS, 0), 0) << "the seals themselves are sealed";
    ::close(copy);
    EXPECT_EQ(fileBytes(QFile::decodeName(checked.loaderPath())), module);
}

TEST(SoundModule, ALoadedModuleKeepsPlayingWhenItsFileIsRewritten)
{
    QTemporaryDir folder, sounds;
    const QString click = writeFile(sounds, QStringLiteral("Click.wav"));
    const QByteArray module = fileBytes(recordingSoundModuleFile());
    const QString path = writeFile(folder, QStringLiteral("libparlour_sound.so"), module);
    TerminalLines terminal;
    SoundModuleFolder search(folder.path());
    platform::playWave(click);
    ASSERT_TRUE(platform::soundModuleLoaded()) << terminal.text();
    EXPECT_FALSE(mappedHere(path)) << "the loader maps the file itself";

    QFile rewrite(path);
    ASSERT_TRUE(rewrite.open(QIODevice::ReadWrite));
    ASSERT_EQ(rewrite.write(QByteArray(module.size(), '\0')), module.size());
    rewrite.close();
    platform::playWave(click); // a page of the zeroed file would take the program down here
    EXPECT_EQ(recordedSoundCalls(),
              (QStringList{QStringLiteral("wave ") + click, QStringLiteral("wave ") + click}));
    EXPECT_EQ(terminal.lines(), 0) << terminal.text();
}

// Without a sound font the tune is silent, and the terminal is told once; no sound device is set up.
TEST(SoundDevices, WithoutASoundFontTheTuneSaysSoOnce)
{
    QTemporaryDir empty, sounds;
    const QString tune = writeFile(sounds, QStringLiteral("Corvanta.MID"), "MThd");
    ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(empty.path()));
    ScopedEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(empty.path()));
    TerminalLines terminal;
    platform::SoundDevices devices("no-such-driver");
    devices.startTune(tune);
    devices.stopTune();
    devices.startTune(tune);
    ASSERT_TRUE(devices.settle());
    EXPECT_EQ(terminal.text(), "Playing without music: no usable General MIDI sound font (install timgm6mb-soundfont)");
    EXPECT_FALSE(devices.streamOpen());
}

// Without a sound device both the sounds and the tune are silent, and the terminal hears of it once
// for both. The test never reaches a real device: the only driver asked for does not exist.
TEST(SoundDevices, WithoutASoundDeviceSoundsAndTuneSaySoOnce)
{
    QTemporaryDir sounds;
    const QString click = writeFile(sounds, QStringLiteral("Click.wav"), testWave(200));
    const QString tune = QCoreApplication::applicationDirPath() + QStringLiteral("/Corvanta.MID");
    const std::string said = "Playing without sound: no sound device found";
    TerminalLines terminal;
    for (const char* what : {"sounds", "tune", "both"}) {
        terminal.clear();
        platform::SoundDevices devices("no-such-driver");
        const bool sounds = qstrcmp(what, "tune") != 0, tunes = qstrcmp(what, "sounds") != 0;
        for (int i = 0; i < 2; ++i) {
            if (sounds)
                devices.playWave(click);
            if (tunes)
                devices.startTune(tune);
        }
        ASSERT_TRUE(devices.settle());
        EXPECT_FALSE(devices.streamOpen()) << what;
        if (tunes && platform::findSoundFont().isEmpty())
            continue; // the tune stops short of the device without a font, and says so instead
        EXPECT_EQ(terminal.text(), said) << what;
    }
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
