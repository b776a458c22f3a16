#pragma once
#include "Wave.h"

#include <string>
#include <vector>

struct NamedSound {
    std::string fileName; // as the games ask for it, e.g. "Click.wav"
    Samples samples;
};

// The twelve game sounds, synthesised from scratch.
std::vector<NamedSound> makeSounds();
