#pragma once
// The rounds of a Duetto game: the clock's warnings, what a round end pays and in which order, and
// what follows it (round two, the bonus round when the score reached the target, or the end).
#include <cstdint>
#include <vector>

namespace duetto {

constexpr int BonusRound = 3;

enum class TimeWarning { None, RunningOut, Hurry };
// From half the round left down to a quarter "Times running out!", below a quarter "Better Hurry!";
// the quarter and half are rounded half to even (45 s: 11 and 22).
TimeWarning WarningFor(int elapsed, int timeLimit);
const char* WarningText(TimeWarning warning);

enum class AwardKind { Completion, Speed, Runs, Pairs };
struct Award {
    AwardKind kind;
    std::int32_t count;
    std::int32_t value; // per second for the speed bonus
};
// The bonuses of a round end, in the order they are paid: completion (top row cleared), the seconds
// left, runs, pairs; each only when there is something to pay.
std::vector<Award> RoundEndAwards(bool completed, int secondsLeft, std::int32_t runs, std::int32_t pairs);
// "Completion Bonus", "Runs Bonus", "Pairs Bonus" (the speed bonus writes its own).
const char* AwardText(AwardKind kind);

enum class AfterRound { RoundTwo, BonusRound, GameOver };
// newRound: gRound already advanced past the round that ended.
AfterRound NextAfterRound(int newRound, std::int32_t score, std::int32_t bonusRoundScore);

// gCustomScoring: any of the five scoring values away from its built-in value (the count-down does not count).
void CheckForCustom();

} // namespace duetto
