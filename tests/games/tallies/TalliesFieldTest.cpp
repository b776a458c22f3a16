#include "TalliesFixture.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesField.h"

#include <algorithm>

using namespace tallies;

TEST_F(TalliesTest, AfterTheDealOnlyTheBottomTierAndTheMiddleCardAreExposed)
{
    dealNewGame(11, {});
    for (int i = 0; i < TalliesFieldSize; ++i)
        EXPECT_EQ(CheckLegalFieldCardMove(i), i == 7 || i == 20 || i == 21) << "position " << i;
}

TEST_F(TalliesTest, ACardIsExposedOnlyWhenAllItsCoversAreGone)
{
    dealNewGame(11, {});
    gTalliesFieldVisible[20] = false;
    EXPECT_TRUE(CheckLegalFieldCardMove(16));
    EXPECT_TRUE(CheckLegalFieldCardMove(17));
    EXPECT_FALSE(CheckLegalFieldCardMove(11));
    gTalliesFieldVisible[16] = false;
    EXPECT_FALSE(CheckLegalFieldCardMove(11)) << "17 still lies on it";
    EXPECT_TRUE(CheckLegalFieldCardMove(10));
    gTalliesFieldVisible[17] = false;
    EXPECT_TRUE(CheckLegalFieldCardMove(11));

    // The top card needs both 3 and 4 gone, and they in turn need 7 with 12 or 13.
    keepOnField({0, 4});
    EXPECT_FALSE(CheckLegalFieldCardMove(0));
    keepOnField({0, 12, 13});
    EXPECT_TRUE(CheckLegalFieldCardMove(0));
    EXPECT_TRUE(CheckLegalFieldCardMove(-1));
    EXPECT_TRUE(CheckLegalFieldCardMove(22));
}

TEST_F(TalliesTest, DealOfALaterRoundKeepsScoreAndRoundButStartsTheRoundAfresh)
{
    dealNewGame(11, {});
    gScore = 1234;
    gTalliesRound = 2;
    gTalliesCombos = 3;
    gTalliesTotal = 7;
    gElapsed = 40;
    gPileTop = 0;
    gTalliesFieldSelected[0] = gTalliesFieldSelected[21] = true;
    gTalliesUpCardSelected = true;
    gTalliesFieldVisible.fill(false);

    ASSERT_TRUE(Deal());
    EXPECT_EQ(gScore, 1234);
    EXPECT_EQ(gTalliesRound, 2);
    EXPECT_EQ(gTalliesCombos, 0);
    EXPECT_EQ(gTalliesTotal, 0);
    EXPECT_EQ(gElapsed, 0);
    EXPECT_EQ(gPileTop, 1);
    EXPECT_EQ(gTalliesFieldSelected, decltype(gTalliesFieldSelected){});
    EXPECT_FALSE(gTalliesUpCardSelected);
    EXPECT_TRUE(std::all_of(gTalliesFieldVisible.begin(), gTalliesFieldVisible.end(), [](bool v) { return v; }));
    EXPECT_EQ(gTalliesRound2Deck, gDeck);
    EXPECT_EQ(UpCardPictureKey(), trimmedCode(gDeck[23]));

    gScore = 99;
    ASSERT_TRUE(Deal(true));
    EXPECT_EQ(gPreviousScore, 99);
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(gTalliesRound, 1);
}

TEST_F(TalliesTest, PilePictureFollowsTheCardsLeft)
{
    const std::pair<int, const char*> cases[] = {{30, "FULL"}, {21, "FULL"}, {20, "HALF"}, {11, "HALF"},
                                                 {10, "BACK"}, {1, "BACK"},  {0, "EMPTY"}};
    for (const auto& [left, key] : cases) {
        gTalliesCardsLeft = left - 1;
        EXPECT_EQ(PlayCardPictureKey(), key) << left;
        EXPECT_EQ(CardCountCaption(), "Cards: " + std::to_string(left));
    }
}

TEST_F(TalliesTest, DealWithAPileTooSmallForTheDeckSaysSoAndPlacesWhatFits)
{
    prepareDeck(15, {});
    gTalliesDrawPile.assign(31, CardCode()); // sized for 52 cards
    boxes.expect(platform::vbOK);
    EXPECT_FALSE(Deal(true));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, "Unable to deal the cards.");
    EXPECT_EQ(gTalliesDrawPile[30], gDeck[53]);
    EXPECT_EQ(gTalliesFieldCards[21], gDeck[22]);
    EXPECT_EQ(gTalliesRound1Deck, gDeck);
}
