#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoSettings.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace duetto;

namespace {

class DuettoSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetDuettoDefaults();
        gTimeLimit = 45;
        gSoundsOn = true;
        gMusicOn = false;
        gDeckDesign = 1;
        gCountDownScore = true;
    }

    static DuettoSettings read(const QString& contents)
    {
        platform::ItemReader reader(contents);
        return ReadSettingsINI(reader);
    }

    QByteArray fileContents() const
    {
        QByteArray bytes;
        EXPECT_TRUE(platform::readWholeFile(folder.file(QStringLiteral("Duetto.Ini")), &bytes));
        return bytes;
    }

    TempProgramFolder folder;
};

const char* const FirstRunFile = "[Play Music]\r\nFalse\r\n\r\n"
                                 "[Time]\r\n45\r\n\r\n"
                                 "[Play Sounds]\r\nTrue\r\n\r\n"
                                 "[Play Music]\r\nFalse\r\n\r\n"
                                 "[Count Down Score]\r\nTrue\r\n\r\n"
                                 "[Pairs Bonus]\r\n3000\r\n\r\n"
                                 "[Runs Bonus]\r\n500\r\n\r\n"
                                 "[Time Bonus]\r\n100\r\n\r\n"
                                 "[Bonus Score]\r\n80000\r\n\r\n"
                                 "[Completion Bonus]\r\n10000\r\n\r\n"
                                 "[State]\r\n0\r\n\r\n"
                                 "[Width]\r\n9570\r\n\r\n"
                                 "[Height]\r\n7200\r\n\r\n"
                                 "[Deck]\r\n1\r\n\r\n";

TEST_F(DuettoSettingsTest, AMissingFileIsWrittenFromTheDefaultsByteForByteThenRead)
{
    const DuettoSettings s = LoadSettingsINI({0, 9570, 7200});
    EXPECT_EQ(fileContents(), QByteArray(FirstRunFile));
    EXPECT_EQ(s.timeLimit, 45);
    EXPECT_EQ(s.musicOn, false);
    EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree);
    EXPECT_EQ(s.widthTw, 9570);
}

TEST_F(DuettoSettingsTest, ChangedValuesRoundTripAndAMaximisedWindowWritesTheMinimumSize)
{
    gTimeLimit = 105;
    gSoundsOn = false;
    gMusicOn = true;
    gDeckDesign = 3;
    gCountDownScore = false;
    gPairsBonus = 4000;
    gRunsBonus = 0;
    gTimeBonus = 32767;
    gBonusRoundScore = 200000;
    gCompletionBonus = 1;
    ASSERT_TRUE(WriteSettingsINI(CurrentSettings(), {2, 20000, 15000}));
    const QByteArray bytes = fileContents();
    EXPECT_TRUE(bytes.startsWith("[Play Music]\r\nTrue\r\n\r\n[Time]\r\n105\r\n"));
    EXPECT_TRUE(bytes.contains("[Play Sounds]\r\nFalse\r\n\r\n[Play Music]\r\nTrue\r\n\r\n"));
    EXPECT_TRUE(bytes.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n[Deck]\r\n3\r\n\r\n"));

    SetDuettoDefaults();
    const DuettoSettings s = LoadSettingsINI({});
    ApplyScoringSettings(s);
    EXPECT_EQ(s.timeLimit, 105);
    EXPECT_EQ(s.soundsOn, false);
    EXPECT_EQ(s.musicOn, true);
    EXPECT_EQ(s.cardBack, CardBackDesign::NightCastle);
    EXPECT_EQ(s.windowState, 2);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_EQ(gPairsBonus, 4000);
    EXPECT_EQ(gRunsBonus, 0);
    EXPECT_EQ(gTimeBonus, 32767);
    EXPECT_EQ(gBonusRoundScore, 200000);
    EXPECT_EQ(gCompletionBonus, 1);
}

TEST_F(DuettoSettingsTest, ValuesTheGameWouldNotOfferAreIgnored)
{
    struct Case {
        const char* file;
        std::function<bool(const DuettoSettings&)> holds;
    };
    const Case cases[] = {
        {"[Time]\n50\n", [](const DuettoSettings& s) { return !s.timeLimit; }},
        {"[Time]\n120\n", [](const DuettoSettings& s) { return s.timeLimit == 120; }},
        {"[Deck]\n7\n", [](const DuettoSettings& s) { return !s.cardBack; }},
        {"[Deck]\n4\n", [](const DuettoSettings& s) { return s.cardBack == CardBackDesign::HotCards; }},
        {"[Play Sounds]\ntrue\n", [](const DuettoSettings& s) { return s.soundsOn == false; }},
        {"[Play Sounds]\nTrue\n", [](const DuettoSettings& s) { return s.soundsOn == true; }},
        {"[Count Down Score]\nYes\n", [](const DuettoSettings& s) { return s.countDownScore == false; }},
        // Scoring values are used as stored, even beyond the user-options bounds.
        {"[Pairs Bonus]\n50000\n", [](const DuettoSettings& s) { return s.pairsBonus == 50000; }},
        {"[Pairs Bonus]\n32767\n", [](const DuettoSettings& s) { return s.pairsBonus == 32767; }},
        {"[Runs Bonus]\n-1\n", [](const DuettoSettings& s) { return s.runsBonus == -1; }},
        {"[Bonus Score]\n200001\n", [](const DuettoSettings& s) { return s.bonusScore == 200001; }},
        {"[Completion Bonus]\n2147483648\n", [](const DuettoSettings& s) { return !s.completionBonus; }},
        {"[Time Bonus]\nlots\n", [](const DuettoSettings& s) { return !s.timeBonus; }},
        {"[State]\n5\n", [](const DuettoSettings& s) { return !s.windowState; }},
        {"\n\n\n\n", [](const DuettoSettings& s) { return !s.timeLimit && !s.soundsOn && !s.pairsBonus && !s.widthTw; }},
        // A key takes the very next item as its value, even another key.
        {"[Unknown]\n[Time]\n[Time]\n60\n", [](const DuettoSettings& s) { return !s.timeLimit; }},
        {"[Time]\n60\n\n[Time]\n90\n", [](const DuettoSettings& s) { return s.timeLimit == 90; }},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.holds(read(QString::fromLatin1(c.file)))) << c.file;
}

} // namespace
