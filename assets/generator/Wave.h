#pragma once
// Mono sample buffers, a few synthesis building blocks and the WAV writer for the suite's sounds.
#include <cstdint>
#include <string>
#include <vector>

constexpr int SampleRate = 22050;

// Samples in -1..1 at SampleRate.
using Samples = std::vector<double>;

// Deterministic noise, so every build writes the same files.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed ? seed : 1u) {}
    double next(); // -1..1
    double uniform(double lo, double hi);

private:
    std::uint32_t m_state;
};

int sampleCount(double seconds);

// A pitched voice: partials given as (frequency ratio, amplitude); exponential decay with time
// constant `decay` seconds (0: none), linear attack, and a short release at the end.
struct Partial {
    double ratio;
    double amplitude;
};
Samples voice(double freq, double seconds, const std::vector<Partial>& partials, double attack, double decay);

// A sine whose pitch glides exponentially from f0 to f1, decaying with time constant `decay`.
Samples glide(double f0, double f1, double seconds, double decay);

// Band-limited noise (one-pole high-pass then low-pass), linear attack, exponential decay.
Samples noiseBurst(Noise& rng, double seconds, double highpassHz, double lowpassHz, double attack, double decay);

// Mixes `src` into `dst` from `atSeconds`, growing `dst` as needed.
void mixInto(Samples& dst, const Samples& src, double atSeconds, double gain = 1.0);

// Scales the buffer to the given peak and fades the last few milliseconds to avoid a click.
void finish(Samples& s, double peak);

// Writes 16-bit PCM mono at SampleRate.
bool writeWav(const std::string& path, const Samples& s);

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(int midiNote);
