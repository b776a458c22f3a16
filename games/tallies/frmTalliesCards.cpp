// The cards on the table: clicks on the field, the up card and the draw pile, the pointer over them,
// and the procedures that show, hide and repaint the field, the lower cards and the boxes.
#include "games/tallies/frmTallies.h"

#include "core/cards/CardArt.h"
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/cards/ImageList.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/tallies/TalliesField.h"
#include "core/window/LineControl.h"
#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesScore.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesState.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QEvent>

namespace {
QString key(const std::string& k) { return QString::fromStdString(k); }

QString totalCaption(int total) { return QString::number(total); }
} // namespace

// ---- After a deal ----

void frmTallies::showDeal(bool NewGame)
{
    UpCardSelectionRectangle->hide();
    UpCardPicture->setBorderStyle(1);
    lblMessage->setCaption(QString());
    lblMessage->hide();
    for (ShapeControl* mark : FieldSelectionRectangle)
        mark->hide();
    StatusBar1->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gTalliesBonusScore) +
                                    QStringLiteral(" for Bonus Round!   "));
    StatusBar1->setPanelText(2, QStringLiteral("Click on exposed cards to total ") + QString::number(gCardGoal) +
                                    QStringLiteral("!   "));
    CardTotalVisible(true);
    lblCardCount->setCaption(key(tallies::CardCountCaption()));
    lblCardCount->show();

    for (int i = 0; i < TalliesFieldSize; ++i) {
        showFieldCardFace(i);
        FieldCardPicture[i]->setToolTip(QString::number(tallies::FieldCardPoints(i)) + QStringLiteral(" points"));
        FieldCardPicture[i]->setVisible(gTalliesFieldVisible[i]);
    }
    showUpCard();
    UpCardPicture->show();
    RefreshPlayCard();
    PlayCardPicture->show();

    lblCurrentTotal->setCaption(QStringLiteral("0"));
    lblCurrentTotal->show();
    lblTime->setCaption(QStringLiteral("Time: ") + QString::number(gTimeLimit));
    lblTime->show();
    Timer1->setEnabled(true);
    // A dial left blinking by the last round must not draw over the new one.
    Timer2->setEnabled(false);

    if (NewGame)
        showScore();
    lblCurrentTallies->setCaption(QStringLiteral("0"));
    lblCurrentRound->setCaption(QString::number(gTalliesRound));
    lblCurrentScore_Change();
    lblCurrentRound_Change();
    lblCurrentTallies_Change();
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, lblRound, lblTallies, lblCurrentScore, lblCurrentRound,
                                                      lblCurrentTallies, ScoreRectangle, RoundRectangle, TalliesRectangle,
                                                      ScoreBevelSide, ScoreBevelBottom, RoundBevelSide, RoundBevelBottom,
                                                      TalliesBevelSide, TalliesBevelBottom})
        w->show();
    InitTimerSurface(*this);
    ShowTimerRect(true);
}

void frmTallies::showFieldCardFace(int Index)
{
    FieldCardPicture[Index]->setPictureByKey(key(trimmedCode(gTalliesFieldCards[Index])));
    FieldCardPicture[Index]->setBorderStyle(1);
}

void frmTallies::showUpCard()
{
    const QString upCard = key(tallies::UpCardPictureKey());
    UpCardPicture->setPictureByKey(upCard);
    UpCardPicture->setBorderStyle(upCard == QStringLiteral("EMPTY") ? 0 : 1);
}

// ---- Clicks ----

void frmTallies::FieldCardPicture_Click(int Index)
{
    const tallies::TalliesSelection r = tallies::SelectFieldCard(Index);
    switch (r.outcome) {
    case tallies::TalliesSelection::Refused:
        playSound("Chord.wav");
        return;
    case tallies::TalliesSelection::Deselected:
        lblCurrentTotal->setCaption(totalCaption(gTalliesTotal));
        playSound("Tick.wav");
        FieldSelectionRectangle[Index]->hide();
        return;
    case tallies::TalliesSelection::Selected:
        FieldSelectionRectangle[Index]->show();
        lblCurrentTotal->setCaption(totalCaption(r.madeCombination ? gCardGoal : gTalliesTotal));
        playSound("Markq.wav");
        if (r.madeCombination)
            showCombination(r.combination);
        return;
    }
}

void frmTallies::UpCardPicture_Click()
{
    const tallies::TalliesSelection r = tallies::SelectUpCard();
    switch (r.outcome) {
    case tallies::TalliesSelection::Refused:
        playSound("Chord.wav");
        return;
    case tallies::TalliesSelection::Selected:
        playSound("Markq.wav");
        lblCurrentTotal->setCaption(totalCaption(r.madeCombination ? gCardGoal : gTalliesTotal));
        UpCardSelectionRectangle->show();
        if (r.madeCombination)
            showCombination(r.combination);
        return;
    case tallies::TalliesSelection::Deselected:
        playSound("Tick.wav");
        lblCurrentTotal->setCaption(totalCaption(gTalliesTotal));
        UpCardSelectionRectangle->hide();
        return;
    }
}

void frmTallies::showCombination(const tallies::TalliesCombination& Combination)
{
    playSound("TwentyOne.wav");
    for (int position : Combination.removed) {
        FieldCardPicture[position]->hide();
        FieldSelectionRectangle[position]->hide();
    }
    if (Combination.usedUpCard) {
        UpCardSelectionRectangle->hide();
        showUpCard();
    }
    lblCurrentTallies->setCaption(QString::number(gTalliesCombos));
    lblCurrentTotal->setCaption(QStringLiteral("0"));
    showScore();
    if (Combination.fieldCleared) {
        cmdTakeScore_Click();
        return;
    }
    if (Combination.freeDraw) {
        showUpCard();
        lblCardCount->setCaption(key(tallies::CardCountCaption()));
        RefreshPlayCard();
    }
}

void frmTallies::PlayCardPicture_Click()
{
    const tallies::TalliesDraw d = tallies::DrawCard();
    if (d.refused) {
        playSound("Chord.wav");
        return;
    }
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    if (d.movedToPosition >= 0) {
        showFieldCardFace(d.movedToPosition);
        FieldCardPicture[d.movedToPosition]->show();
    }
    playSound("Markq.wav");
    showUpCard();
    for (ShapeControl* mark : FieldSelectionRectangle)
        mark->hide();
    UpCardSelectionRectangle->hide();
    lblCurrentTotal->setCaption(QStringLiteral("0"));
    lblCardCount->setCaption(key(tallies::CardCountCaption()));
    RefreshPlayCard();
    showScore();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

// ---- The pointer over the cards ----

namespace {
void showHand(QWidget* card, bool hand)
{
    if (!hand) {
        card->unsetCursor();
        return;
    }
    const int pointer = ImageList2().indexOf(QStringLiteral("POINTER"));
    platform::setMouseIcon(card, ImageList2().picture(pointer, nominalImageSize(ImageList::Pointer), card->devicePixelRatioF()));
}
} // namespace

void frmTallies::FieldCardPicture_MouseMove(int Index)
{
    showHand(FieldCardPicture[Index], gTalliesPhase != TalliesPhase::GameOver && tallies::CheckLegalFieldCardMove(Index));
}

void frmTallies::UpCardPicture_MouseMove()
{
    showHand(UpCardPicture, gTalliesPhase != TalliesPhase::GameOver && !UpCardPicture->shows(QStringLiteral("EMPTY")));
}

void frmTallies::PlayCardPicture_MouseMove()
{
    showHand(PlayCardPicture, gTalliesPhase != TalliesPhase::GameOver && !PlayCardPicture->shows(QStringLiteral("EMPTY")));
}

bool frmTallies::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (watched == UpCardPicture)
            UpCardPicture_MouseMove();
        else if (watched == PlayCardPicture)
            PlayCardPicture_MouseMove();
        else
            for (int i = 0; i < TalliesFieldSize; ++i)
                if (watched == FieldCardPicture[i])
                    FieldCardPicture_MouseMove(i);
    }
    return GameWindow::eventFilter(watched, event);
}

// ---- Showing and hiding parts of the table ----

void frmTallies::FieldCardDisplay(bool Show)
{
    for (CardImage* card : FieldCardPicture)
        card->setVisible(Show);
    centralWidget()->repaint();
}

void frmTallies::ShowLowerCards(bool Show)
{
    PlayCardPicture->setVisible(Show);
    UpCardPicture->setVisible(Show);
    lblCardCount->setVisible(Show);
}

void frmTallies::CardTotalVisible(bool Show)
{
    for (QWidget* w : std::initializer_list<QWidget*>{CardTotalRectangle, CardTotalBevelBottom, CardTotalBevelSide,
                                                      lblCurrentTotal, lblTotal})
        w->setVisible(Show);
}

void frmTallies::ShowTimerRect(bool Show)
{
    for (QWidget* w : std::initializer_list<QWidget*>{TimerRectangle, TimerBevelBottom, TimerBevelSide})
        w->setVisible(Show);
}

void frmTallies::RefreshPlayCard() { PlayCardPicture->setPictureByKey(key(tallies::PlayCardPictureKey())); }

void frmTallies::RefreshFieldCards()
{
    for (CardImage* card : FieldCardPicture) {
        if (card->isHidden())
            continue;
        card->setPictureByKey(QStringLiteral("BACK"));
        card->setBorderStyle(0);
    }
}

void frmTallies::SelRectangle(bool Show)
{
    for (ShapeControl* mark : FieldSelectionRectangle)
        mark->setVisible(Show);
    UpCardSelectionRectangle->setVisible(Show);
    centralWidget()->repaint();
}

void frmTallies::SelectionColor(int Code)
{
    const QColor color = platform::fromBgr(tallies::SelectionColor(Code));
    for (ShapeControl* mark : FieldSelectionRectangle)
        mark->setBorderColor(color);
    UpCardSelectionRectangle->setBorderColor(color);
}
