#include "StackjackWindowFixture.h"

#include "core/window/GameSplash.h"
#include "support/Screenshot.h"

#include <algorithm>

TEST_F(StackjackWindowTest, AScriptedGameScoresToThePointAndEntersTheTable)
{
    play();
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 1"));
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 1"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 200,000 for bonus round.  "));

    // Round 1: five soft 21s (king, ace); the fifth ace makes 105, taken at once with the full bonus.
    lay({13, 1, 13, 1, 13, 1, 13, 1, 13, 1});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    EXPECT_EQ(gScore, 300000);
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 2"));
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));

    // Round 2: twenty in column 1, then a five busts it.
    lay({10, 12, 5});
    tick(4);
    hits({0, 0, 0});
    EXPECT_EQ(gScore, 300000);
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 3"));

    // Round 3: a two passed, then 98 taken after ten seconds at a bonus of 267.
    lay({2, 10, 11, 12, 13, 10, 11, 12, 13, 9, 9});
    form->cmdPass->click();
    tick(10);
    EXPECT_EQ(form->lblTimeBonus->caption(), QStringLiteral(" 267"));
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    ASSERT_EQ(form->cmdGiveUp->text(), QStringLiteral("&Take score"));
    waits.clear();
    form->cmdGiveUp->click();
    EXPECT_EQ(gScore, 326700);
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("326,700"));
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 4"));
    const std::vector<QString> shown = messagesShown();
    EXPECT_NE(std::find(shown.begin(), shown.end(), QStringLiteral("Prepare for Bonus Round!")), shown.end());
    EXPECT_TRUE(audio.waves().contains(folder.file(QStringLiteral("HighScore.wav"))));
    // The count-down: 50 steps of twice the bonus, 534 each.
    EXPECT_EQ(std::count_if(waits.begin(), waits.end(), [](const WaitSnapshot& s) { return s.ms == 10; }), 50);

    // Bonus round: four 20s and a soft 19 make 99 when the time runs out, at the lowest bonus.
    lay({10, 10, 10, 10, 10, 10, 10, 10, 1, 8});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4, 4});
    tick(60);

    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("341,700"));
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    EXPECT_EQ(namePrompts, 1);
    EXPECT_EQ(tablesShown, 1);
    EXPECT_TRUE(table().startsWith("Tester, 341700\r\n"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 341,700"));
    EXPECT_EQ(gScore, 0);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->mnuPlay->text(), QStringLiteral("&Play"));
    EXPECT_TRUE(form->mnuTime->isEnabled());
    EXPECT_TRUE(form->mnuCustom->isEnabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->lblRound->isVisible());
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Game over!  "));
    EXPECT_EQ(form->StatusBar1->panelText(2), QStringLiteral("Click on Play to start a new game.  "));
    saveScreenshot(form, QStringLiteral("stackjack-game-over"));
}

TEST_F(StackjackWindowTest, ThreeRoundsAreAlwaysPlayedAndALowScoreEndsThere)
{
    play();
    std::vector<QString> captions{caption()};
    for (int round = 1; round <= 3; ++round) {
        lay({10, 9, 10, 9});
        hits({0, 1, 2, 3});
        ASSERT_EQ(form->cmdGiveUp->text(), QStringLiteral("&Give Up"));
        form->cmdGiveUp->click();
        captions.push_back(caption());
    }
    EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Stackjack!: Round 1"), QStringLiteral("Stackjack!: Round 2"),
                                              QStringLiteral("Stackjack!: Round 3"),
                                              QStringLiteral("Stackjack!: Game Over")}));
    // A score of 0 enters no table, but the table was read.
    EXPECT_EQ(namePrompts, 0);
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("0"));

    // The next game starts afresh.
    play();
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!: Round 1"));
    EXPECT_EQ(form->lblTotalScore->caption(), QStringLiteral("0"));
    EXPECT_FALSE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Column[0][0]->shows(QStringLiteral("EMPTY")));
}
