// A whole game through the window's own buttons and timers, scored to the point.
#include "QuickjackWindowFixture.h"

#include "games/quickjack/QuickjackColumns.h"
#include "games/quickjack/QuickjackSettings.h"
#include "support/Screenshot.h"

#include <QProgressBar>

TEST_F(QuickjackWindowTest, AWholeGameFromPlayToTheHallOfFame)
{
    // Custom scoring, so that three rounds can reach the bonus round.
    gBonusRoundScore = 121649;
    quickjack::CheckForCustom();
    play();
    ASSERT_TRUE(gGameInProgress);
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End game"));
    EXPECT_EQ(panel(1), QStringLiteral("Make 121,649 for bonus round."));
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 1"));
    EXPECT_EQ(form->lbl21s->caption(), QStringLiteral(" 0"));
    EXPECT_FALSE(form->Timer3->enabled()) << "the counter waits for the round's first 21";

    // Round 1: three 21s, a five-card column and a bust.
    lay({10, 1, 10, 1, 10, 1, 2, 2, 2, 2, 2, 10, 5, 10});
    hits({0, 0, 1, 1, 2, 2});
    EXPECT_EQ(form->lbl21s->caption(), QStringLiteral("3"));
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("3000"));
    EXPECT_TRUE(form->Timer3->enabled());
    hits({3, 3, 3, 3, 3});
    EXPECT_EQ(gScore, 750);
    EXPECT_EQ(form->ColumnTotal[3]->caption(), QStringLiteral("0"));
    EXPECT_TRUE(form->Column[3][0]->shows(QStringLiteral("EMPTY")));
    hits({0, 0, 0});
    EXPECT_EQ(gScore, 650);
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("650"));
    EXPECT_EQ(form->lblCardsUsedCount->caption(), QStringLiteral("13"));
    saveScreenshot(form, QStringLiteral("quickjack-mid-round"));

    waits.clear();
    form->cmdTakeScore->click();
    // 13 cards at 100, then 3 x 3,000 in steps of 1,000.
    EXPECT_EQ(gScore, 650 + 1300 + 9000);
    EXPECT_EQ(waitsOf(75), 13 + 9);
    EXPECT_EQ(waitsOf(750), 1);
    EXPECT_EQ(waitsOf(2000), 1) << "the round message stands for the wait period";
    EXPECT_EQ(audio.waves().count(appFile(QStringLiteral("CountScore.wav"))), 22);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));
    EXPECT_EQ(form->ScoringLabelInfo->caption(), QStringLiteral("Prepare for Round 2"));
    EXPECT_FALSE(gRoundOver);
    EXPECT_EQ(gDeckIndex, 1);
    EXPECT_FALSE(form->Timer3->enabled());
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("0"));

    // Round 2: a 21, the counter runs out, another 21, a pass, then the time runs out.
    lay({10, 1, 4, 10, 1});
    hits({0, 0});
    for (int i = 0; i < 101; ++i)
        form->Timer3->fire();
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("1000"));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    form->cmdPass->click();
    EXPECT_EQ(gPassesLeft, 2);
    hits({1, 1});
    EXPECT_EQ(form->lblBonus->caption(), QStringLiteral("2000"));
    tick(89);
    EXPECT_EQ(panel(2), QStringLiteral("Better Hurry!"));
    waits.clear();
    tick(1);
    EXPECT_EQ(waitsOf(250), 10) << "Times Up! flashes ten times";
    // 5 cards at 100, then 2 x 2,000.
    EXPECT_EQ(gScore, 10950 + 500 + 4000);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 3"));

    // Round 3: straight to the last cards; the last one makes 21 and completes the deck.
    gDeckIndex = 51;
    lay({10, 1});
    hits({2, 2});
    // Completion 100,000, 52 cards at 100, one 21 at 1,000.
    EXPECT_EQ(gScore, 15450 + 100000 + 5200 + 1000);
    EXPECT_EQ(gRound, 4);
    EXPECT_EQ(form->ScoringLabelInfo->caption(), QStringLiteral("Prepare for Bonus Round"));
    EXPECT_TRUE(audio.waves().contains(appFile(QStringLiteral("HighScore.wav"))));
    EXPECT_TRUE(audio.waves().contains(appFile(QStringLiteral("Applause.wav"))));

    // The bonus round, taken at once.
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 121650);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Game Over"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(panel(2), QStringLiteral("Game Over "));
    EXPECT_EQ(panel(1), QStringLiteral("Click on Play to start a new game  "));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->mnuUserOptions->isEnabled());
    EXPECT_EQ(namePrompts, 1);
    EXPECT_EQ(tablesShown, 1);
    EXPECT_TRUE(file(QStringLiteral("QuickjackHiScores90.Txt")).startsWith("Tester*, 121650"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 121,650"));
    EXPECT_TRUE(form->Timer4->enabled()) << "the splash runs again";
}

TEST_F(QuickjackWindowTest, AScoreEqualToTheThresholdEndsTheGameAfterRoundThree)
{
    gBonusRoundScore = 0;
    play();
    form->cmdTakeScore->click();
    form->cmdTakeScore->click();
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 0);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(audio.waves().contains(appFile(QStringLiteral("HighScore.wav"))));
}

TEST_F(QuickjackWindowTest, EndingAGameFromPlayRecordsNothing)
{
    play();
    lay({10, 1});
    hits({0, 0});
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo).expect(platform::vbYes);
    form->cmdPlay->click();
    EXPECT_TRUE(gGameInProgress);
    waits.clear();
    form->cmdPlay->click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit?"));
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(namePrompts, 0);
    EXPECT_EQ(waitsOf(2000), 0) << "no red Game Over display";
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Game Over"));
    EXPECT_EQ(form->ScoringLabelInfo->caption(), QStringLiteral("Game Over"));
    EXPECT_EQ(panel(2), QStringLiteral("Game Over "));
}

TEST_F(QuickjackWindowTest, ARoundWithoutTwentyOnesAndWithoutCountUp)
{
    gCountDownScore = false;
    play();
    lay({5, 6});
    hits({0, 1});
    waits.clear();
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 200);
    EXPECT_EQ(waitsOf(500), 1) << "only the cards-used phase waits";
    EXPECT_EQ(waitsOf(750), 0);
    EXPECT_EQ(waitsOf(75), 0);
    form->cmdTakeScore->click();
    EXPECT_FALSE(gRoundOver) << "a new round is running";
}

TEST_F(QuickjackWindowTest, AGameUnderALimitWithNoTableYetEntersItsScoreInANewDefaultTable)
{
    // 45 seconds is taken from the file but offered by no menu, so nothing made its table before.
    delete form;
    QFile ini(folder.file(QStringLiteral("Quickjack.Ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Time Limit]\r\n45\r\n");
    ini.close();
    openWindow();
    ASSERT_EQ(gTimeLimit, 45);
    ASSERT_FALSE(QFile::exists(folder.file(QStringLiteral("QuickjackHiScores45.Txt"))));

    ScriptedMessageBoxes boxes;
    play();
    gScore = 60000;
    for (int round = 0; round < 3 && gGameInProgress; ++round)
        form->cmdTakeScore->click();
    ASSERT_FALSE(gGameInProgress);
    EXPECT_TRUE(boxes.shown().empty()) << "no table error";
    EXPECT_EQ(namePrompts, 1);
    QByteArray expected = "Tester, 60000\r\n";
    for (int i = 0; i < 9; ++i)
        expected += "Corvanta, 50000\r\n";
    EXPECT_EQ(file(QStringLiteral("QuickjackHiScores45.Txt")), expected + "\r\n");
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 60,000"));
}
