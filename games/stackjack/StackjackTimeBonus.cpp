#include "games/stackjack/StackjackTimeBonus.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

namespace stackjack {

void ComputeBonusDecrement()
{
    const int difference = gMaxTimeBonus - gMinTimeBonus;
    gBonusDecrement = gTimeLimit > 0 ? static_cast<float>(static_cast<double>(difference) / gTimeLimit) : 0.0f;
}

std::int32_t TimeBonusAt(int elapsed)
{
    // Each step rounds to single precision; with 300 to 100 over 60 s that gives 297, 293, 290.
    const int sum = gMaxTimeBonus + gMinTimeBonus;
    const float fallen = static_cast<float>(elapsed) * gBonusDecrement;
    const float lowered = fallen + static_cast<float>(gMinTimeBonus);
    const float bonus = static_cast<float>(sum) - lowered;
    return platform::saturateLong(platform::roundHalfEven(bonus));
}

int PieAngle(int elapsed)
{
    return gTimeLimit > 0 ? static_cast<int>(platform::roundHalfEven(360.0 / gTimeLimit * elapsed)) : 0;
}

TickOutcome RoundClockTick()
{
    ++gElapsed;
    TickOutcome tick;
    tick.elapsed = gElapsed;
    tick.pieAngle = PieAngle(gElapsed);
    gPieElapsed = gElapsed;
    gTimeBonus = TimeBonusAt(gElapsed);
    tick.timeBonus = gTimeBonus;
    tick.timeUp = gElapsed >= gTimeLimit;
    return tick;
}

} // namespace stackjack
