#include "Tune.h"

#include "Midi.h"

#include <vector>

namespace {

constexpr int Quarter = 480;
constexpr int Eighth = Quarter / 2;
constexpr int Bar = 4 * Quarter;
constexpr int Tempo = 60'000'000 / 112; // 112 beats a minute

// General MIDI programs and the channels they play on.
constexpr int Flute = 73, Vibraphone = 11, NylonGuitar = 24, AcousticBass = 32, Strings = 48;
enum Channel { Lead = 0, Guitar = 1, Bass = 2, Pad = 3, Bells = 4, Drums = 9 };

struct Step {
    int key; // 0: rest
    int eighths;
};

// The tune in G major: an eight-bar theme, an eight-bar middle, then the theme's opening to close.
const std::vector<std::vector<Step>> Melody{
    {{74, 2}, {71, 1}, {74, 1}, {79, 2}, {78, 1}, {76, 1}},
    {{76, 3}, {74, 1}, {71, 2}, {67, 2}},
    {{72, 1}, {76, 1}, {79, 1}, {76, 1}, {72, 2}, {76, 2}},
    {{78, 2}, {76, 1}, {74, 1}, {69, 4}},
    {{74, 2}, {71, 1}, {74, 1}, {79, 2}, {81, 1}, {83, 1}},
    {{83, 2}, {81, 1}, {79, 1}, {76, 4}},
    {{72, 1}, {76, 1}, {81, 2}, {78, 1}, {81, 1}, {74, 2}},
    {{79, 6}, {0, 2}},
    {{76, 2}, {79, 2}, {76, 1}, {74, 1}, {72, 2}},
    {{74, 3}, {76, 1}, {78, 2}, {81, 2}},
    {{83, 2}, {81, 1}, {78, 1}, {74, 4}},
    {{76, 2}, {79, 1}, {78, 1}, {76, 2}, {71, 2}},
    {{72, 2}, {76, 2}, {81, 3}, {79, 1}},
    {{78, 2}, {81, 1}, {78, 1}, {74, 4}},
    {{79, 2}, {74, 2}, {76, 2}, {71, 2}},
    {{72, 2}, {69, 2}, {74, 4}},
    {{74, 2}, {71, 1}, {74, 1}, {79, 2}, {78, 1}, {76, 1}},
    {{76, 3}, {74, 1}, {71, 2}, {67, 2}},
    {{72, 1}, {76, 1}, {79, 2}, {78, 1}, {81, 1}, {86, 2}},
    {{79, 8}},
};

struct Chord {
    int root;  // bass note
    bool minor;
};
constexpr Chord G{43, false}, Em{40, true}, C{48, false}, D{50, false}, Am{45, true}, Bm{47, true};

// One or two chords a bar.
const std::vector<std::vector<Chord>> Harmony{
    {G}, {Em}, {C}, {D}, {G}, {Em}, {Am, D}, {G},
    {C}, {D}, {Bm}, {Em}, {Am}, {D}, {G, Em}, {Am, D},
    {G}, {Em}, {C, D}, {G},
};

bool inMiddle(int bar) { return bar >= 8 && bar < 16; }
bool lastBar(int bar) { return bar == int(Melody.size()) - 1; }

void setUp(MidiTrack& t, int channel, int program, int volume, int pan)
{
    t.program(0, channel, program);
    t.controller(0, channel, 7, volume);
    t.controller(0, channel, 10, pan);
    t.controller(0, channel, 91, 40); // a little room
}

MidiTrack conductor()
{
    MidiTrack t;
    t.name("Corvanta");
    t.tempo(0, Tempo);
    t.timeSignature(0, 4, 2);
    return t;
}

// The theme on the flute; the middle section passes to the vibraphone.
MidiTrack melody()
{
    MidiTrack t;
    t.name("Melody");
    setUp(t, Lead, Flute, 100, 64);
    setUp(t, Bells, Vibraphone, 96, 76);
    for (int bar = 0; bar < int(Melody.size()); ++bar) {
        int tick = bar * Bar;
        const int channel = inMiddle(bar) ? Bells : Lead;
        for (const Step& s : Melody[std::size_t(bar)]) {
            const int length = s.eighths * Eighth;
            if (s.key != 0)
                t.note(tick, channel, s.key, lastBar(bar) ? 80 : 92, lastBar(bar) ? length + Bar : length * 9 / 10);
            tick += length;
        }
    }
    return t;
}

int third(const Chord& c) { return c.minor ? 3 : 4; }

// Guitar arpeggios in eighths over each chord, a strummed chord to close.
MidiTrack guitar()
{
    MidiTrack t;
    t.name("Guitar");
    setUp(t, Guitar, NylonGuitar, 88, 44);
    static const int pattern[] = {0, 1, 2, 3, 2, 1, 2, 3};
    for (int bar = 0; bar < int(Harmony.size()); ++bar) {
        const auto& chords = Harmony[std::size_t(bar)];
        const int span = Bar / int(chords.size());
        for (int c = 0; c < int(chords.size()); ++c) {
            const Chord& chord = chords[std::size_t(c)];
            const int base = chord.root <= 47 ? chord.root + 12 : chord.root;
            const int tones[] = {base, base + 7, base + 12, base + 12 + third(chord)};
            const int start = bar * Bar + c * span;
            if (lastBar(bar)) {
                for (int i = 0; i < 4; ++i)
                    t.note(start + i * 30, Guitar, tones[i], 70, 2 * Bar);
                continue;
            }
            for (int i = 0; i < span / Eighth; ++i)
                t.note(start + i * Eighth, Guitar, tones[pattern[i]], i % 2 == 0 ? 64 : 54, Eighth * 2);
        }
    }
    return t;
}

MidiTrack bass()
{
    MidiTrack t;
    t.name("Bass");
    setUp(t, Bass, AcousticBass, 100, 64);
    for (int bar = 0; bar < int(Harmony.size()); ++bar) {
        const auto& chords = Harmony[std::size_t(bar)];
        const int start = bar * Bar;
        if (lastBar(bar)) {
            t.note(start, Bass, chords[0].root, 84, 2 * Bar);
        } else if (chords.size() == 1) {
            t.note(start, Bass, chords[0].root, 84, 2 * Quarter - 20);
            t.note(start + 2 * Quarter, Bass, chords[0].root + 7, 74, Quarter - 20);
            t.note(start + 3 * Quarter, Bass, chords[0].root, 74, Quarter - 20);
        } else {
            for (int c = 0; c < 2; ++c) {
                t.note(start + c * 2 * Quarter, Bass, chords[std::size_t(c)].root, 84, Quarter - 20);
                t.note(start + c * 2 * Quarter + Quarter, Bass, chords[std::size_t(c)].root + 7, 74, Quarter - 20);
            }
        }
    }
    return t;
}

// Soft held strings under the middle section and the last chord.
MidiTrack pad()
{
    MidiTrack t;
    t.name("Strings");
    setUp(t, Pad, Strings, 70, 84);
    for (int bar = 0; bar < int(Harmony.size()); ++bar) {
        if (!inMiddle(bar) && !lastBar(bar))
            continue;
        const auto& chords = Harmony[std::size_t(bar)];
        const int span = Bar / int(chords.size());
        for (int c = 0; c < int(chords.size()); ++c) {
            const Chord& chord = chords[std::size_t(c)];
            int root = chord.root;
            while (root < 55)
                root += 12;
            for (int key : {root, root + third(chord), root + 7})
                t.note(bar * Bar + c * span, Pad, key, 44, lastBar(bar) ? 2 * Bar : span);
        }
    }
    return t;
}

MidiTrack drums()
{
    MidiTrack t;
    t.name("Drums");
    t.controller(0, Drums, 7, 80);
    t.controller(0, Drums, 91, 30);
    constexpr int Kick = 36, SideStick = 37, ClosedHat = 42, Crash = 49;
    for (int bar = 0; bar < int(Melody.size()); ++bar) {
        const int start = bar * Bar;
        if (lastBar(bar)) {
            t.note(start, Drums, Kick, 72, Eighth);
            t.note(start, Drums, Crash, 56, Bar);
            continue;
        }
        for (int i = 0; i < 8; ++i)
            t.note(start + i * Eighth, Drums, ClosedHat, i % 2 == 0 ? 50 : 34, Eighth / 2);
        if (bar < 2)
            continue; // the hats alone for the opening bars
        t.note(start, Drums, Kick, 70, Eighth);
        t.note(start + 2 * Quarter, Drums, Kick, 64, Eighth);
        t.note(start + Quarter, Drums, SideStick, 46, Eighth);
        t.note(start + 3 * Quarter, Drums, SideStick, 46, Eighth);
    }
    return t;
}

} // namespace

bool writeTune(const std::string& path)
{
    return writeMidiFile(path, Quarter, {conductor(), melody(), guitar(), bass(), pad(), drums()});
}
