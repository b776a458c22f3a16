#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {
constexpr double TwoPi = 6.283185307179586;

double onePoleCoefficient(double cutoffHz)
{
    return 1.0 - std::exp(-TwoPi * cutoffHz / SampleRate);
}

void putLE(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}
} // namespace

double Noise::next()
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return (m_state / 4294967295.0) * 2.0 - 1.0;
}

double Noise::uniform(double lo, double hi) { return lo + (next() + 1.0) / 2.0 * (hi - lo); }

int sampleCount(double seconds) { return std::max(0, static_cast<int>(std::lround(seconds * SampleRate))); }

Samples voice(double freq, double seconds, const std::vector<Partial>& partials, double attack, double decay)
{
    const int n = sampleCount(seconds);
    const int release = std::min(n, sampleCount(0.01));
    Samples s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SampleRate;
        double v = 0;
        for (const Partial& p : partials) {
            if (freq * p.ratio < SampleRate / 2.0)
                v += p.amplitude * std::sin(TwoPi * freq * p.ratio * t);
        }
        double env = decay > 0 ? std::exp(-t / decay) : 1.0;
        if (attack > 0 && t < attack)
            env *= t / attack;
        if (i >= n - release)
            env *= double(n - i) / release;
        s[std::size_t(i)] = v * env;
    }
    return s;
}

Samples glide(double f0, double f1, double seconds, double decay)
{
    const int n = sampleCount(seconds);
    Samples s(static_cast<std::size_t>(n));
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SampleRate;
        const double f = f0 * std::pow(f1 / f0, t / seconds);
        phase += TwoPi * f / SampleRate;
        s[std::size_t(i)] = std::sin(phase) * std::exp(-t / decay) * std::min(1.0, t / 0.002);
    }
    return s;
}

Samples noiseBurst(Noise& rng, double seconds, double highpassHz, double lowpassHz, double attack, double decay)
{
    const int n = sampleCount(seconds);
    const double hp = onePoleCoefficient(highpassHz);
    const double lp = onePoleCoefficient(lowpassHz);
    double low = 0, out = 0;
    Samples s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SampleRate;
        const double x = rng.next();
        low += hp * (x - low);
        out += lp * ((x - low) - out);
        double env = decay > 0 ? std::exp(-t / decay) : 1.0;
        if (attack > 0 && t < attack)
            env *= t / attack;
        s[std::size_t(i)] = out * env;
    }
    return s;
}

void mixInto(Samples& dst, const Samples& src, double atSeconds, double gain)
{
    const std::size_t at = static_cast<std::size_t>(sampleCount(atSeconds));
    if (dst.size() < at + src.size())
        dst.resize(at + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[at + i] += src[i] * gain;
}

void finish(Samples& s, double peak)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top > 0)
        for (double& v : s)
            v *= peak / top;
    const std::size_t fade = std::min(s.size(), static_cast<std::size_t>(sampleCount(0.005)));
    for (std::size_t i = 0; i < fade; ++i)
        s[s.size() - 1 - i] *= double(i) / fade;
}

bool writeWav(const std::string& path, const Samples& s)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    out.write("RIFF", 4);
    putLE(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLE(out, 16, 4);             // chunk size
    putLE(out, 1, 2);              // PCM
    putLE(out, 1, 2);              // mono
    putLE(out, SampleRate, 4);
    putLE(out, SampleRate * 2, 4); // bytes per second
    putLE(out, 2, 2);              // block align
    putLE(out, 16, 2);             // bits per sample
    out.write("data", 4);
    putLE(out, dataBytes, 4);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLE(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFF, 2);
    }
    return static_cast<bool>(out);
}

double noteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }
