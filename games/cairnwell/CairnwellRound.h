#pragma once
// The Cairnwell game cycle's arithmetic: the round clock's warnings, what follows a round, the
// end-of-round deck bonus and left-over penalty, and whether the scoring is the built-in one.
#include <cstdint>
#include <vector>

namespace cairnwell {

constexpr int LastRegularRound = 2;
constexpr int BonusRound = 3;

// Status-bar panel 2 after a tick with `left` seconds to go: "Times running out!" from half the
// limit down to a quarter, "Better Hurry!" below a quarter (both halves rounded to even), else nothing.
const char* TimeWarning(int timeLimit, int elapsed);

enum class AfterRound { NextRound, BonusRound, GameOver };
// Round 1 always goes on; round 2 goes on to the bonus round with at least the bonus-round score.
AfterRound WhatFollows(int round, std::int32_t score, std::int32_t bonusRoundScore);

// Adds points (negative to take them) to gScore, held within 32 bits.
void AddToScore(std::int64_t points);

class CairnwellTable;
// Column places 11 down to 0, then storage places 2 down to 0, that still hold a card: the order
// in which the left-over penalty is taken.
std::vector<int> LeftoverColumnPlaces(const CairnwellTable& table);
std::vector<int> LeftoverStoragePlaces(const CairnwellTable& table);

// gCustomScoring: any of the seven scoring values away from its built-in copy.
void CheckForCustom();

} // namespace cairnwell
