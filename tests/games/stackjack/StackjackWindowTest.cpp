#include "StackjackWindowFixture.h"

#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <cmath>

using platform::heightTw;
using platform::leftTw;
using platform::widthTw;

namespace {
// A pixel is 15 twips, so places computed in twips land within one pixel.
constexpr int OnePixel = platform::TwipsPerPixel;

int centreTw(const QWidget* w) { return leftTw(w) + widthTw(w) / 2; }
} // namespace

TEST_F(StackjackWindowTest, LoadsIdleWithTheBuiltInScoring)
{
    EXPECT_EQ(caption(), QStringLiteral("Stackjack!"));
    EXPECT_EQ(widthTw(form), 9540);
    EXPECT_EQ(heightTw(form), 7305);
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
    for (int s : {15, 30, 45, 75})
        EXPECT_FALSE(form->timeLimitEntry(s)->isChecked());
    EXPECT_EQ(gMaxTimeBonus, 300);
    EXPECT_EQ(gMinTimeBonus, 100);
    EXPECT_EQ(gStackjackBonusScore, 200000);
    EXPECT_FLOAT_EQ(gBonusDecrement, 200.0f / 60.0f);
    EXPECT_EQ(gCardsToPass, 1);
    EXPECT_TRUE(gSoundsOn);
    EXPECT_FALSE(gMusicOn);
    EXPECT_FALSE(gCustomScoring);
    // The first settings file holds the design in force, none in a fresh run: Palm Tree.
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Stackjack.Ini"))));
    EXPECT_EQ(gDeckDesign, 4);
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_EQ(form->PlayCardPicture->picture(), int(CardBackDesign::PalmTree));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores60.Txt"))));
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_EQ(form->StatusBar1->panelText(1), QStringLiteral("Welcome to Stackjack!   "));
    EXPECT_EQ(form->frmSplash->lblProductName->caption(), QStringLiteral("Stackjack!"));
    EXPECT_EQ(form->frmSplash->lblCompanyProduct->caption(), QStringLiteral("Corvanta Presents"));
    EXPECT_EQ(form->frmSplash->lblVersion->caption(), QStringLiteral("Version 4.0"));
    EXPECT_TRUE(form->frmSplash->isVisible());
    EXPECT_TRUE(form->Timer4->enabled());
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_FALSE(form->Surface->isVisible());
    EXPECT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
    EXPECT_FALSE(form->cmdPause->isEnabled());
    EXPECT_FALSE(form->mnuPause->isEnabled());
    EXPECT_FALSE(gGameInProgress);
}

TEST_F(StackjackWindowTest, TheBuiltInScoringComesFirstWhateverTheVariablesHeld)
{
    delete form;
    gMaxTimeBonus = gMinTimeBonus = 0;
    gStackjackBonusScore = 0;
    gBonusDecrement = 0;
    form = new frmStackjack;

    EXPECT_EQ(gMaxTimeBonus, 300);
    EXPECT_EQ(gMinTimeBonus, 100);
    EXPECT_EQ(gStackjackBonusScore, 200000);
    EXPECT_GT(gBonusDecrement, 3.3f);
}

TEST_F(StackjackWindowTest, TheSplashDealsBacksThenFacesAndRestacks)
{
    GameSplash* splash = form->frmSplash;
    form->Timer4->fire(); // turns the first pass round
    for (int i = 0; i < 4; ++i)
        form->Timer4->fire();
    for (CardImage* image : splash->imgSplashImage) {
        EXPECT_TRUE(image->shows(QStringLiteral("BACK")));
        EXPECT_EQ(image->borderStyle(), 0);
    }
    for (int i = 0; i < 4 + 4; ++i)
        form->Timer4->fire();
    for (CardImage* image : splash->imgSplashImage) {
        EXPECT_GE(image->picture(), 14);
        EXPECT_LE(image->picture(), 65);
        EXPECT_EQ(image->borderStyle(), 1);
    }
}

TEST_F(StackjackWindowTest, KeepsItsMinimumSizeAndLaysOutAcrossTheWidth)
{
    platform::resizeTw(form, 12000, 7000);
    QApplication::processEvents();
    EXPECT_EQ(widthTw(form), 9540);
    EXPECT_EQ(heightTw(form), 7305);

    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        platform::resizeTw(form, 9540 * scale, 7305);
        QApplication::processEvents();
        ASSERT_EQ(widthTw(form), 9540 * scale);
        const int columns[] = {420, 1875, 3330, 4785, 6240};
        for (int c = 0; c < 5; ++c) {
            for (CardImage* slot : form->Column[c])
                EXPECT_NEAR(leftTw(slot), columns[c] * scale, OnePixel);
            EXPECT_EQ(leftTw(form->cmdHit[c]), leftTw(form->Column[c][0]));
            EXPECT_NEAR(centreTw(form->ColumnTotal[c]), centreTw(form->Column[c][0]), OnePixel);
        }
        EXPECT_NEAR(leftTw(form->frmScore), 7660 * scale, OnePixel);
        EXPECT_EQ(leftTw(form->frmScore->totalLabel(0)), 250 - 250 % OnePixel);
        EXPECT_EQ(leftTw(form->frmScore->pointsLabel(9)), 950 - 950 % OnePixel);
        EXPECT_EQ(leftTw(form->ScoringLabelOutline), leftTw(form->Column[0][0]));
        EXPECT_EQ(leftTw(form->ScoringLabelOutline) + widthTw(form->ScoringLabelOutline),
                  leftTw(form->Column[4][0]) + widthTw(form->Column[4][0]));
        EXPECT_NEAR(centreTw(form->Surface), centreTw(form->Column[3][0]), OnePixel);
        EXPECT_NEAR(centreTw(form->ScoreRectangle), centreTw(form->Column[4][0]), OnePixel);
        EXPECT_EQ(leftTw(form->PlayCardPicture), leftTw(form->Column[0][0]));
        EXPECT_EQ(leftTw(form->NextCardPicture), leftTw(form->Column[1][0]));
        EXPECT_EQ(leftTw(form->cmdPass), leftTw(form->Column[2][0]));
        EXPECT_NEAR(centreTw(form->cmdPlay), centreTw(form->frmScore), OnePixel);
        EXPECT_NEAR(centreTw(form->cmdGiveUp), centreTw(form->frmScore), OnePixel);
        EXPECT_NEAR(centreTw(form->lblCurrentTotal), centreTw(form->frmScore), OnePixel);
        EXPECT_EQ(leftTw(form->cmdPause), leftTw(form->cmdPlay));
        EXPECT_EQ(leftTw(form->cmdQuit), leftTw(form->cmdPlay));
        EXPECT_NEAR(centreTw(form->frmSplash), widthTw(form) / 2, OnePixel);
        // The lines join each column to the next, and the last one to the table.
        EXPECT_EQ(form->ColumnLine[0]->X1(), leftTw(form->Column[0][0]) + widthTw(form->Column[0][0]));
        EXPECT_EQ(form->ColumnLine[0]->X2(), leftTw(form->Column[1][0]));
        EXPECT_EQ(form->ColumnLine[4]->X2(), leftTw(form->frmScore));
    }
}

TEST_F(StackjackWindowTest, MinimisingStopsTheClockAndTheTuneUnlessPaused)
{
    form->setMusicOn(true);
    play();
    ASSERT_TRUE(form->Timer1->running());
    ASSERT_TRUE(audio.tunePlaying());

    form->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());

    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->Timer1->running());
    EXPECT_TRUE(audio.tunePlaying());

    form->cmdPause->click();
    form->setWindowState(Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(form->Timer1->running());
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_EQ(form->ScoringLabel->caption(), QStringLiteral("Game Paused"));
}

TEST_F(StackjackWindowTest, PauseHidesTheBoardAndResumeBringsItBack)
{
    play();
    tick(5);
    form->cmdPause->click();
    EXPECT_FALSE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form->mnuPause->text(), QStringLiteral("&Resume"));
    EXPECT_FALSE(form->cmdPlay->isEnabled());
    EXPECT_FALSE(form->cmdQuit->isEnabled());
    EXPECT_FALSE(form->mnuExit->isEnabled());
    EXPECT_FALSE(form->NextCardPicture->isVisible());
    EXPECT_FALSE(form->cmdHit[0]->isVisible());
    EXPECT_FALSE(form->cmdGiveUp->isVisible());
    EXPECT_TRUE(form->ScoringLabel->isVisible());
    EXPECT_EQ(form->ScoringLabel->foreColor(), platform::ColorBlue);

    form->cmdPause->click();
    EXPECT_TRUE(form->Timer1->enabled());
    EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
    EXPECT_TRUE(form->NextCardPicture->isVisible());
    EXPECT_TRUE(form->cmdHit[0]->isVisible());
    EXPECT_FALSE(form->ScoringLabel->isVisible());
    EXPECT_TRUE(form->ScoringLabel->caption().isEmpty());
    EXPECT_EQ(gElapsed, 5);
}

TEST_F(StackjackWindowTest, ClosingDuringARoundPausesItWhileAskingInEveryGame)
{
    for (int game = 1; game <= 2; ++game) {
        SCOPED_TRACE(game);
        play();
        tick(3);
        bool pausedWhileAsking = false;
        platform::setMessageBoxHandler([&](const platform::MessageBoxCall& call) {
            pausedWhileAsking = !form->Timer1->enabled() && form->ScoringLabel->caption() == QStringLiteral("Game Paused");
            EXPECT_EQ(call.prompt, QStringLiteral("You have a game in progress. Are you sure you want to quit now?"));
            return int(platform::vbNo);
        });
        EXPECT_FALSE(form->close());
        platform::setMessageBoxHandler(nullptr);
        EXPECT_TRUE(pausedWhileAsking);
        EXPECT_TRUE(form->Timer1->enabled());
        EXPECT_EQ(form->cmdPause->text(), QStringLiteral("Pau&se"));
        EXPECT_EQ(gElapsed, 3);
        // The game ends by itself, leaving "Game Over" behind in the hidden message.
        for (int round = 1; round <= 3; ++round)
            form->cmdGiveUp->click();
        ASSERT_EQ(caption(), QStringLiteral("Stackjack!: Game Over"));
    }

    form->setMusicOn(true);
    play();
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(gGameInProgress);
    EXPECT_FALSE(audio.tunePlaying());
}

TEST_F(StackjackWindowTest, Screenshots)
{
    const auto shoot = [this](const char* name) {
        QApplication::processEvents();
        saveScreenshot(form, QLatin1String(name));
    };
    shoot("stackjack-idle");
    play();
    // The round's messages, caught at their first waits.
    QString caught;
    platform::setWaitHandler([&](int ms) {
        const QString message = form->ScoringLabel->caption();
        if ((ms == gWaitPeriod || ms == 150) && form->ScoringLabel->isVisible() && message != caught) {
            caught = message;
            saveScreenshot(form, QStringLiteral("stackjack-message-") + QString::number(ms) + QLatin1Char('-')
                                     + QString::number(message.size()));
        }
    });
    lay({10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 10, 1, 10, 8});
    hits({0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4});
    tick(12);
    form->cmdGiveUp->click();
    lay({10, 12, 5});
    hits({0, 0, 0});
    platform::setWaitHandler([](int) {});

    lay({13, 1, 7, 9, 5, 10, 12, 2, 6, 11, 4, 8});
    hits({0, 0, 1, 1, 2, 2, 3, 3, 4});
    tick(20);
    shoot("stackjack-round");
    platform::resizeTw(form, 14400, 9000);
    shoot("stackjack-round-large");
    tick(25);
    shoot("stackjack-round-late");
    form->cmdPause->click();
    shoot("stackjack-paused");
    form->cmdPause->click();
    platform::setWaitHandler([&](int ms) {
        if (ms == 150 && caught.isEmpty()) {
            caught = form->ScoringLabel->caption();
            saveScreenshot(form, QStringLiteral("stackjack-too-low"));
        }
    });
    caught.clear();
    platform::resizeTw(form, 9540, 7305);
    QApplication::processEvents();
    form->cmdGiveUp->click();
    EXPECT_EQ(caught, QStringLiteral("Sorry, 97 or more needed to win!"));
}
