#include "SpiresWindowFixture.h"

#include "games/spires/SpiresSettings.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"

namespace {
const QByteArray FirstRunFile = "[Play Music]\r\nFalse\r\n\r\n"
                                "[Time]\r\n45\r\n\r\n"
                                "[Play Sounds]\r\nTrue\r\n\r\n"
                                "[Hi Run]\r\n0\r\n\r\n"
                                "[Card Bonus]\r\n100\r\n\r\n"
                                "[Bonus Score]\r\n40000\r\n\r\n"
                                "[Tower Bonus]\r\n5000\r\n\r\n"
                                "[High Run Bonus]\r\n1000\r\n\r\n"
                                "[Count Down Score]\r\nTrue\r\n\r\n"
                                "[Time Bonus]\r\n100\r\n\r\n"
                                "[State]\r\n0\r\n\r\n"
                                "[Width]\r\n9570\r\n\r\n"
                                "[Height]\r\n7200\r\n\r\n"
                                "[Deck]\r\n1\r\n\r\n";

QByteArray withValue(QByteArray file, const QByteArray& key, const QByteArray& value)
{
    const qsizetype at = file.indexOf(key + "\r\n") + key.size() + 2;
    const qsizetype end = file.indexOf("\r\n", at);
    return file.replace(at, end - at, value);
}
} // namespace

TEST_F(SpiresWindowTest, TheFirstRunWritesTheDefaultsByteForByte)
{
    EXPECT_EQ(file(QStringLiteral("Spires.Ini")), FirstRunFile);
}

TEST_F(SpiresWindowTest, ConfirmedCloseWritesWhatChangedAndTheNextLoadReadsItBack)
{
    form->chooseTimeLimit(90);
    form->mnuSounds_Click();
    form->mnuHot->trigger();
    // Beyond what the user-options dialog or a round would make, but kept as they are.
    form->board.mHighRun = 30;
    gCardValue = 1200;
    gSpireBonus = 50000;
    gCountDownScore = false;
    spires::CheckForCustom();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    form->close();
    QApplication::processEvents();
    ASSERT_FALSE(form);
    QByteArray expected = withValue(FirstRunFile, "[Time]", "90");
    expected = withValue(expected, "[Play Sounds]", "False");
    expected = withValue(expected, "[Hi Run]", "30");
    expected = withValue(expected, "[Card Bonus]", "1200");
    expected = withValue(expected, "[Tower Bonus]", "50000");
    expected = withValue(expected, "[Count Down Score]", "False");
    expected = withValue(expected, "[Deck]", "4");
    EXPECT_EQ(file(QStringLiteral("Spires.Ini")), expected);

    resetSuiteGlobals();
    gGameTitle = QStringLiteral("Spires!");
    gAppPath = folder.path();
    openWindow();
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_TRUE(form->timeLimitEntry(90)->isChecked());
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
    EXPECT_EQ(gDeckDesign, 4);
    EXPECT_TRUE(form->mnuHot->isChecked());
    EXPECT_EQ(form->board.mHighRun, 30);
    EXPECT_EQ(form->lblHighRun->caption(), QStringLiteral("Highest Run: 30"));
    EXPECT_EQ(gCardValue, 1200);
    EXPECT_EQ(gSpireBonus, 50000);
    EXPECT_FALSE(gCountDownScore);
    EXPECT_TRUE(gCustomScoring);
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("Current High Score: 30,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("SpiresHiScores90.Txt"))));
}

TEST(SpiresSettingsReader, ValuesTheGameWouldNotOfferKeepTheValueInForce)
{
    struct Case {
        const char* text;
        bool (*check)(const spires::SpiresSettings&);
    };
    const Case cases[] = {
        {"[Time]\r\n75\r\n", [](const spires::SpiresSettings& s) { return !s.timeLimit; }},
        {"[Time]\r\n60\r\n", [](const spires::SpiresSettings& s) { return s.timeLimit == 60; }},
        {"[Play Sounds]\r\ntrue\r\n", [](const spires::SpiresSettings& s) { return s.soundsOn == false; }},
        {"[Play Music]\r\nTrue\r\n", [](const spires::SpiresSettings& s) { return s.musicOn == true; }},
        {"[Hi run]\r\n5\r\n", [](const spires::SpiresSettings& s) { return !s.highRun; }},
        // Scoring values and the longest run are used as stored, even beyond the user-options bounds;
        // only no number, or one too big for its variable, keeps the value in force.
        {"[Hi Run]\r\n30\r\n", [](const spires::SpiresSettings& s) { return s.highRun == 30; }},
        {"[Hi Run]\r\n-3\r\n", [](const spires::SpiresSettings& s) { return s.highRun == -3; }},
        {"[Hi Run]\r\n32768\r\n", [](const spires::SpiresSettings& s) { return !s.highRun; }},
        {"[Card Bonus]\r\n1200\r\n", [](const spires::SpiresSettings& s) { return s.cardValue == 1200; }},
        {"[Card Bonus]\r\n-1\r\n", [](const spires::SpiresSettings& s) { return s.cardValue == -1; }},
        {"[Card Bonus]\r\n40000\r\n", [](const spires::SpiresSettings& s) { return !s.cardValue; }},
        {"[Card Bonus]\r\nlots\r\n", [](const spires::SpiresSettings& s) { return !s.cardValue; }},
        {"[Bonus Score]\r\n1000000\r\n", [](const spires::SpiresSettings& s) { return s.bonusRoundScore == 1000000; }},
        {"[Tower Bonus]\r\n50000\r\n", [](const spires::SpiresSettings& s) { return s.spireBonus == 50000; }},
        {"[High Run Bonus]\r\n40000\r\n", [](const spires::SpiresSettings& s) { return s.highRunBonus == 40000; }},
        {"[Time Bonus]\r\n99999999999\r\n", [](const spires::SpiresSettings& s) { return !s.timeBonus; }},
        {"[Deck]\r\n5\r\n", [](const spires::SpiresSettings& s) { return !s.cardBack; }},
        {"[Deck]\r\n3\r\n", [](const spires::SpiresSettings& s) { return s.cardBack == CardBackDesign::NightCastle; }},
        // Without the empty lines, in any order, the last of a repeated key winning.
        {"[Time]\n30\n[Time]\n90\n[State]\n2\n",
         [](const spires::SpiresSettings& s) { return s.timeLimit == 90 && s.windowState == 2; }},
    };
    for (const Case& c : cases) {
        platform::ItemReader reader{QString::fromLatin1(c.text)};
        EXPECT_TRUE(c.check(spires::ReadSettingsINI(reader))) << c.text;
    }
}

TEST(SpiresSettingsReader, CustomScoringCountsOnlyTheFiveScoringValues)
{
    resetSuiteGlobals();
    SetSpiresDefaults();
    gCountDownScore = false;
    gTimeLimit = 90;
    spires::CheckForCustom();
    EXPECT_FALSE(gCustomScoring);
    gSpireBonus = 5001;
    spires::CheckForCustom();
    EXPECT_TRUE(gCustomScoring);
}

TEST_F(SpiresWindowTest, AMaximisedWindowIsWrittenAtTheDesignSize)
{
    spires::WindowPlacement maximised{2, 20000, 12000};
    const QByteArray text = spires::SettingsText({}, maximised);
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"));
}

TEST_F(SpiresWindowTest, ASettingsFileThatCannotBeWrittenIsToldAndTheWindowStillCloses)
{
    // A folder in the file's place makes the write fail.
    QFile::remove(folder.file(QStringLiteral("Spires.Ini")));
    QDir(folder.path()).mkdir(QStringLiteral("Spires.Ini"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    form->close();
    QApplication::processEvents();
    EXPECT_FALSE(form);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].prompt.startsWith(QStringLiteral("Unable to save your options")));
}
