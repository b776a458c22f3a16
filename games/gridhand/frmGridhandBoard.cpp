// The Gridhand grid in the window: the deal, the draw into the hole card, the placement click with its
// rescoring of all ten lines, and the pictures shown and hidden around pauses and round ends.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/window/ShapeControl.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "core/cards/Deck.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandHands.h"
#include "games/gridhand/frmGridhand.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Pointer.h"

#include <QPushButton>

namespace {
const QString Empty = QStringLiteral("EMPTY");
constexpr long ButtonText = 0x80000012; // the system's button-text colour: a line without a hand

QString key(const CardCode& code) { return QString::fromStdString(trimmedCode(code)); }
} // namespace

void frmGridhand::playSound(const char* file) const
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}

bool frmGridhand::Deal()
{
    HoleCard->setPictureByKey(Empty);
    CardStackPicture->setPictureByKey(QStringLiteral("FULL"));
    CardStackPicture->show();
    mGrid.Deal(gDeck);
    lblCards->setCaption(QStringLiteral("Cards remaining: ") + QString::number(mGrid.mCardsLeft));
    DrawCard();
    for (int i = 1; i <= 5; ++i) {
        for (platform::Label* label : {lblCol[i], lblRow[i]}) {
            label->setForeColor(ButtonText);
            label->setCaption(QStringLiteral("Nothing"));
        }
    }
    return true;
}

void frmGridhand::DrawCard()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    const gridhand::DrawResult draw = mGrid.DrawCard();
    if (draw.drawn) {
        if (!mSuppressClick)
            playSound("Click.wav");
        mSuppressClick = false;
        lblCards->setCaption(QStringLiteral("Cards remaining: ") + QString::number(mGrid.mCardsLeft));
        HoleCard->setPictureByKey(key(mGrid.HoleCard()));
        HoleCard->setBorderStyle(1);
    } else {
        playSound("Chord.wav");
    }
    CardStackPicture->setPictureByKey(QLatin1String(draw.stackKey));
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmGridhand::ScoreGrid()
{
    const gridhand::GridScore score = gridhand::ScoreGrid(mGrid.mGridCards);
    gHandPoints = platform::saturateLong(score.points);
    lblPointsEarned->setCaption(QStringLiteral("Points Earned: ") + QString::number(gHandPoints));
    // Rows first, then columns, as the lines are scored; each label that comes to name a hand sounds.
    for (int k = 1; k <= 5; ++k) {
        const gridhand::Hand hand = score.rows[k - 1];
        lblRow[k]->setForeColor(hand == gridhand::Hand::Nothing ? ButtonText : platform::ColorBlue);
        lblRow[k]->setCaption(QLatin1String(gridhand::HandName(hand)));
    }
    for (int k = 1; k <= 5; ++k) {
        const gridhand::Hand hand = score.cols[k - 1];
        lblCol[k]->setForeColor(hand == gridhand::Hand::Nothing ? ButtonText : platform::ColorBlue);
        lblCol[k]->setCaption(QLatin1String(gridhand::HandName(hand)));
    }
}

void frmGridhand::PlayCards_Click(int Index)
{
    if (gRoundOver || Index < 0 || Index >= gridhand::GridSize)
        return;
    gHandPoints = 0;
    const gridhand::Placement placed = mGrid.Place(Index, gOverwritesAllowed);
    if (placed == gridhand::Placement::Refused) {
        playSound("Chord.wav");
    } else {
        showOverWrites();
        PlayCards[Index]->setBorderStyle(1);
        PlayCards[Index]->setPictureByKey(key(mGrid.mGridCards[Index]));
        ScoreGrid();
        HoleCard->setBorderStyle(0);
        HoleCard->setPictureByKey(Empty);
        DrawCard();
    }
    lblCurrentScore->setCaption(platform::formatGrouped(gScore));
    if (placed != gridhand::Placement::Refused && mGrid.IsFull()) {
        playSound("Wingame.wav");
        NextRound();
    }
}

void frmGridhand::CardStackPicture_Click() { playSound("Chord.wav"); }

void frmGridhand::showOverWrites()
{
    lblOverWrites->setCaption(QStringLiteral("Over Writes Remaining: ") +
                              QString::number(gOverwritesAllowed - gridhand::gOverwritesUsed));
}

void frmGridhand::Reset(bool ShowSplash)
{
    frmSplash->setVisible(ShowSplash);
    mGrid.ClearCells();
    for (CardImage* cell : PlayCards)
        cell->setPictureByKey(Empty);
    if (ShowSplash) {
        cmdPlay->setText(QStringLiteral("&Play"));
        mnuPlay->setText(QStringLiteral("&Play"));
        mnuPause->setEnabled(false);
        cmdPause->setEnabled(false);
        HoleCard->setBorderStyle(0);
        mGrid.mDeckPos = 0;
        gridhand::gOverwritesUsed = 0;
        showOverWrites();
        for (CardImage* cell : PlayCards)
            cell->setBorderStyle(0);
    }
    Timer4->setEnabled(ShowSplash);
}

void frmGridhand::ShowCards(bool Show)
{
    for (int i = 0; i < gridhand::GridSize; ++i) {
        CardImage* cell = PlayCards[i];
        cell->setPictureByKey(Empty);
        cell->setVisible(Show);
        if (!Show)
            continue;
        if (!mGrid.IsEmpty(i) && cell->borderStyle() == 1)
            cell->setPictureByKey(key(mGrid.mGridCards[i]));
        else if (mGrid.IsEmpty(i))
            cell->setBorderStyle(0);
    }
    HoleCard->setVisible(Show);
    CardStackPicture->setVisible(Show);
}

// ---- Labels that place themselves when their captions change ----

void frmGridhand::connectChangeHandlers()
{
    using platform::leftTw;
    using platform::widthTw;
    lblCurrentScore->onChange = [this] {
        lblCurrentScore->adjustSize();
        platform::setLeftTw(lblCurrentScore,
                            leftTw(ScoreRectangle) + (widthTw(ScoreRectangle) - widthTw(lblCurrentScore)) / 2);
    };
    lblOverWrites->onChange = [this] {
        lblOverWrites->adjustSize();
        platform::setLeftTw(lblOverWrites, leftTw(lblScore) + (widthTw(lblScore) - widthTw(lblOverWrites)) / 2);
        lblOverWrites->setForeColor(lblOverWrites->caption().endsWith(QLatin1String(" 0")) ? platform::ColorRed
                                                                                            : platform::ColorBlue);
    };
    lblRound->onChange = [this] {
        lblRound->adjustSize();
        platform::setLeftTw(lblRound, leftTw(Surface) + widthTw(Surface) / 2 - widthTw(lblRound) / 2);
    };
    lblTimeBonus->onChange = [this] {
        lblTimeBonus->adjustSize();
        CenterTimeBonus();
    };
    for (platform::Label* label : {lblPointsEarned, lblMessage, ScoringLabel, lblScoring})
        label->onChange = [label] { label->adjustSize(); };
    lblCards->onChange = [this] {
        lblCards->adjustSize();
        platform::setLeftTw(lblCards, leftTw(PlayCards[21]) + (widthTw(PlayCards[21]) - widthTw(lblCards)) / 2);
    };
    lblHighScore->onChange = [this] {
        lblHighScore->adjustSize();
        platform::setLeftTw(lblHighScore,
                            leftTw(PlayCards[23]) + (widthTw(PlayCards[23]) - widthTw(lblHighScore)) / 2);
    };
    for (int k = 1; k <= 5; ++k) {
        lblCol[k]->onChange = [this, k] {
            lblCol[k]->adjustSize();
            CenterColumnLabel(k);
            if (lblCol[k]->caption() != QLatin1String("Nothing")) {
                playSound("TwentyOne.wav");
                mSuppressClick = true;
            }
        };
        lblRow[k]->onChange = [this, k] {
            lblRow[k]->adjustSize();
            if (lblRow[k]->caption() != QLatin1String("Nothing")) {
                playSound("TwentyOne.wav");
                mSuppressClick = true;
            }
        };
    }
}

void frmGridhand::CenterColumnLabel(int Index)
{
    const CardImage* card = PlayCards[Index + 19];
    platform::setLeftTw(lblCol[Index],
                        platform::leftTw(card) + (platform::widthTw(card) - platform::widthTw(lblCol[Index])) / 2);
}
