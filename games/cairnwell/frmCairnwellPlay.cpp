// The Cairnwell rounds in the window: play and end a game, pause, the clicks on the table, the round
// clock, and the end of a round with its deck bonus, left-over penalty and speed bonus.
#include "core/cards/CardImage.h"
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
#include "games/cairnwell/CairnwellRound.h"
#include "games/cairnwell/frmCairnwell.h"
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
#include <QCoreApplication>
#include <QPushButton>

using platform::MousePointer;

namespace {
const QString PlayCaption = QStringLiteral("&Play");
const QString EndGameCaption = QStringLiteral("&End Game");
const QString PauseCaption = QStringLiteral("Pau&se");
const QString ResumeCaption = QStringLiteral("&Resume");
const QString CardsRemaining = QStringLiteral("Cards remaining: ");

QString bonusRoundTarget(const char* tail)
{
    return QStringLiteral("Make ") + platform::formatGrouped(gBonusRoundScore) + QLatin1String(tail);
}
} // namespace

// ---- Buttons ----

void frmCairnwell::cmdPlay_Click()
{
    if (!gRoundOver)
        Play();
}

void frmCairnwell::cmdPause_Click()
{
    if (!gRoundOver)
        PauseGame();
}

void frmCairnwell::cmdQuit_Click()
{
    if (!gRoundOver)
        close();
}

void frmCairnwell::cmdTakeScore_Click()
{
    if (gRoundOver)
        return;
    gRoundOver = true;
    EndRound();
}

// ---- Clicks on the table ----

void frmCairnwell::UpCard_Click(int Index) { afterClick(table.UpCard_Click(Index)); }
void frmCairnwell::TempCard_Click(int Index) { afterClick(table.TempCard_Click(Index)); }
void frmCairnwell::PlayCard_Click(int Index) { afterClick(table.PlayCard_Click(Index)); }

void frmCairnwell::CardStackPicture_Click() { table.CardStackPicture_Click(); }

void frmCairnwell::afterClick(const cairnwell::ClickOutcome& outcome)
{
    showTable();
    lblCardCount->setCaption(CardsRemaining + QString::number(table.CardsRemaining()));
    if (!outcome.noMovesLeft || gRoundOver)
        return;
    gRoundOver = true;
    stopRoundClocks();
    NoMovesLeft();
    EndRound();
}

void frmCairnwell::stopRoundClocks()
{
    Timer1->setEnabled(false);
    // The last quarter's blink must not outlive the round that started it.
    Timer2->setEnabled(false);
}

void frmCairnwell::NoMovesLeft()
{
    for (CardImage* card : UpCard)
        card->hide();
    CardStackPicture->hide();
    for (cairnwell::Place& place : table.UpCard)
        place.visible = false;
    table.CardStackPicture.visible = false;
    ShowControls(false, true);
    lblScoring->setForeColor(platform::ColorBlue);
    lblScoring->setCaption(QStringLiteral("No more legal moves left!"));
    sound("Slide.wav");
    placeMessages(MessagePlace::DeckMiddle);
    lblScoring->show();
    lblScoring->raise();
    repaint();
    platform::Sleep(2000);
}

// ---- Play ----

void frmCairnwell::Play()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    if (cmdPlay->text() == PlayCaption)
        startNewGame();
    else
        endRunningGame();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmCairnwell::startNewGame()
{
    gRoundOver = false;
    mRound = 1;
    gScore = 0;
    // The last game's "Game Over" would make this one look over to the pause around dialogs.
    lblScoring->setCaption(QString());
    InitRound();
    frmSplash->hide();
    Timer4->setEnabled(false);
    repaint();
    StatusBar1->setPanelText(2, QStringLiteral("Click on cards to straights or runs!   "));
    StatusBar1->setPanelText(1, bonusRoundTarget(" for bonus round.  "));
    mnuTime->setEnabled(false);
    mnuCustom->setEnabled(false);
    cmdPlay->setText(EndGameCaption);
    mnuPlay->setText(EndGameCaption);
    cmdTakeScore->setEnabled(true);
    mnuPause->setEnabled(true);
    cmdPause->setEnabled(true);
    cmdPlay->setToolTip(QStringLiteral("Ends the game in progress"));
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
    lblTimeBonus->setCaption(QString::number(gTimeLimit));
    gElapsed = 0;
    gPieElapsed = 0;
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->show();
    if (CreateDeck() && ShuffleDeck()) {
        Deal();
        ShowControls(true, true);
        ShowCards(true);
    }
    if (gMusicOn)
        PlayMidiMusic();
    gGameInProgress = true;
    lblCardCount->setCaption(CardsRemaining + QString::number(table.CardsRemaining()));
}

void frmCairnwell::endRunningGame()
{
    if (gMusicOn)
        StopMidiMusic();
    cmdPause_Click();
    if (!confirmForThisGame(QStringLiteral("You have a game in progress, are you sure you want to quit?"), [this] { cmdPause_Click(); }))
        return;
    gGameInProgress = false;
    nextGameNumber();
    cmdPause_Click();
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
    cmdPlay->setText(PlayCaption);
    mnuPlay->setText(PlayCaption);
    cmdTakeScore->setEnabled(false);
    ShowCards(false);
    ShowControls(false, false);
    InitTimerSurface(*this);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    frmSplash->show();
    frmSplash->raise();
    Timer4->setEnabled(true);
    repaint();
    mnuTime->setEnabled(true);
    mnuDeck->setEnabled(true);
    mnuCustom->setEnabled(true);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelSide, TimerBevelBottom})
        w->hide();
}

// ---- A round's table ----

void frmCairnwell::InitRound()
{
    platform::DoEvents();
    gRoundOver = false;
    table.InitRound();
    showTable();
    gElapsed = 0;
    lblRound->setCaption(QStringLiteral("Round: ") + QString::number(mRound));
    lblCardCount->setCaption(CardsRemaining + QString::number(table.CardsRemaining()));
    showScore();
    lblTrips->setCaption(QStringLiteral("Trips (") + QString::number(gTrioValue) + QStringLiteral("):"));
    lblRuns->setCaption(QStringLiteral("Runs (") + QString::number(gRunValue) + QStringLiteral("):"));
}

void frmCairnwell::Deal()
{
    table.Deal();
    showTable();
    ShowControls(true);
    // The count of the new deck, not the one the last round ended with.
    lblCardCount->setCaption(CardsRemaining + QString::number(table.CardsRemaining()));
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    StatusBar1->setPanelText(1, bonusRoundTarget(" for Bonus Round!   "));
    StatusBar1->setPanelText(2, QStringLiteral("Create runs and triples by moving available cards!   "));
}

// ---- Pause ----

void frmCairnwell::PauseGame()
{
    if (cmdPause->text() == PauseCaption) {
        Timer1->setEnabled(false);
        cmdPause->setToolTip(QStringLiteral("Resumes the current game"));
        cmdPause->setText(ResumeCaption);
        for (QWidget* w : std::initializer_list<QWidget*>{cmdPlay, cmdTakeScore, cmdQuit})
            w->setEnabled(false);
        mnuPlay->setEnabled(false);
        mnuExit->setEnabled(false);
        lblRound->hide();
        mnuPause->setText(ResumeCaption);
        ShowCards(false);
        ShowControls(false, true);
        lblScoring->setForeColor(platform::ColorBlue);
        lblScoring->setCaption(QStringLiteral("Game Paused"));
        CenterScoringLabel();
        if (gMusicOn)
            StopMidiMusic();
        return;
    }
    Timer1->setEnabled(true);
    cmdPause->setToolTip(QStringLiteral("Pauses the current game"));
    cmdPause->setText(PauseCaption);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPlay, cmdQuit, cmdTakeScore})
        w->setEnabled(true);
    mnuPlay->setEnabled(true);
    mnuExit->setEnabled(true);
    lblRound->show();
    mnuPause->setText(PauseCaption);
    ScoringLabelOutline->hide();
    lblScoring->hide();
    lblScoring->setCaption(QString());
    if (gGameInProgress) {
        ShowCards(true);
        ShowControls(true, true);
    }
    if (gMusicOn && gGameInProgress)
        PlayMidiMusic();
}

void frmCairnwell::CenterScoringLabel()
{
    placeMessages(MessagePlace::Outline);
    ScoringLabelOutline->show();
    ScoringLabelOutline->raise();
    lblScoring->show();
    lblScoring->raise();
    repaint();
}

void frmCairnwell::placeMessages(MessagePlace place)
{
    mMessagePlace = place;
    placeMessages();
}

void frmCairnwell::placeMessages()
{
    const QWidget* outline = ScoringLabelOutline;
    const int outlineMiddle = platform::topTw(outline) + platform::heightTw(outline) / 2;
    switch (mMessagePlace) {
    case MessagePlace::Outline:
        platform::setLeftTw(lblScoring, platform::leftTw(outline) + (platform::widthTw(outline) - platform::widthTw(lblScoring)) / 2);
        platform::setTopTw(lblScoring, outlineMiddle - platform::heightTw(lblScoring) / 2);
        break;
    case MessagePlace::OverDeck:
        centreOnForm(lblScoring);
        platform::setTopTw(lblScoring, platform::topTw(UpCardSelection));
        centreOnForm(lblMessage);
        platform::setTopTw(lblMessage, platform::topTw(lblScoring) + platform::heightTw(lblScoring) + 100);
        break;
    case MessagePlace::DeckMiddle:
        centreOnForm(lblScoring);
        platform::setTopTw(lblScoring, platform::topTw(UpCard[0]) + platform::heightTw(UpCard[0]) / 2
                                           - platform::heightTw(lblScoring) / 2);
        break;
    case MessagePlace::SpeedBonus:
        platform::setTopTw(lblScoring, outlineMiddle - platform::heightTw(lblScoring) / 2);
        platform::setTopTw(lblMessage, outlineMiddle - platform::heightTw(lblMessage) / 2);
        PlaceBonusFigure(*this);
        break;
    }
}

void frmCairnwell::centreOnForm(QWidget* w)
{
    platform::setLeftTw(w, platform::widthTw(centralWidget()) / 2 - platform::widthTw(w) / 2);
}

// ---- Round clock ----

void frmCairnwell::Timer1_Timer()
{
    ++gElapsed;
    DrawTimerPie(PieAngle(gElapsed, gTimeLimit), *this);
    gPieElapsed = gElapsed;
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit - gElapsed));
    if (const char* warning = cairnwell::TimeWarning(gTimeLimit, gElapsed))
        StatusBar1->setPanelText(2, QLatin1String(warning));
    if (gElapsed < gTimeLimit)
        return;

    platform::setMousePointer(this, MousePointer::Hourglass);
    gRoundOver = true;
    stopRoundClocks();
    for (cairnwell::Place& place : table.UpCard)
        place.visible = false;
    table.UpCardSelection = false;
    table.CardStackPicture.visible = false;
    showTable();
    lblCardCount->hide();
    lblScoring->setCaption(QStringLiteral("Times Up!"));
    placeMessages(MessagePlace::OverDeck);
    lblScoring->show();
    lblScoring->raise();
    repaint();
    StatusBar1->setPanelText(2, QStringLiteral("Time has expired!"));
    sound("Slide.wav");
    for (int flash = 0; flash < 10; ++flash) {
        lblScoring->setForeColor(lblScoring->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                               : platform::ColorRed);
        lblScoring->refresh();
        platform::Sleep(250);
    }
    EndRound();
    if (lblMessage->caption() != QLatin1String("Game Over"))
        lblMessage->hide();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmCairnwell::Timer2_Timer() { DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this); }

// ---- End of a round ----

void frmCairnwell::EndRound()
{
    platform::setMousePointer(this, MousePointer::Hourglass);
    stopRoundClocks();
    lblScoring->setForeColor(platform::ColorBlue);
    if (gMusicOn)
        StopMidiMusic();
    ShowControls(false, true);

    if (table.DeckUsedUp()) {
        payDeckBonus();
        if (!cairnwell::LeftoverColumnPlaces(table).empty() || !cairnwell::LeftoverStoragePlaces(table).empty())
            takeLeftoverPenalty();
    }

    // Speed bonus.
    ShowCards(false);
    lblMessage->setCaption(QStringLiteral("Speed Bonus!"));
    lblMessage->adjustSize();
    lblScoring->setCaption(QString());
    CenterScoringLabel();
    placeMessages(MessagePlace::SpeedBonus);
    lblScoring->raise();
    lblMessage->raise();
    if (gTimeLimit - gElapsed > 0)
        ShowSpeedBonus(*this, gTimeBonus);
    lblMessage->hide();

    const cairnwell::AfterRound next = cairnwell::WhatFollows(mRound, gScore, gBonusRoundScore);
    if (next == cairnwell::AfterRound::GameOver)
        endOfGame();
    else
        dealNextRound();
    platform::setMousePointer(this, MousePointer::Default);
}

void frmCairnwell::payDeckBonus()
{
    for (cairnwell::Place& place : table.UpCard)
        place.visible = false;
    table.CardStackPicture.visible = false;
    showTable();
    lblScoring->setCaption(QStringLiteral("Deck Completion Bonus!"));
    lblMessage->setCaption(platform::formatGrouped(gDeckCompletionBonus) + QStringLiteral("!"));
    lblMessage->adjustSize();
    cairnwell::AddToScore(gDeckCompletionBonus);
    showScore();
    sound("Applause.wav");
    placeMessages(MessagePlace::OverDeck);
    for (platform::Label* label : {lblScoring, lblMessage}) {
        label->show();
        label->raise();
    }
    repaint();
    platform::Sleep(2000);
    lblScoring->hide();
    lblMessage->hide();
}

void frmCairnwell::takeLeftoverPenalty()
{
    const QString figure = QStringLiteral("-") + QString::number(gLeftoverPenalty);
    lblScoring->setCaption(QStringLiteral("Removing left over cards"));
    lblMessage->setCaption(figure);
    lblMessage->adjustSize();
    placeMessages(MessagePlace::OverDeck);
    for (platform::Label* label : {lblScoring, lblMessage}) {
        label->show();
        label->raise();
    }
    repaint();
    platform::Sleep(1000);

    QFont f = lblFlush->font();
    f.setPointSize(10);
    lblFlush->setFont(f);
    lblFlush->setCaption(figure);
    lblFlush->adjustSize();
    for (int i : cairnwell::LeftoverColumnPlaces(table)) {
        penaltyOn(PlayCard[i], PlayCardSelection[i], PlayCardSelection[0]);
        cairnwell::Place& place = table.PlayCard[i];
        if (i < cairnwell::ColumnCount) {
            place.picture = cairnwell::EmptyKey;
            place.border = 0;
        } else {
            place.visible = false;
        }
        showTable();
    }
    for (int i : cairnwell::LeftoverStoragePlaces(table)) {
        penaltyOn(TempCard[i], TempCardSelection[i], TempCardSelection[0]);
        table.TempCard[i].picture = cairnwell::EmptyKey;
        table.TempCard[i].border = 0;
        showTable();
    }
    lblFlush->setCaption(QStringLiteral("Flush!"));
    f.setPointSize(8);
    lblFlush->setFont(f);
    lblFlush->adjustSize();
    hideFlush();
    lblMessage->hide();
}

void frmCairnwell::penaltyOn(CardImage* image, ShapeControl* mark, const QWidget* row)
{
    mark->show();
    mark->raise();
    cairnwell::AddToScore(-std::int64_t(gLeftoverPenalty));
    showScore();
    showFlushOver(image, row);
    sound("Click.wav");
    repaint();
    platform::Sleep(500);
    mark->hide();
}

void frmCairnwell::dealNextRound()
{
    lblScoring->setForeColor(platform::ColorRed);
    ++mRound;
    lblScoring->setCaption(mRound == cairnwell::BonusRound ? QStringLiteral("Prepare For Bonus Round")
                                                          : QStringLiteral("Prepare For Round ") + QString::number(mRound));
    CenterScoringLabel();
    platform::Sleep(2000);

    InitRound();
    CreateDeck();
    ShuffleDeck();
    Deal();
    lblScoring->hide();
    ScoringLabelOutline->hide();
    ShowControls(true, true);
    ShowCards(true);
    lblRound->setCaption(QStringLiteral("Round: ") + QString::number(mRound));
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
    if (gMusicOn)
        PlayMidiMusic();
}

void frmCairnwell::endOfGame()
{
    GameOver(*this, QStringLiteral("CairnwellHiScores"), QStringLiteral("30000"));
    gGameInProgress = false;
    // Left set, the round-over guard would keep Play and Exit from ever answering again.
    gRoundOver = false;
    ShowCards(false);
    ShowControls(false, true);
    InitTimerSurface(*this);
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    lblScoring->setForeColor(platform::ColorBlue);
    lblScoring->setCaption(QStringLiteral("Game Over"));
    CenterScoringLabel();
    platform::Sleep(1000);
    lblScoring->hide();
    ScoringLabelOutline->hide();
    frmSplash->show();
    frmSplash->raise();
    Timer4->setEnabled(true);
    repaint();
}
