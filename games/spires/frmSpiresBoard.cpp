// The Spires table: the deal of a round, showing and hiding the cards, the redraw of the backs after
// a change of design, and the clicks on the places, the stock and the up card.
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/spires/SpiresRound.h"
#include "games/spires/frmSpires.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

using spires::PlaceState;

namespace {
QString faceKey(const CardCode& code) { return QString::fromStdString(trimmedCode(code)); }
} // namespace

void frmSpires::showPlace(int place)
{
    CardImage* image = UpCardImage[std::size_t(place)];
    switch (board.places[std::size_t(place)]) {
    case PlaceState::FaceDown:
        image->setPictureByKey(QStringLiteral("BACK"));
        image->setBorderStyle(0);
        break;
    case PlaceState::FaceUp:
        image->setPictureByKey(faceKey(board.mCards[std::size_t(place)]));
        image->setBorderStyle(1);
        break;
    case PlaceState::Played:
    case PlaceState::Empty:
        image->setPicture(0);
        image->setBorderStyle(0);
        image->hide();
        break;
    }
}

void frmSpires::Deal()
{
    board.Deal();
    for (int p = 0; p < spires::PlaceCount; ++p)
        showPlace(p);
    UpCardPicture->setPictureByKey(faceKey(board.upCard));
    UpCardPicture->setBorderStyle(1);
    ShowCards(true);
    CardStackPicture->setPictureByKey(QStringLiteral("FULL"));
    lblCards->setCaption(QString::number(board.mStockCount));
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    StatusBar1->setPanelText(1, spires::BonusRoundTarget(gBonusRoundScore));
    StatusBar1->setPanelText(2, QStringLiteral("Create runs by clicking on exposed cards!   "));
    for (platform::Label* label : lblTower)
        label->hide();
}

void frmSpires::InitRound()
{
    // Input that came while the last round ended is dropped, never dealt into the new round.
    platform::DoEvents();
    CreateDeck();
    ShuffleDeck();
    Deal();
    gRoundOver = false;
    gElapsed = 0;
    gPieElapsed = 0;
    lblMessage->setCaption(QString());
    lblMessage->hide();
    showRunLabels();
    lblHighRun->setCaption(QStringLiteral("Highest Run: ") + QString::number(board.mHighRun));
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
    lblCurrentRound->setCaption(spires::RoundCaption(gRound));
    cmdPlay->setText(QStringLiteral("&End Game"));
    mnuPlay->setText(QStringLiteral("&End Game"));
    mnuCustom->setEnabled(false);
    mnuTime->setEnabled(false);
    mnuClearHighRun->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPause, cmdTakeScore, cmdPlay, cmdExit})
        w->setEnabled(true);
    mnuPause->setEnabled(true);
    mnuTakeScore->setEnabled(true);
    ShowControls(true, true);
    if (gMusicOn)
        PlayMidiMusic();
}

void frmSpires::ShowCards(bool Show, bool Reset)
{
    for (int p = 0; p < spires::PlaceCount; ++p) {
        CardImage* image = UpCardImage[std::size_t(p)];
        // A played place holds no card and stays hidden.
        image->setVisible(Show && board.holdsCard(p));
        if (Reset && p < spires::FirstBasePlace)
            image->setBorderStyle(0);
    }
    CardStackPicture->setVisible(Show);
    UpCardPicture->setVisible(Show);
}

void frmSpires::RefreshPlayCard()
{
    CardStackPicture->setPictureByKey(QLatin1String(spires::SpiresBoard::StockPictureKey(board.mStockIndex)));
}

void frmSpires::RefreshFieldCards()
{
    for (int p = 0; p < spires::PlaceCount; ++p)
        if (board.isFaceDown(p))
            UpCardImage[std::size_t(p)]->setPictureByKey(QStringLiteral("BACK"));
}

// ---- Card play ----

void frmSpires::showRunLabels()
{
    lblCurrentRun->setCaption(QStringLiteral("Current Run: ") + QString::number(board.mCurrentRun));
    // The caption may not have changed (a draw after a draw), but the record and the next card must show.
    lblCurrentRun_Change();
}

void frmSpires::lblCurrentRun_Change()
{
    lblCurrentRun->adjustSize();
    board.NoteRun();
    lblHighRun->setCaption(QStringLiteral("Highest Run: ") + QString::number(board.mHighRun));
    lblNextCard->setCaption(QStringLiteral("Next card worth: ") + QString::number(board.NextCardWorth(gCardValue)) +
                            QStringLiteral(" points"));
}

void frmSpires::UpCardImage_Click(int Index)
{
    if (gRoundOver)
        return;
    const spires::PlayResult played = board.PlayPlace(Index, gCardValue);
    if (!played.legal) {
        playSound("Chord.wav");
        return;
    }
    playSound("Markq.wav");
    UpCardPicture->setPictureByKey(faceKey(board.upCard));
    showPlace(Index);
    lblCurrentScore->setCaption(platform::formatGrouped(gScore));
    showRunLabels();
    if (played.tower) {
        platform::Label* label = lblTower[std::size_t(played.tower - 1)];
        label->setCaption(QStringLiteral("Tower %1 Completed!").arg(played.tower));
        label->adjustSize();
        label->show();
        playSound("HighScore.wav");
    }
    for (int place : played.exposed)
        showPlace(place);
    if (played.allTowersDone) {
        // The last tower's label and card are seen before the round end holds the event loop.
        repaint();
        cmdTakeScore_Click();
    }
}

void frmSpires::CardStackPicture_Click()
{
    if (gRoundOver)
        return;
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    const bool drew = board.DrawStock();
    showRunLabels();
    lblCards->setCaption(QString::number(board.mStockCount));
    playSound("Click.wav");
    if (drew) {
        UpCardPicture->setPictureByKey(faceKey(board.upCard));
        RefreshPlayCard();
    } else {
        playSound("Chord.wav");
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmSpires::UpCardPicture_Click() { playSound("Chord.wav"); }
