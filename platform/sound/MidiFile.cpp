#include "platform/sound/MidiFile.h"
#include "platform/sound/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr int DefaultTempo = 500'000; // microseconds a quarter, until a tempo event says otherwise

// An event as read from its track, timed in ticks until every track's tempo changes are known.
struct TickedEvent {
    std::uint64_t tick;
    MidiEvent event;
};

struct TempoChange {
    std::uint64_t tick;
    int microsPerQuarter;
};

// Every track's events, tempo changes and ends, gathered before any is turned into frames.
struct Gathered {
    std::vector<TickedEvent> events;
    std::vector<TempoChange> tempos;
    QByteArray sysex;
    std::uint64_t endTick = 0;
    int eventsRead = 0; // meta events and skipped messages too: they cost reading as well
};

class TrackReader {
public:
    TrackReader(const QByteArray& bytes, qsizetype from, qsizetype to, Gathered& out)
        : m_bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData())), m_at(from), m_end(to), m_out(out)
    {
    }

    // Reads the whole track into `out`; the fault that stopped it, if any.
    MidiFault read()
    {
        std::uint64_t tick = 0;
        while (m_at < m_end) {
            std::uint32_t delta = 0;
            if (!number(delta))
                return MidiFault::BadNumber;
            tick += delta;
            if (++m_out.eventsRead > MaxMidiEvents)
                return MidiFault::TooManyEvents;
            bool ended = false;
            if (const MidiFault fault = event(tick, ended); fault != MidiFault::None)
                return fault;
            if (ended)
                break; // what follows End of Track is not part of the track
        }
        m_out.endTick = std::max(m_out.endTick, tick);
        return MidiFault::None;
    }

private:
    MidiFault event(std::uint64_t tick, bool& ended)
    {
        if (m_at >= m_end)
            return MidiFault::BadData; // a time with no event after it
        std::uint8_t status = m_bytes[m_at];
        if (status < 0x80) {
            if (m_running == 0)
                return MidiFault::NoRunningStatus;
            status = m_running; // the data bytes follow at once
        } else {
            ++m_at;
        }
        if (status < 0xF0)
            return channelEvent(tick, status);
        if (status == 0xFF)
            return metaEvent(tick, ended);
        if (status == 0xF0 || status == 0xF7)
            return systemExclusive(tick, status);
        return MidiFault::SystemStatus;
    }

    MidiFault channelEvent(std::uint64_t tick, std::uint8_t status)
    {
        m_running = status;
        const std::uint8_t kind = status & 0xF0;
        const int length = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (m_end - m_at < length)
            return MidiFault::BadData;
        MidiEvent e;
        e.status = status;
        e.data1 = m_bytes[m_at];
        e.data2 = length == 2 ? m_bytes[m_at + 1] : 0;
        if (e.data1 >= 0x80 || e.data2 >= 0x80)
            return MidiFault::BadData;
        m_at += length;
        m_out.events.push_back({tick, e});
        return MidiFault::None;
    }

    // The bytes of a meta event or system exclusive message: a length, then as many bytes, all within
    // the track.
    MidiFault lengthAndBytes(const std::uint8_t*& data, std::uint32_t& length)
    {
        if (!number(length))
            return MidiFault::BadNumber;
        if (length > std::uint64_t(m_end - m_at))
            return MidiFault::BadLength;
        data = m_bytes + m_at;
        m_at += length;
        return MidiFault::None;
    }

    MidiFault metaEvent(std::uint64_t tick, bool& ended)
    {
        if (m_at >= m_end)
            return MidiFault::BadData;
        const std::uint8_t type = m_bytes[m_at++];
        if (type >= 0x80)
            return MidiFault::BadData;
        const std::uint8_t* data = nullptr;
        std::uint32_t length = 0;
        if (const MidiFault fault = lengthAndBytes(data, length); fault != MidiFault::None)
            return fault;
        if (type == 0x51) {
            const int tempo = length == 3 ? data[0] << 16 | data[1] << 8 | data[2] : 0;
            if (tempo <= 0)
                return MidiFault::BadTempo;
            m_out.tempos.push_back({tick, tempo});
        } else if (type == 0x2F) {
            ended = true;
        }
        return MidiFault::None;
    }

    MidiFault systemExclusive(std::uint64_t tick, std::uint8_t status)
    {
        const std::uint8_t* data = nullptr;
        std::uint32_t length = 0;
        if (const MidiFault fault = lengthAndBytes(data, length); fault != MidiFault::None)
            return fault;
        // Only a whole message goes to the synthesiser: escapes (F7) and a message split over
        // several packets are passed over.
        if (status != 0xF0 || length == 0 || data[length - 1] != 0xF7)
            return MidiFault::None;
        const std::uint32_t message = length - 1; // without its closing F7
        if (std::any_of(data, data + message, [](std::uint8_t b) { return b >= 0x80; }))
            return MidiFault::BadData;
        MidiEvent e;
        e.status = 0xF0;
        e.sysexAt = std::uint32_t(m_out.sysex.size());
        e.sysexLength = message;
        m_out.sysex.append(reinterpret_cast<const char*>(data), qsizetype(message));
        m_out.events.push_back({tick, e});
        return MidiFault::None;
    }

    // A variable-length number of at most four bytes, all inside the track.
    bool number(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (m_at >= m_end)
                return false;
            const std::uint8_t b = m_bytes[m_at++];
            value = value << 7 | (b & 0x7F);
            if (b < 0x80)
                return true;
        }
        return false;
    }

    const std::uint8_t* m_bytes;
    qsizetype m_at;
    qsizetype m_end;
    Gathered& m_out;
    std::uint8_t m_running = 0; // kept across meta events and system exclusives, as players do
};

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at, int length)
{
    std::uint32_t value = 0;
    for (int i = 0; i < length; ++i)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

// Ticks into microseconds: by the tempo map, or at a fixed rate for SMPTE time.
class Clock {
public:
    Clock(int division, std::vector<TempoChange> tempos) : m_tempos(std::move(tempos))
    {
        if (division & 0x8000) {
            const int framesPerSecond = -std::int8_t(division >> 8);
            const double rate = framesPerSecond == 29 ? 30000.0 / 1001 : framesPerSecond;
            m_smpteMicrosPerTick = 1e6 / (rate * (division & 0xFF));
        } else {
            m_ticksPerQuarter = division;
        }
        std::stable_sort(m_tempos.begin(), m_tempos.end(),
                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    }

    // Microseconds at `tick`; ticks are asked for in rising order.
    double micros(std::uint64_t tick)
    {
        if (m_smpteMicrosPerTick > 0)
            return double(tick) * m_smpteMicrosPerTick;
        while (m_next < m_tempos.size() && m_tempos[m_next].tick <= tick) {
            m_from = advance(m_tempos[m_next].tick);
            m_fromTick = m_tempos[m_next].tick;
            m_tempo = m_tempos[m_next].microsPerQuarter;
            ++m_next;
        }
        return advance(tick);
    }

private:
    double advance(std::uint64_t tick) const
    {
        return m_from + double(tick - m_fromTick) * m_tempo / m_ticksPerQuarter;
    }

    std::vector<TempoChange> m_tempos;
    std::size_t m_next = 0;
    double m_smpteMicrosPerTick = 0;
    int m_ticksPerQuarter = 0;
    int m_tempo = DefaultTempo;
    std::uint64_t m_fromTick = 0;
    double m_from = 0;
};

bool knownDivision(int division)
{
    if (!(division & 0x8000))
        return division > 0;
    const int framesPerSecond = -std::int8_t(division >> 8);
    const bool knownRate = framesPerSecond == 24 || framesPerSecond == 25 || framesPerSecond == 29
                           || framesPerSecond == 30;
    return knownRate && (division & 0xFF) > 0;
}

MidiFault readChunks(const QByteArray& bytes, int& division, Gathered& out)
{
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return MidiFault::NoHeader;
    const std::uint32_t headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || headerLength > std::uint64_t(bytes.size() - 8))
        return MidiFault::NoHeader;
    const std::uint32_t format = bigEndian(bytes, 8, 2);
    const std::uint32_t tracks = bigEndian(bytes, 10, 2);
    division = int(bigEndian(bytes, 12, 2));
    if (format > 2)
        return MidiFault::BadFormat;
    if (tracks == 0 || tracks > MaxMidiTracks)
        return MidiFault::BadTrackCount;
    if (format == 0 && tracks != 1)
        return MidiFault::BadFormat;
    if (!knownDivision(division))
        return MidiFault::BadDivision;

    // Only the declared tracks are read: what a copy, an editor or a transfer leaves after the last
    // of them is not part of the tune, and other players ignore it too.
    std::uint32_t found = 0;
    for (qsizetype at = 8 + qsizetype(headerLength); found < tracks;) {
        if (at == bytes.size())
            return MidiFault::BadTrackCount;
        if (bytes.size() - at < 8)
            return MidiFault::BadChunk;
        const std::uint32_t length = bigEndian(bytes, at + 4, 4);
        const qsizetype data = at + 8;
        if (length > std::uint64_t(bytes.size() - data))
            return MidiFault::BadChunk;
        if (std::memcmp(bytes.constData() + at, "MTrk", 4) == 0) {
            ++found;
            if (const MidiFault fault = TrackReader(bytes, data, data + length, out).read(); fault != MidiFault::None)
                return fault;
        }
        at = data + length; // a chunk of another kind is passed over
    }
    return MidiFault::None;
}

} // namespace

std::optional<MidiTune> readMidiFile(const QByteArray& bytes, MidiFault* fault)
{
    const auto refuse = [fault](MidiFault why) -> std::optional<MidiTune> {
        if (fault)
            *fault = why;
        return std::nullopt;
    };
    int division = 0;
    Gathered gathered;
    if (const MidiFault why = readChunks(bytes, division, gathered); why != MidiFault::None)
        return refuse(why);

    // One list in play order: by time, and at the same time by track and then by place in it.
    std::stable_sort(gathered.events.begin(), gathered.events.end(),
                     [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });
    // The end is the latest tick of all, so once it is inside the bound every event's frame is too.
    const double endMicros = Clock(division, gathered.tempos).micros(gathered.endTick);
    if (!(endMicros <= MaxMidiSeconds * 1e6))
        return refuse(MidiFault::TooLong);
    Clock clock(division, std::move(gathered.tempos));
    MidiTune tune;
    tune.events.reserve(gathered.events.size());
    for (TickedEvent& e : gathered.events) {
        e.event.frame = std::llround(clock.micros(e.tick) * MixRate / 1e6);
        tune.events.push_back(e.event);
    }
    tune.endFrame = std::llround(endMicros * MixRate / 1e6);
    tune.sysex = std::move(gathered.sysex);
    if (fault)
        *fault = MidiFault::None;
    return tune;
}

} // namespace platform
