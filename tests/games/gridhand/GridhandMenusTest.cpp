#include "GridhandWindowFixture.h"

#include "core/scores/frmHighScores.h"
#include "games/gridhand/frmGridhandCustom.h"
#include "support/ModalDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

TEST_F(GridhandWindowTest, ViewingHighScoresPausesARunningGameAndLeavesAPausedOnePaused)
{
    play();
    form->lblMessage->setCaption(QStringLiteral("left over"));
    bool pausedMeanwhile = false;
    answerModal([this] { form->mnuView->trigger(); },
                [&](QWidget* modal) {
                    pausedMeanwhile = form->ScoringLabel->caption() == QStringLiteral("Game Paused");
                    qobject_cast<frmHighScores*>(modal)->cmdDone->click();
                });
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->lblMessage->caption(), QString());

    form->cmdPause->click();
    answerModal([this] { form->mnuView->trigger(); },
                [](QWidget* modal) { qobject_cast<frmHighScores*>(modal)->cmdDone->click(); });
    EXPECT_EQ(form->ScoringLabel->caption(), QStringLiteral("Game Paused"));
    EXPECT_FALSE(form->Timer1->enabled());
}

TEST_F(GridhandWindowTest, ClearingHighScoresAsksAndResetsTheTable)
{
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("GridhandHighScores75.Txt")),
                                              "Ann, 99999\r\n"));
    form->timeLimitEntry(75)->trigger();
    ASSERT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 99,999"));
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbNo).expect(platform::vbYes);
    form->mnuClear->trigger();
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 99,999"));
    form->mnuClear->trigger();
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("This will clear all High Scores. Are You Sure?"));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 30,000"));
}

TEST_F(GridhandWindowTest, TheUserOptionsDialogRefusesFieldByFieldAndStaysOpen)
{
    frmGridhandCustom dialog(form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gridhand! User Options"));
    EXPECT_EQ(dialog.txtPairScore->text(), QStringLiteral("50"));
    EXPECT_EQ(dialog.txtOverWrites->text(), QStringLiteral("3"));
    EXPECT_TRUE(dialog.chkCountDown->isChecked());
    dialog.show();
    dialog.txtPairScore->setText(QStringLiteral("50001"));
    dialog.txtTimeBonus->setText(QStringLiteral("11"));
    dialog.txtBonusScore->setText(QStringLiteral("250000"));
    dialog.chkCountDown->setChecked(false);
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbOK).expect(platform::vbOK);
    dialog.cmdOK->click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Sorry, the Pair Score Value: must be between 0 and 50,000 points."));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Gridhand!"));
    EXPECT_EQ(boxes.shown()[1].prompt, QStringLiteral("Sorry, the Time Bonus value must be between 0 and 10 points."));
    EXPECT_EQ(dialog.txtPairScore->text(), QStringLiteral("6000"));
    EXPECT_EQ(dialog.txtTimeBonus->text(), QStringLiteral("1"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Make 250,000 for bonus round.  "));
    EXPECT_TRUE(gCountDownScore);
    EXPECT_EQ(gPairPoints, 6000);

    // Default then Cancel stores nothing more.
    dialog.cmdDefault->click();
    EXPECT_EQ(dialog.txtPairScore->text(), QStringLiteral("50"));
    dialog.cmdCancel->click();
    EXPECT_EQ(gPairPoints, 6000);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(GridhandWindowTest, MusicSwitchedOnBetweenGamesWaitsForTheNextRound)
{
    form->mnuMusic->trigger();
    EXPECT_TRUE(gMusicOn);
    EXPECT_TRUE(form->mnuMusic->isChecked());
    EXPECT_EQ(audio.tuneStarts(), 0);
    play();
    EXPECT_EQ(audio.tuneStarts(), 1);
}

TEST_F(GridhandWindowTest, ACardBackChosenDuringAGameShowsAtOnceAndLeavesTheGrid)
{
    play();
    lay({"13S"});
    place({12});
    form->mnuHot->trigger();
    EXPECT_EQ(gDeckDesign, 4);
    EXPECT_TRUE(form->mnuHot->isChecked());
    EXPECT_FALSE(form->mnuPalm->isChecked());
    EXPECT_EQ(form->CardStackPicture->picture(), 10);
    EXPECT_TRUE(form->PlayCards[12]->shows(QStringLiteral("13S")));
}
