#include "games/spires/SpiresTowers.h"

namespace spires {

namespace {
// Row 2 places 3 to 8 are covered by row 3 pairs; rows 3 by the base row.
constexpr std::array<std::array<int, 2>, 9> UpperCovers{{
    {3, 4}, {5, 6}, {7, 8}, {9, 10}, {10, 11}, {12, 13}, {13, 14}, {15, 16}, {16, 17},
}};
constexpr std::array<int, PlaceCount> Offsets{
    -6, 0, 6,                                // tops
    -7, -5, -1, 1, 5, 7,                     // row 2
    -8, -6, -4, -2, 0, 2, 4, 6, 8,           // row 3
    -9, -7, -5, -3, -1, 1, 3, 5, 7, 9,       // base
};
} // namespace

std::array<int, 2> CoveredBy(int place)
{
    if (place < 0 || place >= FirstBasePlace)
        return {-1, -1};
    if (place < 9)
        return UpperCovers[std::size_t(place)];
    return {place + 9, place + 10};
}

std::vector<int> Covers(int place)
{
    std::vector<int> covered;
    for (int p = 0; p < FirstBasePlace; ++p) {
        const auto covers = CoveredBy(p);
        if (covers[0] == place || covers[1] == place)
            covered.push_back(p);
    }
    return covered;
}

int TowerOfTop(int place) { return place >= 0 && place < TowerCount ? place + 1 : 0; }

int RowOf(int place)
{
    if (place < 3)
        return 1;
    if (place < 9)
        return 2;
    if (place < FirstBasePlace)
        return 3;
    return 4;
}

int HalfWidthOffset(int place) { return place >= 0 && place < PlaceCount ? Offsets[std::size_t(place)] : 0; }

} // namespace spires
