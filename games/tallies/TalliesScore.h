#pragma once
// Points of the Tallies game and the one way the score changes.
// gTalliesBonusScore, gTalliesCompletionBonus and gTalliesComboBonus live with the other games'
// scoring values, which the custom-scoring and rules dialogs also read.
#include "core/scores/GameScoring.h"

#include <cstdint>

namespace tallies {

constexpr std::int32_t UpCardPoints = 100;
constexpr std::int32_t DrawCost = 100; // each draw, and each up card moved into the field

// Points for removing the card on field position Index (0 to 21): 700 at the top down to 200.
std::int32_t FieldCardPoints(int Index);

// Adds Points to gScore, summed in 64 bits and held within the 32-bit range.
void AddToScore(std::int64_t Points);

} // namespace tallies
