#include "TalliesFixture.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesRound.h"
#include "games/tallies/TalliesScore.h"

#include "platform/Random.h"

#include <limits>

using namespace tallies;

namespace {
// gDeck position of a field position, and of the first up card.
int fieldAt(int position) { return position + 1; }
constexpr int FirstUpCard = 23;
} // namespace

TEST_F(TalliesTest, ACardThatWouldPassTheGoalIsRefusedAndOneThatMeetsItMakesACombination)
{
    dealNewGame(11, {{fieldAt(7), " 7H"}, {fieldAt(20), " 5S"}, {fieldAt(21), " 4C"}});
    ASSERT_EQ(SelectFieldCard(7).outcome, TalliesSelection::Selected);
    ASSERT_EQ(gTalliesTotal, 7);

    const auto refused = SelectFieldCard(20);
    EXPECT_EQ(refused.outcome, TalliesSelection::Refused);
    EXPECT_EQ(gTalliesTotal, 7);
    EXPECT_FALSE(gTalliesFieldSelected[20]);

    const auto made = SelectFieldCard(21);
    EXPECT_EQ(made.outcome, TalliesSelection::Selected);
    ASSERT_TRUE(made.madeCombination);
    EXPECT_EQ(made.combination.points, 500 + 200);
    EXPECT_EQ(made.combination.removed, (std::vector<int>{7, 21}));
    EXPECT_FALSE(made.combination.usedUpCard);
    EXPECT_FALSE(made.combination.freeDraw);
    EXPECT_EQ(gScore, 700);
    EXPECT_EQ(gTalliesCombos, 1);
    EXPECT_EQ(gTalliesTotal, 0);
    EXPECT_FALSE(gTalliesFieldVisible[7]);
    EXPECT_FALSE(gTalliesFieldVisible[21]);
    EXPECT_TRUE(gTalliesFieldVisible[20]);
    EXPECT_FALSE(gTalliesFieldSelected[7]);
}

TEST_F(TalliesTest, EachTierPaysItsPoints)
{
    const int expected[TalliesFieldSize] = {700, 600, 600, 600, 600, 500, 500, 500, 500, 500, 400,
                                            400, 400, 400, 400, 400, 300, 300, 300, 300, 200, 200};
    dealNewGame(11, {});
    for (int i = 0; i < TalliesFieldSize; ++i) {
        SCOPED_TRACE(i);
        keepOnField({i, i == 0 ? 1 : 0}); // a second card keeps the field from being cleared
        gTalliesFieldCards[i] = "11S";
        gScore = 0;
        const auto made = SelectFieldCard(i);
        ASSERT_TRUE(made.madeCombination);
        EXPECT_EQ(made.combination.points, expected[i]);
        EXPECT_EQ(gScore, expected[i]);
    }
}

TEST_F(TalliesTest, TheUpCardWithTheTopCardMakesEightHundred)
{
    dealNewGame(11, {{fieldAt(0), " 7D"}, {FirstUpCard, " 4H"}});
    keepOnField({0, 21});
    EXPECT_EQ(SelectUpCard().outcome, TalliesSelection::Selected);
    EXPECT_EQ(gTalliesTotal, 4);
    const auto made = SelectFieldCard(0);
    ASSERT_TRUE(made.madeCombination);
    EXPECT_TRUE(made.combination.usedUpCard);
    EXPECT_EQ(gScore, 800);
    EXPECT_EQ(gTalliesCombos, 1);
}

TEST_F(TalliesTest, DeselectingTakesTheValueOffTheTotal)
{
    dealNewGame(11, {{fieldAt(20), " 3S"}, {FirstUpCard, " 5H"}});
    SelectFieldCard(20);
    SelectUpCard();
    ASSERT_EQ(gTalliesTotal, 8);
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Deselected);
    EXPECT_EQ(gTalliesTotal, 5);
    EXPECT_EQ(SelectUpCard().outcome, TalliesSelection::Deselected);
    EXPECT_EQ(gTalliesTotal, 0);
    EXPECT_FALSE(gTalliesUpCardSelected);
    EXPECT_EQ(gScore, 0);
}

TEST_F(TalliesTest, ClicksAreRefusedOnCoveredCardsWithoutAnUpCardWhilePausedAndAfterTheGame)
{
    dealNewGame(11, {{fieldAt(20), " 3S"}});
    EXPECT_EQ(SelectFieldCard(16).outcome, TalliesSelection::Refused);

    Pause();
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Refused);
    EXPECT_EQ(SelectUpCard().outcome, TalliesSelection::Refused);
    EXPECT_TRUE(DrawCard().refused);
    Resume();
    EXPECT_EQ(SelectFieldCard(20).outcome, TalliesSelection::Selected);

    gPileTop = 0;
    EXPECT_EQ(SelectUpCard().outcome, TalliesSelection::Refused);

    gTalliesPhase = TalliesPhase::GameOver;
    EXPECT_EQ(SelectFieldCard(21).outcome, TalliesSelection::Refused);
    EXPECT_TRUE(DrawCard().refused);
    EXPECT_EQ(gTalliesTotal, 3);
    EXPECT_EQ(gTalliesCardsLeft, 29);
}

TEST_F(TalliesTest, UsingTheLastUpCardTurnsTheNextOneFree)
{
    // The pile is drawn from the end of the deck.
    dealNewGame(11, {{fieldAt(21), " 6C"}, {FirstUpCard, " 5H"}, {52, " 9D"}});
    SelectUpCard();
    const auto made = SelectFieldCard(21);
    ASSERT_TRUE(made.madeCombination);
    EXPECT_TRUE(made.combination.freeDraw);
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(UpCardPictureKey(), "9D");
    EXPECT_EQ(CardCountCaption(), "Cards: 29");
    EXPECT_FALSE(gTalliesFieldVisible[21]) << "no up card was there to move into the field";
}

TEST_F(TalliesTest, UsingAnUpCardWithAnEarlierOneBeneathShowsThatOneAndDrawsNothing)
{
    dealNewGame(11, {{fieldAt(21), " 6C"}, {FirstUpCard, " 8H"}, {52, " 5D"}});
    ASSERT_FALSE(DrawCard().refused); // no vacancy: the 5 is laid on the 8
    ASSERT_EQ(gPileTop, 2);
    ASSERT_EQ(gScore, -100);

    SelectUpCard();
    const auto made = SelectFieldCard(21);
    ASSERT_TRUE(made.madeCombination);
    EXPECT_FALSE(made.combination.freeDraw);
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(UpCardPictureKey(), "8H");
    EXPECT_EQ(CardCountCaption(), "Cards: 29");
    EXPECT_EQ(gScore, -100 + 300);
}

TEST_F(TalliesTest, ADrawMovesTheUpCardIntoTheLowestVacancyForTwoHundredInAll)
{
    dealNewGame(11, {{FirstUpCard, " 8H"}, {52, " 2D"}});
    gTalliesFieldVisible[3] = gTalliesFieldVisible[12] = false;
    SelectFieldCard(21);
    gTalliesUpCardSelected = true; // a selection is dropped by the draw
    gTalliesTotal = 9;

    const auto drawn = DrawCard();
    EXPECT_FALSE(drawn.refused);
    EXPECT_EQ(drawn.movedToPosition, 3);
    EXPECT_EQ(drawn.cost, 200);
    EXPECT_EQ(gScore, -200);
    EXPECT_TRUE(gTalliesFieldVisible[3]);
    EXPECT_EQ(gTalliesFieldCards[3], " 8H");
    EXPECT_FALSE(gTalliesFieldVisible[12]);
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(UpCardPictureKey(), "2D");
    EXPECT_EQ(CardCountCaption(), "Cards: 29");
    EXPECT_EQ(gTalliesTotal, 0);
    EXPECT_FALSE(gTalliesUpCardSelected);
    EXPECT_FALSE(gTalliesFieldSelected[21]);
    EXPECT_FALSE(CheckLegalFieldCardMove(0)) << "the moved card covers the top card again";
}

TEST_F(TalliesTest, AnEmptyPileOnlyRefuses)
{
    dealNewGame(11, {});
    for (int d = 0; d < 30; ++d)
        ASSERT_FALSE(DrawCard().refused);
    EXPECT_EQ(PlayCardPictureKey(), "EMPTY");
    EXPECT_EQ(CardCountCaption(), "Cards: 0");
    EXPECT_EQ(UpCardPictureKey(), trimmedCode(gDeck[23])) << "the last draw turns the first up card again";
    const auto score = gScore;
    const auto top = gPileTop;
    EXPECT_TRUE(DrawCard().refused);
    EXPECT_EQ(gScore, score);
    EXPECT_EQ(gPileTop, top);
    EXPECT_EQ(score, -3000);
}

TEST_F(TalliesTest, FortyTwoDrawsAtGoalFifteenStackEveryCard)
{
    platform::seedRandom(3);
    prepareDeck(15, {});
    ASSERT_TRUE(ShuffleDeck());
    ASSERT_TRUE(Deal(true));
    for (int d = 1; d <= 42; ++d) {
        ASSERT_FALSE(DrawCard().refused) << "draw " << d;
        ASSERT_EQ(gPileTop, d + 1);
        ASSERT_EQ(gTalliesUpCards[gPileTop], gDeck[64 - d + 1]);
    }
    EXPECT_TRUE(DrawCard().refused);
    EXPECT_EQ(gPileTop, 43);
    // Using the up cards one by one shows the earlier ones again, down to the first.
    keepOnField({0, 1});
    for (int top = 43; top > 1; --top) {
        gTalliesUpCardSelected = true;
        gTalliesTotal = gCardGoal;
        TalliesCombination c;
        ASSERT_TRUE(CheckTotal(c));
        ASSERT_EQ(gPileTop, top - 1);
        ASSERT_EQ(gTalliesUpCards[gPileTop], top > 2 ? gDeck[67 - top] : gDeck[23]);
    }
}

TEST_F(TalliesTest, ClearingTheLastFieldCardAsksForTheScoreAndDrawsNothing)
{
    dealNewGame(11, {{fieldAt(21), " 6C"}, {FirstUpCard, " 5H"}});
    keepOnField({21});
    SelectUpCard();
    const auto made = SelectFieldCard(21);
    ASSERT_TRUE(made.madeCombination);
    EXPECT_TRUE(made.combination.fieldCleared);
    EXPECT_FALSE(made.combination.freeDraw);
    EXPECT_EQ(gTalliesCardsLeft, 29);
}

TEST_F(TalliesTest, ScoreStaysWithinThirtyTwoBits)
{
    dealNewGame(11, {{fieldAt(20), " 5S"}, {fieldAt(21), " 6C"}});
    gScore = std::numeric_limits<std::int32_t>::max() - 100;
    SelectFieldCard(20);
    SelectFieldCard(21);
    EXPECT_EQ(gScore, std::numeric_limits<std::int32_t>::max());

    gScore = std::numeric_limits<std::int32_t>::min() + 50;
    DrawCard();
    EXPECT_EQ(gScore, std::numeric_limits<std::int32_t>::min());
}

TEST_F(TalliesTest, SelectionColoursByCode)
{
    const std::pair<int, long> cases[] = {{0, 0xFFFF}, {1, 0xFF},     {2, 0xFF0000}, {3, 0xC000},
                                          {4, 0x800080}, {5, 0},      {9, 0},        {-1, 0}};
    for (const auto& [code, colour] : cases) {
        EXPECT_EQ(SelectionColor(code), colour) << code;
        EXPECT_EQ(gSelectionColor, code);
    }
}
