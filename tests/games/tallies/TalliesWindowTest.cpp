// The Tallies window around the game: what it opens with, where it puts things, the splash, and the
// question it asks on closing.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/launcher/frmSelect.h"
#include "core/window/ShapeControl.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

using platform::toPixels;

TEST_F(TalliesWindowTest, OpensIdleWithTheBuiltInOptionsAndTheTopScore)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Go for Tallies!"));
    EXPECT_EQ(platform::widthTw(form), frmTallies::FormWidth);
    EXPECT_EQ(platform::heightTw(form), frmTallies::FormHeight);
    EXPECT_EQ(panel(1), QStringLiteral("Welcome to Go for Tallies!  "));
    EXPECT_EQ(panel(3), QStringLiteral("10:00 AM"));
    EXPECT_EQ(gStartTime, at("10:00:20"));
    EXPECT_TRUE(gSoundsOn);
    EXPECT_FALSE(gMusicOn);
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_EQ(gCardGoal, 11);
    EXPECT_TRUE(gTalliesDrawTimer);
    EXPECT_FALSE(form->gameInProgress());

    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores90_11.Txt"))));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));

    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_EQ(form->lblCompanyProduct->caption(), QStringLiteral("Corvanta Presents"));
    EXPECT_EQ(form->lblProductName->caption(), QStringLiteral("Go for Tallies!"));
    EXPECT_EQ(form->lblVersion->caption(), QStringLiteral("Version 4.0"));
    for (CardImage* image : form->imgSplashImage)
        EXPECT_TRUE(image->shows(QStringLiteral("Talmark")));
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_EQ(form->Timer4->interval(), 250);
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Timer2->enabled());

    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->mnuPause->isEnabled());
    for (const CardImage* card : form->FieldCardPicture)
        EXPECT_FALSE(card->isVisible());
    EXPECT_FALSE(form->PlayCardPicture->isVisible());
    EXPECT_FALSE(form->lblCurrentTotal->isVisible());
}

TEST_F(TalliesWindowTest, CustomScoringLastsOnlyUntilTheWindowOpensAgain)
{
    gTalliesBonusScore = 5;
    gTalliesCompletionBonus = 6;
    gTalliesComboBonus = 7;
    gTimeBonus = 8;
    gCustomScoring = true;
    delete form;
    form = new frmTallies;
    EXPECT_EQ(gTalliesBonusScore, 80000);
    EXPECT_EQ(gTalliesCompletionBonus, 10000);
    EXPECT_EQ(gTalliesComboBonus, 1500);
    EXPECT_EQ(gTimeBonus, 100);
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(TalliesWindowTest, LaysTheFieldOutFromCardZeroAndSnapsBackToTheMinimum)
{
    auto at = [](const QWidget* w, int leftTw, int topTw) {
        return w->pos() == QPoint(toPixels(leftTw), toPixels(topTw));
    };
    EXPECT_TRUE(at(form->FieldCardPicture[0], 4320, 1400));
    EXPECT_TRUE(at(form->FieldSelectionRectangle[0], 4320, 1400));
    EXPECT_TRUE(at(form->PlayCardPicture, 3675, 4695));
    EXPECT_TRUE(at(form->UpCardPicture, 4965, 4695));
    EXPECT_TRUE(at(form->UpCardSelectionRectangle, 4965, 4695));
    EXPECT_EQ(form->cmdPlay->x(), toPixels(9540 - 1320));

    // Below the minimum in one direction only: both sides go back to it.
    platform::resizeTw(form, 9000, 7200);
    EXPECT_EQ(platform::widthTw(form), 9540);
    EXPECT_EQ(platform::heightTw(form), 7200);
    platform::resizeTw(form, 12000, 6000);
    EXPECT_EQ(platform::widthTw(form), 9540);
    EXPECT_EQ(platform::heightTw(form), 7200);

    platform::resizeTw(form, 14400, 10800);
    const int x0 = 6521, y0 = 2100; // 14400 / 2.2083, 10800 / 5.1429
    EXPECT_TRUE(at(form->FieldCardPicture[0], x0, y0));
    struct Case {
        int position, left, top;
    };
    const Case cases[] = {{1, -2610, 500}, {4, 585, 500}, {7, 0, 1000}, {10, -3960, 1500}, {15, 3960, 1500},
                          {17, -1935, 2000}, {20, -2610, 2400}, {21, 2610, 2400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_TRUE(at(form->FieldSelectionRectangle[c.position], x0 + c.left, y0 + c.top));
        EXPECT_EQ(form->FieldCardPicture[c.position]->pos(), form->FieldSelectionRectangle[c.position]->pos());
    }
    EXPECT_TRUE(at(form->PlayCardPicture, 5547, 7042)); // 14400 / 2.5959, 10800 x 0.6521
    EXPECT_TRUE(at(form->UpCardPicture, 7494, 7042));   // 14400 / 1.9215
    EXPECT_EQ(form->cmdExit->x(), toPixels(14400 - 1320));
    EXPECT_TRUE(at(form->frmSplash, x0 - 3405, y0 + 400));
    // The score box sits over card 0's column; the clock over card 1's; tallies and round over card 2's.
    EXPECT_EQ(form->ScoreRectangle->x(), form->FieldCardPicture[0]->x());
    EXPECT_EQ(form->TalliesRectangle->x(), form->FieldCardPicture[2]->x());
    EXPECT_EQ(form->RoundRectangle->x(), form->FieldCardPicture[2]->x());
    const QWidget* card1 = form->FieldCardPicture[1];
    EXPECT_NEAR(form->Surface->geometry().center().x(), card1->geometry().center().x(), 1);
}

TEST_F(TalliesWindowTest, TheSplashDealsBacksThenTheLogoInTurn)
{
    form->Timer4->fire(); // a backward step on image 0 starts the first dealing pass
    EXPECT_TRUE(form->splash().Forward);
    for (int i = 0; i < 4; ++i)
        form->Timer4->fire();
    for (CardImage* image : form->imgSplashImage)
        EXPECT_TRUE(image->shows(QStringLiteral("BACK")));
    for (int i = 0; i < 8; ++i)
        form->Timer4->fire();
    for (CardImage* image : form->imgSplashImage)
        EXPECT_TRUE(image->shows(QStringLiteral("Talmark")));
    EXPECT_EQ(form->splash().Position, 3);
    EXPECT_FALSE(form->splash().Forward);
}

TEST_F(TalliesWindowTest, ClosingWithNoGameAsksByTheMinutesSinceOpening)
{
    struct Case {
        const char* now;
        const char* question;
    };
    const Case cases[] = {{"10:03:20", "Giving up so soon?"},
                          {"10:04:59", "Giving up so soon?"},
                          {"10:05:00", "Are you sure you want to quit now? Were just getting started!"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        clock.set(at(c.now));
        ScriptedMessageBoxes answers;
        answers.expect(platform::vbNo);
        EXPECT_FALSE(form->close());
        ASSERT_EQ(answers.shown().size(), 1u);
        EXPECT_EQ(answers.shown()[0].prompt, QLatin1String(c.question));
        EXPECT_EQ(answers.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
        EXPECT_EQ(answers.shown()[0].title, QStringLiteral("Go for Tallies!"));
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(TalliesWindowTest, ClosingDuringARoundPausesItWhileAskingAndNoResumesIt)
{
    click(form->cmdPlay);
    tick(5);
    platform::setMessageBoxHandler([&](const platform::MessageBoxCall& call) {
        EXPECT_EQ(call.prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
        EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
        EXPECT_FALSE(form->Timer1->enabled());
        return int(platform::vbNo);
    });
    EXPECT_FALSE(form->close());
    platform::setMessageBoxHandler(nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_TRUE(form->FieldCardPicture[20]->isVisible());
    EXPECT_FALSE(form->FieldCardPicture[20]->shows(QStringLiteral("BACK")));

    // A round the player had paused stays paused after No.
    click(form->cmdPause);
    ScriptedMessageBoxes answers;
    answers.expect(platform::vbNo);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->lblMessage->caption(), QStringLiteral("Game Paused"));
    EXPECT_FALSE(form->Timer1->enabled());
}

TEST_F(TalliesWindowTest, YesClosesTheWindowStopsTheTuneAndShowsTheLauncher)
{
    frmSelect launcher;
    launcher.Timer1->setEnabled(false);
    launcher.hide();
    click(form->cmdPlay);
    form->setMusicOn(true);
    ASSERT_TRUE(audio.tunePlaying());
    ScriptedMessageBoxes answers;
    answers.expect(platform::vbYes);

    click(form->cmdExit);

    EXPECT_EQ(answers.shown().at(0).prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_FALSE(form->Timer1->enabled());
}

TEST_F(TalliesWindowTest, ARoundLeftByClosingIsNotScoredInTheNextWindow)
{
    click(form->cmdPlay);
    tick(10);
    boxes.expect(platform::vbYes);
    ASSERT_TRUE(form->close());
    delete form;

    form = new frmTallies;
    form->show();
    ASSERT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Take Score"));
    ASSERT_TRUE(form->cmdTakeScore->isEnabled());
    click(form->cmdTakeScore);
    EXPECT_TRUE(waits.waits().empty()) << "no count-up of the old round";
    EXPECT_EQ(form->lblCurrentRound->caption(), QStringLiteral("1"));
    EXPECT_FALSE(form->PlayCardPicture->isVisible());
    EXPECT_FALSE(form->Timer1->enabled());
}
