// The Duetto round flow in the window: play and end a game, deal a round, pause, the round clock,
// and the round end with its bonuses and what follows it.
#include "core/cards/CardImage.h"
#include "core/scores/CountUps.h"
#include "core/cards/Deck.h"
#include "core/scores/GameOver.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/duetto/DuettoRound.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/Program.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <exception>

using platform::MousePointer;

namespace {
const QString FileBase = QStringLiteral("DuettoHighScores");
const QString DefaultScore = QStringLiteral("50000");
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End Game");
const QString PauseCaption = QStringLiteral("Pau&se");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString GamePaused = QStringLiteral("Game Paused");
const QString GameOverText = QStringLiteral("Game Over");
constexpr int FlashMs = 250;
} // namespace

// ---- Play ----

void frmDuetto::Play()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    try {
        if (cmdPlay->text() == PlayCaption)
            startNewGame();
        else
            endRunningGame();
    } catch (const std::exception& e) {
        platform::MsgBox(QString::fromLocal8Bit(e.what()), platform::vbCritical, gGameTitle);
        platform::endProgram();
        return;
    }
    platform::setMousePointer(this, MousePointer::Default);
}

void frmDuetto::startNewGame()
{
    gRound = 1;
    gScore = 0;
    lblCurrentScore->setCaption(QStringLiteral("0"));
    gGameInProgress = true;
    // The last game's "Game Over" would make this game look over to the pause around the dialogs.
    lblMessage->setCaption(QString());
    frmSplash->hide();
    Timer4->setEnabled(false);
    InitRound();
}

void frmDuetto::endRunningGame()
{
    // The round must not run out behind the question.
    const bool clockWasRunning = Timer1->enabled();
    Timer1->setEnabled(false);
    if (!confirmForThisGame(QStringLiteral("You have a game in progress, are you sure you want to quit?"), [this, clockWasRunning] { Timer1->setEnabled(clockWasRunning); }))
        return;
    nextGameNumber();
    mnuTime->setEnabled(true);
    mnuCustom->setEnabled(true);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    cmdPlay->setText(PlayCaption);
    mnuPlay->setText(PlayCaption);
    gGameInProgress = false;
    ClearSelectionRectangles();
    ShowCards(false);
    ShowControls(false, true);
    for (QAction* a : {mnuTakeScore, mnuPause})
        a->setEnabled(false);
    for (QPushButton* b : {cmdTakeScore, cmdPause})
        b->setEnabled(false);
    CardStackPicture->hide();
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    frmSplash->show();
    Timer4->setEnabled(true);
    if (gMusicOn)
        StopMidiMusic();
}

// ---- A round ----

void frmDuetto::InitRound()
{
    platform::DoEvents();
    if (CreateDeck() && ShuffleDeck()) {
        Deal();
        gElapsed = 0;
        gPieElapsed = 0;
        table.mCompleted = false;
        lblMessage->hide();
        gRoundOver = false;
        cmdPlay->setToolTip(QStringLiteral("Ends the current game"));
        lblScorePairs->setCaption(QStringLiteral("0"));
        lblScoreRuns->setCaption(QStringLiteral("0"));
        lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
        cmdPlay->setText(EndGameCaption);
        mnuPlay->setText(EndGameCaption);
        setRoundButtonsEnabled(true);
        lblCurrentRound->setCaption(QString::number(gRound));
        mnuTime->setEnabled(false);
        mnuCustom->setEnabled(false);
    }
    if (gMusicOn)
        PlayMidiMusic();
}

void frmDuetto::setRoundButtonsEnabled(bool on)
{
    for (QPushButton* b : {cmdTakeScore, cmdPause})
        b->setEnabled(on);
    for (QAction* a : {mnuTakeScore, mnuPause})
        a->setEnabled(on);
}

void frmDuetto::cmdTakeScore_Click()
{
    if (!gRoundOver)
        TakeScore();
}

void frmDuetto::TakeScore()
{
    gRoundOver = true;
    // No tick of this round's clock, nor of the dial's blink, may reach the next one.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    ClearSelectionRectangles();
    for (QPushButton* b : {cmdTakeScore, cmdPause, cmdExit, cmdPlay})
        b->setEnabled(false);
    for (QAction* a : {mnuTakeScore, mnuPause})
        a->setEnabled(false);
    platform::setMousePointer(this, MousePointer::Hourglass);
    ShowCards(false);
    if (gMusicOn)
        StopMidiMusic();

    ++gRound;
    lblMessage->setForeColor(platform::ColorRed);
    for (const duetto::Award& award :
         duetto::RoundEndAwards(table.mCompleted, gTimeLimit - gElapsed, table.mRuns, table.mPairs)) {
        if (award.kind == duetto::AwardKind::Speed)
            ShowSpeedBonus(*this, award.value);
        else
            AwardPoints(*this, award.count, award.value, QString::fromLatin1(duetto::AwardText(award.kind)));
    }
    switch (duetto::NextAfterRound(gRound, gScore, gBonusRoundScore)) {
    case duetto::AfterRound::RoundTwo:
        announceNextRound(QStringLiteral("Prepare for Round Two!"), false);
        break;
    case duetto::AfterRound::BonusRound:
        announceNextRound(QStringLiteral("Prepare for Bonus Round!"), true);
        break;
    case duetto::AfterRound::GameOver:
        endOfGame();
        break;
    }
    lblScoring->hide();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmDuetto::announceNextRound(const QString& message, bool applause)
{
    for (QPushButton* b : {cmdTakeScore, cmdPause, cmdExit, cmdPlay})
        b->setEnabled(true);
    lblMessage->setForeColor(platform::ColorRed);
    lblMessage->show();
    lblMessage->setCaption(message);
    if (applause)
        playSound("Applause.wav");
    flashMessage(11);
    lblMessage->hide();
    InitRound();
}

void frmDuetto::endOfGame()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    GameOver(*this, FileBase, DefaultScore);
    platform::setMousePointer(this, MousePointer::Hourglass);
    lblMessage->setForeColor(platform::ColorRed);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    cmdTakeScore->setEnabled(false);
    cmdPlay->setEnabled(true);
    cmdExit->setEnabled(true);
    mnuTime->setEnabled(true);
    mnuCustom->setEnabled(true);
    lblMessage->show();
    lblMessage->setCaption(GameOverText);
    lblMessage->refresh();
    platform::Sleep(2000);
    frmSplash->show();
    frmSplash->raise();
    lblMessage->raise();
    Timer4->setEnabled(true);
}

void frmDuetto::flashMessage(int times)
{
    for (int i = 0; i < times; ++i) {
        lblMessage->setForeColor(lblMessage->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                               : platform::ColorRed);
        lblMessage->refresh();
        platform::Sleep(FlashMs);
    }
}

// ---- Pause ----

void frmDuetto::cmdPause_Click()
{
    if (!gRoundOver)
        PauseGame();
}

void frmDuetto::PauseGame()
{
    const bool pausing = cmdPause->text() == PauseCaption;
    cmdPause->setToolTip(pausing ? QStringLiteral("Resumes the current game") : QStringLiteral("Pauses the current game"));
    cmdPause->setText(pausing ? ResumeCaption : PauseCaption);
    mnuPause->setText(pausing ? ResumeCaption : PauseCaption);
    for (QPushButton* b : {cmdExit, cmdTakeScore, cmdPlay})
        b->setEnabled(!pausing);
    for (QAction* a : {mnuExit, mnuPlay, mnuTakeScore})
        a->setEnabled(!pausing);
    if (pausing) {
        lblMessage->setForeColor(platform::ColorRed);
        lblMessage->setCaption(GamePaused);
        if (gGameInProgress)
            lblMessage->show();
        Timer1->setEnabled(false);
        ShowCards(false);
        ClearSelectionRectangles();
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    lblMessage->hide();
    lblMessage->setCaption(QString());
    // Removed cards have no picture and stay hidden; the empty pile shows its picture.
    for (CardImage* card : PlayCard)
        card->setVisible(card->picture() != 0);
    CardStackPicture->show();
    Timer1->setEnabled(true);
    if (gMusicOn && gGameInProgress)
        PlayMidiMusic();
}

// ---- Clocks ----

void frmDuetto::Timer1_Timer()
{
    ++gElapsed;
    DrawTimerPie(PieAngle(gElapsed, gTimeLimit), *this);
    gPieElapsed = gElapsed;
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit - gElapsed));
    const duetto::TimeWarning warning = duetto::WarningFor(gElapsed, gTimeLimit);
    if (warning != duetto::TimeWarning::None)
        StatusBar1->setPanelText(2, QString::fromLatin1(duetto::WarningText(warning)));
    if (gElapsed < gTimeLimit)
        return;

    platform::setMousePointer(this, MousePointer::Hourglass);
    gRoundOver = true;
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    ShowCards(false);
    ClearSelectionRectangles();
    lblMessage->setCaption(QStringLiteral("Times Up!"));
    lblMessage->show();
    StatusBar1->setPanelText(2, QStringLiteral("Time has expired!"));
    flashMessage(10);
    TakeScore();
    if (lblMessage->caption() != GameOverText)
        lblMessage->hide();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmDuetto::Timer2_Timer() { DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this); }
