// The Duetto table in the window: the deal, the selection marks, the card clicks and the stock.
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/window/ShapeControl.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

using duetto::ClickResult;
using duetto::PileCard;

namespace {
QString pictureKey(const CardCode& code) { return QString::fromStdString(trimmedCode(code)); }
} // namespace

void frmDuetto::playSound(const char* file) const
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}

void frmDuetto::Deal()
{
    table.Deal(gDeck);
    for (int k = 0; k < duetto::PlaceCount; ++k) {
        PlayCard[k]->setPictureByKey(pictureKey(table.code(k)));
        PlayCard[k]->setBorderStyle(1);
        FieldSelectionRectangle[k]->hide();
    }
    ShowCards(true);
    ShowControls(true, true);
    CardStackPicture->setPictureByKey(QStringLiteral("FULL"));
    CardStackPicture->show();
    lblCards->setCaption(QString::number(table.stockCount()));
    InitTimerSurface(*this);
    Timer1->setEnabled(true);
    StatusBar1->setPanelText(1, QStringLiteral("Make ") + platform::formatGrouped(gBonusRoundScore) +
                                    QStringLiteral(" for Bonus Round!   "));
    StatusBar1->setPanelText(2, QStringLiteral("Create runs by clicking on exposed cards!   "));
}

void frmDuetto::ShowCards(bool Show)
{
    for (CardImage* card : PlayCard)
        card->setVisible(Show);
    CardStackPicture->setVisible(Show);
}

void frmDuetto::ClearSelectionRectangles()
{
    for (int k = 0; k < duetto::UpperCount; ++k) {
        FieldSelectionRectangle[k]->hide();
        PlayCard[k]->setBorderStyle(1);
    }
    FieldSelectionRectangle[PileCard]->hide();
    if (!table.pileEmpty())
        PlayCard[PileCard]->setBorderStyle(1);
    table.ClearSelection();
}

// The pile's place shows its top card, or the empty-pile picture without a border.
void frmDuetto::showPileTop()
{
    CardImage* pile = PlayCard[PileCard];
    if (table.pileEmpty()) {
        pile->setPictureByKey(QStringLiteral("EMPTY"));
        pile->setBorderStyle(0);
    } else {
        pile->setPictureByKey(pictureKey(table.code(PileCard)));
        pile->setBorderStyle(1);
    }
}

void frmDuetto::PlayCard_Click(int Index)
{
    const duetto::ClickOutcome o = table.PlayCard_Click(Index, gRoundOver);
    switch (o.result) {
    case ClickResult::Ignored:
        return;
    case ClickResult::Refused:
        playSound("Chord.wav");
        return;
    case ClickResult::Selected:
        playSound("Markq.wav");
        FieldSelectionRectangle[Index]->show();
        FieldSelectionRectangle[Index]->raise();
        PlayCard[Index]->setBorderStyle(0);
        return;
    case ClickResult::Deselected:
        playSound("Tick.wav");
        FieldSelectionRectangle[Index]->hide();
        PlayCard[Index]->setBorderStyle(1);
        return;
    case ClickResult::NoMatch:
        if (!table.pileEmpty())
            PlayCard[PileCard]->setBorderStyle(1);
        PlayCard[o.first]->setBorderStyle(1);
        playSound("Chord.wav");
        FieldSelectionRectangle[o.first]->hide();
        FieldSelectionRectangle[o.second]->hide();
        return;
    case ClickResult::Pair:
    case ClickResult::Run:
        break;
    }

    playSound("TwentyOne.wav");
    if (o.result == ClickResult::Pair)
        lblScorePairs->setCaption(QString::number(table.mPairs));
    else
        lblScoreRuns->setCaption(QString::number(table.mRuns));
    for (int place : {o.first, o.second}) {
        FieldSelectionRectangle[place]->hide();
        if (place != PileCard) {
            PlayCard[place]->hide();
            PlayCard[place]->setPicture(0);
        }
    }
    if (o.pileChanged) {
        showPileTop();
        if (!table.pileEmpty())
            for (int place : {o.first, o.second})
                PlayCard[place]->setBorderStyle(1);
    }
    if (o.topRowCleared) {
        table.mCompleted = true;
        cmdTakeScore_Click();
        table.mCompleted = false;
    }
}

void frmDuetto::CardStackPicture_Click()
{
    // The stock is hidden while a round ends; a click queued meanwhile finds the round over.
    if (gRoundOver)
        return;
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    const duetto::StockOutcome o = table.CardStackPicture_Click();
    lblCards->setCaption(QString::number(table.stockCount()));
    playSound("Click.wav");
    if (o.refilledPlace >= 0) {
        CardImage* card = PlayCard[o.refilledPlace];
        card->setPictureByKey(pictureKey(table.code(o.refilledPlace)));
        card->setBorderStyle(1);
        card->show();
    }
    // Also after a refill without a draw: the pile's place must not keep showing the card that moved.
    showPileTop();
    FieldSelectionRectangle[PileCard]->hide();
    ClearSelectionRectangles();
    CardStackPicture->setPictureByKey(QLatin1String(table.stockPictureKey()));
    if (!o.drew)
        playSound("Chord.wav");
    platform::setMousePointer(this, platform::MousePointer::Default);
}
