#include "CairnwellWindowFixture.h"

#include "core/scores/GameScoring.h"

TEST_F(CairnwellWindowTest, ScreenshotsIdleAndMidRound)
{
    saveScreenshot(form, QStringLiteral("cairnwell-idle"));
    play();
    restack({"7S", "7H", "8D", "9D", "10D", "2C", "5H", "12S"});
    fanTo(0);
    fanTo(0);
    fanTo(1);
    fanTo(1);
    fanTo(2);
    fanToStorage(1);
    form->UpCard_Click(cairnwell::FrontCard);
    tick(30);
    saveScreenshot(form, QStringLiteral("cairnwell-midround"));
    EXPECT_TRUE(form->UpCardSelection->isVisible());
    form->cmdPause->click();
    saveScreenshot(form, QStringLiteral("cairnwell-paused"));
    form->cmdPause->click();

    // The speed bonus figure as it first shows.
    bool taken = false;
    platform::setWaitHandler([this, &taken](int ms) {
        if (!taken && ms == 2000 && form->lblMessage->isVisible()) {
            taken = true;
            saveScreenshot(form, QStringLiteral("cairnwell-speedbonus"));
        }
    });
    form->cmdTakeScore->click();
    EXPECT_TRUE(taken);
}

TEST_F(CairnwellWindowTest, AWholeGameScoresToThePoint)
{
    play();
    ASSERT_EQ(form->mRound, 1);

    // Round 1: a trip, a flush run and a plain run, then the score taken with 100 seconds left.
    restack({"7S", "7H", "7D", "4H", "5H", "6H", "9S", "10H", "11C"});
    for (int column : {0, 0, 0, 1, 1, 1, 2, 2, 2})
        fanTo(column);
    EXPECT_EQ(gScore, 11600);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("11,600"));
    EXPECT_EQ(form->lblScoreTrips->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->lblScoreRuns->caption(), QStringLiteral("2"));
    tick(20);
    form->cmdTakeScore->click();
    EXPECT_EQ(gScore, 31600);
    ASSERT_EQ(form->mRound, 2);
    EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Round: 2"));
    EXPECT_EQ(form->lblScoreTrips->caption(), QStringLiteral("0"));
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards remaining: 52"));

    // Round 2: the whole deck as thirteen trips and four flush runs, one king left in storage.
    std::vector<std::string> order;
    for (int rank = 1; rank <= 13; ++rank)
        for (const char* suit : {"S", "H", "C"})
            order.push_back(std::to_string(rank) + suit);
    for (int rank = 1; rank <= 13; ++rank)
        order.push_back(std::to_string(rank) + "D");
    restack(order);
    for (int k = 0; k < 39; ++k)
        fanTo(0);
    for (int k = 0; k < 12; ++k)
        fanTo((1 + k / 3) % 4);
    fanToStorage(0);
    EXPECT_EQ(gScore, 31600 + 13 * 6000 + 4 * 5300);
    EXPECT_EQ(form->lblCardCount->caption(), QStringLiteral("Cards remaining: 0"));
    ASSERT_TRUE(form->table.DeckUsedUp());
    tick(60);
    messages.clear();
    form->cmdTakeScore->click();
    // + 15000 for the deck, - 250 for the king, + 60 x 200.
    EXPECT_EQ(gScore, 130800 + 15000 - 250 + 12000);
    ASSERT_EQ(form->mRound, 3);
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[0], QStringLiteral("Deck Completion Bonus!"));
    EXPECT_EQ(messages[1], QStringLiteral("Removing left over cards"));
    EXPECT_EQ(messages.back(), QStringLiteral("Prepare For Bonus Round"));

    // Bonus round: one trip, then the clock runs out: no speed bonus.
    restack({"2S", "2H", "2D", "5C"});
    for (int column : {3, 3, 3, 0})
        fanTo(column);
    messages.clear();
    tick(120);
    EXPECT_EQ(gScore, 157550 + 6000);
    EXPECT_FALSE(gGameInProgress);
    EXPECT_EQ(messages.front(), QStringLiteral("Times Up!"));
    EXPECT_EQ(messages.back(), QStringLiteral("Game Over"));
    EXPECT_EQ(namePrompts, 1);
    EXPECT_TRUE(file(QStringLiteral("CairnwellHiScores120.Txt")).startsWith("Tester, 163550"));
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(panel(1), QStringLiteral("Game Over"));
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer2->enabled());

    // The next game starts from Play.
    play();
    EXPECT_TRUE(gGameInProgress);
    EXPECT_EQ(gScore, 0);
}

TEST_F(CairnwellWindowTest, AGameEndingWithoutATableMakesOneWithTheEndOfGameDefaults)
{
    play();
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("CairnwellHiScores120.Txt"))));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK);
    form->cmdTakeScore->click();
    form->cmdTakeScore->click();
    ASSERT_FALSE(gGameInProgress);
    EXPECT_TRUE(boxes.shown().empty()) << "no table error";
    // Between the two default scores: it enters only a table made with the lower one.
    ASSERT_GT(gScore, 30000);
    ASSERT_LT(gScore, 50000);
    EXPECT_EQ(namePrompts, 1);
    QByteArray expected = "Tester, " + QByteArray::number(gScore) + "\r\n";
    for (int i = 0; i < 9; ++i)
        expected += "Corvanta, 30000\r\n";
    EXPECT_EQ(file(QStringLiteral("CairnwellHiScores120.Txt")), expected + "\r\n");
}
