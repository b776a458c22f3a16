// A game's life on the window: play and end game, pause and resume, the round clock, the splash
// animation, and the buttons and menu entries that go with each state.
#include "games/tallies/frmTallies.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "core/window/LineControl.h"
#include "games/tallies/TalliesRound.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesState.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QPushButton>

namespace {
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End Game");
const QString TakeScoreCaption = QStringLiteral("&Take Score");
const QString ReplayCaption = QStringLiteral("&Replay");
const QString PauseCaption = QStringLiteral("Pau&se");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString StartsTip = QStringLiteral("Starts a new game");
const QString EndsTip = QStringLiteral("Ends the game in progress");
const QString TakeScoreTip = QStringLiteral("Ends current round and awards time bonus");
const QString ReplayTip = QStringLiteral("Replays the last game");

void enable(QAction* entry, bool on)
{
    if (entry)
        entry->setEnabled(on);
}
} // namespace

void frmTallies::setPlayCaptions(const QString& caption)
{
    cmdPlay->setText(caption);
    mnuPlay->setText(caption);
}

void frmTallies::setTakeScoreCaptions(const QString& caption)
{
    cmdTakeScore->setText(caption);
    mnuTakeScore->setText(caption);
}

void frmTallies::DisableCommandButtons(bool Disable)
{
    for (QPushButton* button : {cmdPause, cmdPlay, cmdExit, cmdTakeScore})
        button->setEnabled(!Disable);
    for (QAction* entry : {mnuPause, mnuPlay, mnuExit, mnuTakeScore})
        entry->setEnabled(!Disable);
}

// ---- Play and End Game ----

void frmTallies::cmdPlay_Click()
{
    Timer4->setEnabled(false);
    frmSplash->hide();
    enable(mnuSave, false);
    if (cmdPlay->text() != PlayCaption) {
        int answer = 0;
        if (mGameInProgress) {
            cmdPause_Click();
            answer = platform::MsgBox(QStringLiteral("You have a game in progress, are you sure you want to quit now?"),
                                      platform::vbYesNo | platform::vbQuestion, gGameTitle);
            if (answer == platform::vbYes)
                mGameInProgress = false;
            cmdPause_Click();
        }
        if (answer == platform::vbYes) {
            cmdPlay->setToolTip(StartsTip);
            setPlayCaptions(PlayCaption);
            EndGame();
        }
        return;
    }
    cmdPlay->setToolTip(EndsTip);
    setPlayCaptions(EndGameCaption);
    Play();
    if (gMusicOn)
        PlayMidiMusic();
}

void frmTallies::mnuPlay_Click()
{
    frmSplash->hide();
    if (cmdPlay->text() != PlayCaption) {
        int answer = 0;
        if (mGameInProgress) {
            cmdPause_Click();
            answer = platform::MsgBox(QStringLiteral("You have a game in progress, are you sure you want to restart now?"),
                                      platform::vbYesNo | platform::vbQuestion, gGameTitle);
            // Ended from the menu as from the button: otherwise a later resize would start the clock again.
            if (answer == platform::vbYes)
                mGameInProgress = false;
            cmdPause_Click();
        } else {
            lblMessage->setCaption(QStringLiteral("Select your options and play again!"));
            lblMessage->show();
            platform::Sleep(2000);
        }
        if (answer == platform::vbYes) {
            cmdPlay->setToolTip(StartsTip);
            setPlayCaptions(PlayCaption);
            EndGame();
        }
        return;
    }
    cmdPlay->setToolTip(EndsTip);
    setPlayCaptions(EndGameCaption);
    Play();
}

void frmTallies::Play()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    // Only an ended game can be saved, however this one was started.
    enable(mnuSave, false);
    const bool ok = tallies::StartGame();
    if (gTalliesPhase == TalliesPhase::Playing)
        showDeal(true);
    mGameInProgress = true;
    lblHighScore->show();
    if (ok) {
        cmdTakeScore->setEnabled(true);
        cmdTakeScore->setText(TakeScoreCaption);
        cmdTakeScore->setToolTip(TakeScoreTip);
        cmdPause->setEnabled(true);
        mnuTakeScore->setEnabled(true);
        mnuTakeScore->setText(TakeScoreCaption);
        mnuPause->setEnabled(true);
        enable(mnuOpen, false);
    }
    enable(mnuTime, false);
    enable(mnuGoal, false);
    enable(mnuScoring, false);
    if (!ok) {
        platform::MsgBox(QStringLiteral("Unknown Error! Unable to play ") + gGameTitle,
                         platform::vbOKCancel | platform::vbCritical, gGameTitle);
        close();
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmTallies::EndGame()
{
    tallies::EndGame();
    nextGameNumber();
    FieldCardDisplay(false);
    ShowLowerCards(false);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    lblTime->setCaption(QStringLiteral("Time:"));
    Surface->showPicture(PiePicture());
    for (QWidget* w : std::initializer_list<QWidget*>{CardTotalRectangle, CardTotalBevelSide, CardTotalBevelBottom})
        w->hide();
    SelRectangle(false);

    showScore();
    lblCurrentTotal->hide();
    lblTotal->hide();
    lblCurrentRound->setCaption(QStringLiteral("1"));
    lblCurrentRound->refresh();
    lblCurrentTallies->setCaption(QStringLiteral("0"));
    lblCurrentTallies->refresh();

    cmdPause->setEnabled(false);
    setTakeScoreCaptions(ReplayCaption);
    cmdTakeScore->setToolTip(ReplayTip);
    for (QAction* entry : {mnuTime, mnuGoal, mnuScoring, mnuSave, mnuOpen, mnuTakeScore})
        enable(entry, true);
    cmdTakeScore->setEnabled(true);
    mnuPause->setEnabled(false);
    mnuPlay->setEnabled(true);

    frmSplash->show();
    Timer4->setEnabled(true);
    if (gMusicOn)
        StopMidiMusic();
}

// ---- Pause ----

void frmTallies::cmdPause_Click() { Pause(); }

void frmTallies::Pause()
{
    if (cmdPause->text() == PauseCaption) {
        tallies::Pause();
        cmdPause->setToolTip(QStringLiteral("Resumes the current game"));
        lblMessage->setCaption(QStringLiteral("Game Paused"));
        lblMessage->setVisible(mGameInProgress);
        Timer1->setEnabled(false);
        cmdPause->setText(ResumeCaption);
        for (QPushButton* button : {cmdExit, cmdTakeScore, cmdPlay})
            button->setEnabled(false);
        for (QAction* entry : {mnuExit, mnuPlay, mnuTakeScore})
            entry->setEnabled(false);
        mnuPause->setText(ResumeCaption);
        RefreshFieldCards();
        CardTotalVisible(false);
        ShowLowerCards(false);
        SelRectangle(false);
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    tallies::Resume();
    cmdPause->setToolTip(QStringLiteral("Pauses the current game"));
    lblMessage->hide();
    lblMessage->setCaption(QString());
    Timer1->setEnabled(true);
    cmdPause->setText(PauseCaption);
    for (QPushButton* button : {cmdExit, cmdTakeScore, cmdPlay})
        button->setEnabled(true);
    for (QAction* entry : {mnuExit, mnuPlay, mnuTakeScore})
        entry->setEnabled(true);
    mnuPause->setText(PauseCaption);
    for (int i = 0; i < TalliesFieldSize; ++i)
        if (!FieldCardPicture[i]->isHidden())
            showFieldCardFace(i);
    if (mGameInProgress) {
        CardTotalVisible(true);
        lblCurrentTotal->setCaption(QStringLiteral("0"));
        ShowLowerCards(true);
    }
    if (gMusicOn && mGameInProgress)
        PlayMidiMusic();
}

// ---- Take Score and Replay ----

void frmTallies::cmdTakeScore_Click()
{
    if (cmdTakeScore->text() == TakeScoreCaption) {
        if (gRoundOver)
            return;
        TakeScore();
        if (gMusicOn && mGameInProgress)
            PlayMidiMusic();
        return;
    }
    replayLastGame();
}

void frmTallies::mnuTakeScore_Click()
{
    if (cmdTakeScore->text() == TakeScoreCaption) {
        if (!gRoundOver)
            TakeScore();
        return;
    }
    replayLastGame();
}

void frmTallies::replayLastGame()
{
    // The recorded decks hold the cards of the goal they were dealt under, so the goal (its heading
    // and table) goes back to it. The time limit is the player's own: a replay runs at the one in force.
    const int recordedGoal = gTalliesRecordedOptions.cardGoal;
    if (recordedGoal != 0 && recordedGoal != gCardGoal)
        chooseCardGoal(recordedGoal);
    gTalliesReplay = true;
    cmdPlay_Click();
}

void frmTallies::cmdExit_Click() { close(); }

// ---- Timers ----

void frmTallies::Timer1_Timer()
{
    const tallies::TalliesTick t = tallies::TickRoundClock();
    if (!t.counted)
        return;
    DrawTimerPie(t.angle, *this);
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(t.timeLeft));
    if (t.warning == tallies::TalliesTick::TimesRunningOut)
        StatusBar1->setPanelText(2, QStringLiteral("Times running out!"));
    else if (t.warning == tallies::TalliesTick::BetterHurry)
        StatusBar1->setPanelText(2, QStringLiteral("Better Hurry!"));
    if (!t.expired)
        return;

    Timer1->setEnabled(false);
    ShowLowerCards(false);
    SelRectangle(false);
    DisableCommandButtons(true);
    lblMessage->setCaption(QStringLiteral("Times Up!"));
    lblMessage->show();
    StatusBar1->setPanelText(2, QStringLiteral("Time has expired!"));
    flashMessage(10);
    cmdTakeScore_Click();
    SelRectangle(false);
    if (lblMessage->caption() != QStringLiteral("Game Over"))
        lblMessage->hide();
}

void frmTallies::flashMessage(int times)
{
    for (int i = 0; i < times; ++i) {
        lblMessage->setForeColor(lblMessage->foreColor() != platform::ColorRed ? platform::ColorRed : platform::ColorBlack);
        lblMessage->refresh();
        platform::Sleep(250);
    }
}

void frmTallies::Timer2_Timer() { DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this); }

void frmTallies::Timer4_Timer()
{
    mSplash.step(imgSplashImage, [](CardImage* image, bool back) {
        image->setPictureByKey(back ? QStringLiteral("BACK") : QStringLiteral("Talmark"));
    });
}

// ---- Closing ----

void frmTallies::onQuitConfirmed()
{
    for (platform::Timer* timer : {Timer1, Timer2, Timer4})
        timer->setEnabled(false);
    mGameInProgress = false;
    gGameInProgress = false;
    // The round dies with the window: the next window's Take Score must not find it still running.
    gTalliesPhase = TalliesPhase::Idle;
}
