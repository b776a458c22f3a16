#pragma once
// Standard MIDI Files made in the test, byte by byte, so a reader or a sequencer is fed exactly
// known events: well formed, damaged, or flooding the synthesiser.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace testmidi {

QByteArray varLen(std::uint32_t value);
// An "MTrk" chunk around `events`, with an End of Track after them unless told not to.
QByteArray track(const QByteArray& events, bool endOfTrack = true);
QByteArray header(int format, int tracks, int division, std::uint32_t length = 6);
// A whole file: the header, then one chunk per entry of `tracks`, each given its End of Track.
QByteArray file(int format, int division, const std::vector<QByteArray>& tracks);
QByteArray tempo(std::uint32_t delta, int microsPerQuarter);

// Files whose every event falls at tick 0.
QByteArray noteOnFlood(int notes);
QByteArray resetFlood(int messages); // General MIDI resets, each a system exclusive message
QByteArray bendFlood(int bends);     // over 256 notes held on two channels

// The suite's tune, beside the test program.
QString suiteTunePath();

} // namespace testmidi
