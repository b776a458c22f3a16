#pragma once
#include <cstdint>
#include <functional>

namespace platform {

// One uniform generator for the whole run, seeded once (from the clock unless a test seeds it).
// Returns r with 0 <= r < 1.
double randomUnit();
void seedRandom(std::uint64_t seed);

// Tests put their own draws in the generator's place (each must be in [0, 1)); an empty source
// returns to the generator.
using RandomUnitSource = std::function<double()>;
void setRandomUnitSource(RandomUnitSource source);

} // namespace platform
