#include "Sounds.h"

#include <cmath>

namespace {

const std::vector<Partial> Bell{{1.0, 1.0}, {2.76, 0.4}, {5.4, 0.18}, {8.93, 0.07}};
const std::vector<Partial> Marimba{{1.0, 1.0}, {3.93, 0.22}, {9.2, 0.05}};
const std::vector<Partial> Brass{{1, 1.0}, {2, 0.7}, {3, 0.5}, {4, 0.36}, {5, 0.25}, {6, 0.16}, {7, 0.1}, {8, 0.06}};
const std::vector<Partial> SoftOrgan{{1.0, 1.0}, {2.0, 0.45}, {3.0, 0.2}};
const std::vector<Partial> Square{{1, 1.0}, {3, 1.0 / 3}, {5, 1.0 / 5}, {7, 1.0 / 7}};

// A card put down: a short bright tap.
Samples click()
{
    Noise rng(11);
    Samples s = noiseBurst(rng, 0.035, 2000, 9000, 0.0005, 0.004);
    mixInto(s, voice(3200, 0.03, {{1, 1}}, 0.0005, 0.005), 0, 0.5);
    finish(s, 0.7);
    return s;
}

// A count-up step: a crisp snap with a little pitch in it.
Samples snap()
{
    Noise rng(23);
    Samples s = noiseBurst(rng, 0.09, 1000, 6000, 0.0003, 0.01);
    mixInto(s, voice(1600, 0.08, {{1, 1}, {2.1, 0.3}}, 0.0005, 0.015), 0, 0.6);
    finish(s, 0.85);
    return s;
}

// A refused click: a dull diminished chord.
Samples chord()
{
    Samples s;
    for (int note : {59, 62, 65}) // B3 D4 F4
        mixInto(s, voice(noteHz(note), 0.45, SoftOrgan, 0.01, 0.16), 0);
    finish(s, 0.6);
    return s;
}

// A card pushed across the felt: filtered noise that swells and fades.
Samples slide()
{
    Noise rng(37);
    const double seconds = 0.28;
    Samples s = noiseBurst(rng, seconds, 500, 3000, 0, 0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = double(i) / double(s.size());
        s[i] *= std::sin(3.14159265 * x) * (0.6 + 0.4 * x);
    }
    finish(s, 0.5);
    return s;
}

// A clock tick: a short wood-block knock.
Samples tick()
{
    Noise rng(41);
    Samples s = voice(1800, 0.03, {{1, 1}, {2.6, 0.3}}, 0.0003, 0.005);
    mixInto(s, noiseBurst(rng, 0.01, 3000, 8000, 0.0003, 0.002), 0, 0.3);
    finish(s, 0.6);
    return s;
}

// Applause: many short clap bursts over a soft bed, swelling and dying away.
Samples applause()
{
    Noise rng(53);
    const double seconds = 2.6;
    auto level = [&](double t) {
        if (t < 0.3)
            return t / 0.3;
        if (t > 1.5)
            return std::max(0.0, (seconds - t) / (seconds - 1.5));
        return 1.0;
    };
    Samples s(static_cast<std::size_t>(sampleCount(seconds)), 0.0);
    for (double t = 0; t < seconds - 0.05; t += rng.uniform(0.008, 0.05)) {
        const double l = level(t);
        if (l <= 0)
            continue;
        mixInto(s, noiseBurst(rng, 0.04, rng.uniform(600, 1200), rng.uniform(3000, 6000), 0.001,
                              rng.uniform(0.005, 0.012)),
                t, l * rng.uniform(0.3, 1.0));
    }
    Samples bed = noiseBurst(rng, seconds, 400, 4000, 0, 0);
    for (std::size_t i = 0; i < bed.size(); ++i)
        s[i] += bed[i] * 0.25 * level(double(i) / SampleRate);
    finish(s, 0.7);
    return s;
}

// A high score: a short brass fanfare ending on a held major chord.
Samples highScore()
{
    Samples s;
    const struct {
        int note;
        double at, length;
    } line[] = {{67, 0.00, 0.14}, {72, 0.14, 0.14}, {76, 0.28, 0.14}, {79, 0.42, 0.30},
                {76, 0.72, 0.14}, {79, 0.86, 1.00}};
    for (const auto& n : line)
        mixInto(s, voice(noteHz(n.note), n.length, Brass, 0.02, 0.9), n.at);
    mixInto(s, voice(noteHz(72), 1.0, Brass, 0.05, 0.9), 0.86, 0.6);
    mixInto(s, voice(noteHz(76), 1.0, Brass, 0.05, 0.9), 0.86, 0.6);
    finish(s, 0.75);
    return s;
}

// A won game: a bright marimba run up and a "ta-da" chord.
Samples winGame()
{
    Samples s;
    double at = 0;
    for (int note : {72, 76, 79, 84, 79, 84}) {
        mixInto(s, voice(noteHz(note), 0.5, Marimba, 0.002, 0.18), at);
        at += 0.11;
    }
    at += 0.1;
    for (int note : {72, 76, 79, 88})
        mixInto(s, voice(noteHz(note), 1.4, Bell, 0.003, 0.45), at, 0.7);
    finish(s, 0.75);
    return s;
}

// A bust: a low thud falling in pitch.
Samples busted()
{
    Noise rng(67);
    Samples s = glide(120, 38, 0.6, 0.18);
    mixInto(s, noiseBurst(rng, 0.15, 40, 500, 0.001, 0.03), 0, 0.8);
    mixInto(s, voice(noteHz(46), 0.45, SoftOrgan, 0.01, 0.12), 0.05, 0.35);
    finish(s, 0.85);
    return s;
}

// A 21 made: a quick harp-like flourish up to a sparkling top.
Samples twentyOne()
{
    Samples s;
    double at = 0;
    for (int note : {74, 76, 78, 81, 83, 86}) {
        mixInto(s, voice(noteHz(note), 0.6, Marimba, 0.002, 0.2), at);
        at += 0.055;
    }
    mixInto(s, voice(noteHz(93), 0.6, Bell, 0.002, 0.2), at, 0.5);
    finish(s, 0.75);
    return s;
}

// A point counted: a short square-ish blip.
Samples countScore()
{
    Samples s = voice(noteHz(88), 0.06, Square, 0.002, 0.03);
    finish(s, 0.5);
    return s;
}

// A card marked: a rising two-note ding.
Samples markq()
{
    Samples s;
    mixInto(s, voice(noteHz(76), 0.3, Bell, 0.002, 0.12), 0);
    mixInto(s, voice(noteHz(83), 0.4, Bell, 0.002, 0.14), 0.09);
    finish(s, 0.6);
    return s;
}

} // namespace

std::vector<NamedSound> makeSounds()
{
    return {
        {"Applause.wav", applause()},   {"Busted.wav", busted()},     {"Chord.wav", chord()},
        {"Click.wav", click()},         {"CountScore.wav", countScore()}, {"HighScore.wav", highScore()},
        {"Markq.wav", markq()},         {"Slide.wav", slide()},       {"Snap.wav", snap()},
        {"Tick.wav", tick()},           {"TwentyOne.wav", twentyOne()}, {"Wingame.wav", winGame()},
    };
}
