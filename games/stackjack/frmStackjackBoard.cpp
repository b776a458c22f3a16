// Showing and emptying the Stackjack board.
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "games/stackjack/CardTotalPanel.h"
#include "core/window/LineControl.h"
#include "games/stackjack/StackjackTexts.h"
#include "games/stackjack/frmStackjack.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Timer.h"

#include <QAction>
#include <QPushButton>

void frmStackjack::ShowCards(bool Show)
{
    for (int k = 0; k < stackjack::CardsPerColumn; ++k) {
        // Empty slots have neither picture nor border, so showing them shows nothing.
        for (int c = 0; c < stackjack::ColumnCount; ++c)
            Column[c][k]->setVisible(Show);
        if (!ColumnSoft[k]->caption().isEmpty())
            ColumnSoft[k]->setVisible(Show);
    }
    NextCardPicture->setVisible(Show);
    PlayCardPicture->setVisible(Show);
    lblCurrentTotal->setVisible(Show);
    lblCurrentRoundScore->setVisible(Show);
    ShowGraphics(Show);
}

void frmStackjack::ShowGraphics(bool Show)
{
    for (LineControl* line : ColumnLine)
        line->setVisible(Show);
    for (platform::Label* total : ColumnTotal)
        total->setVisible(Show);
    cmdPass->setVisible(Show);
    lblRound->setVisible(Show);
}

void frmStackjack::ShowHitButtons(bool Show)
{
    for (QPushButton* hit : cmdHit)
        hit->setVisible(Show);
    cmdGiveUp->setVisible(Show);
}

void frmStackjack::ShowScoringLabel(bool Show)
{
    ScoringLabel->setVisible(Show);
    ScoringLabelInfo->setVisible(Show);
    ScoringLabelRoundTotal->setVisible(Show);
}

bool frmStackjack::EnableControls()
{
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        cmdHit[c]->setEnabled(true);
        ColumnTotal[c]->show();
    }
    lblCurrentTotal->show();
    ShowScoringLabel(false);
    ScoringLabelOutline->hide();
    return true;
}

bool frmStackjack::Reset()
{
    const bool ok = stackjack::Reset();
    resetControls();
    return ok;
}

void frmStackjack::resetControls()
{
    Timer1->setEnabled(false);
    setScoringFontSize(18);
    lblTimeBonus->setCaption(QString::number(gMaxTimeBonus));
    for (int k = 0; k < stackjack::CardsPerColumn; ++k) {
        for (int c = 0; c < stackjack::ColumnCount; ++c) {
            CardImage* slot = Column[c][k];
            slot->hide();
            slot->setBorderStyle(0);
            slot->setPicture(0);
        }
        ColumnSoft[k]->hide();
        ColumnSoft[k]->setCaption(QString());
    }
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        ColumnTotal[c]->setCaption(QStringLiteral("0"));
        cmdHit[c]->setEnabled(stackjack::gHitEnabled[c]);
        cmdHit[c]->setText(QLatin1String(stackjack::texts::Hit));
    }
    showCurrentTotal(0, false);
    cmdGiveUp->setText(QLatin1String(stackjack::texts::GiveUpButton(stackjack::GiveUpCaption::GiveUp)));
    ShowHitButtons(false);
    cmdPause->setEnabled(false);
    mnuPause->setEnabled(false);
}

void frmStackjack::showCurrentTotal(int total, bool winning)
{
    lblCurrentTotal->setCaption(QString::number(total));
    lblCurrentTotal->setForeColor(winning ? 0xC000 : platform::ColorRed);
    frmScore->markRow(stackjack::gMarkedRow);
}

void frmStackjack::showCardOnShow()
{
    NextCardPicture->setPictureByKey(QString::fromStdString(trimmedCode(stackjack::CardOnShow())));
}

// What every round shows once its deck is dealt: the card on show, the empty columns, Pass.
void frmStackjack::showRoundStart()
{
    showCardOnShow();
    NextCardPicture->show();
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        Column[c][0]->setPictureByKey(QStringLiteral("EMPTY"));
        Column[c][0]->show();
    }
}
