#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandHands.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace gridhand;

namespace {

struct LineCase {
    LineHand cards;
    Hand hand;
};

class HandEvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetGridhandDefaults();
    }
};

// Lays codes into the grid; "" leaves a cell empty. Codes carry the deck's leading blank.
Grid gridOf(std::initializer_list<std::pair<int, const char*>> cells)
{
    Grid g{};
    for (const auto& [index, code] : cells)
        g[index] = std::string(" ") + code;
    return g;
}

} // namespace

TEST_F(HandEvaluatorTest, ClassifiesEachLineAsThePokerHandItMakes)
{
    const LineCase cases[] = {
        {{"0", "0", "0", "0", "0"}, Hand::Nothing},
        {{"13S", "13H", "0", "0", "0"}, Hand::Pair},
        {{"13S", "2H", "5C", "9D", "11S"}, Hand::Nothing},
        {{"13S", "13H", "4C", "4D", "0"}, Hand::TwoPair},
        {{"7S", "7H", "7C", "0", "0"}, Hand::ThreeKind},
        {{"7S", "7H", "7C", "7D", "0"}, Hand::FourKind},
        {{"12S", "12H", "12C", "4D", "4S"}, Hand::FullHouse},
        {{"4D", "12S", "4S", "12H", "12C"}, Hand::FullHouse},
        {{"10H", "11H", "12H", "13H", "1H"}, Hand::RoyalFlush},
        {{"1H", "13H", "11H", "10H", "12H"}, Hand::RoyalFlush},
        {{"10H", "11S", "12H", "13C", "1D"}, Hand::Straight},
        {{"1S", "2S", "3S", "4S", "5S"}, Hand::StraightFlush},
        {{"9D", "10D", "11D", "12D", "13D"}, Hand::StraightFlush},
        {{"12S", "13S", "1S", "2S", "3S"}, Hand::Flush},
        {{"12S", "13H", "1S", "2S", "3S"}, Hand::Nothing},
        {{"2C", "7C", "9C", "11C", "4C"}, Hand::Flush},
        {{"2C", "7C", "9C", "11C", "0"}, Hand::Nothing},
        {{"6H", "7S", "8D", "9C", "10H"}, Hand::Straight},
        {{"2H", "3S", "4D", "5C", "6H"}, Hand::Straight},
        {{"1H", "2S", "3D", "4C", "5H"}, Hand::Straight},
        {{"2H", "3S", "4D", "5C", "0"}, Hand::Nothing},
        {{"11H", "12S", "13D", "1C", "2H"}, Hand::Nothing},
        {{"xy", "7H", "7S", "0", "0"}, Hand::Pair},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(EvaluateHand(c.cards), c.hand) << c.cards[0] << " " << c.cards[1] << " " << c.cards[2] << " "
                                                  << c.cards[3] << " " << c.cards[4];
}

TEST_F(HandEvaluatorTest, HandsAreNamedAndPaidFromTheValuesInForce)
{
    const std::pair<Hand, const char*> names[] = {
        {Hand::Nothing, "Nothing"},     {Hand::Pair, "1 Pair"},         {Hand::TwoPair, "2 Pair"},
        {Hand::ThreeKind, "3 of a kind"}, {Hand::Straight, "Straight"}, {Hand::Flush, "Flush"},
        {Hand::FullHouse, "Full House"}, {Hand::FourKind, "4 of a kind"}, {Hand::StraightFlush, "St. Flush"},
        {Hand::RoyalFlush, "Royal Flush"}};
    const std::int32_t values[] = {0, 50, 70, 80, 90, 100, 200, 300, 400, 500};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_STREQ(HandName(names[i].first), names[i].second);
        EXPECT_EQ(HandValue(names[i].first), values[i]) << names[i].second;
    }
    gFlushPoints = 1234;
    EXPECT_EQ(HandValue(Hand::Flush), 1234);
}

TEST_F(HandEvaluatorTest, OfAKindCodesAndTallies)
{
    EXPECT_EQ(OfAKindCode(2), "P");
    EXPECT_EQ(OfAKindCode(3), "T");
    EXPECT_EQ(OfAKindCode(4), "F");
    for (int other : {0, 1, 5})
        EXPECT_EQ(OfAKindCode(other), "");
    int pairs = 0, trips = 0, fours = 0;
    for (int count : {2, 2, 3, 4, 1, 0})
        TallyOfAKind(count, pairs, trips, fours);
    EXPECT_EQ(pairs, 2);
    EXPECT_EQ(trips, 1);
    EXPECT_EQ(fours, 1);
}

TEST_F(HandEvaluatorTest, TransposingMirrorsTheGridAndTwiceRestoresIt)
{
    Grid g{};
    for (int i = 0; i < GridSize; ++i)
        g[i] = std::to_string(i);
    Grid t = g;
    TransposeGrid(t);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(t[r * 5 + c], g[c * 5 + r]);
    TransposeGrid(t);
    EXPECT_EQ(t, g);
}

TEST_F(HandEvaluatorTest, AnEmptyGridScoresNothingOnAllTenLines)
{
    const GridScore s = ScoreGrid(Grid{});
    EXPECT_EQ(s.points, 0);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(s.rows[k], Hand::Nothing);
        EXPECT_EQ(s.cols[k], Hand::Nothing);
    }
}

TEST_F(HandEvaluatorTest, TheGridScoresRowsAndColumnsAndACardCountsInBoth)
{
    // Two kings in the top row; the king at cell 0 and another in cell 5 pair column 1.
    const Grid g = gridOf({{0, "13S"}, {3, "13H"}, {5, "13C"}});
    const GridScore s = ScoreGrid(g);
    EXPECT_EQ(s.rows[0], Hand::Pair);
    EXPECT_EQ(s.rows[1], Hand::Nothing);
    EXPECT_EQ(s.cols[0], Hand::Pair);
    EXPECT_EQ(s.cols[3], Hand::Nothing);
    EXPECT_EQ(s.points, 100);

    // Four sevens down the last column with one cell empty.
    const GridScore four = ScoreGrid(gridOf({{4, "7S"}, {9, "7H"}, {19, "7C"}, {24, "7D"}}));
    EXPECT_EQ(four.cols[4], Hand::FourKind);
    EXPECT_EQ(four.points, 300);
}

TEST_F(HandEvaluatorTest, BreakingAMadeHandTakesItsPointsAway)
{
    Grid g = gridOf({{10, "10H"}, {11, "11H"}, {12, "12H"}, {13, "13H"}, {14, "1H"}});
    EXPECT_EQ(ScoreGrid(g).rows[2], Hand::RoyalFlush);
    EXPECT_EQ(ScoreGrid(g).points, 500);
    g[14] = " 2S";
    EXPECT_EQ(ScoreGrid(g).rows[2], Hand::Nothing);
    EXPECT_EQ(ScoreGrid(g).points, 0);
}
