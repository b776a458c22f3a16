#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {
std::mt19937_64& generator()
{
    static std::mt19937_64 g(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
                             ^ std::random_device{}());
    return g;
}

RandomUnitSource& source()
{
    static RandomUnitSource s;
    return s;
}
} // namespace

void seedRandom(std::uint64_t seed) { generator().seed(seed); }

void setRandomUnitSource(RandomUnitSource s) { source() = std::move(s); }

double randomUnit()
{
    if (source())
        return source()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

} // namespace platform
