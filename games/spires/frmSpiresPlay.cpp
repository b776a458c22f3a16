// The life of a Spires game: Play and End Game, the round clock and its warnings, pause and resume,
// and the end of a round with its speed, tower and high-run bonuses.
#include "core/cards/CardImage.h"
#include "core/scores/CountUps.h"
#include "core/scores/GameOver.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/spires/SpiresRound.h"
#include "games/spires/frmSpires.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/Program.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QPushButton>
#include <exception>

namespace {
constexpr int BlinkMs = 250;
constexpr int NoTowerMessageMs = 3000;
constexpr int GameOverMs = 2000;
} // namespace

void frmSpires::Play()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    try {
        if (cmdPlay->text() == QStringLiteral("&Play")) {
            Timer4->setEnabled(false);
            frmSplash->hide();
            gGameInProgress = true;
            gRound = 1;
            board.mTowersCompleted = 0;
            gScore = 0;
            lblCurrentScore->setCaption(QStringLiteral("0"));
            InitRound();
            cmdPlay->setToolTip(QStringLiteral("Ends the current game"));
        } else {
            if (confirmForThisGame(QStringLiteral("You have a game in progress, are you sure you want to quit?"))) {
                // The dial's blink must not outlive the game.
                Timer2->setEnabled(false);
                GameOver(*this, spires::FileBase, spires::DefaultScore);
                frmSplash->show();
                Timer4->setEnabled(true);
                for (platform::Label* label : lblTower)
                    label->hide();
                cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
                if (gMusicOn)
                    StopMidiMusic();
            }
        }
    } catch (const std::exception& e) {
        returnToIdle();
        platform::setMousePointer(this, platform::MousePointer::Default);
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbCritical, gGameTitle);
        return;
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmSpires::returnToIdle()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    if (gGameInProgress)
        nextGameNumber();
    gGameInProgress = false;
    gRoundOver = false;
    cmdPlay->setText(QStringLiteral("&Play"));
    mnuPlay->setText(QStringLiteral("&Play"));
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPlay, cmdExit})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPause, cmdTakeScore})
        w->setEnabled(false);
    mnuPlay->setEnabled(true);
    for (QAction* a : {mnuPause, mnuTakeScore})
        a->setEnabled(false);
    for (QAction* a : {mnuCustom, mnuTime})
        a->setEnabled(true);
    ShowCards(false);
    ShowControls(false, true);
    for (platform::Label* label : lblTower)
        label->hide();
    lblMessage->hide();
    frmSplash->show();
    Timer4->setEnabled(true);
    if (gMusicOn)
        StopMidiMusic();
}

void frmSpires::blinkMessage(int times)
{
    for (int i = 0; i < times; ++i) {
        lblMessage->setForeColor(lblMessage->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                               : platform::ColorRed);
        lblMessage->refresh();
        platform::Sleep(BlinkMs);
    }
}

void frmSpires::Timer1_Timer()
{
    ++gElapsed;
    DrawTimerPie(PieAngle(gElapsed, gTimeLimit), *this);
    gPieElapsed = gElapsed;
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit - gElapsed));
    if (const auto warning = spires::TimeWarning(gTimeLimit - gElapsed, gTimeLimit))
        StatusBar1->setPanelText(2, *warning);

    // Past the limit too, so a clock restarted by a resize cannot run on for ever.
    if (gElapsed >= gTimeLimit && !gRoundOver) {
        platform::setMousePointer(this, platform::MousePointer::Hourglass);
        Timer1->setEnabled(false);
        ShowCards(false);
        lblMessage->setCaption(QStringLiteral("Times Up!"));
        lblMessage->show();
        StatusBar1->setPanelText(2, QStringLiteral("Time has expired!"));
        blinkMessage(10);
        cmdTakeScore_Click();
        if (lblMessage->caption() != QStringLiteral("Game Over"))
            lblMessage->hide();
        platform::setMousePointer(this, platform::MousePointer::Default);
    }
}

void frmSpires::Timer2_Timer() { DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this); }

void frmSpires::cmdTakeScore_Click()
{
    if (!gRoundOver)
        TakeScore();
}

void frmSpires::PauseGame()
{
    if (cmdPause->text() == QStringLiteral("Pau&se")) {
        cmdPause->setToolTip(QStringLiteral("Resumes the current game"));
        lblMessage->setForeColor(platform::ColorRed);
        lblMessage->setCaption(QStringLiteral("Game Paused"));
        if (gGameInProgress)
            lblMessage->show();
        Timer1->setEnabled(false);
        cmdPause->setText(QStringLiteral("&Resume"));
        mnuPause->setText(QStringLiteral("&Resume"));
        for (QWidget* w : std::initializer_list<QWidget*>{cmdExit, cmdTakeScore, cmdPlay})
            w->setEnabled(false);
        for (QAction* a : {mnuExit, mnuPlay, mnuTakeScore})
            a->setEnabled(false);
        ShowCards(false, false);
        if (gMusicOn)
            StopMidiMusic();
    } else {
        cmdPause->setToolTip(QStringLiteral("Pauses the current game"));
        lblMessage->hide();
        lblMessage->setCaption(QString());
        cmdPause->setText(QStringLiteral("Pau&se"));
        mnuPause->setText(QStringLiteral("Pau&se"));
        for (QWidget* w : std::initializer_list<QWidget*>{cmdExit, cmdTakeScore, cmdPlay})
            w->setEnabled(true);
        for (QAction* a : {mnuExit, mnuPlay, mnuTakeScore})
            a->setEnabled(true);
        ShowCards(true, false);
        Timer1->setEnabled(true);
        if (gMusicOn && gGameInProgress)
            PlayMidiMusic();
    }
}

void frmSpires::TakeScore()
{
    gRoundOver = true;
    // No tick of this round's clock, nor of the dial's blink, may reach the next one.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTakeScore, cmdPlay, cmdPause, cmdExit})
        w->setEnabled(false);
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    ShowCards(false);
    if (gMusicOn)
        StopMidiMusic();
    ++gRound;
    lblMessage->setForeColor(platform::ColorRed);
    lblMessage->show();

    if (gTimeLimit - gElapsed > 0) {
        if (board.mTowersCompleted != 0) {
            ShowSpeedBonus(*this, gTimeBonus);
        } else {
            lblMessage->setCaption(QStringLiteral("Sorry, you must complete at least\r\none tower to receive the time bonus!"));
            lblMessage->refresh();
            playSound("Slide.wav");
            platform::Sleep(NoTowerMessageMs);
        }
    }
    TowerScore();
    HighRunScore();

    switch (spires::NextAfterRound(gRound, gScore, gBonusRoundScore)) {
    case spires::AfterRound::RoundTwo:
        lblMessage->setForeColor(platform::ColorRed);
        lblMessage->show();
        lblMessage->setCaption(QStringLiteral("Prepare for Round Two!"));
        blinkMessage(11);
        lblMessage->hide();
        InitRound();
        break;
    case spires::AfterRound::BonusRound:
        lblMessage->setCaption(QStringLiteral("Prepare for Bonus Round!"));
        playSound("Applause.wav");
        blinkMessage(11);
        lblMessage->hide();
        InitRound();
        break;
    case spires::AfterRound::GameOver:
        endOfGame();
        break;
    }
    lblScoring->hide();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmSpires::endOfGame()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    GameOver(*this, spires::FileBase, spires::DefaultScore);
    for (platform::Label* label : lblTower)
        label->hide();
    lblMessage->setForeColor(platform::ColorRed);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    lblMessage->setCaption(QStringLiteral("Game Over"));
    lblMessage->show();
    lblMessage->refresh();
    platform::Sleep(GameOverMs);
    frmSplash->show();
    // The splash comes back over the message, whose caption still tells the game is over.
    frmSplash->raise();
    Timer4->setEnabled(true);
    platform::setMousePointer(this, platform::MousePointer::Default);
    cmdPlay->setEnabled(true);
    cmdExit->setEnabled(true);
}

void frmSpires::TowerScore()
{
    if (board.mTowersCompleted > 0) {
        AwardPoints(*this, board.mTowersCompleted, gSpireBonus, QStringLiteral("Tower Bonus!"));
        board.mTowersCompleted = 0;
    }
    lblScoring->hide();
}

void frmSpires::HighRunScore()
{
    // A record not raised in this round pays nothing, however long it is.
    if (!board.mNewHighRun) {
        lblScoring->hide();
        return;
    }
    board.mNewHighRun = false;
    // Paid through the shared count-up, which pays exactly the bonus in its twenty steps.
    AwardPoints(*this, board.mHighRun, gHighRunBonus, QStringLiteral("Highest Run Bonus"));
}
