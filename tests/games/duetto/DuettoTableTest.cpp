#include "DuettoDecks.h"
#include "games/duetto/DuettoTable.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace duetto;

namespace {

class DuettoTableTest : public ::testing::Test {
protected:
    void SetUp() override { resetSuiteGlobals(); }

    ClickOutcome click(int index) { return t.PlayCard_Click(index, false); }
    // Clicks a, then b, and tells what the second click did.
    ClickOutcome clickPair(int a, int b)
    {
        click(a);
        return click(b);
    }
    ClickResult match(int a, int b)
    {
        EXPECT_EQ(click(a).result, ClickResult::Selected);
        return click(b).result;
    }
    void removeByPairing(const std::vector<int>& places)
    {
        // Every listed place is given rank 7 by the deck, so they pair off two by two.
        for (std::size_t i = 0; i + 1 < places.size(); i += 2)
            ASSERT_EQ(match(places[i], places[i + 1]), ClickResult::Pair) << places[i] << " " << places[i + 1];
    }

    DuettoTable t;
};

TEST(DuettoMatchTest, PairsAndRunsWithKingAndAceAdjacent)
{
    struct Case {
        int r1, r2;
        Match expected;
    };
    const Case cases[] = {
        {13, 1, Match::Run},  {1, 13, Match::Run},  {1, 2, Match::Run},   {2, 1, Match::Run},
        {12, 13, Match::Run}, {13, 12, Match::Run}, {6, 7, Match::Run},   {13, 13, Match::Pair},
        {1, 1, Match::Pair},  {5, 7, Match::None},  {1, 12, Match::None}, {13, 2, Match::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchOf(c.r1, c.r2), c.expected) << c.r1 << " " << c.r2;
}

TEST_F(DuettoTableTest, DealLaysTheLayoutThePileAndTheStock)
{
    t.Deal(deckWith({{0, 1}, {22, 13}, {23, 4}, {24, 9}}));
    EXPECT_EQ(t.code(0), " 1S");
    EXPECT_EQ(t.code(22), " 13C");
    EXPECT_EQ(t.code(PileCard), " 4D");
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(t.stockCount(), 28);
    EXPECT_EQ(t.deckPos(), 24);
    EXPECT_STREQ(t.stockPictureKey(), "FULL");
    EXPECT_EQ(t.mCardCodes[24], " 9S");
    for (int i = 0; i < 18; ++i)
        EXPECT_FALSE(t.CheckForLegalMove(i)) << i;
    for (int i = 18; i < PlaceCount; ++i)
        EXPECT_TRUE(t.CheckForLegalMove(i)) << i;
}

TEST_F(DuettoTableTest, ACardIsExposedOnlyOnceBothItsCoveringCardsAreGone)
{
    t.Deal(deckWith({}));
    // Card 9 lies under 18 and 14: 18 alone gone is not enough.
    removeByPairing({18, 19});
    EXPECT_FALSE(t.CheckForLegalMove(9));
    EXPECT_EQ(click(9).result, ClickResult::Refused);
    EXPECT_TRUE(t.CheckForLegalMove(14));
    removeByPairing({14, 20});
    EXPECT_TRUE(t.CheckForLegalMove(9));
    // Card 0 lies under 5 and 9.
    removeByPairing({9, 21, 15, 22});
    EXPECT_TRUE(t.CheckForLegalMove(10));
    removeByPairing({10, PileCard});
    EXPECT_TRUE(t.CheckForLegalMove(5));
    EXPECT_FALSE(t.CheckForLegalMove(0));
    removeByPairing({5, 16});
    EXPECT_TRUE(t.CheckForLegalMove(0));
}

TEST_F(DuettoTableTest, SelectingDeselectingAndARefusalKeepTheSelectionRight)
{
    t.Deal(deckWith({{18, 5}, {19, 7}, {20, 5}}));
    EXPECT_EQ(click(18).result, ClickResult::Selected);
    EXPECT_TRUE(t.selecting());
    EXPECT_EQ(t.firstRank(), 5);
    // A covered card is refused and the selection stays.
    EXPECT_EQ(click(0).result, ClickResult::Refused);
    EXPECT_TRUE(t.selecting());
    EXPECT_EQ(click(18).result, ClickResult::Deselected);
    EXPECT_FALSE(t.selecting());
    // 5 and 7 make nothing: both cards stay and the selection is gone.
    const ClickOutcome miss = clickPair(18, 19);
    EXPECT_EQ(miss.result, ClickResult::NoMatch);
    EXPECT_EQ(miss.first, 18);
    EXPECT_FALSE(t.selecting());
    EXPECT_TRUE(t.present(18));
    EXPECT_TRUE(t.present(19));
    EXPECT_EQ(t.mPairs + t.mRuns, 0);
    EXPECT_EQ(match(18, 20), ClickResult::Pair);
    EXPECT_FALSE(t.present(18));
    EXPECT_FALSE(t.present(20));
    EXPECT_EQ(t.mPairs, 1);
    // A removed card cannot be clicked at all.
    EXPECT_EQ(click(18).result, ClickResult::Ignored);
    EXPECT_EQ(t.PlayCard_Click(19, true).result, ClickResult::Ignored);
}

TEST_F(DuettoTableTest, UsingThePileUncoversTheCardBelowAndTheEmptyPileIsRefused)
{
    t.Deal(deckWith({{18, 3}, {19, 9}, {23, 4}, {24, 10}}));
    ASSERT_TRUE(t.CardStackPicture_Click().drew);
    EXPECT_EQ(gPileTop, 2);
    EXPECT_EQ(t.code(PileCard), " 10S");
    EXPECT_EQ(match(PileCard, 19), ClickResult::Run);
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(t.code(PileCard), " 4D");
    EXPECT_EQ(t.mCardCodes[PileCard], " 4D");
    const ClickOutcome last = clickPair(18, PileCard);
    EXPECT_EQ(last.result, ClickResult::Run);
    EXPECT_TRUE(last.pileChanged);
    EXPECT_TRUE(t.pileEmpty());
    EXPECT_EQ(t.mCardCodes[PileCard], "");
    EXPECT_EQ(click(PileCard).result, ClickResult::Refused);
}

TEST_F(DuettoTableTest, TheTopRowsLastCardReportsTheClearingEvenWithCardsLeftBelow)
{
    // The stock still holds all its cards: only the top row counts.
    t.Deal(clearingDeck());
    const auto& plan = clearingMatches();
    for (std::size_t i = 0; i + 1 < plan.size(); ++i) {
        const ClickOutcome o = clickPair(plan[i].first, plan[i].second);
        ASSERT_TRUE(o.result == ClickResult::Pair || o.result == ClickResult::Run) << i;
        EXPECT_FALSE(o.topRowCleared) << i;
    }
    EXPECT_EQ(t.stockCount(), 28);
    EXPECT_TRUE(clickPair(3, 4).topRowCleared);
    EXPECT_EQ(t.mPairs, 6);
    EXPECT_EQ(t.mRuns, 6);
}

TEST_F(DuettoTableTest, AStockClickDropsTheSelectionRefillsTheLowestPlaceThenDraws)
{
    t.Deal(deckWith({{0, 2}, {18, 7}, {19, 7}, {23, 4}, {24, 11}}));
    removeByPairing({18, 19});
    click(20);
    ASSERT_TRUE(t.selecting());
    const StockOutcome o = t.CardStackPicture_Click();
    EXPECT_FALSE(t.selecting());
    EXPECT_EQ(o.refilledPlace, 18);
    EXPECT_TRUE(o.drew);
    EXPECT_EQ(t.code(18), " 4D");
    EXPECT_TRUE(t.present(18));
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(t.code(PileCard), " 11S");
    EXPECT_EQ(t.stockCount(), 27);
    // The refilled place covers again.
    EXPECT_FALSE(t.CheckForLegalMove(14));
}

TEST_F(DuettoTableTest, AnEmptiedTopRowPlaceIsRefilledFirst)
{
    t.Deal(clearingDeck());
    const auto& plan = clearingMatches();
    for (std::size_t i = 0; i < 10; ++i) // up to (8, 0): card 0 is gone, 1-4 remain
        clickPair(plan[i].first, plan[i].second);
    ASSERT_FALSE(t.present(0));
    ASSERT_TRUE(t.pileEmpty());
    // The pile is empty: the first click only draws; the next one moves that card into place 0.
    EXPECT_EQ(t.CardStackPicture_Click().refilledPlace, -1);
    EXPECT_EQ(t.CardStackPicture_Click().refilledPlace, 0);
    EXPECT_TRUE(t.present(0));
}

TEST_F(DuettoTableTest, TheStockRunsOutAfter28DrawsAndStillRefills)
{
    t.Deal(deckWith({}));
    struct Step {
        int draws;
        const char* key;
    };
    const Step steps[] = {{10, "FULL"}, {1, "HALF"}, {6, "HALF"}, {1, "BACK"}, {9, "BACK"}, {1, "EMPTY"}};
    for (const Step& s : steps) {
        for (int i = 0; i < s.draws; ++i)
            EXPECT_TRUE(t.CardStackPicture_Click().drew);
        EXPECT_STREQ(t.stockPictureKey(), s.key) << t.deckPos();
    }
    EXPECT_EQ(t.stockCount(), 0);
    EXPECT_EQ(gPileTop, 29);
    EXPECT_FALSE(t.CardStackPicture_Click().drew);
    EXPECT_EQ(t.stockCount(), 0);

    removeByPairing({18, 19});
    const std::string top = t.code(PileCard);
    const StockOutcome o = t.CardStackPicture_Click();
    EXPECT_FALSE(o.drew);
    EXPECT_EQ(o.refilledPlace, 18);
    EXPECT_EQ(t.code(18), top);
    // The pile shows the card that was under the one that moved, never the moved card twice.
    EXPECT_EQ(gPileTop, 28);
    EXPECT_EQ(t.code(PileCard), t.mPile[28]);
    EXPECT_EQ(t.mCardCodes[PileCard], t.mPile[28]);
    EXPECT_TRUE(o.pileChanged);
}

} // namespace
