#include "GridhandWindowFixture.h"

#include "support/Screenshot.h"

#include <numeric>

namespace {
std::vector<int> allCells()
{
    std::vector<int> cells(25);
    std::iota(cells.begin(), cells.end(), 0);
    return cells;
}
} // namespace

TEST_F(GridhandWindowTest, AScriptedGameScoresToThePointAndEntersTheTable)
{
    play();
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 1"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 100,000 for bonus round.  "));
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Click on cards to get the best Poker hand!   "));
    EXPECT_FALSE(form->mnuTime->isEnabled());
    EXPECT_FALSE(form->mnuCustom->isEnabled());

    // Round 1: the rich grid filled with 60 seconds left pays 1,250 x 60.
    lay(RichGrid);
    tick(15);
    place(allCells());
    EXPECT_EQ(gScore, 75000);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("75,000"));
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));
    EXPECT_EQ(played("Wingame.wav"), 1);

    // Round 2: hands on the grid, but the time runs out: nothing is paid.
    lay({"13S", "13H"});
    place({0, 1});
    EXPECT_EQ(form->lblRow[1]->caption(), QStringLiteral("1 Pair"));
    tick(75);
    EXPECT_EQ(gScore, 75000);
    EXPECT_EQ(played("Slide.wav"), 1);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 3"));
    EXPECT_EQ(form->lblRow[1]->caption(), QStringLiteral("Nothing"));

    // Round 3: an overwrite first, then the rich grid with 30 seconds left reaches the bonus round.
    std::vector<std::string> cards{"2S"};
    cards.insert(cards.end(), RichGrid.begin(), RichGrid.end());
    lay(cards);
    tick(45);
    place({0});
    place(allCells());
    EXPECT_EQ(form->lblOverWrites->caption(), QStringLiteral("Over Writes Remaining: 3")); // the new round's
    EXPECT_EQ(gScore, 112500);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Bonus Round"));
    EXPECT_EQ(played("HighScore.wav"), 1);

    // Bonus round: 70 seconds left, then the game is over whatever the score.
    lay(RichGrid);
    tick(5);
    place(allCells());
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("200,000"));
    EXPECT_EQ(namePrompts, 1);
    EXPECT_EQ(tablesShown, 1);
    EXPECT_TRUE(file("GridhandHighScores75.Txt").startsWith("Tester, 200000\r\n"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 200,000"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Game Over"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->mnuPause->isEnabled());
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_FALSE(form->mGameRunning);
    EXPECT_FALSE(gRoundOver);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer2->enabled());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_TRUE(form->frmSplash->isVisible());

    // A second game starts from round 1.
    play();
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 1"));
    EXPECT_EQ(gScore, 0);
}

TEST_F(GridhandWindowTest, BelowTheThresholdTheGameEndsAfterRoundThree)
{
    gBonusRoundScore = 75001;
    play();
    lay(RichGrid);
    tick(15);
    place(allCells()); // 75,000
    tick(75);
    tick(75);
    EXPECT_EQ(gScore, 75000);
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(namePrompts, 1);
}

TEST_F(GridhandWindowTest, ATimeBonusOfZeroMakesEveryRoundWorthNothing)
{
    gTimeBonus = 0;
    gCountDownScore = false;
    play();
    lay(RichGrid);
    place(allCells());
    EXPECT_EQ(gScore, 0);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));
}

TEST_F(GridhandWindowTest, TheRoundPointsShowAsHandPointsTimesSecondsLeft)
{
    gCountDownScore = false;
    QString shown;
    platform::setWaitHandler([&](int ms) {
        if (ms == 2000 && shown.isEmpty()) {
            saveScreenshot(form, QStringLiteral("gridhand-round-points"));
            shown = form->ScoringLabel->caption() + QStringLiteral(" | ") + form->lblScoring->caption() +
                    QStringLiteral(" | ") + form->lblMessage->caption();
        }
    });
    play();
    lay(RichGrid);
    tick(45);
    place(allCells());
    EXPECT_EQ(shown, QStringLiteral("1250 X 30 = | 37,500 | Round Points X Seconds Remaining"));
    EXPECT_EQ(gScore, 37500);
}
