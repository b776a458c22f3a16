#include "StackjackFixture.h"

using namespace stackjack;

TEST(StackjackCardValue, RankCappedAtTen)
{
    gDeck = {"", " 1S", " 7H", " 10C", " 11D", " 13S"};
    const int expected[] = {0, 1, 7, 10, 10, 10};
    for (int position = 1; position <= 5; ++position)
        EXPECT_EQ(GetCardValue(position), expected[position]) << gDeck[position];
}

TEST_F(StackjackTest, AceOnAnEmptyColumnIsSoftAndHardensWhenTheColumnWouldPass21)
{
    lay({1, 13, 5, 4});
    auto hit = Hit(0);
    EXPECT_EQ(hit.placed.value, 11);
    EXPECT_TRUE(hit.softened);
    EXPECT_EQ(gColumnTotal[0], 11);
    EXPECT_TRUE(ColumnSoft(0));

    hit = Hit(0);
    EXPECT_EQ(hit.columnTotal, 21);
    EXPECT_FALSE(hit.bust);
    EXPECT_TRUE(ColumnSoft(0));

    const CardCode fourAfterTheFive = gDeck[gDeckIndex + 1];
    hit = Hit(0);
    EXPECT_TRUE(hit.hardened);
    EXPECT_FALSE(hit.bust);
    EXPECT_EQ(hit.columnTotal, 16);
    EXPECT_FALSE(ColumnSoft(0));
    EXPECT_EQ(gSoftAces[0], 0);
    EXPECT_EQ(hit.nextCard, fourAfterTheFive);
    EXPECT_EQ(hit.currentTotal, 16);
    EXPECT_EQ(gColumnSlots[0][2], gDeck[gDeckIndex - 1]);
}

TEST_F(StackjackTest, AnAceCountsElevenOnlyOnTenOrLess)
{
    lay({10, 1, 6, 5, 1, 1, 1});
    hits({0, 0});
    EXPECT_EQ(gColumnTotal[0], 21);
    EXPECT_TRUE(ColumnSoft(0));

    const auto onEleven = hits({1, 1, 1});
    EXPECT_EQ(onEleven.placed.value, 1);
    EXPECT_EQ(gColumnTotal[1], 12);
    EXPECT_FALSE(ColumnSoft(1));

    Hit(2);
    const auto second = Hit(2);
    EXPECT_EQ(second.placed.value, 1); // beside a soft ace another ace counts 1
    EXPECT_FALSE(second.softened);
    EXPECT_EQ(gSoftAces[2], 1);
    EXPECT_EQ(gColumnTotal[2], 12);
}

TEST_F(StackjackTest, SoftSixteenAndANineMakeAHardFifteen)
{
    lay({1, 5, 9, 8});
    hits({3, 3});
    EXPECT_EQ(gColumnTotal[3], 16);
    const auto hit = Hit(3);
    EXPECT_TRUE(hit.hardened);
    EXPECT_FALSE(hit.bust);
    EXPECT_EQ(hit.columnTotal, 15);
    EXPECT_FALSE(ColumnSoft(3));
    EXPECT_EQ(cardRank(hit.nextCard), 8);
    EXPECT_TRUE(gHitEnabled[3]);
}

TEST_F(StackjackTest, ExactlyTwentyOneIsNoBust)
{
    lay({10, 5, 6, 3});
    const auto hit = hits({4, 4, 4});
    EXPECT_EQ(hit.columnTotal, 21);
    EXPECT_FALSE(hit.bust);
    EXPECT_EQ(cardRank(hit.nextCard), 3);
    EXPECT_TRUE(gHitEnabled[4]);
}

TEST_F(StackjackTest, TheFifthCardClosesTheColumn)
{
    struct Case {
        std::vector<int> ranks;
        int total;
        bool bust;
    };
    const Case cases[] = {
        {{2, 3, 2, 3, 4}, 14, false}, // stays under 21
        {{1, 2, 2, 2, 9}, 16, false}, // soft 17 + 9: hardened, still closed
        {{5, 5, 5, 5, 2}, 22, true},  // hard over 21: bust
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        ASSERT_TRUE(StartGame());
        lay(c.ranks);
        const auto fourth = hits({2, 2, 2, 2});
        EXPECT_FALSE(fourth.columnClosed);
        const auto fifth = Hit(2);
        EXPECT_EQ(fifth.bust, c.bust);
        EXPECT_EQ(fifth.columnTotal, c.total);
        EXPECT_TRUE(fifth.columnClosed);
        EXPECT_TRUE(ColumnClosed(2));
        EXPECT_FALSE(gHitEnabled[2]);
        if (!c.bust) {
            EXPECT_TRUE(Hit(2).ignored) << "a closed column takes no sixth card";
            EXPECT_EQ(gColumnCards3, 5);
            EXPECT_TRUE(gHitEnabled[1]);
        }
    }
}

TEST_F(StackjackTest, AHardColumnOverTwentyOneBustsAndTheRoundScoresNothing)
{
    // 20 in four columns and 18 in the fifth: 98 is on offer, then the fifth column busts.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 9, 9, 5});
    const auto offered = hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    EXPECT_EQ(offered.currentTotal, 98);
    EXPECT_EQ(gGiveUpCaption, GiveUpCaption::TakeScore);

    const auto bust = Hit(4);
    EXPECT_TRUE(bust.bust);
    EXPECT_EQ(gCurrentTotal, BustMark);
    EXPECT_EQ(gGiveUpCaption, GiveUpCaption::GiveUpAfterDrop);
    for (bool enabled : gHitEnabled)
        EXPECT_FALSE(enabled);

    const auto end = EndCurrentRound();
    EXPECT_EQ(end.result, RoundResult::Busted);
    EXPECT_STREQ(end.message, "Busted!");
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(gStackjackRound, 2);
}

TEST_F(StackjackTest, NoHitWhileTheRoundEnds)
{
    lay({10, 10});
    Hit(0);
    EndCurrentRound();
    const int index = gDeckIndex;
    EXPECT_TRUE(Hit(1).ignored);
    EXPECT_EQ(gDeckIndex, index);
    EXPECT_EQ(gColumnCards2, 0);
}
