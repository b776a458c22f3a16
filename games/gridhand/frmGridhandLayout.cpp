// The Gridhand window's layout: the grid hangs from the window's centre line with a fixed column pitch
// and a row pitch that grows with the height; the deck and the drawn card keep their shares of the
// width, and the clock, the score box and the buttons hang from them. Nothing is resized.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/gridhand/GridhandLayout.h"
#include "games/gridhand/frmGridhand.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>

using namespace gridhand::layout;
using platform::heightTw;
using platform::leftTw;
using platform::setLeftTw;
using platform::setTopTw;
using platform::topTw;
using platform::widthTw;

namespace {
void centreOn(QWidget* w, const QWidget* on) { setLeftTw(w, leftTw(on) + (widthTw(on) - widthTw(w)) / 2); }
} // namespace

void frmGridhand::layoutControls()
{
    const double W = widthTw(this);
    const double H = heightTw(this);
    const int w = widthTw(PlayCards[2]);

    // Grid columns from the centre line, rows from the fixed top row.
    const int column2 = int(W / 2 - 2 * w);
    const int columnLeft[5] = {column2 - 2 * ColumnPitch, column2 - ColumnPitch, column2, column2 + ColumnPitch,
                               column2 + 2 * ColumnPitch};
    const int t0 = topTw(PlayCards[0]);
    const double t1 = H * SecondRowShare;
    const double pitch = t1 - t0;
    for (int r = 0; r < 5; ++r) {
        const int top = r == 0 ? t0 : int(t1 + (r - 1) * pitch);
        for (int c = 0; c < 5; ++c)
            platform::moveTw(PlayCards[r * 5 + c], columnLeft[c], top);
    }

    const int labelTop = topTw(PlayCards[20]) + heightTw(PlayCards[20]) + 40;
    for (int k = 1; k <= 5; ++k) {
        CenterColumnLabel(k);
        setTopTw(lblCol[k], labelTop);
        const CardImage* last = PlayCards[5 * k - 1];
        setLeftTw(lblRow[k], leftTw(PlayCards[4]) + widthTw(PlayCards[4]) + 75);
        setTopTw(lblRow[k], topTw(last) + (heightTw(last) - heightTw(lblRow[1])) / 2);
    }

    // Deck and drawn card.
    platform::moveTw(CardStackPicture, int(W * StockShare), topTw(PlayCards[24]));
    platform::moveTw(HoleCard, int(W * HoleCardShare), topTw(CardStackPicture));

    // Clock over the span of the deck and the drawn card.
    const int holeRight = leftTw(HoleCard) + widthTw(HoleCard);
    setLeftTw(Surface, leftTw(CardStackPicture) + (holeRight - leftTw(CardStackPicture)) / 2 - widthTw(Surface) / 2);
    centreOn(lblTime, Surface);
    platform::moveTw(TimerRectangle, leftTw(Surface) - 90, topTw(Surface) - 30);
    const int sideX = leftTw(Surface) + widthTw(Surface) + 30;
    TimerBevelSide->setXEnds(sideX, sideX);
    TimerBevelBottom->setXEnds(leftTw(Surface) - 15, leftTw(Surface) - 15 + 1200);
    CenterTimeBonus();

    // Score box under the clock's column.
    setLeftTw(ScoreRectangle, leftTw(Surface) + (widthTw(Surface) - widthTw(ScoreRectangle)) / 2);
    const int boxRight = leftTw(ScoreRectangle) + widthTw(ScoreRectangle);
    ScoreBevelSide->setXEnds(boxRight - 15, boxRight - 15);
    ScoreBevelBottom->setXEnds(leftTw(ScoreRectangle) + 15, boxRight - 15);
    centreOn(lblCurrentScore, ScoreRectangle);
    centreOn(lblScore, ScoreRectangle);
    centreOn(lblOverWrites, lblScore);

    // Labels under the grid.
    const int underTop = int(H * LabelsUnderGridShare);
    centreOn(lblCards, PlayCards[21]);
    setTopTw(lblCards, underTop);
    centreOn(lblHighScore, PlayCards[23]);
    setTopTw(lblHighScore, underTop);
    platform::moveTw(lblPointsEarned, leftTw(lblRow[1]), underTop);

    centreOn(lblRound, Surface);
    setTopTw(lblRound, topTw(CardStackPicture) - 300);
    for (QPushButton* button : {cmdPlay, cmdPause, cmdQuit})
        setLeftTw(button, leftTw(Surface));

    platform::moveTw(frmSplash, int(W / 2 - widthTw(frmSplash) / 2), int(H / 2 - heightTw(frmSplash) / 2));
    platform::moveTw(ScoringLabelOutline, leftTw(ScoreRectangle) / 2 - widthTw(ScoringLabelOutline) / 2,
                     int(H / 2 - heightTw(ScoringLabelOutline) / 2));
    CenterScoringLabel();
    placeBonusFigure();
}
