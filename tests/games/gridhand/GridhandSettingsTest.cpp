#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandSettings.h"
#include "platform/ItemReader.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace gridhand;

namespace {
class GridhandSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gAppPath = folder.path();
        gTimeLimit = 75;
        gSoundsOn = true;
        gMusicOn = false;
        gCountDownScore = true;
        gDeckDesign = 1;
        SetGridhandDefaults();
    }

    static GridhandSettings read(const QString& text)
    {
        platform::ItemReader reader(text);
        return ReadSettingsINI(reader);
    }

    TempProgramFolder folder;
};

const char* const FirstRun = "[Time]\r\n75\r\n\r\n"
                             "[Play Sounds]\r\nTrue\r\n\r\n"
                             "[Play Music]\r\nFalse\r\n\r\n"
                             "[Count Down Score]\r\nTrue\r\n\r\n"
                             "[Deck]\r\n1\r\n\r\n"
                             "[Time Bonus]\r\n1\r\n\r\n"
                             "[Bonus Score]\r\n100000\r\n\r\n"
                             "[Pair Score]\r\n50\r\n\r\n"
                             "[Two Pair Score]\r\n70\r\n\r\n"
                             "[Trips Score]\r\n80\r\n\r\n"
                             "[Flush Score]\r\n100\r\n\r\n"
                             "[Full House Score]\r\n200\r\n\r\n"
                             "[Straight Score]\r\n90\r\n\r\n"
                             "[Four Score]\r\n300\r\n\r\n"
                             "[Straight Flush Score]\r\n400\r\n\r\n"
                             "[Royal Flush Score]\r\n500\r\n\r\n"
                             "[Over Writes]\r\n3\r\n\r\n"
                             "[State]\r\n0\r\n\r\n"
                             "[Width]\r\n9540\r\n\r\n"
                             "[Height]\r\n7305\r\n\r\n"
                             "\r\n";
} // namespace

TEST_F(GridhandSettingsTest, TheDefaultsAreWrittenInTheFilesOrderWithCrLfAndAFinalLineEnd)
{
    EXPECT_EQ(SettingsText({0, 9540, 7305}), QByteArray(FirstRun));
}

TEST_F(GridhandSettingsTest, AMaximisedWindowIsWrittenAtItsFixedSizeAndReadBackWithoutIt)
{
    const QByteArray text = SettingsText({2, 12345, 9876});
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n"));
    const GridhandSettings s = read(QString::fromLatin1(text));
    EXPECT_EQ(s.windowState, 2);
}

TEST_F(GridhandSettingsTest, WrittenValuesReadBackWhateverTheOrder)
{
    gTimeLimit = 120;
    gSoundsOn = false;
    gMusicOn = true;
    gCountDownScore = false;
    gDeckDesign = 3;
    gTimeBonus = 7;
    gBonusRoundScore = 250000;
    gPairPoints = 1;
    gFlushPoints = 2;
    gStraightPoints = 3;
    gRoyalFlushPoints = 100000;
    gOverwritesAllowed = 26;
    ASSERT_TRUE(WriteSettingsINI({0, 10000, 8000}));
    SetGridhandDefaults();
    gCountDownScore = true;

    const GridhandSettings s = LoadSettingsINI({});
    EXPECT_EQ(s.timeLimit, 120);
    EXPECT_EQ(s.soundsOn, false);
    EXPECT_EQ(s.musicOn, true);
    EXPECT_EQ(s.deckDesign, 3);
    EXPECT_EQ(s.widthTw, 10000);
    EXPECT_EQ(s.heightTw, 8000);
    ApplyScoringSettings(s);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_EQ(gTimeBonus, 7);
    EXPECT_EQ(gBonusRoundScore, 250000);
    EXPECT_EQ(gPairPoints, 1);
    EXPECT_EQ(gFlushPoints, 2);
    EXPECT_EQ(gStraightPoints, 3);
    EXPECT_EQ(gRoyalFlushPoints, 100000);
    EXPECT_EQ(gOverwritesAllowed, 26);

    const GridhandSettings shuffled = read(QStringLiteral("[Over Writes]\n5\n\n[Time]\n30\n\nstray\n[Pair Score]\n9\n"));
    EXPECT_EQ(shuffled.overWrites, 5);
    EXPECT_EQ(shuffled.timeLimit, 30);
    EXPECT_EQ(shuffled.pair, 9);
    EXPECT_FALSE(shuffled.bonusScore.has_value());
}

TEST_F(GridhandSettingsTest, ValuesTheMenusWouldNotOfferAreIgnoredAndScoringValuesKept)
{
    struct Case {
        const char* text;
        bool applied;
    };
    const Case cases[] = {
        {"[Time]\r\n120", true},         {"[Time]\r\n100", false},       {"[Deck]\r\n4", true},
        {"[Deck]\r\n5", false},          {"[Over Writes]\r\n26", true},  {"[Over Writes]\r\n27", false},
        // Scoring values are used as stored, even beyond the user-options bounds; only no number, or
        // one too big for 32 bits, is passed over.
        {"[Over Writes]\r\n-1", true},   {"[Time Bonus]\r\n11", true},   {"[Bonus Score]\r\n1000001", true},
        {"[Pair Score]\r\n60000", true}, {"[Royal Flush Score]\r\n-5", true}, {"[Pair Score]\r\nlots", false},
        {"[Pair Score]\r\n2147483648", false}, {"[State]\r\n3", false},
    };
    for (const Case& c : cases) {
        const GridhandSettings s = read(QString::fromLatin1(c.text));
        const bool any = s.timeLimit || s.deckDesign || s.overWrites || s.timeBonus || s.bonusScore || s.pair ||
                         s.royalFlush || s.windowState;
        EXPECT_EQ(any, c.applied) << c.text;
    }
    // A refused value keeps an earlier good one.
    EXPECT_EQ(read(QStringLiteral("[Pair Score]\n60\n\n[Pair Score]\nlots\n")).pair, 60);
    EXPECT_EQ(read(QStringLiteral("[Pair Score]\n60000\n")).pair, 60000);
    EXPECT_EQ(read(QStringLiteral("[Royal Flush Score]\n-5\n")).royalFlush, -5);
}

TEST_F(GridhandSettingsTest, OnlyTrueInThatCaseSwitchesOn)
{
    EXPECT_EQ(read(QStringLiteral("[Play Sounds]\ntrue\n")).soundsOn, false);
    EXPECT_EQ(read(QStringLiteral("[Play Sounds]\nTrue\n")).soundsOn, true);
    EXPECT_EQ(read(QStringLiteral("[Count Down Score]\nFALSE\n")).countDownScore, false);
}

TEST_F(GridhandSettingsTest, AMissingFileIsWrittenFromTheValuesInForceAndRead)
{
    const GridhandSettings s = LoadSettingsINI({0, 9540, 7305});
    QFile f(folder.file(QStringLiteral("Gridhand.Ini")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(FirstRun));
    EXPECT_EQ(s.timeLimit, 75);
    EXPECT_EQ(s.overWrites, 3);
}
