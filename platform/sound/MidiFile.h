#pragma once
// A Standard MIDI File read and checked before any synthesiser sees it: the player may replace the
// tune, and a damaged or hostile file must cost a bounded amount of work and memory, never a hang.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// One event for the synthesiser, at its time in frames at the mixer's rate.
struct MidiEvent {
    std::int64_t frame = 0;
    std::uint8_t status = 0; // a channel status (0x80..0xEF), or 0xF0 for a system exclusive message
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    // A system exclusive message's bytes in MidiTune::sysex, without its leading F0 and closing F7.
    std::uint32_t sysexAt = 0;
    std::uint32_t sysexLength = 0;
};

struct MidiTune {
    std::vector<MidiEvent> events; // every track's, in the order they are played
    QByteArray sysex;
    std::int64_t endFrame = 0; // the last track's End of Track
};

// Why a file was refused.
enum class MidiFault {
    None,
    NoHeader,       // not "MThd" with a length of 6 or more
    BadFormat,      // not 0, 1 or 2, or format 0 with other than one track
    BadDivision,    // no ticks per quarter, or an unknown frame rate or no ticks per frame
    BadTrackCount,  // none, too many, or fewer "MTrk" chunks than the header says
    BadChunk,       // a chunk, or its header, running past the end of the file before the last track
    BadNumber,      // a variable-length number of more than 4 bytes, or cut off
    NoRunningStatus, // data bytes with no channel status before them
    BadData,        // a data byte of 0x80 or more, or an event cut off
    BadLength,      // a meta event or system exclusive message running past its track
    BadTempo,       // a tempo not of 3 bytes, or of 0
    SystemStatus,   // a system common or real-time status inside a track
    TooManyEvents,
    TooLong,
};

// The suite's tune has 6 tracks, about 1,500 events and lasts under a minute: these leave room for
// any ordinary General MIDI file while keeping what a file can ask for small.
inline constexpr int MaxMidiTracks = 256;
inline constexpr int MaxMidiEvents = 200'000;
inline constexpr std::int64_t MaxMidiSeconds = 60 * 60;

// The tune in `bytes`, or nothing, with the reason in `fault` when asked for.
std::optional<MidiTune> readMidiFile(const QByteArray& bytes, MidiFault* fault = nullptr);

} // namespace platform
