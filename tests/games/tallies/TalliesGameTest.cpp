#include "TalliesFixture.h"

#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesRound.h"
#include "platform/Random.h"

using namespace tallies;

TEST_F(TalliesTest, ReplayDealsTheSameDecksInTheSameOrder)
{
    platform::seedRandom(42);
    gTalliesBonusScore = 0; // every game reaches the bonus round
    ASSERT_TRUE(StartGame());
    const auto first = gDeck;
    ASSERT_EQ(takeScore().next, TalliesNext::RoundTwo);
    const auto second = gDeck;
    ASSERT_EQ(takeScore().next, TalliesNext::BonusRound);
    const auto third = gDeck;
    ASSERT_EQ(takeScore().next, TalliesNext::GameOver);
    EXPECT_NE(first, second);
    EXPECT_NE(second, third);
    EXPECT_EQ(gTalliesRound1Deck, first);
    EXPECT_EQ(gTalliesRound2Deck, second);
    EXPECT_EQ(gTalliesRound3Deck, third);

    gTalliesReplay = true;
    ASSERT_TRUE(StartGame());
    EXPECT_EQ(gDeck, first);
    EXPECT_EQ(gTalliesFieldCards[0], first[1]);
    EXPECT_TRUE(gTalliesReplay);
    takeScore();
    EXPECT_EQ(gDeck, second);
    EXPECT_TRUE(gTalliesReplay);
    takeScore();
    EXPECT_EQ(gDeck, third);
    EXPECT_FALSE(gTalliesReplay) << "the bonus round ends the replay";
    EXPECT_EQ(gTalliesRound3Deck, third);
}

TEST_F(TalliesTest, ReplayOfAGameWithoutBonusRoundShufflesAFreshBonusDeck)
{
    platform::seedRandom(8);
    gTalliesBonusScore = 1000000;
    ASSERT_TRUE(StartGame());
    takeScore();
    const auto second = gDeck;
    ASSERT_EQ(takeScore().next, TalliesNext::GameOver);
    ASSERT_TRUE(gTalliesRound3Deck[1].empty());

    gTalliesBonusScore = 0;
    gTalliesReplay = true;
    ASSERT_TRUE(StartGame());
    takeScore();
    EXPECT_EQ(gDeck, second);
    ASSERT_EQ(takeScore().next, TalliesNext::BonusRound);
    EXPECT_NE(gDeck, second);
    EXPECT_EQ(gTalliesRound3Deck, gDeck);
}

namespace {
// A goal-11 deck whose field can be cleared in eleven pairs, each pair exposed by the ones before.
std::vector<CardCode> clearableDeck()
{
    const int fieldValues[TalliesFieldSize] = {1, 10, 10, 4, 7, 3, 8, 2, 9, 1, 1,
                                               10, 4, 7, 5, 6, 3, 8, 2, 9, 5, 6};
    std::vector<CardCode> deck(53);
    for (int i = 0; i < TalliesFieldSize; ++i)
        deck[i + 1] = ' ' + std::to_string(fieldValues[i]) + "S";
    deck[23] = " 9H"; // first up card
    for (int p = 24; p <= 50; ++p)
        deck[p] = " 3D";
    deck[51] = " 7C"; // drawn second
    deck[52] = " 4C"; // drawn first
    return deck;
}

const std::pair<int, int> ClearingPairs[] = {{20, 21}, {16, 17}, {18, 19}, {10, 11}, {12, 13}, {14, 15},
                                             {5, 6},   {7, 8},   {9, 1},   {3, 4},   {0, 2}};

TalliesCombination pair(int a, int b)
{
    EXPECT_EQ(SelectFieldCard(a).outcome, TalliesSelection::Selected) << a;
    const auto made = SelectFieldCard(b);
    EXPECT_TRUE(made.madeCombination) << a << "+" << b;
    return made.combination;
}

TalliesCombination withUpCard(int a)
{
    EXPECT_EQ(SelectUpCard().outcome, TalliesSelection::Selected);
    const auto made = SelectFieldCard(a);
    EXPECT_TRUE(made.madeCombination) << "up card + " << a;
    return made.combination;
}
} // namespace

TEST_F(TalliesTest, ScriptedGameReachesTheBonusRoundAndEndsWithTheExactScore)
{
    gTalliesRound1Deck = gTalliesRound2Deck = gTalliesRound3Deck = clearableDeck();
    gDeck = clearableDeck();
    gTalliesDrawPile.assign(31, CardCode());
    gTalliesBonusScore = 18000;
    gTalliesReplay = true;
    ASSERT_TRUE(StartGame());

    // Round 1: four combinations, one draw, score taken with 60 seconds left.
    runClock(30);
    EXPECT_EQ(pair(20, 21).points, 400);
    EXPECT_EQ(pair(16, 17).points, 600);
    const auto third = withUpCard(7);
    EXPECT_EQ(third.points, 600);
    EXPECT_TRUE(third.freeDraw);
    const auto drawn = DrawCard();
    EXPECT_EQ(drawn.movedToPosition, 7);
    EXPECT_EQ(drawn.cost, 200);
    EXPECT_EQ(withUpCard(7).points, 600);
    EXPECT_EQ(gScore, 2000);
    EXPECT_EQ(CardCountCaption(), "Cards: 27");
    auto taken = takeScore();
    EXPECT_EQ(taken.next, TalliesNext::RoundTwo);
    EXPECT_EQ(gScore, 2000 + 4 * 1500 + 60 * 100);

    // Round 2: two combinations, then the time runs out.
    pair(20, 21);
    pair(16, 17);
    runClock(90);
    taken = takeScore();
    EXPECT_TRUE(taken.end.bonuses.size() == 1 && taken.end.bonuses[0].kind == TalliesBonusKind::Combinations);
    EXPECT_EQ(gScore, 14000 + 1000 + 2 * 1500);
    ASSERT_EQ(taken.next, TalliesNext::BonusRound) << "the score equals the threshold";
    EXPECT_EQ(gTalliesRound, 3);

    // Bonus round: the whole field cleared with 45 seconds left.
    runClock(45);
    std::int32_t points = 0;
    TalliesCombination last;
    for (const auto& [a, b] : ClearingPairs) {
        last = pair(a, b);
        points += last.points;
    }
    EXPECT_EQ(points, 9600);
    ASSERT_TRUE(last.fieldCleared);
    taken = takeScore();
    EXPECT_TRUE(taken.end.completed);
    EXPECT_EQ(taken.next, TalliesNext::GameOver);
    EXPECT_EQ(gScore, 18000 + 9600 + 10000 + 11 * 1500 + 45 * 100);
    EXPECT_EQ(gScore, 58600);
    EXPECT_EQ(gPreviousScore, 58600);
    EXPECT_EQ(gTalliesRound, 1);
    EXPECT_FALSE(gTalliesReplay);
}
