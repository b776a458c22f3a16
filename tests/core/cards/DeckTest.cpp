#include "core/cards/Deck.h"
#include "core/cards/ImageList.h"
#include "platform/Random.h"
#include "support/PlatformFakes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(Deck, FreshDeckHoldsTheSuitsInOrderWithLeadingBlanks)
{
    ASSERT_TRUE(CreateDeck());
    ASSERT_EQ(deckUpperBound(), 52);
    EXPECT_EQ(gDeck[1], " 1S");
    EXPECT_EQ(gDeck[13], " 13S");
    EXPECT_EQ(gDeck[14], " 1H");
    EXPECT_EQ(gDeck[40], " 1D");
    EXPECT_EQ(gDeck[52], " 13D");
    for (int i = 1; i <= 52; ++i)
        EXPECT_EQ(ImageList2().indexOf(QString::fromStdString(trimmedCode(gDeck[i]))), ImageList::FirstFace + i - 1);
}

TEST(Deck, CodesReadBackAsRankAndSuit)
{
    EXPECT_EQ(cardRank(" 13D"), 13);
    EXPECT_EQ(cardRank("10H"), 10);
    EXPECT_EQ(cardSuit(" 10H"), 'H');
    EXPECT_EQ(cardRank(""), 0);
}

namespace {
void expectSameCardsAfterShuffle(int upperBound)
{
    gDeck.assign(upperBound + 1, CardCode());
    gDeck[0] = "untouched";
    for (int i = 1; i <= upperBound; ++i)
        gDeck[i] = cardCode((i - 1) % 13 + 1, ((i - 1) / 13) % 4) + std::to_string(i); // unique codes
    auto before = gDeck;
    ASSERT_TRUE(ShuffleDeck());
    EXPECT_EQ(gDeck[0], "untouched");
    EXPECT_NE(gDeck, before);
    std::sort(before.begin() + 1, before.end());
    auto after = gDeck;
    std::sort(after.begin() + 1, after.end());
    EXPECT_EQ(after, before);
}
} // namespace

TEST(Deck, ShuffleKeepsTheCardsOfAnyDeckSize)
{
    platform::seedRandom(7);
    expectSameCardsAfterShuffle(52);
    expectSameCardsAfterShuffle(64);
}

// Every card is as likely at every place. Over a million decks a (start, place) count strays from its
// share by 0.7 % (one sigma) through chance alone, and the worst of the 2,704 cells by about 3 %; a band
// of 3.5 % holds for a fair shuffle (and the seed is fixed), while a shuffle that favours some cell by
// 5 % or more falls outside it. Exchanging with any place of the whole deck is off by over 30 %.
TEST(Deck, EveryCardIsAsLikelyAtEveryPlace)
{
    constexpr int Decks = 1000000;
    constexpr int Size = 52;
    constexpr double Band = 0.035;
    platform::seedRandom(20240309);
    // Each card is marked by one character; a deck goes on from where the last one left it, and each
    // shuffle is scored by where every card started from in it.
    gDeck.assign(Size + 1, CardCode());
    for (int i = 1; i <= Size; ++i)
        gDeck[i] = CardCode(1, char(i));
    auto card = [](int place) { return static_cast<unsigned char>(gDeck[place][0]); };
    std::array<std::array<int, Size + 1>, Size + 1> seen{}; // [start][place]
    std::array<int, Size + 1> startOf{};                    // [card]
    for (int d = 0; d < Decks; ++d) {
        for (int place = 1; place <= Size; ++place)
            startOf[card(place)] = place;
        ASSERT_TRUE(ShuffleDeck());
        for (int place = 1; place <= Size; ++place)
            ++seen[startOf[card(place)]][place];
    }
    const double share = double(Decks) / Size;
    double worst = 0;
    int worstStart = 0, worstPlace = 0;
    for (int start = 1; start <= Size; ++start)
        for (int place = 1; place <= Size; ++place) {
            const double off = std::abs(seen[start][place] / share - 1);
            if (off > worst)
                worst = off, worstStart = start, worstPlace = place;
        }
    EXPECT_LT(worst, Band) << "the card from place " << worstStart << " went to place " << worstPlace << " "
                           << seen[worstStart][worstPlace] << " times against a share of " << share;
}

TEST(Deck, TwoShufflesInARowDiffer)
{
    platform::seedRandom(11);
    ASSERT_TRUE(CreateDeck());
    ASSERT_TRUE(ShuffleDeck());
    const auto first = gDeck;
    ASSERT_TRUE(CreateDeck());
    ASSERT_TRUE(ShuffleDeck());
    EXPECT_NE(gDeck, first);
}

TEST(Deck, RandomNumberStaysInItsBounds)
{
    platform::seedRandom(3);
    bool seenLow = false, seenHigh = false;
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(RandomNumber(1, 1), 1);
        const int n = RandomNumber(14, 65);
        ASSERT_GE(n, 14);
        ASSERT_LE(n, 65);
        seenLow |= n == 14;
        seenHigh |= n == 65;
    }
    EXPECT_TRUE(seenLow && seenHigh);
}

namespace {
// Draws that are always `r`, for the test's lifetime.
class FixedDraws {
public:
    explicit FixedDraws(double r) { platform::setRandomUnitSource([r] { return r; }); }
    ~FixedDraws() { platform::setRandomUnitSource({}); }
};
} // namespace

// The generator does return draws just below 1, where the scaled draw rounds up to one past the
// range: every bound the suite asks for must still come back inside it, the lowest draw as Lower,
// the highest as Upper.
TEST(Deck, RandomNumberKeepsToItsBoundsAtTheEndsOfTheDraw)
{
    std::vector<double> draws{0.0, std::numeric_limits<double>::denorm_min(), 0.5};
    for (double r = 1.0; draws.size() < 3 + 40;)
        draws.push_back(r = std::nextafter(r, 0.0)); // the forty largest below 1
    std::vector<std::pair<int, int>> bounds{{1, 1}, {14, 65}};
    for (const int size : {52, 56, 60, 64})
        for (int i = 1; i <= size; ++i)
            bounds.emplace_back(i, size); // each draw of a shuffle
    for (const double r : draws) {
        FixedDraws fixed(r);
        for (const auto& [lower, upper] : bounds) {
            const int n = RandomNumber(lower, upper);
            const int expected = r == 0.5 ? lower + (upper - lower + 1) / 2 : r < 0.5 ? lower : upper;
            ASSERT_EQ(n, expected) << "RandomNumber(" << lower << ", " << upper << ") with r = " << std::hexfloat << r;
        }
    }
}

// A shuffle whose every draw is the highest still shuffles the whole deck.
TEST(Deck, ShuffleWithTheHighestDrawsKeepsTheCards)
{
    ScriptedMessageBoxes noBox; // "Unable to shuffle the deck." would fail the test
    FixedDraws highest(std::nextafter(1.0, 0.0));
    for (const int size : {52, 64})
        expectSameCardsAfterShuffle(size);
}
