#include "CairnwellTableFixture.h"

using namespace cairnwell;

TEST_F(CairnwellTableTest, TheDealLaysTheFanAndTheEmptyMarks)
{
    deal({"5S", "6S", "7S"});
    EXPECT_EQ(table.mUpCards[2], code("5S"));
    EXPECT_EQ(table.UpCard[2].picture, "5S");
    EXPECT_EQ(table.mDeckPos, 3);
    EXPECT_EQ(table.CardsRemaining(), 52);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(table.PlayCard[i].showsEmpty());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(table.TempCard[i].showsEmpty());
    for (int i = 4; i < 12; ++i)
        EXPECT_FALSE(table.PlayCard[i].visible);
    EXPECT_EQ(table.CardStackPicture.picture, "FULL");
}

TEST_F(CairnwellTableTest, AnEmptyColumnRefusesAnyOfItsPlacesWithNothingSelected)
{
    deal({"2S"});
    // A column that held a card shows its free place below until the card leaves.
    fanTo(1);
    table.PlayCard_Click(1);
    table.TempCard_Click(0);
    ASSERT_TRUE(table.PlayCard[1].showsEmpty());
    for (int place : {1, 5, 9}) {
        table.PlayCard_Click(place);
        EXPECT_EQ(events.sounds.back(), "Chord.wav");
        EXPECT_FALSE(table.mCardSelected);
    }
}

TEST_F(CairnwellTableTest, AnyPlaceOfAColumnSelectsItsLowestCard)
{
    deal({"2S", "9H"});
    fanTo(1);
    fanTo(1);
    for (int place : {9, 1, 5}) {
        table.PlayCard_Click(place);
        EXPECT_TRUE(table.mCardSelected);
        EXPECT_EQ(table.mSelectedIndex, 5) << place;
        EXPECT_TRUE(table.PlayCardSelection[5]);
        // The free place below was hidden on selecting, so a click on the column lands on the card.
        EXPECT_FALSE(table.PlayCard[9].visible);
        table.PlayCard_Click(1);
        EXPECT_FALSE(table.mCardSelected);
        EXPECT_EQ(events.sounds.back(), "Markq.wav");
    }
}

TEST_F(CairnwellTableTest, ACardLandsOnTopOfAnEmptyColumnOrBelowTheLowestCard)
{
    deal({"2S", "9H", "4D"});
    table.UpCard_Click(FrontCard);
    table.PlayCard_Click(10); // hidden: takes no click
    EXPECT_TRUE(table.mCardSelected);
    table.PlayCard_Click(2);
    EXPECT_EQ(table.mPlayCards[2], code("2S"));
    EXPECT_TRUE(table.PlayCard[6].visible);
    EXPECT_FALSE(table.PlayCard[6].hasPicture());
    table.UpCard_Click(FrontCard);
    table.PlayCard_Click(2); // the top card: lands below it
    EXPECT_EQ(table.mPlayCards[6], code("9H"));
    EXPECT_EQ(table.PlayCard[6].border, 1);
    EXPECT_TRUE(table.PlayCard[10].visible);
}

TEST_F(CairnwellTableTest, MovingACardLeavesTheEmptyMarkOnATopPlaceAndHidesALowerOne)
{
    deal({"2S", "9H", "4D"});
    fanTo(0);
    fanTo(0);
    table.PlayCard_Click(0); // selects the 9 in place 4
    table.PlayCard_Click(1);
    EXPECT_EQ(table.mPlayCards[1], code("9H"));
    EXPECT_TRUE(table.mPlayCards[4].empty());
    EXPECT_FALSE(table.PlayCard[4].hasPicture());
    EXPECT_FALSE(table.PlayCard[4].visible);

    table.PlayCard_Click(0); // the 2, alone in its column
    table.TempCard_Click(1);
    EXPECT_EQ(table.mTempCards[1], code("2S"));
    EXPECT_TRUE(table.PlayCard[0].showsEmpty());
    EXPECT_EQ(table.PlayCard[0].border, 0);
    EXPECT_EQ(table.TempCard[1].border, 1);
    EXPECT_FALSE(table.PlayCardSelection[0]);
}

TEST_F(CairnwellTableTest, AFullColumnRefusesACardAndKeepsTheSelection)
{
    deal({"3D", "2S", "10H", "9S"});
    fanTo(3);
    fanTo(3);
    fanTo(3);
    table.UpCard_Click(FrontCard);
    events.sounds.clear();
    table.PlayCard_Click(3);
    EXPECT_EQ(events.sounds, std::vector<std::string>{"Chord.wav"});
    EXPECT_TRUE(table.mCardSelected);
    EXPECT_EQ(table.mSelectedArea, mUpCardArea);
}

TEST_F(CairnwellTableTest, OnlyTheFrontFanCardSelects)
{
    deal({"5S"});
    table.UpCard_Click(0);
    table.UpCard_Click(1);
    EXPECT_FALSE(table.mCardSelected);
    EXPECT_EQ(events.sounds, (std::vector<std::string>{"Chord.wav", "Chord.wav"}));
    table.UpCard_Click(2);
    EXPECT_TRUE(table.UpCardSelection);
    EXPECT_EQ(events.sounds.back(), "Click.wav");
    table.UpCard_Click(2);
    EXPECT_FALSE(table.mCardSelected);
    EXPECT_FALSE(table.UpCardSelection);
    EXPECT_EQ(events.sounds.back(), "Markq.wav");

    // Refused while a storage card is selected, which stays selected.
    fanTo(0);
    table.PlayCard_Click(0);
    table.TempCard_Click(0);
    table.TempCard_Click(0);
    ASSERT_EQ(table.mSelectedArea, mTempCardArea);
    table.UpCard_Click(2);
    EXPECT_EQ(events.sounds.back(), "Chord.wav");
    EXPECT_TRUE(table.TempCardSelection[0]);
}

TEST_F(CairnwellTableTest, StoragePlacesTakeOnlyWhenEmpty)
{
    deal({"5S", "6S"});
    table.TempCard_Click(0);
    EXPECT_EQ(events.sounds.back(), "Chord.wav"); // empty, nothing selected
    table.UpCard_Click(2);
    table.TempCard_Click(0);
    table.UpCard_Click(2);
    table.TempCard_Click(0); // occupied
    EXPECT_EQ(events.sounds.back(), "Chord.wav");
    EXPECT_TRUE(table.mCardSelected);
    table.TempCard_Click(2);
    EXPECT_EQ(table.mTempCards[2], code("6S"));
    // Storage to storage.
    table.TempCard_Click(2);
    table.TempCard_Click(1);
    EXPECT_EQ(table.mTempCards[1], code("6S"));
    EXPECT_TRUE(table.TempCard[2].showsEmpty());
}

TEST_F(CairnwellTableTest, TheStackFollowsTheDeckPositionAndTheFanEmpties)
{
    const std::pair<int, const char*> stack[] = {{19, "FULL"}, {20, "HALF"}, {35, "HALF"},
                                                 {36, "BACK"}, {51, "BACK"}, {52, "EMPTY"}};
    for (const auto& [pos, picture] : stack)
        EXPECT_EQ(StackPictureAt(pos), picture) << pos;

    deal({});
    // Each fan card goes to storage and is thrown away again onto an empty column and back.
    auto playFront = [this] {
        table.UpCard_Click(FrontCard);
        table.TempCard_Click(0);
        table.mTempCards[0].clear();
        table.TempCard[0].picture = EmptyKey;
    };
    for (int k = 0; k < 49; ++k)
        playFront();
    EXPECT_EQ(table.mDeckPos, 52);
    EXPECT_EQ(table.CardStackPicture.picture, "EMPTY");
    EXPECT_EQ(table.CardsRemaining(), 3);
    for (int k = 0; k < 3; ++k)
        playFront();
    EXPECT_EQ(table.CardsRemaining(), 0);
    for (const Place& p : table.UpCard)
        EXPECT_TRUE(p.showsEmpty());
    for (const CardCode& c : table.mUpCards)
        EXPECT_TRUE(c.empty());
    EXPECT_TRUE(table.DeckUsedUp());
    table.UpCard_Click(FrontCard);
    EXPECT_FALSE(table.mCardSelected);
    EXPECT_EQ(events.sounds.back(), "Chord.wav");
}

TEST_F(CairnwellTableTest, NoMovesLeftOnlyWithStorageAndEveryBottomPlaceFull)
{
    // Columns of 1-4-7 style that never score, then storage filled one by one.
    deal({"1S", "4S", "7S", "1H", "4H", "7H", "1C", "4C", "7C", "1D", "4D", "8D", "10S", "10H", "10C"});
    ClickOutcome last;
    for (int column = 0; column < 4; ++column)
        for (int k = 0; k < 3; ++k) {
            table.UpCard_Click(FrontCard);
            last = table.PlayCard_Click(column);
        }
    EXPECT_FALSE(last.noMovesLeft);
    for (int place = 0; place < 3; ++place) {
        table.UpCard_Click(FrontCard);
        last = table.TempCard_Click(place);
        EXPECT_EQ(last.noMovesLeft, place == 2) << place;
    }
    // A mere selection of a storage card runs the test as well.
    EXPECT_TRUE(table.TempCard_Click(0).noMovesLeft);
    // And a click on a full column's bottom place.
    EXPECT_TRUE(table.PlayCard_Click(9).noMovesLeft);
}

TEST_F(CairnwellTableTest, HidingAndShowingKeepsTheSelectionAndLeavesFreePlacesHidden)
{
    deal({"2S", "9H"});
    fanTo(0);
    ASSERT_TRUE(table.PlayCard[4].visible); // the free place below the card
    table.UpCard_Click(FrontCard);
    table.ShowCards(false);
    EXPECT_FALSE(table.UpCardSelection);
    EXPECT_FALSE(table.PlayCard[0].visible);
    table.ShowCards(true);
    EXPECT_TRUE(table.UpCardSelection);
    EXPECT_TRUE(table.PlayCard[0].visible);
    EXPECT_FALSE(table.PlayCard[4].visible);
}

TEST_F(CairnwellTableTest, ClicksWhileTheRoundEndsAreIgnored)
{
    deal({"2S", "9H"});
    fanTo(0);
    table.TempCard_Click(0);
    gRoundOver = true;
    table.PlayCard_Click(0);
    table.TempCard_Click(1);
    table.UpCard_Click(2);
    EXPECT_FALSE(table.mCardSelected);
    EXPECT_EQ(table.mPlayCards[0], code("2S"));
}

TEST_F(CairnwellTableTest, TheDeckStackRefusesClicks)
{
    deal({});
    table.CardStackPicture_Click();
    EXPECT_EQ(events.sounds, std::vector<std::string>{"Chord.wav"});
}
