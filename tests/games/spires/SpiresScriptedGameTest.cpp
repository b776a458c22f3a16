#include "SpiresWindowFixture.h"

#include "support/Screenshot.h"

#include <QTest>

namespace {
// Round one's run: up card king, then ace to ten up the first tower, base row first.
constexpr int TowerOneRun[] = {18, 19, 20, 21, 9, 10, 11, 3, 4, 0};
} // namespace

TEST_F(SpiresWindowTest, AWholeGameScoresToThePoint)
{
    play();
    lay(51, 13);
    for (int i = 0; i < 10; ++i)
        lay(TowerOneRun[i], i + 1);
    tick(5);
    for (int place : TowerOneRun) {
        ASSERT_TRUE(form->UpCardImage[std::size_t(place)]->isVisible()) << place;
        QTest::mouseClick(form->UpCardImage[std::size_t(place)], Qt::LeftButton);
    }
    // 100 + 200 + ... + 1,000 for the ten cards.
    EXPECT_EQ(gScore, 5500);
    EXPECT_TRUE(form->lblTower[0]->isVisible());
    EXPECT_EQ(form->lblHighRun->caption(), QStringLiteral("Highest Run: 10"));
    saveScreenshot(form, QStringLiteral("spires_midround"));
    waits.clear();
    form->cmdTakeScore->click();
    // Speed bonus 40 x 100, one tower 5,000, the new record 10 x 1,000.
    EXPECT_EQ(gScore, 5500 + 4000 + 5000 + 10000);
    EXPECT_EQ(gRound, 2);
    const auto shown = messagesShown();
    EXPECT_EQ(shown, (std::vector<QString>{QStringLiteral("Speed Bonus!"), QStringLiteral("Tower Bonus!!"),
                                           QStringLiteral("Highest Run Bonus!"),
                                           QStringLiteral("Prepare for Round Two!")}));
    // The high-run figure counts down in twenty steps of 500.
    EXPECT_NE(std::find_if(waits.begin(), waits.end(), [](const WaitSnapshot& s) { return s.figure == "9,500"; }),
              waits.end());
    EXPECT_EQ(form->lblCurrentRun->caption(), QStringLiteral("Current Run: 0"));
    EXPECT_FALSE(form->lblTower[0]->isVisible());

    // Round two: a draw, one card, and the clock runs out.
    lay(28, 5);
    lay(18, 6);
    form->CardStackPicture_Click();
    form->UpCardImage_Click(18);
    EXPECT_EQ(gScore, 24600);
    // The threshold met exactly is enough for the bonus round.
    gBonusRoundScore = 24600;
    waits.clear();
    tick(45);
    EXPECT_EQ(gRound, 3);
    EXPECT_EQ(gScore, 24600);
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("Bonus"));
    EXPECT_EQ(messagesShown().back(), QStringLiteral("Prepare for Bonus Round!"));
    EXPECT_TRUE(gGameInProgress);

    // The bonus round taken at once: no tower, no bonus, and the game ends.
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 24600);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    EXPECT_EQ(namePrompts, 0); // below the table's 30,000
    EXPECT_TRUE(form->frmSplash->isVisible());
    // The splash's lines stand clear: the message it returns over lies under it.
    QWidget* atMessage = form->lblMessage->parentWidget()->childAt(form->lblMessage->geometry().center());
    EXPECT_TRUE(atMessage == form->frmSplash || form->frmSplash->isAncestorOf(atMessage));
    EXPECT_TRUE(form->cmdPlay->isEnabled());
    EXPECT_TRUE(form->cmdExit->isEnabled());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    for (CardImage* place : form->UpCardImage)
        EXPECT_FALSE(place->isVisible());
}

TEST_F(SpiresWindowTest, CompletingTheThirdTowerEndsTheRoundAtOnce)
{
    play();
    for (int t = 0; t < 3; ++t)
        form->board.places[std::size_t(t)] = spires::PlaceState::FaceUp;
    lay(51, 2);
    lay(0, 3);
    lay(1, 4);
    lay(2, 5);
    tick(10);
    form->UpCardImage_Click(0);
    form->UpCardImage_Click(1);
    EXPECT_EQ(gRound, 1);
    form->UpCardImage_Click(2);
    // 600 for the run, 35 x 100 speed bonus, 3 towers 15,000, the record of 3 x 1,000.
    EXPECT_EQ(gRound, 2);
    EXPECT_EQ(gScore, 600 + 3500 + 15000 + 3000);
}

TEST_F(SpiresWindowTest, ARoundThatDidNotRaiseTheRecordPaysNoHighRunBonus)
{
    form->board.mHighRun = 20;
    play();
    lay(51, 2);
    lay(18, 3);
    form->UpCardImage_Click(18);
    waits.clear();
    tick(45);
    EXPECT_EQ(gScore, 100);
    for (const QString& m : messagesShown())
        EXPECT_NE(m, QStringLiteral("Highest Run Bonus!"));
}

TEST_F(SpiresWindowTest, AHighRunBonusOffItsStepIsPaidExactly)
{
    // 70 points counted in steps of 4 must add 70, not 72.
    gHighRunBonus = 70;
    play();
    lay(51, 2);
    lay(18, 3);
    form->UpCardImage_Click(18);
    tick(45);
    EXPECT_EQ(gScore, 100 + 70);
}
