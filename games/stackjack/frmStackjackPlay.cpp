// The Stackjack round flow in the window: play and end a game, pause, the Hit, Pass and Give Up
// buttons, the round clock, the taken score's count-down and the passage between rounds.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/scores/HighScores.h"
#include "core/Sound.h"
#include "core/window/TimerPie.h"
#include "games/stackjack/CardTotalPanel.h"
#include "games/stackjack/ScoreCountDown.h"
#include "games/stackjack/StackjackColumns.h"
#include "games/stackjack/StackjackGame.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/stackjack/StackjackTexts.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "games/stackjack/frmStackjack.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

namespace texts = stackjack::texts;
using platform::MousePointer;

namespace {
const QString FileBase = QStringLiteral("HiScores");
const QString DefaultScore = QStringLiteral("50000");
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End Game");
const QString PauseCaption = QStringLiteral("Pau&se");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString TableError = QStringLiteral(
    "An error occured when attmpting to access the High Score Table. Please close and restart the game.");
constexpr long DarkGreen = 0xC000;

QString text(const char* s) { return QString::fromLatin1(s); }
QString text(const std::string& s) { return QString::fromStdString(s); }
} // namespace

void frmStackjack::playSound(const char* file) const
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}

// ---- Play ----

void frmStackjack::Play()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    if (cmdPlay->text() == PlayCaption)
        startNewGame();
    else
        endRunningGame();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmStackjack::startNewGame()
{
    mGameAbandoned = false;
    // The last game's "Game Over" would make this game look over to the pause around dialogs.
    ScoringLabel->setCaption(QString());
    frmSplash->hide();
    Timer4->setEnabled(false);
    StatusBar1->setPanelText(2, QStringLiteral("Click on Hit buttons to create columns of 21!   "));
    StatusBar1->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gStackjackBonusScore)
                                    + QStringLiteral(" for bonus round.  "));
    Surface->show();
    mnuTime->setEnabled(false);
    mnuCustom->setEnabled(false);
    cmdPlay->setText(EndGameCaption);
    mnuPlay->setText(EndGameCaption);
    cmdPlay->setToolTip(QStringLiteral("Ends the game in progress"));

    const bool ok = stackjack::StartGame();
    EnableControls();
    setWindowTitle(gGameTitle + text(texts::RoundCaption) + QString::number(stackjack::gStackjackRound));
    resetControls();
    if (ok)
        PlayCardPicture->show();
    lblHighScore->show();
    lblRound->setCaption(text(texts::RoundLabel(stackjack::gStackjackRound)));
    lblRound->show();
    showRoundStart();
    for (LineControl* line : ColumnLine)
        line->show();
    cmdPass->setEnabled(gPassesLeft != 0);
    cmdPass->show();
    cmdPause->setEnabled(true);
    mnuPause->setEnabled(true);
    ShowHitButtons(true);
    lblCurrentRoundScore->show();
    lblTime->show();
    lblTimeBonus->show();
    frmScore->show();
    lblTotalScore->setCaption(QString::number(gScore));
    frmScore->markRow(stackjack::gMarkedRow);
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, ScoreRectangle, ScoreBevelBottom, ScoreBevelSide,
                                                      lblCurrentTotal, lblTotalScore})
        w->show();
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->show();
    if (gMusicOn)
        PlayMidiMusic();
}

void frmStackjack::endRunningGame()
{
    if (gMusicOn)
        StopMidiMusic();
    cmdPause_Click();
    if (!confirmForThisGame(QStringLiteral("You have a game in progress, are you sure you want to quit?"), [this] { cmdPause_Click(); }))
        return;
    mGameAbandoned = true;
    // Ended before the resume, so that the resume leaves the board hidden and the tune off.
    stackjack::AbandonGame();
    cmdPause_Click();
    resetControls();
    endOfGame();
    InitTimerSurface(*this);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    frmScore->hide();
    mnuTime->setEnabled(true);
    mnuDeck->setEnabled(true);
    mnuCustom->setEnabled(true);
}

// ---- Pause ----

void frmStackjack::PauseGame()
{
    const bool pausing = cmdPause->text() == PauseCaption;
    Timer1->setEnabled(!pausing);
    cmdPause->setToolTip(pausing ? QStringLiteral("Resumes the current game") : QStringLiteral("Pauses the current game"));
    cmdPause->setText(pausing ? ResumeCaption : PauseCaption);
    mnuPause->setText(pausing ? ResumeCaption : PauseCaption);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPlay, cmdQuit})
        w->setEnabled(!pausing);
    mnuPlay->setEnabled(!pausing);
    mnuExit->setEnabled(!pausing);
    lblRound->setVisible(!pausing);
    if (pausing) {
        ShowCards(false);
        ShowHitButtons(false);
        ScoringLabel->setForeColor(platform::ColorBlue);
        ScoringLabel->setCaption(text(texts::GamePaused));
        CenterScoringLabel();
        ScoringLabel->show();
        ScoringLabelOutline->show();
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    ScoringLabel->setCaption(QString());
    if (gGameInProgress) {
        ShowCards(true);
        ShowHitButtons(true);
        ScoringLabel->hide();
        ScoringLabelOutline->hide();
        if (gMusicOn)
            PlayMidiMusic();
    }
}

// ---- Hit, Pass, Give Up ----

void frmStackjack::cmdHit_Click(int Index)
{
    if (gRoundOver)
        return;
    NextCardPicture->show();
    playSound("Click.wav");
    const stackjack::HitOutcome o = stackjack::Hit(Index);
    if (o.ignored)
        return;

    CardImage* slot = Column[Index][o.placed.slot];
    slot->setPictureByKey(QString::fromStdString(trimmedCode(o.placed.card)));
    slot->setBorderStyle(1);
    slot->show();
    if (o.softened) {
        ColumnSoft[Index]->setCaption(text(texts::Soft));
        ColumnSoft[Index]->show();
    }
    if (o.hardened) {
        ColumnSoft[Index]->hide();
        ColumnSoft[Index]->setCaption(QString());
    }
    ColumnTotal[Index]->setCaption(QString::number(o.columnTotal));
    if (o.columnClosed) {
        cmdHit[Index]->setEnabled(false);
        cmdHit[Index]->setText(text(texts::Closed));
    }
    if (o.bust) {
        for (QPushButton* hit : cmdHit)
            hit->setEnabled(false);
        cmdGiveUp->setText(text(texts::GiveUpButton(stackjack::gGiveUpCaption)));
        cmdGiveUp_Click();
        return;
    }
    showCurrentTotal(o.currentTotal, o.totalWinning);
    cmdGiveUp->setText(text(texts::GiveUpButton(stackjack::gGiveUpCaption)));
    if (o.autoTake) {
        cmdGiveUp_Click();
        return;
    }
    showCardOnShow();
}

void frmStackjack::cmdPass_Click()
{
    const stackjack::PassOutcome p = stackjack::Pass();
    if (p.refused)
        return;
    showCardOnShow();
    playSound("Click.wav");
    cmdPass->setEnabled(p.passEnabled);
}

void frmStackjack::cmdGiveUp_Click()
{
    const stackjack::RoundEnd end = stackjack::EndCurrentRound();
    if (end.result == stackjack::RoundResult::Ignored)
        return;
    platform::setMousePointer(this, MousePointer::Hourglass);
    // No tick of this round's clock, nor of the dial's blink, may reach the next one.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    if (end.result == stackjack::RoundResult::ScoreTaken)
        TakeScore(end.taken);
    else
        showLostRound(end);
    Reset();
    // Input that came during the waits is dropped, never carried into the next round.
    platform::DoEvents();
    if (gGameInProgress)
        EndRound();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmStackjack::showLostRound(const stackjack::RoundEnd& end)
{
    playSound("Busted.wav");
    if (gMusicOn)
        StopMidiMusic();
    ShowCards(false);
    ScoringLabel->setForeColor(platform::ColorRed);
    if (end.result == stackjack::RoundResult::TooLow)
        setScoringFontSize(18);
    ScoringLabel->setCaption(text(end.message));
    CenterScoringLabel();
    ScoringLabelOutline->show();
    ScoringLabel->show();
    // The box and the hidden cards are drawn whole before the flashes hold the event loop.
    repaint();
    for (int flash = 0; flash < 12; ++flash) {
        ScoringLabel->setForeColor(ScoringLabel->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                                   : platform::ColorRed);
        ScoringLabel->refresh();
        platform::Sleep(150);
    }
    ScoringLabel->hide();
    Timer1->setEnabled(false);
}

void frmStackjack::TakeScore(const stackjack::TakenScore& taken)
{
    Timer1->setEnabled(false);
    if (gMusicOn)
        StopMidiMusic();
    ShowCards(false);
    ScoringLabelRoundTotal->setCaption(text(texts::RoundTotalLine(taken.finishedRound)));
    setScoringFontSize(18);
    ScoringLabel->setCaption(platform::formatGrouped(taken.roundScore));
    placeRoundTotalLine();
    ScoringLabelInfo->setForeColor(platform::ColorBlack);
    ScoringLabelInfo->setCaption(text(texts::CardTotalInfoLine(taken.cardTotalValue, taken.timeBonus)));
    ScoringLabel->setForeColor(platform::ColorBlack);
    ShowScoringLabel(true);
    ScoringLabelOutline->show();
    repaint();
    platform::Sleep(gWaitPeriod);
    if (taken.totallyAwesome) {
        ScoringLabelInfo->setCaption(text(texts::TotallyAwesome));
        playSound("Applause.wav");
        ScoringLabelInfo->refresh();
        platform::Sleep(gWaitPeriod);
        platform::Sleep(gWaitPeriod);
    }
    ScoringLabel->setForeColor(platform::ColorRed);
    if (!gCountDownScore) {
        lblTotalScore->setCaption(QString::number(taken.scoreAfter));
    } else {
        for (const stackjack::CountDownStep& step : stackjack::CountDownSteps(taken)) {
            ScoringLabel->setCaption(platform::formatGrouped(step.remaining));
            ScoringLabel->refresh();
            lblTotalScore->setCaption(QString::number(step.score));
            lblTotalScore->refresh();
            if (step.tick)
                playSound("Tick.wav");
            platform::Sleep(10);
        }
        ScoringLabel->setCaption(QStringLiteral("0"));
        ScoringLabel->refresh();
        platform::Sleep(50);
        ScoringLabel->setForeColor(platform::ColorBlue);
        // The steps count whole twice-the-bonus amounts; the score itself was taken exactly.
        lblTotalScore->setCaption(QString::number(taken.scoreAfter));
    }
    ShowScoringLabel(false);
}

// ---- Between rounds ----

void frmStackjack::EndRound()
{
    const stackjack::RoundTransition next = stackjack::EndRound();
    if (gMusicOn)
        StopMidiMusic();
    // The last quarter's blink must not outlive the round that started it.
    Timer2->setEnabled(false);
    if (next.next == stackjack::NextStep::GameOver)
        endOfGame();
    else
        dealNextRound(next);
    lblCurrentTotal->setForeColor(platform::ColorRed);
}

void frmStackjack::dealNextRound(const stackjack::RoundTransition& next)
{
    platform::DoEvents();
    if (gMusicOn)
        PlayMidiMusic();
    setWindowTitle(gGameTitle + text(texts::RoundCaption) + QString::number(next.round));
    lblRound->setCaption(text(texts::RoundLabel(next.round)));
    ShowCards(false);
    ScoringLabel->setCaption(text(next.announcement));
    if (next.next == stackjack::NextStep::BonusRound)
        playSound("HighScore.wav");
    ScoringLabel->setForeColor(platform::ColorBlue);
    CenterScoringLabel();
    ScoringLabel->show();
    repaint();
    platform::Sleep(gWaitPeriod);
    ScoringLabelOutline->hide();
    ScoringLabel->hide();
    ShowCards(true);

    const bool ok = stackjack::DealRound();
    EnableControls();
    resetControls();
    if (ok)
        PlayCardPicture->show();
    showRoundStart();
    if (gPassesLeft > 0)
        cmdPass->setEnabled(true);
    cmdPass->show();
    lblRound->show();
    cmdPause->setEnabled(true);
    mnuPause->setEnabled(true);
    for (QPushButton* hit : cmdHit)
        hit->show();
    for (QWidget* w : std::initializer_list<QWidget*>{lblCurrentRoundScore, lblTime, lblTimeBonus, cmdGiveUp})
        w->show();
    frmScore->markRow(stackjack::gMarkedRow);
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->show();
}

void frmStackjack::endOfGame()
{
    if (!mGameAbandoned) {
        // A table that cannot be read or written costs the entry, not the end of the game.
        try {
            CheckHighScore(FileBase, *this, DefaultScore);
        } catch (const HighScoreTableError&) {
            platform::MsgBox(TableError, platform::vbCritical, gGameTitle);
        }
        ShowTopHighScore(FileBase, *this, DefaultScore);
        ScoringLabel->setCaption(text(texts::GameOver));
        ScoringLabel->setForeColor(platform::ColorRed);
        ScoringLabel->show();
        platform::setMousePointer(this, MousePointer::Hourglass);
        CenterScoringLabel();
        ScoringLabel->refresh();
        platform::Sleep(2000);
        ScoringLabel->hide();
        platform::setMousePointer(this, MousePointer::Default);
    }
    stackjack::EndGame();
    nextGameNumber();
    setWindowTitle(gGameTitle + text(texts::GameOverCaption));
    lblRound->hide();
    lblRound->setCaption(text(texts::RoundLabel(1)));
    ScoringLabel->setForeColor(platform::ColorBlue);
    ScoringLabel->setCaption(text(texts::GameOver));
    CenterScoringLabel();
    ScoringLabel->hide();
    ScoringLabelOutline->hide();
    lblTimeBonus->hide();
    cmdPlay->setText(PlayCaption);
    mnuPlay->setText(PlayCaption);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    mnuCustom->setEnabled(true);
    mnuTime->setEnabled(true);
    mnuDeck->setEnabled(true);
    InitTimerSurface(*this);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    frmSplash->show();
    frmSplash->raise();
    Timer4->setEnabled(true);
    frmScore->hide();
    StatusBar1->setPanelText(1, QStringLiteral("Game over!  "));
    StatusBar1->setPanelText(2, QStringLiteral("Click on Play to start a new game.  "));
}

// ---- Clocks ----

void frmStackjack::Timer1_Timer()
{
    const stackjack::TickOutcome tick = stackjack::RoundClockTick();
    DrawTimerPie(tick.pieAngle, *this);
    lblTimeBonus->setCaption(platform::Str(std::int64_t(tick.timeBonus)));
    lblTime->setCaption(text(texts::TimeBonusCaption));
    if (!tick.timeUp)
        return;
    ShowCards(false);
    ScoringLabel->setForeColor(platform::ColorRed);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    ScoringLabel->setCaption(text(texts::TimesUp));
    CenterScoringLabel();
    ScoringLabel->show();
    ScoringLabelOutline->show();
    repaint();
    platform::Sleep(gWaitPeriod);
    cmdGiveUp_Click();
}

void frmStackjack::Timer2_Timer() { DrawTimerPie(stackjack::PieAngle(gPieElapsed), *this); }
