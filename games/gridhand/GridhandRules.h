#pragma once
// The rules between rounds: what a round pays, whether the game goes on, and whether the scoring in
// force differs from the built-in values.
#include <cstdint>

namespace gridhand {

inline constexpr int RegularRounds = 3;
inline constexpr int BonusRound = 4;

// A grid filled with seconds left pays its hand points x the seconds x the time bonus; a round that
// ran out of time pays nothing.
std::int64_t RoundPoints(std::int64_t handPoints, int secondsLeft, std::int32_t timeBonus);

// After gRound has been advanced to `round`: rounds 1-3 always, the bonus round when the score has
// reached the threshold, and nothing after the bonus round.
bool GameGoesOn(int round, std::int32_t score, std::int32_t bonusRoundScore);

// gCustomScoring: any hand value, the time bonus, the bonus-round score or the overwrites away from
// the built-in values. The count-down does not count.
void CheckForCustom();

} // namespace gridhand
