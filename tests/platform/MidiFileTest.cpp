// The tune's reader: what it refuses, and where the events it accepts fall.
#include "platform/sound/MidiFile.h"
#include "platform/sound/Mixer.h"
#include "support/FileBytes.h"
#include "support/TestMidi.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>

using platform::MidiFault;
using platform::readMidiFile;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

// A track's events in a one-track file at 480 ticks a quarter.
QByteArray oneTrack(const QByteArray& events) { return testmidi::file(0, 480, {events}); }

const QByteArray Note = bytes({0x00, 0x90, 0x40, 0x64});

MidiFault faultOf(const QByteArray& file)
{
    MidiFault fault = MidiFault::None;
    const auto tune = readMidiFile(file, &fault);
    EXPECT_EQ(tune.has_value(), fault == MidiFault::None);
    return fault;
}

struct DamagedTune {
    const char* name;
    QByteArray file;
    MidiFault fault;
};

} // namespace

// Each refused for the fault it was made with, not merely for some fault.
TEST(MidiFile, RefusesEveryKindOfDamage)
{
    using testmidi::file;
    using testmidi::header;
    using testmidi::track;
    // The shortest file found to hang FluidSynth's own player: division 0 and no track.
    const QByteArray hangingFile = QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x00", 14)
                                   + bytes({0x00, 0x00, 0x01, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xef, 0x03,
                                            0x00, 0x00, 0xff, 0xff, 0xff, 0xff});
    ASSERT_EQ(hangingFile.size(), 32);
    QByteArray manyTracks = header(1, platform::MaxMidiTracks + 1, 480);
    for (int i = 0; i <= platform::MaxMidiTracks; ++i)
        manyTracks += track(Note);
    const QByteArray longTempo = testmidi::tempo(0, 0xFFFFFF);

    const DamagedTune cases[] = {
        {"the 32 bytes that hung the player", hangingFile, MidiFault::BadDivision},
        {"no header", "RIFF" + header(0, 1, 480).mid(4) + track(Note), MidiFault::NoHeader},
        {"a header shorter than 6", header(0, 1, 480, 5) + track(Note), MidiFault::NoHeader},
        {"a header longer than the file", header(0, 1, 480).replace(7, 1, "\x60"), MidiFault::NoHeader},
        {"format 3", header(3, 1, 480) + track(Note), MidiFault::BadFormat},
        {"format 0 with two tracks", file(0, 480, {Note, Note}), MidiFault::BadFormat},
        {"division 0", file(1, 0, {Note}), MidiFault::BadDivision},
        {"23 frames a second", file(1, 0xE928, {Note}), MidiFault::BadDivision},
        {"no ticks a frame", file(1, 0xE700, {Note}), MidiFault::BadDivision},
        {"no tracks", header(1, 0, 480), MidiFault::BadTrackCount},
        {"fewer tracks than said", header(1, 2, 480) + track(Note), MidiFault::BadTrackCount},
        {"too many tracks", manyTracks, MidiFault::BadTrackCount},
        {"a track longer than the file", header(0, 1, 480) + track(Note).replace(7, 1, "\x40"), MidiFault::BadChunk},
        {"a chunk header cut off before the last track", header(1, 2, 480) + track(Note) + "MTr", MidiFault::BadChunk},
        {"an unknown chunk past the end before the last track",
         header(1, 2, 480) + track(Note) + QByteArray("XFIH\x00\x00\x01\x00", 8) + track(Note), MidiFault::BadChunk},
        {"running status with none before", oneTrack(bytes({0x00, 0x40, 0x64})), MidiFault::NoRunningStatus},
        {"running status after a meta event only", oneTrack(bytes({0x00, 0xff, 0x01, 0x00, 0x00, 0x40, 0x64})),
         MidiFault::NoRunningStatus},
        {"a five-byte number", oneTrack(bytes({0x81, 0x81, 0x81, 0x81, 0x00, 0x90, 0x40, 0x64})), MidiFault::BadNumber},
        {"a number cut off", track(bytes({0x81}), false).prepend(header(0, 1, 480)), MidiFault::BadNumber},
        {"a meta length of five bytes", oneTrack(bytes({0x00, 0xff, 0x01, 0x81, 0x81, 0x81, 0x81, 0x00})),
         MidiFault::BadNumber},
        {"a data byte of 0x80", oneTrack(bytes({0x00, 0x90, 0x40, 0x80})), MidiFault::BadData},
        {"a note cut off by the track's end", track(bytes({0x00, 0x90, 0x40}), false).prepend(header(0, 1, 480)),
         MidiFault::BadData},
        {"a meta type of 0x80", oneTrack(bytes({0x00, 0xff, 0x80, 0x00})), MidiFault::BadData},
        {"a system exclusive with a status byte inside", oneTrack(bytes({0x00, 0xf0, 0x03, 0x7e, 0x90, 0xf7})),
         MidiFault::BadData},
        {"a meta event past the track", oneTrack(bytes({0x00, 0xff, 0x01, 0x10, 'a', 'b'})), MidiFault::BadLength},
        {"a system exclusive past the track", oneTrack(bytes({0x00, 0xf0, 0x20, 0x7e})), MidiFault::BadLength},
        {"a tempo of 2 bytes", oneTrack(bytes({0x00, 0xff, 0x51, 0x02, 0x07, 0xa1})), MidiFault::BadTempo},
        {"a tempo of 0", oneTrack(testmidi::tempo(0, 0)), MidiFault::BadTempo},
        {"a song position inside a track", oneTrack(bytes({0x00, 0xf2, 0x00, 0x00})), MidiFault::SystemStatus},
        {"a timing clock inside a track", oneTrack(Note + bytes({0x00, 0xf8})), MidiFault::SystemStatus},
        {"a note hours away", oneTrack(longTempo + bytes({0x8f, 0xff, 0xff, 0x7f, 0x90, 0x40, 0x64})),
         MidiFault::TooLong},
        {"too many events", testmidi::noteOnFlood(platform::MaxMidiEvents + 1), MidiFault::TooManyEvents},
    };
    for (const DamagedTune& c : cases)
        EXPECT_EQ(faultOf(c.file), c.fault) << c.name;
}

TEST(MidiFile, RefusesTheSuitesTuneCutShortAnywhere)
{
    const QByteArray tune = readBytes(testmidi::suiteTunePath());
    ASSERT_GT(tune.size(), 1000);
    for (qsizetype length = 0; length < tune.size(); ++length)
        ASSERT_FALSE(readMidiFile(tune.left(length))) << "cut to " << length << " bytes";
}

// What a text-mode copy, an editor or a serial transfer leaves after the last declared track is not
// part of the tune: it is not looked at, and the tune reads as if it were not there.
TEST(MidiFile, IgnoresWhatFollowsTheLastDeclaredTrack)
{
    const QByteArray clean = readBytes(testmidi::suiteTunePath());
    QByteArray padded = clean;
    padded += QByteArray(128 - clean.size() % 128, '\x1a');
    const struct {
        const char* name;
        QByteArray after;
    } cases[] = {
        {"CR LF", "\r\n"},
        {"a zero byte", QByteArray(1, '\0')},
        {"a line of text", "saved by the editor\n"},
        {"0x1A up to a 128-byte block", padded.mid(clean.size())},
        {"one stray byte", bytes({0xff})},
        {"two", bytes({0x4d, 0x54})},
        {"four", "MTrk"},
        {"seven", bytes({0x4d, 0x54, 0x72, 0x6b, 0x00, 0x00, 0x00})},
        {"a hundred", QByteArray(100, '\x90')},
        {"a chunk header cut off", "MTr"},
        {"an unknown chunk running past the end", QByteArray("XFIH\x00\x00\x01\x00", 8)},
        {"a whole track more", testmidi::track(Note)},
        {"a damaged track more", testmidi::track(bytes({0x00, 0x40, 0x64}))},
    };
    const auto tune = readMidiFile(clean);
    ASSERT_TRUE(tune);
    for (const auto& c : cases) {
        MidiFault fault = MidiFault::BadData;
        const auto read = readMidiFile(clean + c.after, &fault);
        if (!read) {
            ADD_FAILURE() << c.name << ": refused, fault " << int(fault);
            continue;
        }
        EXPECT_EQ(read->endFrame, tune->endFrame) << c.name;
        EXPECT_EQ(read->sysex, tune->sysex) << c.name;
        ASSERT_EQ(read->events.size(), tune->events.size()) << c.name;
        EXPECT_TRUE(std::equal(read->events.begin(), read->events.end(), tune->events.begin(),
                               [](const auto& a, const auto& b) {
                                   return a.frame == b.frame && a.status == b.status && a.data1 == b.data1
                                          && a.data2 == b.data2;
                               }))
            << c.name;
    }
}

// Its 560 notes, each on and off, and 22 settings of program and controllers; its last track ends
// with the closing chord's last string, 40410 ticks in at 112 beats a minute.
TEST(MidiFile, ReadsTheSuitesTuneWhole)
{
    const auto tune = readMidiFile(readBytes(testmidi::suiteTunePath()));
    ASSERT_TRUE(tune);
    EXPECT_EQ(tune->events.size(), 1142u);
    EXPECT_EQ(tune->endFrame, std::llround(40410.0 * (60'000'000 / 112) / 480 * platform::MixRate / 1e6));
    EXPECT_TRUE(std::is_sorted(tune->events.begin(), tune->events.end(),
                               [](const auto& a, const auto& b) { return a.frame < b.frame; }));
    EXPECT_TRUE(std::all_of(tune->events.begin(), tune->events.end(), [](const auto& e) { return e.status < 0xF0; }));
}

// At 96 ticks a quarter: half a second a quarter, then a quarter second once the conductor's track
// says so, whichever track the notes are in.
TEST(MidiFile, FollowsTempoChangesOfAnyTrack)
{
    const QByteArray conductor = testmidi::tempo(0, 500'000) + testmidi::tempo(96, 250'000);
    const QByteArray notes =
        bytes({0x00, 0x90, 0x40, 0x64, 0x60, 0x41, 0x64, 0x60, 0x42, 0x64, 0x81, 0x40, 0xff, 0x2f, 0x00});
    const auto tune = readMidiFile(testmidi::file(1, 96, {conductor, notes}));
    ASSERT_TRUE(tune);
    ASSERT_EQ(tune->events.size(), 3u);
    EXPECT_EQ(tune->events[0].frame, 0);
    EXPECT_EQ(tune->events[1].frame, 22050);
    EXPECT_EQ(tune->events[2].frame, 22050 + 11025);
    EXPECT_EQ(tune->endFrame, 22050 + 11025 + 2 * 11025) << "the notes' track ends two quarters after its last";
}

struct SmpteCase {
    int division;
    int tick;
    std::int64_t frame;
};

// SMPTE time runs at its frame rate whatever the tempo events say.
TEST(MidiFile, TimesSmpteDivisionsByTheirFrameRate)
{
    const SmpteCase cases[] = {
        {0xE728, 500, 22050},    // 25 frames of 40 ticks: a thousand ticks a second
        {0xE864, 2400, 44100},   // 24 frames of 100
        {0xE364, 2997, 44100},   // 29.97 frames of 100
        {0xE20A, 600, 88200},    // 30 frames of 10
    };
    for (const SmpteCase& c : cases) {
        const QByteArray events =
            testmidi::tempo(0, 100'000) + testmidi::varLen(std::uint32_t(c.tick)) + bytes({0x90, 0x40, 0x64});
        const auto tune = readMidiFile(testmidi::file(0, c.division, {events}));
        ASSERT_TRUE(tune) << std::hex << c.division;
        ASSERT_EQ(tune->events.size(), 1u);
        EXPECT_EQ(tune->events[0].frame, c.frame) << std::hex << c.division;
    }
}

// At the same tick, by track and then by place in it; a whole system exclusive message goes to the
// synthesiser without F0 and F7, an escape or half a message does not; running status survives a
// meta event; unknown chunks are passed over.
TEST(MidiFile, KeepsPlayOrderAndWholeSystemExclusives)
{
    const QByteArray first = bytes({0x00, 0xf0, 0x05, 0x7e, 0x7f, 0x09, 0x01, 0xf7, 0x00, 0xf7, 0x02, 0x43, 0x12,
                                    0x00, 0xf0, 0x02, 0x43, 0x12, 0x00, 0x91, 0x40, 0x64, 0x00, 0xff, 0x01, 0x01,
                                    'x', 0x00, 0x41, 0x64});
    const QByteArray second = bytes({0x00, 0xc2, 0x05});
    const QByteArray unknown("XFIH\x00\x00\x00\x02" "ab", 10);
    const QByteArray file = testmidi::header(1, 2, 480) + testmidi::track(first) + unknown + testmidi::track(second);
    const auto tune = readMidiFile(file);
    ASSERT_TRUE(tune);
    ASSERT_EQ(tune->events.size(), 4u);
    EXPECT_EQ(tune->events[0].status, 0xF0);
    EXPECT_EQ(tune->sysex.mid(tune->events[0].sysexAt, tune->events[0].sysexLength), bytes({0x7e, 0x7f, 0x09, 0x01}));
    EXPECT_EQ(tune->events[1].status, 0x91);
    EXPECT_EQ(tune->events[2].status, 0x91);
    EXPECT_EQ(tune->events[2].data1, 0x41);
    EXPECT_EQ(tune->events[3].status, 0xC2);
}
