#pragma once
// The poker-hand evaluator: each of the grid's five rows and five columns is classified as a hand and
// paid its point value. Pure functions over card codes; the window writes the names into its labels.
#include "core/SuiteGlobals.h"

#include <array>
#include <cstdint>
#include <string>

namespace gridhand {

enum class Hand { Nothing, Pair, TwoPair, ThreeKind, Straight, Flush, FullHouse, FourKind, StraightFlush, RoyalFlush };

inline constexpr int GridSize = 25;
inline constexpr int LineSize = 5;

// Cells row-major (row x 5 + column): a card code as the deck gives it (leading blank) or "" when empty.
using Grid = std::array<CardCode, GridSize>;
// One row or column: trimmed codes, "0" for an empty cell.
using LineHand = std::array<std::string, LineSize>;

// "P" for 2, "T" for 3, "F" for 4, "" for any other count.
std::string OfAKindCode(int ValueCount);
// Adds one to Pairs, Trips or Fours as OfAKindCode(ValueCount) says.
void TallyOfAKind(int ValueCount, int& Pairs, int& Trips, int& Fours);

// Classifies one line. Pairs and of-a-kinds count as soon as their cards lie in the line; a flush,
// a straight and a full house need all five cards. Straights run A-5 up to 10-A; none passes the king.
Hand EvaluateHand(const LineHand& Cards);

// The label text: "1 Pair", ..., "Royal Flush", "Nothing".
const char* HandName(Hand hand);
// Its points under the values in force (gPairPoints ...); Nothing is 0.
std::int32_t HandValue(Hand hand);

// Mirrors the grid on its main diagonal, so rows become columns; twice restores it.
void TransposeGrid(Grid& grid);

// The five rows of the grid as line hands, top first.
std::array<LineHand, LineSize> RowsOf(const Grid& grid);

struct GridScore {
    std::array<Hand, LineSize> rows{}; // top row first
    std::array<Hand, LineSize> cols{}; // left column first
    std::int64_t points = 0;           // the ten lines' values together: gHandPoints
};
// Scores the rows, then the columns (on the transposed grid), as the placement handler does.
GridScore ScoreGrid(const Grid& grid);

} // namespace gridhand
