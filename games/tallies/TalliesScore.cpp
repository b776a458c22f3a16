#include "games/tallies/TalliesScore.h"

#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

namespace tallies {

std::int32_t FieldCardPoints(int Index)
{
    if (Index == 0)
        return 700;
    if (Index <= 4)
        return 600;
    if (Index <= 9)
        return 500;
    if (Index <= 15)
        return 400;
    if (Index <= 19)
        return 300;
    return 200;
}

void AddToScore(std::int64_t Points) { gScore = platform::saturateLong(std::int64_t(gScore) + Points); }

} // namespace tallies
