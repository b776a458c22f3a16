// The Quickjack window's Hit and Pass buttons and the 21 Counter: what the rules decide, shown on the
// board with its sounds and short flashes.
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/Sound.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QProgressBar>
#include <QPushButton>

namespace {
const QString Empty = QStringLiteral("EMPTY");
QString faceKey(int position) { return QString::fromStdString(trimmedCode(gDeck.at(position))); }
} // namespace

void frmQuickjack::playSound(const char* file) const
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}

void frmQuickjack::showScore() { lblTotalScore->setCaption(QString::number(gScore)); }

void frmQuickjack::RestartCounter()
{
    Counter.restart();
    ProgressBar1->setValue(Counter.value());
    Timer5->setEnabled(false);
    lblTwentyoneTime->setForeColor(platform::ColorBlue);
}

void frmQuickjack::emptyColumn(int Index)
{
    for (CardImage* slot : Column[Index]) {
        slot->hide();
        slot->setPicture(0);
        slot->setBorderStyle(0);
    }
}

void frmQuickjack::cmdHit_Click(int Index)
{
    if (gRoundOver)
        return;
    const quickjack::HitOutcome o = quickjack::Hit(Index);
    if (o.softShown) {
        ColumnSoft[Index]->setCaption(QStringLiteral("Soft"));
        ColumnSoft[Index]->show();
    }
    if (o.bust) {
        lblBust->show();
        lblBust->repaint();
        playSound("Slide.wav");
        showScore();
        platform::Sleep(450);
        lblBust->hide();
        return;
    }
    if (o.slot < 0)
        return;
    if (o.softCleared) {
        ColumnSoft[Index]->hide();
        ColumnSoft[Index]->setCaption(QString());
    }

    CardImage* slot = Column[Index][o.slot];
    slot->setBorderStyle(1);
    slot->show();
    slot->setPicture(NextCardPicture->picture());

    if (o.twentyOne) {
        lbl21s->setCaption(QString::number(gTwentyOnes));
        lblBonus->setCaption(QString::number(quickjack::gRunningBonus));
        emptyColumn(Index);
        Column[Index][0]->setPictureByKey(Empty);
        Column[Index][0]->show();
        ColumnTotal[Index]->setCaption(QStringLiteral("0"));
        // The caption goes too, so that showing the cards again after a pause shows no stale mark.
        ColumnSoft[Index]->hide();
        ColumnSoft[Index]->setCaption(QString());
        RestartCounter();
        Timer3->setEnabled(true);
        playSound("TwentyOne.wav");
    } else {
        if (o.fiveCards)
            FiveCardGimme(Index);
        ColumnTotal[Index]->setCaption(QString::number(o.total));
        playSound("Click.wav");
        if (o.fiveCards) {
            platform::Sleep(450);
            lblFiveCards->hide();
            Column[Index][0]->setBorderStyle(0);
            Column[Index][0]->setPictureByKey(Empty);
            Column[Index][0]->show();
            ColumnSoft[Index]->setCaption(QString());
            ColumnSoft[Index]->hide();
        }
    }

    lblCardsUsedCount->setCaption(QString::number(gDeckIndex - 1));
    RefreshPlayCard();
    if (gDeckIndex < quickjack::DeckSize) {
        NextCardPicture->setPictureByKey(faceKey(gDeckIndex));
    } else if (gDeckIndex == quickjack::DeckSize) {
        NextCardPicture->setPictureByKey(faceKey(quickjack::DeckSize));
        PlayCardPicture->setPictureByKey(Empty);
        cmdPass->setEnabled(false);
    } else {
        completeDeck();
    }
}

void frmQuickjack::FiveCardGimme(int Index)
{
    emptyColumn(Index);
    const QWidget* top = Column[Index][0];
    platform::setLeftTw(lblFiveCards,
                        platform::leftTw(top) + platform::widthTw(top) / 2 - platform::widthTw(lblFiveCards) / 2);
    lblFiveCards->show();
    lblFiveCards->raise();
    lblFiveCards->repaint();
    showScore();
    RestartCounter();
}

void frmQuickjack::completeDeck()
{
    // The round is over from here: its clocks must not run on through the waits below.
    stopRoundTimers();
    NextCardPicture->setBorderStyle(0);
    PlayCardPicture->setPictureByKey(Empty);
    NextCardPicture->setPictureByKey(Empty);
    cmdPass->setEnabled(false);
    ClearColumns();
    playSound("Applause.wav");
    ShowScoringLabel(QStringLiteral("Awesome score!"), false);
    platform::Sleep(1000);
    showScore();
    EnableHitButtons(false);
    cmdTakeScore_Click();
}

void frmQuickjack::cmdPass_Click()
{
    const quickjack::PassOutcome o = quickjack::Pass();
    if (o.refused)
        return;
    lblCardsUsedCount->setCaption(QString::number(gDeckIndex - 1));
    playSound("Click.wav");
    RefreshPlayCard();
    if (o.lastCardOnShow) {
        NextCardPicture->setPictureByKey(faceKey(quickjack::DeckSize));
        PlayCardPicture->setPictureByKey(Empty);
        cmdPass->setEnabled(false);
    } else {
        NextCardPicture->setPictureByKey(faceKey(gDeckIndex));
    }
    if (o.passesUsedUp)
        cmdPass->setEnabled(false);
}

void frmQuickjack::Timer3_Timer()
{
    const quickjack::QuickjackCounter::Step s = Counter.step();
    ProgressBar1->setValue(Counter.value());
    if (s.blinkStarts)
        Timer5->setEnabled(true);
    if (s.fellBack) {
        Timer5->setEnabled(false);
        lblTwentyoneTime->setForeColor(platform::ColorBlue);
        lblBonus->setCaption(QString::number(gTwentyOneBonus));
        lblBonus->setForeColor(platform::ColorRed);
        lblBonus->repaint();
        platform::Sleep(250);
        lblBonus->setForeColor(platform::ColorBlue);
    }
}

void frmQuickjack::Timer5_Timer()
{
    lblTwentyoneTime->setForeColor(lblTwentyoneTime->foreColor() == platform::ColorRed ? platform::ColorBlack
                                                                                        : platform::ColorRed);
}
