// Showing, hiding, enabling and emptying groups of the Quickjack board.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/Label.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>

void frmQuickjack::ShowHitButtons(bool Show)
{
    for (QPushButton* hit : cmdHit)
        hit->setVisible(Show);
}

void frmQuickjack::EnableHitButtons(bool Enable)
{
    for (QPushButton* hit : cmdHit)
        hit->setEnabled(Enable);
}

void frmQuickjack::ShowGraphics()
{
    TimerRectangle->show();
    TimerBevelBottom->show();
    TimerBevelSide->show();
}

void frmQuickjack::ShowCards(bool Show)
{
    // The bottom slot is left alone: a column never holds five cards between moves.
    for (int i = 0; i < quickjack::ColumnCount; ++i) {
        for (int c = 0; c < quickjack::ColumnCount; ++c)
            Column[c][i]->setVisible(Show);
        ColumnSoft[i]->setVisible(Show && !ColumnSoft[i]->caption().isEmpty());
    }
    NextCardPicture->setVisible(Show);
    PlayCardPicture->setVisible(Show);
}

void frmQuickjack::ShowControls(bool Show, bool)
{
    for (platform::Label* total : ColumnTotal)
        total->setVisible(Show);
    for (LineControl* line : ColumnLine)
        line->setVisible(Show);
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, ScoreRectangle, ScoreBevelBottom, ScoreBevelSide,
                                                      lblTotalScore})
        w->show();
    for (QWidget* w : std::initializer_list<QWidget*>{lblTwentyOnes, lblCardsUsed, cmdTakeScore, frameScoreInfo, lbl21s,
                                                      lblBonus, lblCardsUsedCount, lblRound, lblHighScore})
        w->setVisible(Show);
    ShowHitButtons(Show);
    for (QWidget* w : std::initializer_list<QWidget*>{PlayCardPicture, NextCardPicture, cmdPass, Surface})
        w->setVisible(Show);
    ShowGraphics();
}

void frmQuickjack::EnableControls(bool Enable)
{
    cmdPlay->setEnabled(Enable);
    mnuPlay->setEnabled(Enable);
    cmdExit->setEnabled(Enable);
    mnuExit->setEnabled(Enable);
    if (!Enable)
        cmdPass->setEnabled(false);
    else if (gPassesLeft > 0 && gDeckIndex < quickjack::DeckSize)
        cmdPass->setEnabled(true); // never with the last card on show: there is nothing behind it
    cmdTakeScore->setEnabled(Enable);
    EnableHitButtons(Enable);
}

void frmQuickjack::ClearColumns()
{
    for (int k = 0; k < quickjack::CardsPerColumn; ++k) {
        for (auto& column : Column) {
            column[k]->hide();
            column[k]->setPicture(0);
            column[k]->setBorderStyle(0);
        }
    }
}

void frmQuickjack::RefreshPlayCard() { PlayCardPicture->setPictureByKey(quickjack::PileKey(gDeckIndex)); }
