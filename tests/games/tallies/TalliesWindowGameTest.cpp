// Whole games on the Tallies window: a scripted game played through its controls and scored to the
// point, the replay of the last game, and the high-score table at the end.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/cards/ImageList.h"
#include "core/window/ShapeControl.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QDir>
#include <QPushButton>

TEST_F(TalliesWindowTest, AScriptedGameScoresToThePoint)
{
    writeLowTable();
    platform::seedRandom(8);
    click(form->cmdPlay);
    TalliesPlayer player(*form, [this] { tick(); });

    // Round 1 happens to clear the field, round 2 runs out of time, the bonus round is taken when stuck.
    std::int64_t expected = player.playRound(2, false);
    EXPECT_TRUE(player.lastCleared);
    ASSERT_EQ(form->lblCurrentRound->caption(), QStringLiteral("2"));
    EXPECT_EQ(gScore, expected);
    expected += player.playRound(3, false);
    EXPECT_EQ(player.lastElapsed, 90);
    const bool bonusRound = expected >= 80000;
    EXPECT_TRUE(bonusRound) << "this deal reaches the bonus round";
    ASSERT_EQ(form->gameInProgress(), bonusRound);
    if (bonusRound) {
        EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("Bonus"));
        expected += player.playRound(1, true);
    }
    EXPECT_GT(player.combinations, 10);
    EXPECT_GT(player.draws, 10);

    EXPECT_FALSE(form->gameInProgress());
    EXPECT_EQ(gScore, expected);
    EXPECT_EQ(form->lblCurrentScore->caption(), platform::formatGrouped(expected));
    EXPECT_EQ(gPreviousScore, expected);
    EXPECT_EQ(panel(2), QStringLiteral("Game over"));
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Over"));
    EXPECT_FALSE(form->lblMessage->isVisible());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Replay"));
    EXPECT_TRUE(form->cmdTakeScore->isEnabled());
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    for (const CardImage* card : form->FieldCardPicture)
        EXPECT_FALSE(card->isVisible());

    EXPECT_EQ(namesAsked.size(), 1);
    EXPECT_EQ(tablesShown, 1);
    EXPECT_TRUE(tableText().startsWith(QStringLiteral("Tess, ") + QString::number(expected) + QStringLiteral("\r\n")));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: ") + platform::formatGrouped(expected));
}

TEST_F(TalliesWindowTest, ReplayDealsTheSameDecksInTheSameOrder)
{
    writeLowTable();
    gTalliesBonusScore = 0; // any score reaches the bonus round
    platform::seedRandom(99);
    click(form->cmdPlay);
    std::vector<QStringList> dealt;
    for (const char* round : {"1", "2", "Bonus"}) {
        ASSERT_EQ(form->lblCurrentRound->caption(), QLatin1String(round));
        dealt.push_back(fieldKeys());
        dealt.back() << ImageList2().key(form->UpCardPicture->picture());
        click(form->cmdTakeScore); // at once: 90 seconds of speed bonus each
    }
    ASSERT_FALSE(form->gameInProgress());
    EXPECT_NE(dealt[0], dealt[1]);
    EXPECT_NE(dealt[1], dealt[2]);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("27,000"));
    EXPECT_TRUE(tableText().startsWith(QStringLiteral("Tess, 27000\r\n")));

    ASSERT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Replay"));
    click(form->cmdTakeScore);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(form->gameInProgress());
        QStringList keys = fieldKeys();
        keys << ImageList2().key(form->UpCardPicture->picture());
        EXPECT_EQ(keys, dealt[round]);
        tick(10);
        click(form->cmdTakeScore);
    }
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_FALSE(gTalliesReplay);
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("24,000"));
    const QStringList lines = tableText().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(0, 2), (QStringList{QStringLiteral("Tess, 27000"), QStringLiteral("Tess, 24000")}));
}

TEST_F(TalliesWindowTest, ATableThatCannotBeReadIsReportedAndTheGameStillEnds)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("HiScores90_11.Txt"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("HiScores90_11.Txt")));
    boxes.expect(platform::vbOK);
    click(form->cmdPlay);
    click(form->cmdTakeScore);
    click(form->cmdTakeScore);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("An error occured when attmpting to access the High Score Table. "
                                                      "Please close and restart the game."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbCritical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Go for Tallies!"));
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_TRUE(form->cmdPlay->isEnabled());
    EXPECT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Replay"));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_EQ(form->lblCurrentScore->caption(), QStringLiteral("18,000"));
    EXPECT_EQ(tablesShown, 0);
}
