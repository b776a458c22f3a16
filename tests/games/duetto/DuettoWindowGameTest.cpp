#include "DuettoWindowFixture.h"

#include "support/Screenshot.h"

#include <algorithm>

TEST_F(DuettoWindowTest, AScriptedGameScoresToThePointAndEntersTheTable)
{
    // A bonus-round target below the built-in one: the entry is marked as custom scoring.
    gBonusRoundScore = 60000;
    form->CheckForCustom();
    ASSERT_TRUE(gCustomScoring);

    play();
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&End Game"));
    EXPECT_FALSE(form->mnuTime->isEnabled());
    EXPECT_FALSE(form->mnuCustom->isEnabled());
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 60,000 for Bonus Round!   "));
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Create runs by clicking on exposed cards!   "));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("1"));

    // Round 1: the whole layout cleared with 40 seconds left: 10,000 + 4,000 + 6 x 500 + 6 x 3,000.
    lay(clearingDeck());
    tick(5);
    saveScreenshot(form, QStringLiteral("duetto-mid-round"));
    waits.clear();
    clearLayout();
    EXPECT_EQ(gScore, 35000);
    const std::vector<QString> shown = messagesShown();
    const std::vector<QString> expected{QStringLiteral("Completion Bonus!"), QStringLiteral("Speed Bonus!"),
                                        QStringLiteral("Runs Bonus!"), QStringLiteral("Pairs Bonus!"),
                                        QStringLiteral("Prepare for Round Two!")};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("35,000"));
    EXPECT_EQ(form->lblScorePairs->caption(), QStringLiteral("0"));
    EXPECT_FALSE(gRoundOver);

    // Round 2: cleared again with 35 seconds left, which reaches the bonus round.
    lay(clearingDeck());
    tick(10);
    waits.clear();
    clearLayout();
    EXPECT_EQ(gScore, 69500);
    const std::vector<QString> shownAfterRoundTwo = messagesShown();
    EXPECT_NE(std::find(shownAfterRoundTwo.begin(), shownAfterRoundTwo.end(), QStringLiteral("Prepare for Bonus Round!")),
              shownAfterRoundTwo.end());
    EXPECT_EQ(played("Applause.wav"), 1);
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("3"));

    // Bonus round: a pair, a stock card, a run with the card that refilled place 18, then Take Score.
    lay(deckWith({{18, 4}, {19, 4}, {20, 7}, {23, 6}, {24, 12}}));
    match(18, 19);
    form->CardStackPicture_Click();
    EXPECT_EQ(form->lblCards->caption(), QStringLiteral("27"));
    EXPECT_TRUE(form->PlayCard[18]->isVisible());
    match(18, 20);
    tick(15);
    form->cmdTakeScore->click();

    // 30 seconds x 100, one run, one pair.
    EXPECT_EQ(namePrompts, 1);
    EXPECT_EQ(tablesShown, 1);
    EXPECT_TRUE(file("DuettoHighScores45.Txt").startsWith("Tester*, 76000\r\n"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 76,000"));
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("76,000"));
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    EXPECT_TRUE(form->lblMessage->isVisible());
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Game Over"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->cmdPlay->toolTip(), QStringLiteral("Starts a new game"));
    EXPECT_TRUE(form->cmdPlay->isEnabled());
    EXPECT_TRUE(form->cmdExit->isEnabled());
    EXPECT_FALSE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer2->enabled());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_FALSE(form->PlayCard[0]->isVisible());
    EXPECT_TRUE(form->lblCurrentScore->isVisible());
    EXPECT_FALSE(form->lblPairs->isVisible());
    saveScreenshot(form, QStringLiteral("duetto-game-over"));

    // The next game starts from nothing.
    play();
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("0"));
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("1"));
    EXPECT_FALSE(form->frmSplash->isVisible());
}

TEST_F(DuettoWindowTest, AGameBelowTheTargetEndsAfterRoundTwoAndTheClockEndsRounds)
{
    play();
    lay(deckWith({{18, 13}, {19, 1}}));
    match(18, 19);
    tick(45);
    EXPECT_EQ(gScore, 500);
    EXPECT_EQ(gRound, 2);
    lay(deckWith({{18, 13}, {19, 13}}));
    match(18, 19);
    tick(45);
    EXPECT_EQ(gScore, 3500);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(namePrompts, 0);
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    // Times Up flashes ten times, the announcement eleven, each 250 ms.
    EXPECT_EQ(std::count_if(waits.begin(), waits.end(), [](const DuettoWait& w) { return w.ms == 250; }), 10 + 11 + 10);
}
