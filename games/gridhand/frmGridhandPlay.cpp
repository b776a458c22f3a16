// The Gridhand round flow in the window: play and end a game, pause, the round clock, the end of a
// round with its points, the passage to the next round and the end of the game.
#include "core/window/ClockSurface.h"
#include "core/scores/CountUps.h"
#include "core/cards/Deck.h"
#include "core/scores/GameOver.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/gridhand/GridhandRules.h"
#include "games/gridhand/frmGridhand.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QPushButton>

using platform::MousePointer;

namespace {
const QString FileBase = QStringLiteral("GridhandHighScores");
const QString DefaultScore = QStringLiteral("30000");
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End Game");
const QString PauseCaption = QStringLiteral("Pau&se");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString TimesUp = QStringLiteral("Times Up!");

void setScoringFont(platform::Label* label, const char* family, int size)
{
    QFont f = label->font();
    f.setFamily(QLatin1String(family));
    f.setPointSize(size);
    f.setBold(true);
    label->setFont(f);
    label->adjustSize();
}
} // namespace

void frmGridhand::cmdPlay_Click()
{
    if (!gRoundOver)
        Play();
}

void frmGridhand::cmdPause_Click()
{
    if (!gRoundOver)
        PauseGame();
}

// ---- Play ----

void frmGridhand::Play()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    if (cmdPlay->text() == PlayCaption)
        startNewGame();
    else
        endRunningGame();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmGridhand::startNewGame()
{
    gRoundOver = false;
    gRound = 1;
    gScore = 0;
    lblCurrentScore->setCaption(QStringLiteral("0"));
    lblPointsEarned->setCaption(QStringLiteral("Points Earned: 0"));
    lblRound->setCaption(QStringLiteral("Round: 1"));
    // The last game's "Game Over" would make this one look over to the pause around dialogs.
    ScoringLabel->setCaption(QString());
    frmSplash->hide();
    Timer4->setEnabled(false);
    repaint();
    StatusBar1->setPanelText(2, QStringLiteral("Click on cards to get the best Poker hand!   "));
    StatusBar1->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gBonusRoundScore) +
                                    QStringLiteral(" for bonus round.  "));
    mnuTime->setEnabled(false);
    mnuCustom->setEnabled(false);
    cmdPlay->setText(EndGameCaption);
    mnuPlay->setText(EndGameCaption);
    mnuPause->setEnabled(true);
    cmdPause->setEnabled(true);
    cmdPlay->setToolTip(QStringLiteral("Ends the game in progress"));
    gridhand::gOverwritesUsed = 0;
    showOverWrites();
    lblTimeBonus->setCaption(QString::number(gTimeLimit));
    gElapsed = 0;
    gPieElapsed = 0;
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->show();
    if (CreateDeck()) {
        Reset(false);
        if (ShuffleDeck() && Deal()) {
            ShowControls(true, true);
            ShowCards(true);
        }
    }
    if (gMusicOn)
        PlayMidiMusic();
    mGameRunning = true;
    gGameInProgress = true;
}

void frmGridhand::endRunningGame()
{
    if (gMusicOn)
        StopMidiMusic();
    cmdPause_Click();
    if (!confirmForThisGame(QStringLiteral("You have a game in progress, are you sure you want to quit?"), [this] { cmdPause_Click(); }))
        return;
    mGameRunning = false;
    gGameInProgress = false;
    nextGameNumber();
    // With the game no longer running the resume brings back no cards, labels or tune.
    cmdPause_Click();
    ShowCards(false);
    ShowControls(false, false);
    Reset(true);
    InitTimerSurface(*this);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    mnuTime->setEnabled(true);
    mnuDeck->setEnabled(true);
    mnuCustom->setEnabled(true);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->hide();
    Timer4->setEnabled(true);
}

// ---- Pause ----

void frmGridhand::PauseGame()
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
        ShowControls(false, true);
        ScoringLabel->setForeColor(platform::ColorBlue);
        ScoringLabel->setCaption(QStringLiteral("Game Paused"));
        CenterScoringLabel();
        ScoringLabelOutline->show();
        ScoringLabelOutline->raise();
        ScoringLabel->show();
        ScoringLabel->raise();
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    ScoringLabelOutline->hide();
    ScoringLabel->setCaption(QString());
    if (mGameRunning) {
        ShowCards(true);
        ShowControls(true, true);
        if (gMusicOn)
            PlayMidiMusic();
    }
}

// ---- Clock ----

void frmGridhand::Timer1_Timer()
{
    ++gElapsed;
    DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this);
    gPieElapsed = gElapsed;
    lblTimeBonus->setCaption(QString::number(gTimeLimit - gElapsed));
    lblTime->setCaption(QStringLiteral("Time:"));
    if (gElapsed >= gTimeLimit) {
        ScoringLabel->setCaption(TimesUp);
        NextRound();
    }
}

void frmGridhand::Timer2_Timer() { DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this); }

// ---- Round end ----

void frmGridhand::NextRound()
{
    gRoundOver = true;
    platform::setMousePointer(this, MousePointer::Hourglass);
    if (gMusicOn)
        StopMidiMusic();
    ++gRound;
    ShowCards(false);
    ShowControls(false, true);
    ScoringLabel->setForeColor(platform::ColorRed);
    Timer1->setEnabled(false);
    // The dial stays as the round left it until the next deal.
    Timer2->setEnabled(false);
    CenterScoringLabel();
    payRound();
    // The count-up draws the dial to the full circle, which may have set the redraw going again.
    Timer2->setEnabled(false);

    if (gridhand::GameGoesOn(gRound, gScore, gBonusRoundScore))
        dealNextRound();
    else
        endOfGame();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmGridhand::payRound()
{
    const auto showMessage = [this] {
        ScoringLabelOutline->show();
        ScoringLabelOutline->raise();
        ScoringLabel->show();
        ScoringLabel->raise();
    };
    if (ScoringLabel->caption() == TimesUp) {
        showMessage();
        repaint();
        playSound("Slide.wav");
        platform::Sleep(2000);
    } else {
        const int secondsLeft = gTimeLimit - gElapsed;
        if (secondsLeft > 0) {
            setScoringFont(ScoringLabel, "Arial", 20);
            ScoringLabel->setCaption(QString::number(gHandPoints) + QStringLiteral(" X ") + QString::number(secondsLeft) +
                                     QStringLiteral(" ="));
            lblMessage->setCaption(QStringLiteral("Round Points X Seconds Remaining"));
            CenterScoringLabel();
            placeBonusFigure();
            showMessage();
            lblMessage->raise();
            lblScoring->raise();
            ShowSpeedBonus(*this, gTimeBonus);
            lblMessage->hide();
        }
    }
    setScoringFont(ScoringLabel, "MS Sans Serif", 18);
}

void frmGridhand::flashScoringLabel()
{
    for (int i = 0; i < 10; ++i) {
        ScoringLabel->setForeColor(ScoringLabel->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                                  : platform::ColorRed);
        ScoringLabel->refresh();
        platform::Sleep(250);
    }
}

void frmGridhand::dealNextRound()
{
    if (gRound == gridhand::BonusRound) {
        lblRound->setCaption(QStringLiteral("Bonus Round"));
        ScoringLabel->setCaption(QStringLiteral("Bonus round!"));
        playSound("HighScore.wav");
    } else {
        lblRound->setCaption(QStringLiteral("Round: ") + QString::number(gRound));
        ScoringLabel->setCaption(QStringLiteral("Prepare for round ") + QString::number(gRound) + QStringLiteral("!"));
    }
    CenterScoringLabel();
    ScoringLabelOutline->show();
    ScoringLabelOutline->raise();
    ScoringLabel->show();
    ScoringLabel->raise();
    flashScoringLabel();

    Reset(false);
    gElapsed = 0;
    ScoringLabelOutline->hide();
    ScoringLabel->hide();
    ShuffleDeck();
    Deal();
    ShowCards(true);
    ShowControls(true, true);
    gElapsed = 0;
    gPieElapsed = 0;
    gridhand::gOverwritesUsed = 0;
    lblTimeBonus->setCaption(QString::number(gTimeLimit));
    showOverWrites();
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    lblPointsEarned->setCaption(QStringLiteral("Points Earned: 0"));
    if (gMusicOn)
        PlayMidiMusic();
    gRoundOver = false;
}

void frmGridhand::endOfGame()
{
    ScoringLabel->setCaption(QStringLiteral("Game Over"));
    GameOver(*this, FileBase, DefaultScore);
    repaint();
    platform::setMousePointer(this, MousePointer::Hourglass);
    ShowControls(false, false);
    CenterScoringLabel();
    ScoringLabelOutline->show();
    ScoringLabelOutline->raise();
    ScoringLabel->show();
    ScoringLabel->raise();
    platform::Sleep(2000);
    ScoringLabelOutline->hide();
    ScoringLabel->hide();
    Reset(true);
    mGameRunning = false;
    gGameInProgress = false;
    Timer4->setEnabled(true);
    gRoundOver = false;
}

// ---- Placing the messages ----

void frmGridhand::CenterScoringLabel()
{
    using namespace platform;
    ScoringLabel->adjustSize();
    lblMessage->adjustSize();
    const QWidget* outline = ScoringLabelOutline;
    setLeftTw(ScoringLabel, leftTw(outline) + widthTw(outline) / 2 - widthTw(ScoringLabel) / 2);
    setTopTw(ScoringLabel, topTw(outline) + heightTw(outline) / 2 - heightTw(ScoringLabel) / 2);
    setLeftTw(lblMessage, leftTw(outline) + widthTw(outline) / 2 - widthTw(lblMessage) / 2);
    setTopTw(lblMessage, topTw(ScoringLabel) - heightTw(lblMessage) - 100);
}

void frmGridhand::placeBonusFigure()
{
    platform::setTopTw(lblScoring, platform::topTw(ScoringLabel) + platform::heightTw(ScoringLabel) + 50);
    PlaceBonusFigure(*this);
}

void frmGridhand::CenterTimeBonus()
{
    using namespace platform;
    // 1.3, not 2: the seconds sit a little right of and below the dial's middle.
    setLeftTw(lblTimeBonus, int(widthTw(TimerRectangle) / 2 - widthTw(lblTimeBonus) / 1.3));
    setTopTw(lblTimeBonus, int(heightTw(TimerRectangle) / 2 - heightTw(lblTimeBonus) / 1.3));
}
