// Where everything goes for the window's size: field card 0 follows the size, the rest of the field
// keeps its offsets from it, and the boxes, labels and clock line up over the field's columns.
#include "games/tallies/frmTallies.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesState.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Twips.h"

#include <QPushButton>
#include <cmath>

namespace {
using platform::heightTw;
using platform::leftTw;
using platform::moveTw;
using platform::setLeftTw;
using platform::setTopTw;
using platform::topTw;
using platform::widthTw;

struct Offset {
    int left, top;
};
// Each field position's place from field card 0, in twips.
constexpr Offset FieldOffset[22] = {
    {0, 0},         {-2610, 500},  {2610, 500},   {-630, 500},   {585, 500},    {-3285, 1000}, {-1935, 1000}, {0, 1000},
    {1935, 1000},   {3285, 1000},  {-3960, 1500}, {-2610, 1500}, {-1260, 1500}, {1260, 1500},  {2610, 1500},  {3960, 1500},
    {-3285, 2000},  {-1935, 2000}, {1935, 2000},  {3285, 2000},  {-2610, 2400}, {2610, 2400}};

int whole(double twips) { return int(std::lround(twips)); }

// Left that centres w on the widget `on`.
int centredOn(const QWidget* w, const QWidget* on) { return leftTw(on) + widthTw(on) / 2 - widthTw(w) / 2; }

// A box's side and bottom shade lines; with xOnly the box never moves vertically and the Y ends stay.
void bevel(const QWidget* box, LineControl* side, LineControl* bottom, bool xOnly, int bottomInset = 15)
{
    const int left = leftTw(box), top = topTw(box), right = left + widthTw(box) - 15, base = top + heightTw(box) - 15;
    if (xOnly) {
        side->setXEnds(right, right);
        bottom->setXEnds(left + bottomInset, right);
    } else {
        side->setEnds(right, top + 15, right, base);
        bottom->setEnds(left + bottomInset, base, right, base);
    }
}
} // namespace

void frmTallies::layoutControls()
{
    const int W = widthTw(this);
    const int H = heightTw(this);

    for (QPushButton* button : {cmdPlay, cmdTakeScore, cmdPause, cmdExit})
        setLeftTw(button, W - 1320);
    setTopTw(lblHighScore, heightTw(centralWidget()) - heightTw(lblHighScore) - 50);

    const int X0 = whole(W / 2.208333333333);
    const int Y0 = whole(H / 5.142857142857);
    moveTw(frmSplash, X0 - 3405, Y0 + 400);
    for (int i = 0; i < TalliesFieldSize; ++i) {
        moveTw(FieldSelectionRectangle[i], X0 + FieldOffset[i].left, Y0 + FieldOffset[i].top);
        FieldCardPicture[i]->move(FieldSelectionRectangle[i]->pos());
    }
    const QWidget* mark0 = FieldSelectionRectangle[0];
    const QWidget* mark1 = FieldSelectionRectangle[1];
    const QWidget* mark2 = FieldSelectionRectangle[2];

    moveTw(lblTotal, centredOn(lblTotal, mark0), Y0 + 2470);
    moveTw(CardTotalRectangle, X0, Y0 + 2740);
    setTopTw(lblCurrentTotal, topTw(CardTotalRectangle) + heightTw(CardTotalRectangle) / 2 - heightTw(lblCurrentTotal) / 2);
    lblCurrentTotal_Change();
    bevel(CardTotalRectangle, CardTotalBevelSide, CardTotalBevelBottom, false);

    setLeftTw(lblScore, centredOn(lblScore, mark0));
    setLeftTw(lblTallies, centredOn(lblTallies, mark2));
    setLeftTw(lblRound, centredOn(lblRound, mark2));
    setLeftTw(lblTime, centredOn(lblTime, mark1));
    setLeftTw(Surface, centredOn(Surface, mark1));
    const int surfaceLeft = leftTw(Surface);
    const int surfaceRight = surfaceLeft + widthTw(Surface) + 30;
    TimerBevelSide->setXEnds(surfaceRight, surfaceRight);
    setLeftTw(TimerRectangle, surfaceLeft - 90);
    TimerBevelBottom->setXEnds(surfaceLeft - 15, surfaceLeft - 15 + 1200);

    setLeftTw(ScoreRectangle, X0);
    bevel(ScoreRectangle, ScoreBevelSide, ScoreBevelBottom, true);
    setLeftTw(lblCurrentScore, centredOn(lblCurrentScore, ScoreRectangle));
    setLeftTw(TalliesRectangle, leftTw(mark2));
    setLeftTw(lblCurrentTallies, centredOn(lblCurrentTallies, TalliesRectangle));
    bevel(TalliesRectangle, TalliesBevelSide, TalliesBevelBottom, true);
    setLeftTw(RoundRectangle, leftTw(mark2));
    bevel(RoundRectangle, RoundBevelSide, RoundBevelBottom, true, 25);
    lblCurrentRound_Change();

    const QString message = lblMessage->caption();
    const bool low = message == QStringLiteral("Times Up!") || message == QStringLiteral("Game Paused") ||
                     message == QStringLiteral("Game Over");
    setTopTw(lblMessage, low ? topTw(PlayCardPicture) : Y0 + 1905);
    setLeftTw(lblMessage, centredOn(lblMessage, lblTotal));

    moveTw(PlayCardPicture, whole(W / 2.595918367347), whole(H * 0.6520833333333));
    moveTw(UpCardSelectionRectangle, whole(W / 1.921450151057), topTw(PlayCardPicture));
    UpCardPicture->move(UpCardSelectionRectangle->pos());
    moveTw(lblCardCount, leftTw(PlayCardPicture) - 870,
           topTw(PlayCardPicture) + heightTw(PlayCardPicture) / 2 - heightTw(lblCardCount) / 2);
}
