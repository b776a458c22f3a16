#pragma once
// A minimal Standard MIDI File writer (format 1).
#include <cstdint>
#include <string>
#include <vector>

class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(int tick, int microsPerQuarter);
    void timeSignature(int tick, int numerator, int denominatorPower);
    void program(int tick, int channel, int program);
    void controller(int tick, int channel, int number, int value);
    void note(int tick, int channel, int key, int velocity, int length);

    // Events in time order, each with its delta time, closed by the end-of-track event.
    std::vector<std::uint8_t> bytes() const;

private:
    struct Event {
        int tick;
        int rank; // at one tick: meta, then controls, then note-offs, then note-ons
        std::vector<std::uint8_t> data;
    };
    void add(int tick, int rank, std::vector<std::uint8_t> data);
    std::vector<Event> m_events;
};

bool writeMidiFile(const std::string& path, int ticksPerQuarter, const std::vector<MidiTrack>& tracks);
