#include "core/cards/Deck.h"
#include "core/cards/ImageList.h"
#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>

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
