#pragma once
// The card-total table: what the sum of the five columns is worth.
#include <array>

namespace stackjack {

struct CardTotalRow {
    const char* totalCaption;  // "< 97", "97" .. "105"
    const char* pointsCaption; // "0", "50" .. "1000"
};

constexpr int NoRow = -1;     // a total above 105 (a bust) marks no row
constexpr int BelowRow = 0;   // the "< 97" row
constexpr int RowCount = 10;  // "< 97", then 97 to 105

// Rows from top: "< 97" then 97 .. 105.
const std::array<CardTotalRow, RowCount>& CardTotalRows();
// Row of a total: BelowRow under 97, 1..9 for 97..105, NoRow above.
int CardTotalRowOf(int total);
// Points of a row (its points caption as a number).
int CardTotalPoints(int row);

// Marks the row of gCurrentTotal, sets gCardTotalValue and offers "&Take score" for 97 to 105.
// Below 97 gCardTotalValue keeps its value: it is read only when the score is taken.
void SetCardTotalValue();

} // namespace stackjack
