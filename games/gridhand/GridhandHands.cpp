#include "games/gridhand/GridhandHands.h"

#include "core/scores/GameScoring.h"

#include <algorithm>
#include <cctype>

namespace gridhand {

namespace {

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The leading number of an entry, as the number conversion reads it: "10H" is 10, "0" and "xy" are 0.
int valueOf(const std::string& entry)
{
    std::size_t i = 0;
    while (i < entry.size() && entry[i] == ' ')
        ++i;
    int value = 0;
    for (; i < entry.size() && std::isdigit(static_cast<unsigned char>(entry[i])); ++i) {
        value = value * 10 + (entry[i] - '0');
        if (value > 1000)
            return 0; // no card; keeps a stray long number from overflowing
    }
    return value;
}

int suitIndex(const std::string& entry)
{
    if (entry.empty())
        return -1;
    switch (entry.back()) {
    case 'S':
        return 0;
    case 'H':
        return 1;
    case 'C':
        return 2;
    case 'D':
        return 3;
    default:
        return -1;
    }
}

// The sorted values written one after another; its first character chooses the run it must equal.
bool isStraight(const std::string& key)
{
    if (key.empty())
        return false;
    switch (key[0]) {
    case '1':
        return key == "12345" || key == "110111213";
    case '2':
        return key == "23456";
    case '3':
        return key == "34567";
    case '4':
        return key == "45678";
    case '5':
        return key == "56789";
    case '6':
        return key == "678910";
    case '7':
        return key == "7891011";
    case '8':
        return key == "89101112";
    case '9':
        return key == "910111213";
    default:
        return false;
    }
}

} // namespace

std::string OfAKindCode(int ValueCount)
{
    switch (ValueCount) {
    case 2:
        return "P";
    case 3:
        return "T";
    case 4:
        return "F";
    default:
        return {};
    }
}

void TallyOfAKind(int ValueCount, int& Pairs, int& Trips, int& Fours)
{
    const std::string code = OfAKindCode(ValueCount);
    if (code == "P")
        ++Pairs;
    else if (code == "T")
        ++Trips;
    else if (code == "F")
        ++Fours;
}

Hand EvaluateHand(const LineHand& Cards)
{
    std::array<int, 4> suits{};
    std::array<int, 14> values{};
    std::array<int, LineSize> sorted{};
    for (int i = 0; i < LineSize; ++i) {
        if (const int s = suitIndex(Cards[i]); s >= 0)
            ++suits[s];
        const int v = valueOf(Cards[i]);
        if (v >= 1 && v <= 13)
            ++values[v];
        sorted[i] = v;
    }
    int pairs = 0, trips = 0, fours = 0;
    for (int v = 1; v <= 13; ++v)
        TallyOfAKind(values[v], pairs, trips, fours);

    Hand hand = Hand::Nothing;
    if (pairs == 1)
        hand = Hand::Pair;
    if (pairs == 2)
        hand = Hand::TwoPair;
    if (trips == 1)
        hand = Hand::ThreeKind;
    if (std::find(suits.begin(), suits.end(), 5) != suits.end())
        hand = Hand::Flush;

    std::sort(sorted.begin(), sorted.end());
    std::string key;
    for (int v : sorted)
        key += std::to_string(v);
    if (isStraight(key)) {
        if (hand != Hand::Flush)
            hand = Hand::Straight;
        else
            hand = key == "110111213" ? Hand::RoyalFlush : Hand::StraightFlush;
    }
    if (trips == 1 && pairs == 1)
        hand = Hand::FullHouse;
    if (fours == 1)
        hand = Hand::FourKind;
    return hand;
}

const char* HandName(Hand hand)
{
    switch (hand) {
    case Hand::Pair:
        return "1 Pair";
    case Hand::TwoPair:
        return "2 Pair";
    case Hand::ThreeKind:
        return "3 of a kind";
    case Hand::Straight:
        return "Straight";
    case Hand::Flush:
        return "Flush";
    case Hand::FullHouse:
        return "Full House";
    case Hand::FourKind:
        return "4 of a kind";
    case Hand::StraightFlush:
        return "St. Flush";
    case Hand::RoyalFlush:
        return "Royal Flush";
    case Hand::Nothing:
        break;
    }
    return "Nothing";
}

std::int32_t HandValue(Hand hand)
{
    switch (hand) {
    case Hand::Pair:
        return gPairPoints;
    case Hand::TwoPair:
        return gTwoPairPoints;
    case Hand::ThreeKind:
        return gThreeKindPoints;
    case Hand::Straight:
        return gStraightPoints;
    case Hand::Flush:
        return gFlushPoints;
    case Hand::FullHouse:
        return gFullHousePoints;
    case Hand::FourKind:
        return gFourKindPoints;
    case Hand::StraightFlush:
        return gStraightFlushPoints;
    case Hand::RoyalFlush:
        return gRoyalFlushPoints;
    case Hand::Nothing:
        break;
    }
    return 0;
}

void TransposeGrid(Grid& grid)
{
    for (int r = 0; r < LineSize; ++r)
        for (int c = r + 1; c < LineSize; ++c)
            std::swap(grid[r * LineSize + c], grid[c * LineSize + r]);
}

std::array<LineHand, LineSize> RowsOf(const Grid& grid)
{
    std::array<LineHand, LineSize> rows;
    for (int i = 0; i < GridSize; ++i) {
        const std::string card = trimmed(grid[i]);
        rows[i / LineSize][i % LineSize] = card.empty() ? std::string("0") : card;
    }
    return rows;
}

GridScore ScoreGrid(const Grid& grid)
{
    GridScore score;
    Grid transposed = grid;
    TransposeGrid(transposed);
    const auto rows = RowsOf(grid);
    const auto cols = RowsOf(transposed);
    for (int k = 0; k < LineSize; ++k) {
        score.rows[k] = EvaluateHand(rows[k]);
        score.cols[k] = EvaluateHand(cols[k]);
        score.points += std::int64_t(HandValue(score.rows[k])) + HandValue(score.cols[k]);
    }
    return score;
}

} // namespace gridhand
