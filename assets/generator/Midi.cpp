#include "Midi.h"

#include <algorithm>
#include <fstream>

namespace {
void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t buffer[5];
    int n = 0;
    buffer[n++] = value & 0x7F;
    while ((value >>= 7) != 0)
        buffer[n++] = static_cast<std::uint8_t>((value & 0x7F) | 0x80);
    while (n > 0)
        out.push_back(buffer[--n]);
}

void putBE(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }
} // namespace

void MidiTrack::add(int tick, int rank, std::vector<std::uint8_t> data)
{
    m_events.push_back({tick, rank, std::move(data)});
}

void MidiTrack::name(const std::string& text)
{
    std::vector<std::uint8_t> data{0xFF, 0x03};
    putVarLen(data, static_cast<std::uint32_t>(text.size()));
    data.insert(data.end(), text.begin(), text.end());
    add(0, 0, std::move(data));
}

void MidiTrack::tempo(int tick, int microsPerQuarter)
{
    add(tick, 0, {0xFF, 0x51, 0x03, byte(microsPerQuarter >> 16), byte(microsPerQuarter >> 8), byte(microsPerQuarter)});
}

void MidiTrack::timeSignature(int tick, int numerator, int denominatorPower)
{
    add(tick, 0, {0xFF, 0x58, 0x04, byte(numerator), byte(denominatorPower), 24, 8});
}

void MidiTrack::program(int tick, int channel, int program)
{
    add(tick, 1, {byte(0xC0 | channel), byte(program)});
}

void MidiTrack::controller(int tick, int channel, int number, int value)
{
    add(tick, 1, {byte(0xB0 | channel), byte(number), byte(value)});
}

void MidiTrack::note(int tick, int channel, int key, int velocity, int length)
{
    add(tick, 3, {byte(0x90 | channel), byte(key), byte(velocity)});
    add(tick + length, 2, {byte(0x80 | channel), byte(key), 0});
}

std::vector<std::uint8_t> MidiTrack::bytes() const
{
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    std::vector<std::uint8_t> out;
    int last = 0;
    for (const Event& e : events) {
        putVarLen(out, static_cast<std::uint32_t>(e.tick - last));
        out.insert(out.end(), e.data.begin(), e.data.end());
        last = e.tick;
    }
    out.insert(out.end(), {0x00, 0xFF, 0x2F, 0x00});
    return out;
}

bool writeMidiFile(const std::string& path, int ticksPerQuarter, const std::vector<MidiTrack>& tracks)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write("MThd", 4);
    putBE(out, 6, 4);
    putBE(out, 1, 2); // format 1: one tempo track and parallel instrument tracks
    putBE(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putBE(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> data = track.bytes();
        out.write("MTrk", 4);
        putBE(out, static_cast<std::uint32_t>(data.size()), 4);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    }
    return static_cast<bool>(out);
}
