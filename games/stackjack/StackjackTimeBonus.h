#pragma once
// The time bonus falls each second of a round from gMaxTimeBonus to gMinTimeBonus.
#include <cstdint>

namespace stackjack {

// gBonusDecrement = (gMaxTimeBonus - gMinTimeBonus) / gTimeLimit, in single precision.
void ComputeBonusDecrement();
// The time bonus after `elapsed` seconds, worked in single precision as the round clock always has.
std::int32_t TimeBonusAt(int elapsed);
// Angle of the clock pie after `elapsed` seconds (0 to 360).
int PieAngle(int elapsed);

struct TickOutcome {
    int elapsed = 0;
    int pieAngle = 0;
    std::int32_t timeBonus = 0;
    bool timeUp = false; // the window shows "Times Up!", waits, then ends the round
};
// One second of the round clock: gElapsed, gPieElapsed and gTimeBonus move on.
TickOutcome RoundClockTick();

} // namespace stackjack
