#pragma once
#include <cstdint>

namespace platform {

// One uniform generator for the whole run, seeded once (from the clock unless a test seeds it).
// Returns r with 0 <= r < 1.
double randomUnit();
void seedRandom(std::uint64_t seed);

} // namespace platform
