// The end of a round on the window: the bonuses counted into the score one after another, then the
// next round, the bonus round, or the end of the game with its high-score entry.
#include "games/tallies/frmTallies.h"

#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/tallies/TalliesRoundEnd.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesState.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <exception>

namespace {
using tallies::TalliesBonusKind;

void showMessage(platform::Label* message, const std::string& text)
{
    message->setCaption(QString::fromStdString(text));
    message->show();
    message->refresh();
}

void toggleRedBlack(platform::Label* message)
{
    message->setForeColor(message->foreColor() == platform::ColorRed ? platform::ColorBlack : platform::ColorRed);
}
} // namespace

void frmTallies::TakeScore()
{
    const tallies::TalliesRoundEnd end = tallies::BeginTakeScore(lblTallies->caption().toStdString());
    if (!end.started)
        return;
    Timer1->setEnabled(false);
    // The dial stops where the round stopped; the redraw timer would keep painting the old angle.
    Timer2->setEnabled(false);
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    if (gMusicOn)
        StopMidiMusic();
    DisableCommandButtons(true);
    SelRectangle(false);
    FieldCardDisplay(false);
    CardTotalVisible(false);
    ShowLowerCards(false);

    for (const tallies::TalliesBonus& bonus : end.bonuses)
        payBonus(bonus);
    lblCurrentTallies->setForeColor(platform::ColorBlue);

    // Input that came during the count-ups is dropped, never carried into the next round.
    platform::DoEvents();
    switch (tallies::NextAfterRound()) {
    case tallies::TalliesNext::RoundTwo: startRoundTwo(); break;
    case tallies::TalliesNext::BonusRound: startBonusRound(); break;
    case tallies::TalliesNext::GameOver: gameOver(); break;
    case tallies::TalliesNext::Nothing: break;
    }

    tallies::EndTakeScore();
    lblCurrentScore->setForeColor(platform::ColorBlue);
    lblMessage->setForeColor(platform::ColorRed);
    SelRectangle(false);
    CardTotalVisible(true);
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmTallies::payBonus(const tallies::TalliesBonus& Bonus)
{
    const bool countUp = gTalliesDrawTimer;
    switch (Bonus.kind) {
    case TalliesBonusKind::Completion:
        playSound("Wingame.wav");
        showMessage(lblMessage, Bonus.message);
        lblCurrentScore->setForeColor(platform::ColorCyan);
        platform::Sleep(1000);
        if (countUp) {
            for (int s = 0; s < Bonus.steps; ++s) {
                toggleRedBlack(lblMessage);
                tallies::PayBonusStep(Bonus.kind);
                showScore();
                playSound("Snap.wav");
                platform::Sleep(75);
            }
        } else {
            tallies::PayBonusStep(Bonus.kind);
            showScore();
            platform::Sleep(1000);
        }
        return;
    case TalliesBonusKind::Combinations:
        showMessage(lblMessage, Bonus.message);
        lblCurrentScore->setForeColor(platform::ColorCyan);
        lblCurrentTallies->setForeColor(platform::ColorCyan);
        if (countUp) {
            for (int s = 0; s < Bonus.steps; ++s) {
                tallies::PayBonusStep(Bonus.kind);
                showScore();
                lblCurrentTallies->setCaption(QString::number(gTalliesCombos));
                playSound("Snap.wav");
                platform::Sleep(75);
            }
        } else {
            tallies::PayBonusStep(Bonus.kind);
            showScore();
            lblCurrentTallies->setCaption(QStringLiteral("0"));
            platform::Sleep(1000);
        }
        lblCurrentTallies->setForeColor(platform::ColorBlue);
        return;
    case TalliesBonusKind::Speed:
        showMessage(lblMessage, Bonus.message);
        lblCurrentScore->setForeColor(platform::ColorCyan);
        platform::Sleep(1000);
        if (countUp) {
            for (int s = 0; s < Bonus.steps; ++s) {
                DrawTimerPie(tallies::PayBonusStep(Bonus.kind), *this);
                showScore();
                playSound("Snap.wav");
                platform::Sleep(75);
            }
        } else {
            tallies::PayBonusStep(Bonus.kind);
            DrawTimerPie(0, *this);
            lblMessage->setForeColor(platform::ColorRed);
            showScore();
            platform::Sleep(1000);
            lblMessage->setForeColor(platform::ColorBlack);
        }
        return;
    }
}

void frmTallies::startRoundTwo()
{
    lblMessage->setCaption(QStringLiteral("Prepare for Round Two!"));
    lblMessage->show();
    flashMessage(11);
    lblMessage->hide();
    tallies::StartNextRound();
    lblCurrentRound->setCaption(QStringLiteral("2"));
    showDeal(false);
    lblMessage->hide();
    DisableCommandButtons(false);
    FieldCardDisplay(true);
}

void frmTallies::startBonusRound()
{
    playSound("HighScore.wav");
    lblMessage->setCaption(QStringLiteral("Bonus Round!"));
    lblMessage->show();
    flashMessage(11);
    lblMessage->hide();
    tallies::StartNextRound();
    showDeal(false);
    DisableCommandButtons(false);
    lblCurrentRound->setCaption(QStringLiteral("Bonus"));
    if (gMusicOn)
        PlayMidiMusic();
    FieldCardDisplay(true);
}

void frmTallies::gameOver()
{
    tallies::CloseGame();
    for (int i = 0; i < TalliesFieldSize; ++i) {
        FieldCardPicture[i]->hide();
        FieldSelectionRectangle[i]->hide();
    }
    mGameInProgress = false;
    nextGameNumber();
    ShowLowerCards(false);
    for (QAction* entry : {mnuSave, mnuOpen})
        if (entry)
            entry->setEnabled(true);
    StatusBar1->setPanelText(2, QStringLiteral("Game over"));
    lblCurrentTotal->setCaption(QStringLiteral("0"));
    // A table that cannot be read or written must not stop the game from ending.
    try {
        CheckHighScore(QStringLiteral("HiScores"), *this, QStringLiteral("50000"));
    } catch (const std::exception&) {
        platform::MsgBox(QStringLiteral("An error occured when attmpting to access the High Score Table. "
                                        "Please close and restart the game."),
                         platform::vbCritical, gGameTitle);
    }
    ShowTopHighScore(QStringLiteral("HiScores"), *this, QStringLiteral("50000"));

    platform::setTopTw(lblMessage, platform::heightTw(this) / 2);
    lblMessage->setCaption(QStringLiteral("Game Over"));
    lblMessage->setForeColor(platform::ColorRed);
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    lblMessage->show();
    lblMessage->refresh();
    platform::Sleep(2000);
    lblMessage->hide();
    platform::setMousePointer(this, platform::MousePointer::Default);

    frmSplash->show();
    Timer4->setEnabled(true);
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
    for (QPushButton* button : {cmdExit, cmdPlay})
        button->setEnabled(true);
    for (QAction* entry : {mnuExit, mnuPlay})
        entry->setEnabled(true);
    setPlayCaptions(QStringLiteral("&Play"));
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    setTakeScoreCaptions(QStringLiteral("&Replay"));
    cmdTakeScore->setToolTip(QStringLiteral("Replays the last game"));
    cmdTakeScore->setEnabled(true);
    mnuTakeScore->setEnabled(true);
    for (QAction* entry : {mnuTime, mnuGoal, mnuScoring})
        if (entry)
            entry->setEnabled(true);
    DrawTimerPie(0, *this);
    Timer2->setEnabled(false);
}
