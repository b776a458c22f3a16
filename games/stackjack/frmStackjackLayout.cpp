// The Stackjack window's layout: the places that follow the window's width, and the labels that
// size themselves to their captions and keep themselves centred.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "games/stackjack/CardTotalPanel.h"
#include "games/stackjack/StackjackLayout.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/stackjack/frmStackjack.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>
#include <cmath>

using namespace stackjack::layout;
using platform::heightTw;
using platform::leftTw;
using platform::setLeftTw;
using platform::setTopTw;
using platform::topTw;
using platform::widthTw;

namespace {
int rightTw(const QWidget* w) { return leftTw(w) + widthTw(w); }

// Centres w across the span that starts at `left` and is `width` wide.
void centreAcross(QWidget* w, int left, int width) { setLeftTw(w, left + width / 2 - widthTw(w) / 2); }
void centreOn(QWidget* w, const QWidget* on) { centreAcross(w, leftTw(on), widthTw(on)); }

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

void frmStackjack::layoutControls()
{
    const int W = widthTw(this);
    std::array<int, stackjack::ColumnCount> columnLeft{};
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        columnLeft[c] = int(std::lround(W * ColumnShare[c]));
        for (CardImage* slot : Column[c])
            setLeftTw(slot, columnLeft[c]);
        setLeftTw(cmdHit[c], columnLeft[c]);
    }
    const auto column = [this](int c) { return Column[c][0]; };
    frmScore->placeRows();

    setLeftTw(ScoringLabelOutline, leftTw(column(0)));
    platform::setWidthTw(ScoringLabelOutline, rightTw(column(4)) - leftTw(column(0)));
    // A round's total being counted keeps its figure beside its heading.
    if (ScoringLabelRoundTotal->isHidden()) {
        CenterScoringLabel();
        centreOn(ScoringLabelRoundTotal, ScoringLabelOutline);
    } else {
        placeRoundTotalLine();
    }
    centreOn(ScoringLabelInfo, ScoringLabelOutline);

    centreOn(Surface, column(3));
    centreOn(lblTime, column(3));
    const int surfaceRight = rightTw(Surface);
    const int surfaceBottom = topTw(Surface) + heightTw(Surface);
    TimerBevelSide->setEnds(surfaceRight + 30, topTw(Surface) - 15, surfaceRight + 30, surfaceBottom + 30);
    platform::moveTw(TimerRectangle, leftTw(Surface) - 90, topTw(Surface) - 30);
    const int bevelLeft = leftTw(Surface) - 15;
    TimerBevelBottom->setEnds(bevelLeft, surfaceBottom + 30, bevelLeft + TimerBevelLength, surfaceBottom + 30);
    CenterTimeBonus();

    centreOn(lblScore, column(4));
    centreOn(ScoreRectangle, column(4));
    setTopTw(ScoreRectangle, topTw(Surface) + heightTw(Surface) / 2 - heightTw(ScoreRectangle) / 2);
    const int scoreBottom = topTw(ScoreRectangle) + heightTw(ScoreRectangle);
    const int bevelX = rightTw(ScoreRectangle) - 15;
    ScoreBevelSide->setEnds(bevelX, topTw(ScoreRectangle) + 60, bevelX, scoreBottom - 15);
    ScoreBevelBottom->setEnds(leftTw(ScoreRectangle) + 60, scoreBottom - 15, bevelX, scoreBottom - 15);
    centreOn(lblTotalScore, ScoreRectangle);

    setLeftTw(frmScore, int(std::lround(W * ScoreFrameShare)));
    setLeftTw(PlayCardPicture, leftTw(column(0)));
    setLeftTw(NextCardPicture, leftTw(column(1)));
    centreOn(cmdPlay, frmScore);
    setLeftTw(cmdQuit, leftTw(cmdPlay));
    setLeftTw(cmdPause, leftTw(cmdPlay));
    platform::moveTw(cmdPass, leftTw(column(2)), topTw(ScoreRectangle));
    setLeftTw(lblCurrentRoundScore, leftTw(frmScore));
    platform::setWidthTw(lblCurrentRoundScore, widthTw(frmScore));
    centreOn(lblTime, column(3));
    centreOn(cmdGiveUp, frmScore);
    centreOn(lblHighScore, ScoreRectangle);
    centreOn(lblRound, cmdPass);
    setLeftTw(frmSplash, W / 2 - widthTw(frmSplash) / 2);

    // The lines join the column totals, and the last one leads to the table.
    const int y1 = topTw(ColumnTotal[0]) + heightTw(ColumnTotal[0]) / 2;
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        const int x2 = c + 1 < stackjack::ColumnCount ? leftTw(column(c + 1)) : leftTw(frmScore);
        ColumnLine[c]->setEnds(rightTw(column(c)), y1, x2, y1);
    }
    ResizeColumnHeaders();
}

void frmStackjack::ResizeColumnHeaders()
{
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        centreOn(ColumnTotal[c], Column[c][0]);
        centreOn(ColumnSoft[c], Column[c][0]);
    }
    centreOn(lblCurrentTotal, frmScore);
}

void frmStackjack::CenterTimeBonus()
{
    // A little left of and above the middle, on the clock.
    setLeftTw(lblTimeBonus, int(widthTw(TimerRectangle) / 2.0 - widthTw(lblTimeBonus) / 1.3));
    setTopTw(lblTimeBonus, int(heightTw(TimerRectangle) / 2.0 - heightTw(lblTimeBonus) / 1.3));
}

void frmStackjack::CenterScoringLabel()
{
    centreOn(ScoringLabel, ScoringLabelOutline);
    setTopTw(ScoringLabel, topTw(ScoringLabelOutline) + heightTw(ScoringLabelOutline) / 2 - heightTw(ScoringLabel) / 2);
}

void frmStackjack::placeRoundTotalLine()
{
    // The round line and the figure side by side, centred together, their tops on the box's middle line less a line.
    const QWidget* outline = ScoringLabelOutline;
    const int left = leftTw(outline) + widthTw(outline) / 2 - widthTw(ScoringLabelRoundTotal) / 2 - widthTw(ScoringLabel) / 2;
    const int top = topTw(outline) + heightTw(outline) / 2 - heightTw(ScoringLabelRoundTotal);
    platform::moveTw(ScoringLabelRoundTotal, left, top);
    platform::moveTw(ScoringLabel, left + widthTw(ScoringLabelRoundTotal), top);
}

void frmStackjack::setScoringFontSize(int points)
{
    QFont f = ScoringLabel->font();
    f.setPointSize(points);
    ScoringLabel->setFont(f);
    ScoringLabel->adjustSize();
}

void frmStackjack::connectChangeHandlers()
{
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        ColumnSoft[c]->onChange = [this, c] {
            ColumnSoft[c]->adjustSize();
            centreOn(ColumnSoft[c], ColumnTotal[c]);
        };
    }
    lblCurrentTotal->onChange = [this] {
        lblCurrentTotal->adjustSize();
        centreOn(lblCurrentTotal, frmScore);
    };
    lblHighScore->onChange = [this] { centreOn(lblHighScore, ScoreRectangle); };
    lblTimeBonus->onChange = [this] {
        lblTimeBonus->adjustSize();
        CenterTimeBonus();
    };
    lblTotalScore->onChange = [this] {
        // Setting the grouped text raises this once more, which then finds nothing to change.
        lblTotalScore->setCaption(grouped(lblTotalScore->caption()));
        lblTotalScore->adjustSize();
        centreOn(lblTotalScore, ScoreRectangle);
    };
    lblRound->onChange = [this] {
        lblRound->adjustSize();
        centreOn(lblRound, cmdPass);
    };
    ScoringLabel->onChange = [this] { ScoringLabel->adjustSize(); };
    ScoringLabelRoundTotal->onChange = [this] { ScoringLabelRoundTotal->adjustSize(); };
    ScoringLabelInfo->onChange = [this] {
        ScoringLabelInfo->adjustSize();
        centreOn(ScoringLabelInfo, ScoringLabelOutline);
        setTopTw(ScoringLabelInfo, topTw(ScoringLabelRoundTotal) + heightTw(ScoringLabelRoundTotal));
    };
}
