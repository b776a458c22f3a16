#include "games/stackjack/ScoreCountDown.h"

#include "platform/Conversions.h"

namespace stackjack {

std::vector<CountDownStep> CountDownSteps(const TakenScore& taken)
{
    std::vector<CountDownStep> steps;
    const std::int64_t step = 2 * std::int64_t(taken.timeBonus);
    if (step <= 0)
        return steps;
    std::int64_t remaining = taken.roundScore;
    std::int64_t score = taken.scoreBefore;
    for (std::int64_t counter = 1; counter <= taken.roundScore; counter += step) {
        CountDownStep shown;
        shown.remaining = remaining;
        remaining -= step;
        score += step;
        shown.score = platform::saturateLong(score);
        shown.tick = (steps.size() + 1) % 3 == 0;
        steps.push_back(shown);
    }
    return steps;
}

} // namespace stackjack
