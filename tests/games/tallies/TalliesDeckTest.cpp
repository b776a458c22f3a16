#include "TalliesFixture.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesField.h"
#include "platform/Random.h"

#include <algorithm>
#include <map>

using namespace tallies;

namespace {
struct GoalCase {
    int goal;
    int size;
    const char* countCaption;
    int highestRank;
};
} // namespace

TEST_F(TalliesTest, DeckHasSixteenAcesAndTheRanksTheGoalNeeds)
{
    const GoalCase cases[] = {
        {10, 52, "Cards: 30", 10}, {11, 52, "Cards: 30", 10}, {12, 56, "Cards: 34", 11},
        {13, 60, "Cards: 38", 12}, {14, 64, "Cards: 42", 13}, {15, 64, "Cards: 42", 13},
        {0, 52, "Cards: 30", 10},  {16, 52, "Cards: 30", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goal);
        dealNewGame(c.goal, {});
        ASSERT_EQ(deckUpperBound(), c.size);
        std::map<int, int> ranks;
        for (int p = 1; p <= c.size; ++p)
            ++ranks[CardValue(gDeck[p])];
        EXPECT_EQ(ranks[1], 16);
        for (int r = 2; r <= c.highestRank; ++r)
            EXPECT_EQ(ranks[r], 4) << "rank " << r;
        EXPECT_EQ(ranks.rbegin()->first, c.highestRank);
        EXPECT_EQ(int(gTalliesRound1Deck.size()), c.size + 1);
        EXPECT_EQ(int(gTalliesDrawPile.size()), c.size - 22 + 1);
        EXPECT_EQ(CardCountCaption(), c.countCaption);
        EXPECT_EQ(PlayCardPictureKey(), "FULL");
    }
}

TEST_F(TalliesTest, DeckCodesCarryTheBlankOnlyOnTwoToTen)
{
    prepareDeck(15, {});
    EXPECT_EQ(gDeck[1], "1S");
    EXPECT_EQ(gDeck[16], "1D");
    EXPECT_EQ(gDeck[17], " 2S");
    EXPECT_EQ(gDeck[25], " 10S");
    EXPECT_EQ(gDeck[52], " 10D");
    EXPECT_EQ(gDeck[53], "11S");
    EXPECT_EQ(gDeck[60], "12D");
    EXPECT_EQ(gDeck[64], "13D");
}

TEST_F(TalliesTest, ShuffledGoalFifteenDeckDealsAllItsCards)
{
    platform::seedRandom(5);
    prepareDeck(15, {});
    auto before = gDeck;
    ASSERT_TRUE(ShuffleDeck());
    ASSERT_TRUE(Deal(true));
    // The field, then the pile from the first up card on: every card of the deck is dealt once.
    std::vector<CardCode> dealt(gTalliesFieldCards.begin(), gTalliesFieldCards.end());
    for (int j = 0; j <= gTalliesCardsLeft; ++j)
        dealt.push_back(gTalliesDrawPile[j]);
    std::sort(dealt.begin(), dealt.end());
    before.erase(before.begin());
    std::sort(before.begin(), before.end());
    EXPECT_EQ(dealt, before);
    EXPECT_EQ(gTalliesUpCards[1], gDeck[23]);
    EXPECT_EQ(gTalliesRound1Deck, gDeck);
}
