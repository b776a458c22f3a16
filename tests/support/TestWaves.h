#pragma once
// Small WAV files made in the test, so a decoder or a device is fed exactly known samples.
#include <QByteArray>
#include <QtEndian>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

struct WaveShape {
    int rate = 22050;
    int channels = 1;
    int bits = 16;
    int encoding = 1; // 1 PCM, 3 float
};

// A RIFF WAVE file of `frames` frames; `value(frame, channel)` gives each sample as -1..1 (a steady
// half-scale tone by default).
inline QByteArray testWave(int frames, WaveShape shape = {},
                           const std::function<double(int, int)>& value = [](int f, int) { return f % 2 ? 0.5 : -0.5; })
{
    QByteArray samples;
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < shape.channels; ++c) {
            const double v = value(f, c);
            char b[4];
            if (shape.encoding == 3) {
                const float x = float(v);
                std::memcpy(b, &x, 4);
            } else if (shape.bits == 8) {
                b[0] = char(std::uint8_t(128 + int(v * 127)));
            } else {
                // The low bytes of the value, little-endian, are the sample at any width.
                qToLittleEndian<qint32>(qint32(std::lround(v * double((1ll << (shape.bits - 1)) - 1))), b);
            }
            samples.append(b, shape.bits / 8);
        }
    }
    auto le32 = [](std::uint32_t v) { char b[4]; qToLittleEndian(v, b); return QByteArray(b, 4); };
    auto le16 = [](std::uint16_t v) { char b[2]; qToLittleEndian(v, b); return QByteArray(b, 2); };
    const int frameBytes = shape.channels * shape.bits / 8;
    QByteArray fmt = le16(std::uint16_t(shape.encoding)) + le16(std::uint16_t(shape.channels))
                     + le32(std::uint32_t(shape.rate)) + le32(std::uint32_t(shape.rate * frameBytes))
                     + le16(std::uint16_t(frameBytes)) + le16(std::uint16_t(shape.bits));
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(std::uint32_t(fmt.size())) + fmt
                      + QByteArray("data") + le32(std::uint32_t(samples.size())) + samples;
    return "RIFF" + le32(std::uint32_t(body.size())) + body;
}
