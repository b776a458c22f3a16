#pragma once
// The figures shown while a taken round score is counted into the game score.
#include "games/stackjack/StackjackRound.h"

#include <cstdint>
#include <vector>

namespace stackjack {

struct CountDownStep {
    std::int64_t remaining = 0; // the figure shown in this step, before it is counted
    std::int32_t score = 0;     // the game score shown after this step
    bool tick = false;          // every third step plays "Tick.wav"
};
// Steps of twice the time bonus each: a card-total value of 200 takes 100 steps.
std::vector<CountDownStep> CountDownSteps(const TakenScore& taken);

} // namespace stackjack
