#include "platform/sound/SoundFiles.h"
#include "platform/RegularFile.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform {

namespace {

// The suite's sounds are a few hundred kilobytes at most, the longest under three seconds; the
// bounds keep whatever file stands at a sound's name to a few megabytes of clips in all. A longer
// sound is cut, and fades out where it is cut rather than clicking.
constexpr qint64 MaxWaveBytes = 16 << 20;
constexpr int CutFadeFrames = MixRate / 100;
constexpr std::size_t MaxCachedSamples = MaxCachedClipBytes / sizeof(float);

// Lobes of the resampling window: plenty for sounds this short, decoded once.
constexpr int Lobes = 8;

double sinc(double x)
{
    if (std::fabs(x) < 1e-9)
        return 1.0;
    const double px = 3.14159265358979323846 * x;
    return std::sin(px) / px;
}

struct Format {
    int encoding = 0; // 1 PCM, 3 float
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

// One channel value of a sample frame, as -1..1.
float sampleAt(const uchar* p, const Format& f)
{
    switch (f.bits) {
    case 8:
        return (int(p[0]) - 128) / 128.0f;
    case 16:
        return qFromLittleEndian<qint16>(p) / 32768.0f;
    case 24:
        return float(qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24) / 2147483648.0);
    case 32:
        if (f.encoding == 3) {
            const quint32 bits = qFromLittleEndian<quint32>(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return std::isfinite(v) ? std::fmax(-1.0f, std::fmin(1.0f, v)) : 0.0f;
        }
        return float(qFromLittleEndian<qint32>(p) / 2147483648.0);
    }
    return 0;
}

bool usable(const Format& f)
{
    const bool pcm = f.encoding == 1 && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool real = f.encoding == 3 && f.bits == 32;
    return (pcm || real) && f.channels >= 1 && f.channels <= 8 && f.rate >= 4000 && f.rate <= 384000;
}

} // namespace

std::shared_ptr<const Clip> decodeWave(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return nullptr;
    Format format;
    const uchar* samples = nullptr;
    qsizetype sampleBytes = 0;
    for (qsizetype at = 12; at + 8 <= size;) {
        const quint32 length = qFromLittleEndian<quint32>(data + at + 4);
        const uchar* body = data + at + 8;
        const qsizetype available = std::min<qsizetype>(length, size - at - 8);
        if (std::memcmp(data + at, "fmt ", 4) == 0 && available >= 16) {
            format.encoding = qFromLittleEndian<quint16>(body);
            format.channels = qFromLittleEndian<quint16>(body + 2);
            format.rate = int(qFromLittleEndian<quint32>(body + 4));
            format.bits = qFromLittleEndian<quint16>(body + 14);
            if (format.encoding == 0xFFFE && available >= 26) // extensible: the real encoding follows
                format.encoding = qFromLittleEndian<quint16>(body + 24);
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            samples = body;
            sampleBytes = available; // a file cut short keeps what it has
            break;
        }
        at += 8 + qsizetype(length) + (length & 1);
    }
    if (!samples || !usable(format))
        return nullptr;
    const int frameBytes = format.channels * format.bits / 8;
    const qsizetype inFrames = std::min(sampleBytes / frameBytes, qsizetype(format.rate) * MaxClipSeconds);
    if (inFrames == 0)
        return nullptr;
    const bool cut = inFrames < sampleBytes / frameBytes;

    // Read as mono or stereo, then brought to the mixer's rate through a windowed sinc, which keeps
    // the brightness of a click that a straight line between samples would dull.
    auto channel = [&](qsizetype frame, int c) {
        const int from = format.channels == 1 ? 0 : std::min(c, format.channels - 1);
        return sampleAt(samples + frame * frameBytes + from * (format.bits / 8), format);
    };
    auto clip = std::make_shared<Clip>();
    const double step = double(format.rate) / MixRate;
    const double cutoff = std::min(1.0, 1.0 / step); // below both rates' half
    const double reach = Lobes / cutoff;               // input frames on each side
    const auto outFrames = qsizetype(std::ceil(inFrames / step));
    clip->samples.resize(std::size_t(outFrames) * MixChannels);
    // The window's weights depend only on where an output frame falls between two input frames; at
    // the usual rates only a few such places occur, so each is worked out once.
    constexpr int Phases = 1024;
    const int taps = int(std::ceil(reach)) * 2 + 1;
    std::vector<std::vector<double>> weights(Phases);
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double position = i * step;
        const auto base = qsizetype(position);
        const int phase = std::min(Phases - 1, int((position - double(base)) * Phases + 0.5));
        std::vector<double>& w = weights[std::size_t(phase)];
        if (w.empty()) {
            w.resize(std::size_t(taps));
            for (int k = 0; k < taps; ++k) {
                const double x = (double(k - taps / 2) - double(phase) / Phases) * cutoff;
                w[std::size_t(k)] = std::fabs(x) < Lobes ? cutoff * sinc(x) * sinc(x / Lobes) : 0.0;
            }
        }
        double sum[MixChannels] = {};
        for (int k = 0; k < taps; ++k) {
            const qsizetype at = base + k - taps / 2;
            if (at < 0 || at >= inFrames || w[std::size_t(k)] == 0.0)
                continue;
            for (int c = 0; c < MixChannels; ++c)
                sum[c] += w[std::size_t(k)] * channel(at, c);
        }
        for (int c = 0; c < MixChannels; ++c)
            clip->samples[std::size_t(i * MixChannels + c)] = float(std::clamp(sum[c], -1.0, 1.0));
    }
    if (cut) {
        const std::size_t fade = std::min<std::size_t>(CutFadeFrames, clip->frames());
        for (std::size_t i = 0; i < fade; ++i)
            for (int c = 0; c < MixChannels; ++c)
                clip->samples[(clip->frames() - 1 - i) * MixChannels + std::size_t(c)] *= float(i) / float(fade);
    }
    return clip;
}

std::shared_ptr<const Clip> WaveClips::clip(const QString& path)
{
    if (std::shared_ptr<const Clip> known = m_clips.value(path))
        return known;
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxWaveBytes);
    std::shared_ptr<const Clip> clip = bytes ? decodeWave(*bytes) : nullptr;
    if (!clip)
        return nullptr; // a file put right later is read again
    if (m_samples + clip->samples.size() > MaxCachedSamples) {
        m_clips.clear(); // a clip still sounding is kept alive by the mixer
        m_samples = 0;
    }
    m_clips.insert(path, clip);
    m_samples += clip->samples.size();
    return clip;
}

} // namespace platform
