// The Quickjack round flow in the window: play and end a game, pause, the round clock, the taken
// score with its count-up, and the passage between rounds to the high-score table.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/scores/HighScores.h"
#include "core/Sound.h"
#include "core/window/TimerPie.h"
#include "games/quickjack/QuickjackCustomScoring.h"
#include "games/quickjack/QuickjackRound.h"
#include "games/quickjack/frmQuickjack.h"
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
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

using platform::MousePointer;

namespace {
const QString FileBase = QStringLiteral("QuickjackHiScores");
const QString DefaultScore = QStringLiteral("50000");
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End game");
const QString PauseCaption = QStringLiteral("P&ause");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString GameOverText = QStringLiteral("Game Over");
const QString Empty = QStringLiteral("EMPTY");
const QString TableError = QStringLiteral(
    "An error occured when attmpting to access the High Score Table. Please close and restart the game.");
constexpr int StepWait = 75;

QString roundCaption() { return QStringLiteral("Round: ") + QString::number(gRound); }
QString faceKey(int position) { return QString::fromStdString(trimmedCode(gDeck.at(position))); }
} // namespace

// ---- Play ----

void frmQuickjack::Play()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    if (cmdPlay->text() == PlayCaption)
        startNewGame();
    else
        endRunningGame();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmQuickjack::startNewGame()
{
    quickjack::StartGameState();
    // The last game's "Game Over" would make this one look over to the pause around dialogs and closing.
    ScoringLabelInfo->setCaption(QString());
    lbl21s->setCaption(platform::Str(std::int64_t(gTwentyOnes)));
    lblBonus->setCaption(platform::Str(std::int64_t(gTwentyOnes)));
    lblRound->setCaption(roundCaption());
    showScore();
    frmSplash->hide();
    Timer4->setEnabled(false);
    gGameInProgress = true;

    cmdPlay->setText(EndGameCaption);
    mnuPlay->setText(EndGameCaption);
    cmdPlay->setToolTip(QStringLiteral("Ends the game in progress"));
    cmdPause->setEnabled(true);
    mnuPause->setEnabled(true);
    mnuUserOptions->setEnabled(false);
    mnuTimeLimit->setEnabled(false);
    if (gCardsToPass != 0)
        cmdPass->setEnabled(true);
    cmdTakeScore->setEnabled(true);
    EnableHitButtons(true);
    NextCardPicture->setBorderStyle(1);
    PlayCardPicture->show();

    StatusBar1->setPanelText(2, QStringLiteral("Create columns of 21 to increase bonus score!"));
    StatusBar1->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gBonusRoundScore) +
                                    QStringLiteral(" for bonus round."));
    for (auto& column : Column) {
        column[0]->setPictureByKey(Empty);
        column[0]->show();
    }

    if (!(CreateDeck() && ShuffleDeck())) {
        // Each has told the player; without a deck there is no card to show, so the game ends at once.
        gRound = quickjack::AbandonedRound;
        mGameAbandoned = true;
        cmdPlay->setText(PlayCaption);
        mnuPlay->setText(PlayCaption);
        cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
        NextRound();
        mGameAbandoned = false;
        return;
    }
    NextCardPicture->show();
    PlayCardPicture->show();
    RefreshPlayCard();
    cmdPass->show();
    EnableHitButtons(true);
    ShowControls(true);

    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
    lblTime->show();
    Timer1->setEnabled(true);
    Surface->show();
    InitTimerSurface(*this);
    ShowGraphics();
    gElapsed = 0;

    NextCardPicture->setPictureByKey(faceKey(gDeckIndex + 1));
    NextCardPicture->show();
    lblCardsUsedCount->setCaption(QString::number(gDeckIndex));
    ++gDeckIndex;
    if (gMusicOn)
        PlayMidiMusic();
}

void frmQuickjack::endRunningGame()
{
    if (gMusicOn)
        StopMidiMusic();
    if (!confirmForThisGame(QStringLiteral("You have a game in progress. Are you sure you want to quit?"), [] {
            if (gMusicOn)
                PlayMidiMusic();
        }))
        return;
    cmdPlay->setText(PlayCaption);
    mnuPlay->setText(PlayCaption);
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    lblTime->setCaption(QStringLiteral("Time:"));
    gRound = quickjack::AbandonedRound;
    mGameAbandoned = true;
    NextRound();
    mGameAbandoned = false;
}

// ---- Pause ----

void frmQuickjack::PauseGame()
{
    if (cmdPause->text() == PauseCaption) {
        EnableControls(false);
        cmdPause->setToolTip(QStringLiteral("Resumes the current game"));
        cmdPause->setText(ResumeCaption);
        mnuPause->setText(ResumeCaption);
        Timer1->setEnabled(false);
        CounterWasRunning = Timer3->enabled();
        if (CounterWasRunning)
            Timer3->setEnabled(false);
        ShowCards(false);
        ShowControls(false);
        ShowScoringLabel(QStringLiteral("Game Paused"), true);
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    EnableControls(true);
    cmdPause->setToolTip(QStringLiteral("Pauses the game in progress"));
    cmdPause->setText(PauseCaption);
    mnuPause->setText(PauseCaption);
    Timer1->setEnabled(true);
    if (CounterWasRunning)
        Timer3->setEnabled(true);
    ShowCards(true);
    ShowControls(true);
    ScoringLabelOutline->hide();
    ScoringLabelInfo->hide();
    ScoringLabelInfo->setCaption(QString());
    if (gMusicOn)
        PlayMidiMusic();
}

void frmQuickjack::ShowScoringLabel(const QString& Text, bool Keep)
{
    ScoringLabelInfo->setCaption(Text);
    ScoringLabelOutline->show();
    ScoringLabelInfo->show();
    ScoringLabelInfo->raise();
    ScoringLabelOutline->repaint();
    ScoringLabelInfo->repaint();
    if (!Keep) {
        platform::setMousePointer(this, MousePointer::Hourglass);
        if (cmdPlay->text() != PlayCaption)
            platform::Sleep(gWaitPeriod);
        platform::setMousePointer(this, MousePointer::Default);
    }
    ScoringLabelOutline->setVisible(Keep);
    ScoringLabelInfo->setVisible(Keep);
}

// ---- Round clock ----

void frmQuickjack::Timer1_Timer()
{
    ++gElapsed;
    DrawTimerPie(quickjack::ClockAngle(gElapsed, gTimeLimit), *this);
    gPieElapsed = gElapsed;
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit - gElapsed));
    const QString warning = quickjack::TimeWarning(gTimeLimit, gElapsed);
    if (!warning.isEmpty())
        StatusBar1->setPanelText(2, warning);
    if (gElapsed != gTimeLimit)
        return;

    stopRoundTimers();
    ClearColumns();
    ShowScoringLabel(QStringLiteral("Times Up!"), true);
    StatusBar1->setPanelText(2, QStringLiteral("Time has expired!"));
    lblTime->setCaption(QStringLiteral("Time:"));
    for (int i = 0; i < 10; ++i) {
        ScoringLabelInfo->setForeColor(ScoringLabelInfo->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                                          : platform::ColorRed);
        ScoringLabelInfo->repaint();
        platform::Sleep(250);
    }
    cmdTakeScore_Click();
    if (ScoringLabelInfo->caption() != GameOverText)
        ScoringLabelInfo->hide();
}

void frmQuickjack::Timer2_Timer() { DrawTimerPie(quickjack::ClockAngle(gPieElapsed, gTimeLimit), *this); }

// ---- Take score ----

void frmQuickjack::cmdTakeScore_Click()
{
    if (gRoundOver)
        return;
    gRoundOver = true;
    platform::setMousePointer(this, MousePointer::Hourglass);
    const int cardsUsed = int(platform::roundHalfEven(platform::Val(lblCardsUsedCount->caption())));

    ProgressBar1->hide();
    lblTwentyoneTime->hide();
    EnableControls(false);
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
    // The clock, the 21 Counter and the dial's blink belong to the round just ended: none of their
    // ticks may reach the next one.
    stopRoundTimers();
    if (gMusicOn)
        StopMidiMusic();

    payCardsUsed(cardsUsed);
    if (platform::Val(lbl21s->caption()) != 0)
        payTwentyOnes();
    lbl21s->setCaption(QStringLiteral("0"));
    lblBonus->setCaption(QStringLiteral("0"));
    gTwentyOnes = 0;
    quickjack::gRunningBonus = 0;

    InitTimerSurface(*this);
    ShowGraphics();
    ProgressBar1->show();
    lblTwentyoneTime->show();
    gElapsed = 0;
    ++gRound;
    lblRound->setCaption(roundCaption());
    NextRound();
    if (gMusicOn && gGameInProgress)
        PlayMidiMusic();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmQuickjack::payCardsUsed(int cardsUsed)
{
    lblCardsUsed->setForeColor(platform::ColorRed);
    lblCardsUsedCount->setForeColor(platform::ColorRed);
    if (gCountDownScore) {
        for (int i = 1; i <= cardsUsed; ++i) {
            platform::Sleep(StepWait);
            quickjack::AddToScore(gCardsUsedBonus);
            showScore();
            playSound("CountScore.wav");
            lblCardsUsedCount->setCaption(platform::Str(std::int64_t(cardsUsed - i)));
            lblTotalScore->repaint();
        }
    } else {
        quickjack::AddToScore(std::int64_t(cardsUsed) * gCardsUsedBonus);
        showScore();
        lblCardsUsedCount->setCaption(QStringLiteral("0"));
        platform::Sleep(500);
    }
    lblTotalScore->repaint();
    lblCardsUsed->setForeColor(0xffe0b0);
    lblCardsUsedCount->setForeColor(0xffe0b0);
    lblCardsUsed->repaint();
    lblCardsUsedCount->repaint();
}

void frmQuickjack::payTwentyOnes()
{
    platform::Label* labels[] = {lbl21Bonus, lblTwentyOnes, lbl21s, lblBonus};
    for (platform::Label* label : labels)
        label->setForeColor(platform::ColorRed);
    const quickjack::RoundPay pay = quickjack::RoundPayNow();
    lblRoundScore->setCaption(quickjack::TwentyOneLine(pay));
    lblRoundScoreCount->setCaption(QString::number(pay.twentyOnePoints));
    lblRoundScore->show();
    lblRoundScoreCount->show();
    lblRoundScore->repaint();
    lblRoundScoreCount->repaint();
    platform::Sleep(750);

    const std::int32_t step = gTwentyOneBonus;
    if (gCountDownScore && step > 0) {
        std::int64_t left = pay.twentyOnePoints;
        while (left >= step) {
            platform::Sleep(StepWait);
            quickjack::AddToScore(step);
            showScore();
            left -= step;
            lblRoundScoreCount->setCaption(QString::number(left));
            playSound("CountScore.wav");
            lblTotalScore->repaint();
        }
        // Whatever is not a whole step is paid at once, so the round pays exactly its points.
        if (left > 0) {
            quickjack::AddToScore(left);
            showScore();
            lblRoundScoreCount->setCaption(QStringLiteral("0"));
        }
    } else {
        quickjack::AddToScore(pay.twentyOnePoints);
        showScore();
        platform::Sleep(500);
    }
    for (platform::Label* label : labels)
        label->setForeColor(platform::ColorBlue);
    lblTwentyOnes->setForeColor(0x2a3a1b);
    lbl21Bonus->setForeColor(0x2a3a1b);
    lblRoundScore->hide();
    lblRoundScoreCount->hide();
}

// ---- Between rounds ----

void frmQuickjack::NextRound()
{
    platform::DoEvents();
    if (gMusicOn)
        StopMidiMusic();
    ClearColumns();
    for (int c = 0; c < quickjack::ColumnCount; ++c) {
        ColumnTotal[c]->setCaption(QStringLiteral("0"));
        ColumnSoft[c]->setCaption(QString());
        ColumnSoft[c]->hide();
    }
    quickjack::ClearColumnState();
    Timer3->setEnabled(false);
    RestartCounter();
    StatusBar1->setPanelText(2, QStringLiteral("Create columns of 21 to increase bonus score!   "));

    if (quickjack::PlaysRound(gRound, gScore, gBonusRoundScore))
        dealNextRound();
    else
        gameOver();

    EnableControls(true);
    if (ScoringLabelInfo->caption() == GameOverText) {
        cmdPause->setEnabled(false);
        mnuPause->setEnabled(false);
        StatusBar1->setPanelText(1, QStringLiteral("Click on Play to start a new game  "));
        StatusBar1->setPanelText(2, QStringLiteral("Game Over "));
    } else {
        cmdPause->setEnabled(true);
        mnuPause->setEnabled(true);
    }
    EnableHitButtons(true);
    NextCardPicture->setBorderStyle(1);
}

void frmQuickjack::stopRoundTimers()
{
    for (platform::Timer* t : {Timer1, Timer2, Timer3, Timer5})
        t->setEnabled(false);
    lblTwentyoneTime->setForeColor(platform::ColorBlue);
}

void frmQuickjack::gameOver()
{
    stopRoundTimers();
    if (!mGameAbandoned) {
        // A table that cannot be read or written costs the entry, not the end of the game.
        try {
            CheckHighScore(FileBase, *this, DefaultScore);
        } catch (const HighScoreTableError&) {
            platform::MsgBox(TableError, platform::vbCritical, gGameTitle);
        }
        ShowTopHighScore(FileBase, *this, DefaultScore);
        ScoringLabelInfo->setForeColor(platform::ColorRed);
        ScoringLabelInfo->setCaption(GameOverText);
        ScoringLabelInfo->show();
        ScoringLabelInfo->raise();
        ScoringLabelInfo->repaint();
        platform::setMousePointer(this, MousePointer::Hourglass);
        platform::Sleep(2000);
        platform::setMousePointer(this, MousePointer::Default);
        ScoringLabelInfo->hide();
    }
    gDeckIndex = 0;
    lblRound->setCaption(GameOverText);
    gGameInProgress = false;
    nextGameNumber();
    cmdPlay->setText(PlayCaption);
    mnuPlay->setText(PlayCaption);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    ShowScoringLabel(GameOverText, false);
    frameScoreInfo->hide();
    frmSplash->show();
    InitTimerSurface(*this);
    Timer4->setEnabled(true);
    ShowControls(false);
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
    lblTime->setCaption(QStringLiteral("Time:"));
    mnuUserOptions->setEnabled(true);
    mnuTimeLimit->setEnabled(true);
    gElapsed = 0;
}

void frmQuickjack::dealNextRound()
{
    if (gMusicOn)
        PlayMidiMusic();
    ShuffleDeck();
    PlayCardPicture->setPictureByKey(QStringLiteral("FULL"));
    if (quickjack::IsBonusRound(gRound, gScore, gBonusRoundScore)) {
        playSound("HighScore.wav");
        ShowScoringLabel(QStringLiteral("Prepare for Bonus Round"), false);
    } else {
        ShowScoringLabel(QStringLiteral("Prepare for Round ") + QString::number(gRound), false);
    }
    for (auto& column : Column) {
        column[0]->setPictureByKey(Empty);
        column[0]->show();
    }
    Timer1->setEnabled(true);
    gDeckIndex = 1;
    NextCardPicture->setPictureByKey(faceKey(1));
    if (gCardsToPass != 0) {
        cmdPass->setEnabled(true);
        gPassesLeft = gCardsToPass;
    }
    platform::DoEvents();
    gRoundOver = false;
}
