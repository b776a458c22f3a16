// The Quickjack window's layout: the places that follow the window's width, and the labels that keep
// themselves centred when their captions change.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/quickjack/QuickjackLayout.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

using namespace quickjack::layout;
using platform::heightTw;
using platform::leftTw;
using platform::setLeftTw;
using platform::setTopTw;
using platform::topTw;
using platform::widthTw;

namespace {
int rightTw(const QWidget* w) { return leftTw(w) + widthTw(w); }
int centreTw(const QWidget* w) { return leftTw(w) + widthTw(w) / 2; }
void centreOn(QWidget* w, const QWidget* on) { setLeftTw(w, centreTw(on) - widthTw(w) / 2); }
// Centred across a parent's own width (for the labels inside the frame).
void centreInside(QWidget* w, const QWidget* parent) { setLeftTw(w, widthTw(parent) / 2 - widthTw(w) / 2); }

// A caption with the thousands grouped, whether it arrives as digits or already grouped.
QString grouped(const QString& caption)
{
    QString digits = caption;
    digits.remove(QLatin1Char(','));
    bool ok = false;
    const qlonglong n = digits.trimmed().toLongLong(&ok);
    return ok ? platform::formatGrouped(n) : caption;
}
} // namespace

void frmQuickjack::layoutControls()
{
    const int W = widthTw(this);
    for (int c = 0; c < quickjack::ColumnCount; ++c) {
        const int left = int(std::lround(W * ColumnShare[c]));
        for (CardImage* slot : Column[c])
            setLeftTw(slot, left);
        setLeftTw(cmdHit[c], left);
    }
    const auto C = [this](int k) { return Column[k][0]; };
    for (int c = 0; c < quickjack::ColumnCount; ++c) {
        setLeftTw(ColumnSoft[c], centreTw(C(c)) - 180);
        centreOn(ColumnTotal[c], C(c));
    }
    const int lineY = topTw(ColumnTotal[0]) + heightTw(ColumnTotal[0]) / 2;
    for (int c = 0; c + 1 < quickjack::ColumnCount; ++c)
        ColumnLine[c]->setEnds(rightTw(C(c)), lineY, leftTw(C(c + 1)), lineY);

    const int pitch = leftTw(C(3)) - leftTw(C(2));
    setLeftTw(cmdPass, leftTw(C(3)) + pitch);
    setLeftTw(cmdTakeScore, leftTw(cmdPass) + pitch);
    setLeftTw(cmdPlay, int(std::lround(W * PlayShare)));
    setLeftTw(cmdPause, leftTw(cmdPlay));
    setLeftTw(cmdExit, leftTw(cmdPlay));

    centreOn(lblScore, C(2));
    centreOn(ScoreRectangle, C(2));
    setTopTw(ScoreRectangle, topTw(NextCardPicture) + heightTw(NextCardPicture) / 2 - heightTw(ScoreRectangle) / 2);
    const int scoreBottom = topTw(ScoreRectangle) + heightTw(ScoreRectangle);
    const int bevelX = rightTw(ScoreRectangle) - 15;
    ScoreBevelSide->setEnds(bevelX, topTw(ScoreRectangle) + 15, bevelX, scoreBottom - 15);
    ScoreBevelBottom->setEnds(leftTw(ScoreRectangle) + 15, scoreBottom - 15, bevelX, scoreBottom - 15);
    lblTotalScore->onChange();

    centreOn(Surface, C(3));
    centreOn(lblTime, C(3));
    const int surfaceRight = rightTw(Surface);
    const int surfaceBottom = topTw(Surface) + heightTw(Surface);
    TimerBevelSide->setEnds(surfaceRight + 30, topTw(Surface) - 15, surfaceRight + 30, surfaceBottom + 30);
    platform::moveTw(TimerRectangle, leftTw(Surface) - 90, topTw(Surface) - 30);
    const int bevelLeft = leftTw(Surface) - 15;
    TimerBevelBottom->setEnds(bevelLeft, surfaceBottom + 30, bevelLeft + TimerBevelLength, surfaceBottom + 30);

    setLeftTw(frameScoreInfo, leftTw(cmdPass));
    platform::setWidthTw(frameScoreInfo, rightTw(cmdPlay) - leftTw(frameScoreInfo));
    for (QWidget* w : std::initializer_list<QWidget*>{lblTwentyOnes, lbl21s, lbl21Bonus, lblBonus, lblTwentyoneTime,
                                                      lblRoundScoreCount, lblRoundScore})
        centreInside(w, frameScoreInfo);
    platform::setWidthTw(ProgressBar1, widthTw(frameScoreInfo) - 400);
    centreInside(ProgressBar1, frameScoreInfo);

    setLeftTw(PlayCardPicture, leftTw(C(0)));
    setLeftTw(NextCardPicture, leftTw(C(1)));
    centreOn(lblBust, C(2));

    setLeftTw(ScoringLabelOutline, leftTw(C(0)));
    platform::setWidthTw(ScoringLabelOutline, rightTw(C(3)) - leftTw(C(0)));
    ScoringLabelInfo->onChange();

    for (QWidget* w : std::initializer_list<QWidget*>{lblHighScore, lblRound, lblCardsUsed})
        setLeftTw(w, leftTw(cmdPass));
    setTopTw(lblCardsUsed, topTw(Surface) + heightTw(Surface) / 2 - heightTw(lblCardsUsed) / 2);
    platform::moveTw(lblCardsUsedCount, rightTw(lblCardsUsed) + 40, topTw(lblCardsUsed) - 23);
    setLeftTw(frmSplash, W / 2 - widthTw(frmSplash) / 2);
}

void frmQuickjack::connectChangeHandlers()
{
    for (int c = 0; c < quickjack::ColumnCount; ++c)
        ColumnTotal[c]->onChange = [this, c] { centreOn(ColumnTotal[c], Column[c][0]); };
    lblRoundScore->onChange = [this] {
        lblRoundScore->adjustSize();
        centreInside(lblRoundScore, frameScoreInfo);
    };
    lblRoundScoreCount->onChange = [this] {
        lblRoundScoreCount->adjustSize();
        centreInside(lblRoundScoreCount, frameScoreInfo);
    };
    for (platform::Label* label : {lbl21s, lblBonus}) {
        label->onChange = [this, label] {
            label->adjustSize();
            centreInside(label, frameScoreInfo);
        };
    }
    lblTime->onChange = [this] {
        lblTime->adjustSize();
        centreOn(lblTime, Column[3][0]);
    };
    lblTotalScore->onChange = [this] {
        // Setting the grouped text raises this once more, which then finds nothing to change.
        lblTotalScore->setCaption(grouped(lblTotalScore->caption()));
        lblTotalScore->adjustSize();
        setLeftTw(lblTotalScore, leftTw(ScoreRectangle) + (widthTw(ScoreRectangle) - widthTw(lblTotalScore)) / 2);
        setTopTw(lblTotalScore, topTw(ScoreRectangle) + heightTw(ScoreRectangle) / 2 - heightTw(lblTotalScore) / 2);
        lblTotalScore->setForeColor(gScore < 0 ? platform::ColorRed : platform::ColorBlue);
    };
    lblCardsUsedCount->onChange = [this] { lblCardsUsedCount->adjustSize(); };
    lblRound->onChange = [this] { lblRound->adjustSize(); };
    lblHighScore->onChange = [this] { lblHighScore->adjustSize(); };
    for (platform::Label* soft : ColumnSoft)
        soft->onChange = [soft] { soft->adjustSize(); };
    ScoringLabelInfo->onChange = [this] {
        ScoringLabelInfo->adjustSize();
        const QWidget* outline = ScoringLabelOutline;
        platform::moveTw(ScoringLabelInfo, centreTw(outline) - widthTw(ScoringLabelInfo) / 2,
                         topTw(outline) + heightTw(outline) / 2 - heightTw(ScoringLabelInfo) / 2);
    };
}
