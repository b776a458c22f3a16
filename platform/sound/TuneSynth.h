#pragma once
#include <cstdint>

namespace platform {

// What a tune's events are played into and its sound rendered from: the synthesiser, or a test's
// recording stand-in.
class TuneSynth {
public:
    virtual ~TuneSynth() = default;
    virtual void channelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) = 0;
    // A system exclusive message without its leading F0 and closing F7.
    virtual void systemExclusive(const char* data, int length) = 0;
    // Lets go of every pedal and every note still held, at the tune's end.
    virtual void letGo() = 0;
    virtual void render(float* left, float* right, int frames) = 0;
    // Whether any note still sounds.
    virtual bool sounding() const = 0;
};

} // namespace platform
