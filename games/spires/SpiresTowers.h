#pragma once
// The three towers on their shared base row: 28 places, row by row from the tops (0 to 2) down to the
// base (18 to 27), and which two places of the row below cover each place.
#include <array>
#include <vector>

namespace spires {

constexpr int PlaceCount = 28;
constexpr int TowerCount = 3;
constexpr int FirstBasePlace = 18; // row 4: covered by nothing, dealt face up
constexpr int StockFirst = 28;     // mCards index of the first stock card
constexpr int StockEnd = 51;       // mStockIndex once the stock is empty; also the first up card
constexpr int StockSize = StockEnd - StockFirst;

// The two places that cover `place`; {-1, -1} for the base row.
std::array<int, 2> CoveredBy(int place);
// The places of the row above that `place` covers (one or two, lower-numbered first; none for the tops).
std::vector<int> Covers(int place);
// 1 to 3 for the top of a tower (places 0, 1, 2), else 0.
int TowerOfTop(int place);
// Row 1 (tops) to 4 (base).
int RowOf(int place);
// The horizontal offset of a place in half card widths from the middle of the table.
int HalfWidthOffset(int place);

} // namespace spires
