#include "TestMidi.h"

#include <QCoreApplication>

namespace testmidi {

namespace {
QByteArray bigEndian(std::uint32_t value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// One track at ticks per quarter 480, as format 0.
QByteArray single(const QByteArray& events) { return file(0, 480, {events}); }
} // namespace

QByteArray varLen(std::uint32_t value)
{
    QByteArray out(1, char(value & 0x7F));
    while ((value >>= 7) != 0)
        out.prepend(char((value & 0x7F) | 0x80));
    return out;
}

QByteArray track(const QByteArray& events, bool endOfTrack)
{
    const QByteArray body = endOfTrack ? events + QByteArray("\x00\xff\x2f\x00", 4) : events;
    return "MTrk" + bigEndian(std::uint32_t(body.size()), 4) + body;
}

QByteArray header(int format, int tracks, int division, std::uint32_t length)
{
    return "MThd" + bigEndian(length, 4) + bigEndian(std::uint32_t(format), 2) + bigEndian(std::uint32_t(tracks), 2)
           + bigEndian(std::uint32_t(division), 2) + QByteArray(int(length > 6 ? length - 6 : 0), '\0');
}

QByteArray file(int format, int division, const std::vector<QByteArray>& tracks)
{
    QByteArray out = header(format, int(tracks.size()), division);
    for (const QByteArray& t : tracks)
        out += track(t);
    return out;
}

QByteArray tempo(std::uint32_t delta, int microsPerQuarter)
{
    return varLen(delta) + "\xff\x51\x03" + bigEndian(std::uint32_t(microsPerQuarter), 3);
}

QByteArray noteOnFlood(int notes)
{
    QByteArray events("\x00\x90\x40\x64", 4);
    for (int i = 1; i < notes; ++i) // running status
        events += QByteArray(1, '\0') + char(i % 128) + char(100);
    return single(events);
}

QByteArray resetFlood(int messages)
{
    return single(QByteArray("\x00\xf0\x05\x7e\x7f\x09\x01\xf7", 8).repeated(messages));
}

QByteArray bendFlood(int bends)
{
    QByteArray events;
    for (int channel = 0; channel < 2; ++channel)
        for (int key = 0; key < 128; ++key)
            events += QByteArray(1, '\0') + char(0x90 | channel) + char(key) + char(100);
    events += QByteArray("\x00\xe0\x00\x40", 4);
    for (int i = 1; i < bends; ++i)
        events += QByteArray(1, '\0') + char(i % 128) + char(i * 7 % 128);
    return single(events);
}

QString suiteTunePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Corvanta.MID"); }

} // namespace testmidi
