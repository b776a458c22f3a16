#include "CairnwellTableFixture.h"
#include "games/cairnwell/CairnwellColumns.h"

using cairnwell::ColumnKind;

TEST(CairnwellColumns, KindsOfFullColumns)
{
    struct Case {
        const char* top;
        const char* middle;
        const char* bottom;
        ColumnKind kind;
    };
    const Case cases[] = {
        {"7S", "7H", "7D", ColumnKind::Trip},
        {"9S", "10H", "11C", ColumnKind::Run},
        {"11S", "10H", "9C", ColumnKind::Run},
        {"3D", "2S", "1H", ColumnKind::Run},
        {"11C", "12D", "13S", ColumnKind::Run},
        {"12S", "13H", "1C", ColumnKind::Run},
        {"1S", "13H", "12C", ColumnKind::Run},
        {"4H", "5H", "6H", ColumnKind::FlushRun},
        {"12D", "13D", "1D", ColumnKind::FlushRun},
        {"13S", "1H", "2C", ColumnKind::None},
        {"2S", "1H", "13C", ColumnKind::None},
        {"9S", "11H", "10C", ColumnKind::None},
        {"4S", "3H", "5C", ColumnKind::None},
        {"4H", "6H", "8H", ColumnKind::None},
        {"7S", "7H", "8D", ColumnKind::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cairnwell::KindOfColumn(code(c.top), code(c.middle), code(c.bottom)), c.kind)
            << c.top << " " << c.middle << " " << c.bottom;
}

TEST_F(CairnwellTableTest, ATripPaysAndEmptiesItsColumn)
{
    deal({"7S", "7H", "7D"});
    gScore = 6345;
    fanTo(0);
    fanTo(0);
    ASSERT_EQ(table.mPlayCards[4], code("7H"));
    fanTo(0);

    EXPECT_EQ(gScore, 12345);
    EXPECT_EQ(table.mTrips, 1);
    EXPECT_EQ(table.mRuns, 0);
    EXPECT_EQ(events.sounds.back(), "TwentyOne.wav");
    for (int i : {0, 4, 8})
        EXPECT_TRUE(table.mPlayCards[i].empty());
    EXPECT_TRUE(table.PlayCard[0].showsEmpty());
    EXPECT_EQ(table.PlayCard[0].border, 0);
    for (int i : {4, 8}) {
        EXPECT_FALSE(table.PlayCard[i].hasPicture());
        EXPECT_FALSE(table.PlayCard[i].visible);
    }
}

TEST_F(CairnwellTableTest, AFlushRunPaysBothValuesAndShowsTheNotice)
{
    deal({"6H", "5H", "4H"});
    fanTo(2);
    fanTo(2);
    fanTo(2);
    EXPECT_EQ(gScore, 5300);
    EXPECT_EQ(table.mRuns, 1);
    EXPECT_EQ(events.flushColumns, std::vector<int>{2});
    EXPECT_EQ(events.sounds.back(), "HighScore.wav");
    EXPECT_TRUE(table.PlayCard[2].showsEmpty());
}

TEST_F(CairnwellTableTest, APlainRunPaysTheRunValue)
{
    deal({"11S", "10H", "9C"});
    fanTo(1);
    fanTo(1);
    fanTo(1);
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(table.mRuns, 1);
    EXPECT_TRUE(events.flushColumns.empty());
    EXPECT_EQ(events.sounds.back(), "TwentyOne.wav");
}

TEST_F(CairnwellTableTest, AFullColumnThatDoesNotScoreStaysAndIsNotPaidLater)
{
    deal({"3D", "2S", "10H", "9S", "11C"});
    fanTo(3);
    fanTo(3);
    fanTo(3);
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(table.mPlayCards[11], code("10H"));
    // Later clicks sweep it again without paying.
    fanTo(0);
    table.PlayCard_Click(0);
    table.PlayCard_Click(1);
    ASSERT_EQ(table.mPlayCards[1], code("9S"));
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(table.mPlayCards[3], code("3D"));
    EXPECT_EQ(table.mPlayCards[7], code("2S"));
    EXPECT_EQ(table.mPlayCards[11], code("10H"));
}
