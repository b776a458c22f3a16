// The sounds and the tune the build writes beside the executables.
#include "platform/sound/AudioFluidSynth.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
QString programFile(const QString& name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name; }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 le32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

struct Wave {
    bool valid = false;
    int rate = 0;
    double seconds = 0;
    int peak = 0;
    int first = 0, last = 0; // the outermost samples
};

// Reads a 16-bit PCM mono WAV with its chunks in any order.
Wave readWave(const QByteArray& b)
{
    Wave w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || le32(b, 4) != quint32(b.size() - 8))
        return w;
    bool format = false;
    for (int at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const int size = int(le32(b, at + 4));
        const int body = at + 8;
        if (size < 0 || body + size > b.size())
            return w;
        if (id == "fmt ") {
            format = size >= 16 && le16(b, body) == 1 && le16(b, body + 2) == 1 && le16(b, body + 14) == 16;
            w.rate = int(le32(b, body + 4));
        } else if (id == "data" && format) {
            for (int i = 0; i + 1 < size; i += 2)
                w.peak = std::max(w.peak, std::abs(int(qint16(le16(b, body + i)))));
            w.seconds = double(size / 2) / w.rate;
            if (size >= 2) {
                w.first = qint16(le16(b, body));
                w.last = qint16(le16(b, body + size / 2 * 2 - 2));
            }
            w.valid = w.rate == 22050 || w.rate == 44100;
        }
        at = body + size + (size & 1);
    }
    return w;
}
} // namespace

TEST(Assets, SoundsAreShortClearPcmWaves)
{
    const struct {
        const char* name;
        double maxSeconds;
    } sounds[] = {{"Applause.wav", 3}, {"Busted.wav", 2},     {"Chord.wav", 2},     {"Click.wav", 2},
                  {"CountScore.wav", 2}, {"HighScore.wav", 3}, {"Markq.wav", 2},     {"Slide.wav", 2},
                  {"Snap.wav", 2},     {"Tick.wav", 2},       {"TwentyOne.wav", 2}, {"Wingame.wav", 3}};
    for (const auto& s : sounds) {
        const Wave w = readWave(readAll(programFile(QLatin1String(s.name))));
        EXPECT_TRUE(w.valid) << s.name;
        EXPECT_GT(w.seconds, 0.01) << s.name;
        EXPECT_LT(w.seconds, s.maxSeconds) << s.name;
        EXPECT_GT(w.peak, 8000) << s.name << " is too quiet";
        // A sound that starts or stops away from silence is heard with a click at its edge.
        EXPECT_LE(std::abs(w.first), 64) << s.name;
        EXPECT_LE(std::abs(w.last), 64) << s.name;
    }
}

TEST(Assets, TuneIsAStandardMidiFile)
{
    const QByteArray b = readAll(programFile(QStringLiteral("Corvanta.MID")));
    ASSERT_GE(b.size(), 14);
    EXPECT_EQ(b.left(4), QByteArray("MThd"));
    EXPECT_EQ(qFromBigEndian<quint32>(b.constData() + 4), 6u);
    EXPECT_LE(qFromBigEndian<quint16>(b.constData() + 8), 1u);
    EXPECT_GE(qFromBigEndian<quint16>(b.constData() + 10), 1u);
    EXPECT_EQ(b.mid(14, 4), QByteArray("MTrk"));
}

// Rendered offline from a folder with blanks in its name: the tune is read, lasts a light
// piece's length and is not silent.
TEST(Assets, TunePlaysForHalfAMinuteOrMore)
{
    const QString font = platform::findSoundFont();
    if (font.isEmpty())
        GTEST_SKIP() << "no General MIDI sound font installed";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("My Card Games")));
    const QString copy = dir.path() + QStringLiteral("/My Card Games/Corvanta.MID");
    ASSERT_TRUE(QFile::copy(programFile(QStringLiteral("Corvanta.MID")), copy));

    const platform::TuneRendering r = platform::renderTuneOffline(copy, font, 120);
    EXPECT_TRUE(r.loaded);
    EXPECT_GE(r.seconds, 30);
    EXPECT_LE(r.seconds, 60);
    EXPECT_GT(r.peak, 0.05);
    EXPECT_LT(r.peak, 1.0) << "the tune clips";
}
