#include "core/cards/Deck.h"
#include "core/SuiteGlobals.h"
#include "games/spires/SpiresBoard.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace spires;

namespace {
// A board dealt from the unshuffled deck, with the ranks a test names laid into its places.
class SpiresBoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        CreateDeck();
        b.Deal();
    }
    void lay(int index, int rank) { b.mCards[std::size_t(index)] = cardCode(rank, 0); }
    void up(int rank)
    {
        b.upCard = cardCode(rank, 1);
        b.mUpValue = rank;
    }
    void play(int index) { ASSERT_TRUE(b.PlayPlace(index, 100).legal) << "place " << index; }

    SpiresBoard b;
};
} // namespace

TEST_F(SpiresBoardTest, TheDealFillsPlacesStockAndUpCard)
{
    for (int p = 0; p < 18; ++p)
        EXPECT_EQ(b.places[std::size_t(p)], PlaceState::FaceDown) << p;
    for (int p = 18; p < 28; ++p)
        EXPECT_EQ(b.places[std::size_t(p)], PlaceState::FaceUp) << p;
    EXPECT_EQ(b.mCards[0], gDeck[1]);
    EXPECT_EQ(b.mCards[28], gDeck[29]);
    EXPECT_EQ(b.upCard, gDeck[52]);
    EXPECT_EQ(b.mUpValue, cardRank(gDeck[52]));
    EXPECT_TRUE(b.mCards[52].empty());
    EXPECT_EQ(b.mStockIndex, 28);
    EXPECT_EQ(b.mStockCount, 23);
    EXPECT_EQ(b.mCurrentRun, 0);
}

TEST_F(SpiresBoardTest, ACardPlaysOneRankEitherSideKingAndAceAdjoining)
{
    struct Case {
        int up, card;
        bool legal;
    };
    const Case cases[] = {{13, 1, true},  {13, 12, true}, {13, 13, false}, {13, 2, false},
                          {1, 13, true},  {1, 2, true},   {1, 12, false},  {2, 1, true},
                          {2, 3, true},   {7, 9, false},  {7, 7, false}};
    for (const Case& c : cases) {
        SetUp();
        up(c.up);
        lay(20, c.card);
        EXPECT_EQ(b.CheckForLegalMove(20), c.legal) << c.card << " on " << c.up;
        EXPECT_EQ(b.mUpValue, c.legal ? c.card : c.up);
    }
}

TEST_F(SpiresBoardTest, AFaceDownCardNeverPlays)
{
    up(5);
    lay(9, 6);
    EXPECT_FALSE(b.PlayPlace(9, 100).legal);
    EXPECT_EQ(b.places[9], PlaceState::FaceDown);
    EXPECT_EQ(gScore, 0);
}

TEST_F(SpiresBoardTest, EachCardOfARunIsWorthOneCardValueMore)
{
    up(1);
    for (int i = 0; i < 5; ++i)
        lay(18 + i, 2 + i);
    std::vector<std::int64_t> points;
    for (int i = 0; i < 5; ++i)
        points.push_back(b.PlayPlace(18 + i, 100).points);
    EXPECT_EQ(points, (std::vector<std::int64_t>{100, 200, 300, 400, 500}));
    EXPECT_EQ(gScore, 1500);
    EXPECT_EQ(b.NextCardWorth(100), 600);

    // A stock draw ends the run: the next card is worth one card value again.
    lay(28, 9);
    EXPECT_TRUE(b.DrawStock());
    EXPECT_EQ(b.mCurrentRun, 0);
    EXPECT_EQ(b.NextCardWorth(100), 100);
    lay(23, 10);
    EXPECT_EQ(b.PlayPlace(23, 100).points, 100);
}

TEST_F(SpiresBoardTest, PlayingACoverExposesWhatItNoLongerShares)
{
    // Place 10 covers 3 and 4; with 9 and 11 gone it exposes both in one play.
    up(1);
    const int chain[] = {18, 19, 20, 21, 9, 11};
    int rank = 2;
    for (int p : chain)
        lay(p, rank++);
    for (int p : chain)
        play(p);
    lay(10, rank);
    const PlayResult r = b.PlayPlace(10, 100);
    ASSERT_TRUE(r.legal);
    EXPECT_EQ(r.exposed, (std::vector<int>{3, 4}));
}

TEST_F(SpiresBoardTest, APlaceStaysDownWhileItsOtherCoverRemains)
{
    up(1);
    lay(18, 2);
    EXPECT_TRUE(b.PlayPlace(18, 100).exposed.empty()); // 19 still covers 9
    lay(19, 3);
    EXPECT_EQ(b.PlayPlace(19, 100).exposed, (std::vector<int>{9}));
    // Place 21 is shared by towers 1 and 2.
    lay(20, 4);
    lay(22, 5);
    lay(21, 6);
    EXPECT_EQ(b.PlayPlace(20, 100).exposed, (std::vector<int>{10}));
    EXPECT_TRUE(b.PlayPlace(22, 100).exposed.empty());
    EXPECT_EQ(b.PlayPlace(21, 100).exposed, (std::vector<int>{11, 12}));
    // Place 3 of row 3's pair stays down while place 10 still covers it.
    lay(9, 7);
    play(9);
    EXPECT_EQ(b.places[3], PlaceState::FaceDown);
}

TEST_F(SpiresBoardTest, ATopCardCompletesItsTowerAndTheThirdEndsTheRound)
{
    for (int t = 0; t < 3; ++t) {
        b.places[std::size_t(t)] = PlaceState::FaceUp;
        up(4);
        lay(t, 5);
        const PlayResult r = b.PlayPlace(t, 100);
        EXPECT_EQ(r.tower, t + 1);
        EXPECT_EQ(r.allTowersDone, t == 2);
        EXPECT_TRUE(r.exposed.empty());
    }
    EXPECT_EQ(b.mTowersCompleted, 3);
}

TEST_F(SpiresBoardTest, OnlyARunLongerThanTheRecordRaisesIt)
{
    b.mHighRun = 2;
    up(1);
    lay(18, 2);
    lay(19, 3);
    lay(20, 4);
    play(18);
    play(19);
    EXPECT_EQ(b.mHighRun, 2);
    EXPECT_FALSE(b.mNewHighRun);
    play(20);
    EXPECT_EQ(b.mHighRun, 3);
    EXPECT_TRUE(b.mNewHighRun);
}

TEST_F(SpiresBoardTest, TheEmptyStockKeepsTheUpCardAndEndsTheRun)
{
    std::vector<const char*> keys;
    for (int i = 0; i < 23; ++i) {
        EXPECT_TRUE(b.DrawStock());
        keys.push_back(SpiresBoard::StockPictureKey(b.mStockIndex));
    }
    EXPECT_STREQ(keys[5], "FULL");  // 6 drawn
    EXPECT_STREQ(keys[6], "HALF");  // 7 drawn
    EXPECT_STREQ(keys[12], "HALF"); // 13 drawn
    EXPECT_STREQ(keys[13], "BACK"); // 14 drawn
    EXPECT_STREQ(keys[21], "BACK");
    EXPECT_STREQ(keys[22], "EMPTY");
    EXPECT_EQ(b.mStockCount, 0);
    EXPECT_EQ(b.upCard, b.mCards[50]);

    up(6);
    lay(18, 7);
    play(18);
    EXPECT_FALSE(b.DrawStock());
    EXPECT_EQ(b.mStockCount, 0);
    EXPECT_EQ(b.mCurrentRun, 0);
    EXPECT_EQ(b.mUpValue, 7);
}
