// "Quickjack.Ini": the text written, what the reader accepts and refuses, and the custom flag.
#include "support/PlatformFakes.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackSettings.h"
#include "platform/ItemReader.h"

#include <gtest/gtest.h>

using namespace quickjack;

namespace {

const QByteArray FirstRunFile =
    "[Play Sounds]\r\nTrue\r\n\r\n[Timer Speed]\r\n 90\r\n\r\n[Play Music]\r\nFalse\r\n\r\n[Deck]\r\n3\r\n\r\n"
    "[Cards To Pass]\r\n3\r\n\r\n[TwentyOne Bonus Value]\r\n1000\r\n\r\n[Cards Used Bonus Value]\r\n100\r\n\r\n"
    "[5 Cards Bonus Value]\r\n750\r\n\r\n[Deck Completion Bonus]\r\n100000\r\n\r\n[Wait Period]\r\n2000\r\n\r\n"
    "[Time Limit]\r\n90\r\n\r\n[Bonus Round Score]\r\n250000\r\n\r\n[Count Down Score]\r\nTrue\r\n\r\n"
    "[State]\r\n0\r\n\r\n[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n\r\n\r\n";

QuickjackSettings read(const QString& text)
{
    platform::ItemReader reader(text);
    return ReadSettingsINI(reader);
}

TEST(QuickjackSettingsTest, FirstRunTextByteForByte)
{
    WindowPlacement normal{0, 9060, 7155};
    EXPECT_EQ(SettingsText(FirstRunSettings(), normal), FirstRunFile);
    // A maximised window is kept at the design size.
    WindowPlacement maximised{2, 15000, 11000};
    const QByteArray text = SettingsText(FirstRunSettings(), maximised);
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n"));
}

TEST(QuickjackSettingsTest, WhatIsWrittenReadsBack)
{
    QuickjackSettingsValues v;
    v.timerSpeed = 360;
    v.soundsOn = false;
    v.musicOn = true;
    v.deckDesign = 1;
    v.cardsToPass = 0;
    v.twentyOneBonus = 5000;
    v.cardsUsedBonus = 0;
    v.fiveCardsBonus = 50000;
    v.deckCompletionBonus = 1000000;
    v.waitPeriod = 60000;
    v.timeLimit = 45;
    v.bonusRoundScore = 2147483647;
    v.countDownScore = false;
    const QuickjackSettings s = read(QString::fromLatin1(SettingsText(v, {0, 9500, 8000})));
    EXPECT_EQ(s.timerSpeed, 360);
    EXPECT_FALSE(s.timerSpeedRefused);
    EXPECT_EQ(s.soundsOn, false);
    EXPECT_EQ(s.musicOn, true);
    EXPECT_EQ(s.cardBack, CardBackDesign::HotCards);
    EXPECT_EQ(s.cardsToPass, 0);
    EXPECT_EQ(s.twentyOneBonus, 5000);
    EXPECT_EQ(s.cardsUsedBonus, 0);
    EXPECT_EQ(s.fiveCardsBonus, 50000);
    EXPECT_EQ(s.deckCompletionBonus, 1000000);
    EXPECT_EQ(s.waitPeriod, 60000);
    EXPECT_EQ(s.timeLimit, 45) << "a limit the menu does not offer is still played";
    EXPECT_EQ(s.bonusRoundScore, 2147483647);
    EXPECT_EQ(s.countDownScore, false);
    EXPECT_EQ(s.windowState, 0);
    EXPECT_EQ(s.widthTw, 9500);
    EXPECT_EQ(s.heightTw, 8000);
}

TEST(QuickjackSettingsTest, ValuesTheDialogWouldRefuseAreIgnored)
{
    const QuickjackSettings s = read(QStringLiteral(
        "[Timer Speed]\n200\n[Deck]\n7\n[Wait Period]\n-5\n[Time Limit]\n0\n[Cards To Pass]\n11\n"
        "[TwentyOne Bonus Value]\n-1\n[Cards Used Bonus Value]\nabc\n[5 Cards Bonus Value]\n50001\n"
        "[Deck Completion Bonus]\n99999999999\n[Bonus Round Score]\n-3\n[State]\n9\n[Width]\n-10\n"));
    EXPECT_TRUE(s.timerSpeedRefused);
    EXPECT_EQ(s.timerSpeed, 90);
    EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree) << "any other deck number is Palm Tree";
    EXPECT_FALSE(s.waitPeriod);
    EXPECT_FALSE(s.timeLimit) << "a limit of 0 would divide the clock by it";
    EXPECT_FALSE(s.cardsToPass);
    EXPECT_FALSE(s.twentyOneBonus);
    EXPECT_FALSE(s.cardsUsedBonus);
    EXPECT_FALSE(s.fiveCardsBonus);
    EXPECT_FALSE(s.deckCompletionBonus);
    EXPECT_FALSE(s.bonusRoundScore);
    EXPECT_FALSE(s.windowState);
    EXPECT_FALSE(s.widthTw);
}

TEST(QuickjackSettingsTest, UnknownLinesAreSkippedAndTheLastOccurrenceWins)
{
    const QuickjackSettings s =
        read(QStringLiteral("junk\n[Time Limit]\n30\n\n[time limit]\n60\n[Time Limit]\n120\n[Play Sounds]\ntrue\n"));
    EXPECT_EQ(s.timeLimit, 120);
    EXPECT_EQ(s.soundsOn, false) << "only \"True\" is on";
}

TEST(QuickjackSettingsTest, TheCustomFlagIgnoresTheTwentyOneBonusWaitAndCountDown)
{
    resetSuiteGlobals();
    SetBuiltInValues();
    CheckForCustom();
    EXPECT_FALSE(gCustomScoring);
    gTwentyOneBonus = 2500;
    gWaitPeriod = 0;
    gCountDownScore = false;
    CheckForCustom();
    EXPECT_FALSE(gCustomScoring);

    const auto changes = std::initializer_list<void (*)()>{
        [] { gCardsToPass = 2; }, [] { gCardsUsedBonus = 99; }, [] { gBonusRoundScore = 1; },
        [] { gDeckCompletionBonus = 0; }, [] { gFiveCardsBonus = 751; }, [] { gTimerSpeed = 180; }};
    for (auto change : changes) {
        SetBuiltInValues();
        change();
        CheckForCustom();
        EXPECT_TRUE(gCustomScoring);
    }
}

} // namespace
