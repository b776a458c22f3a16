// The Spires window's layout: the towers centred on the window, every other control placed from the
// cards, and the value labels that keep themselves centred when their text changes.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "games/spires/SpiresLayout.h"
#include "games/spires/frmSpires.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>
#include <algorithm>
#include <cmath>

using namespace spires::layout;
using platform::heightTw;
using platform::leftTw;
using platform::setGeometryTw;
using platform::setLeftTw;
using platform::topTw;
using platform::widthTw;

namespace {
int rightTw(const QWidget* w) { return leftTw(w) + widthTw(w); }
void placeAt(QWidget* w, int left, int top) { platform::moveTw(w, left, top); }
} // namespace

int frmSpires::tw(int design) const { return int(std::lround(design * m_scale)); }

void frmSpires::layoutControls()
{
    const QWidget* table = centralWidget();
    const int tableWidth = widthTw(table);
    const int tableHeight = heightTw(table);
    m_scale = std::min(double(tableWidth) / DesignWidth, double(tableHeight) / DesignHeight);

    const int W = tw(CardWidth);
    const int H = tw(CardHeight);
    const int L1 = (tableWidth - W) / 2;
    auto card = [&](int place) { return L1 + spires::HalfWidthOffset(place) * W / 2; };
    for (int p = 0; p < spires::PlaceCount; ++p)
        setGeometryTw(UpCardImage[std::size_t(p)], card(p), tw(RowTop[spires::RowOf(p) - 1]), W, H);

    const int bottom = tw(BottomRowTop);
    setGeometryTw(CardStackPicture, card(11), bottom, tw(PileWidth), H);
    setGeometryTw(UpCardPicture, card(11) + tw(UpCardGap), bottom, tw(PileWidth), H);

    // Tower labels stand over their tower's top card.
    for (int t = 0; t < spires::TowerCount; ++t) {
        platform::Label* label = lblTower[std::size_t(t)];
        label->adjustSize();
        placeAt(label, card(t) + W / 2 - widthTw(label) / 2, tw(TowerLabelTop));
    }
    lblCardCount->adjustSize();
    placeAt(lblCardCount, std::max(60, card(0) - widthTw(lblCardCount) / 2), bottom);
    lblCards->adjustSize();
    placeAt(lblCards, card(0) - widthTw(lblCards) / 2, bottom + tw(LineStep));
    placeAt(lblHighScore, leftTw(lblCardCount), tw(HighScoreTop));

    // The round and the score sit in the gaps between the tower tops.
    platform::resizeTw(RoundRectangle, tw(BoxWidth), tw(BoxHeight));
    platform::resizeTw(ScoreRectangle, tw(BoxWidth), tw(BoxHeight));
    placeAt(lblRound, card(12) - widthTw(lblRound) / 2, tw(RoundCaptionTop));
    placeAt(RoundRectangle, card(12) - widthTw(RoundRectangle) / 2, tw(BoxTop));
    placeAt(lblScore, card(15) - widthTw(lblScore) / 2, tw(RoundCaptionTop));
    placeAt(ScoreRectangle, card(15) - widthTw(ScoreRectangle) / 2, tw(BoxTop));
    for (auto [box, side, under, indent] : {std::tuple{RoundRectangle, RoundBevelSide, RoundBevelBottom, 25},
                                            std::tuple{ScoreRectangle, ScoreBevelSide, ScoreBevelBottom, 15}}) {
        const int x = rightTw(box) - 15;
        const int y = topTw(box) + heightTw(box) - 15;
        side->setEnds(x, topTw(box) + 60, x, y);
        under->setEnds(leftTw(box) + indent, y, x, y);
    }
    lblCurrentRound->onChange();
    lblCurrentScore->onChange();

    const int surfaceSize = tw(SurfaceSize);
    const bool surfaceResized = widthTw(Surface) != surfaceSize;
    setGeometryTw(Surface, card(25) - tw(SurfaceOffset), tw(SurfaceTop), surfaceSize, surfaceSize);
    // The dial is drawn for the surface's size: a new size needs it drawn afresh, at the time elapsed.
    if (surfaceResized) {
        InitTimerSurface(*this);
        if (gGameInProgress)
            DrawTimerPie(PieAngle(gPieElapsed, gTimeLimit), *this);
    }
    platform::setTopTw(lblTime, tw(TimeTop));
    const int rectTop = topTw(Surface) - 60;
    setGeometryTw(TimerRectangle, leftTw(Surface) - 90, rectTop, surfaceSize + 180,
                  topTw(lblTime) + heightTw(lblTime) + 45 - rectTop);
    TimerRectangle->lower();
    const int surfaceRight = rightTw(TimerRectangle) + 30;
    const int rectBottom = topTw(TimerRectangle) + heightTw(TimerRectangle) + 15;
    TimerBevelSide->setEnds(surfaceRight, topTw(TimerRectangle) + 30, surfaceRight, rectBottom);
    TimerBevelBottom->setEnds(leftTw(TimerRectangle) + 60, rectBottom, surfaceRight, rectBottom);
    lblTime->onChange();

    const int runLeft = card(6) - tw(RunLabelsOffset);
    placeAt(lblCurrentRun, runLeft, bottom);
    placeAt(lblHighRun, runLeft, bottom + tw(LineStep));
    // The next-card figure wraps rather than run under the clock.
    platform::setGeometryTw(lblNextCard, runLeft, bottom + 2 * tw(LineStep), leftTw(TimerRectangle) - 90 - runLeft,
                            2 * tw(LineStep));

    const int buttonLeft = card(8) + tw(ButtonOffset);
    QPushButton* buttons[] = {cmdPlay, cmdPause, cmdTakeScore, cmdExit};
    for (int i = 0; i < 4; ++i)
        setGeometryTw(buttons[i], buttonLeft, bottom + i * tw(ButtonStep), tw(ButtonWidth), tw(ButtonHeight));

    frmSplash->arrange(m_scale);
    placeAt(frmSplash, card(3), tw(RowTop[1]));
    // Placed, not raised: a message left under the splash stays under it.
    platform::setTopTw(lblMessage, tw(MessageTop));
    lblMessage->adjustSize();
    setLeftTw(lblMessage, widthTw(this) / 2 - widthTw(lblMessage) / 2);
    platform::setTopTw(lblScoring, tw(ScoringTop));
    setLeftTw(lblScoring, widthTw(this) / 2 - widthTw(lblScoring) / 2);
}

void frmSpires::connectChangeHandlers()
{
    lblCurrentRound->onChange = [this] {
        lblCurrentRound->adjustSize();
        setLeftTw(lblCurrentRound, leftTw(RoundRectangle) + (widthTw(RoundRectangle) - widthTw(lblCurrentRound)) / 2);
        platform::setTopTw(lblCurrentRound,
                           topTw(RoundRectangle) + (heightTw(RoundRectangle) - heightTw(lblCurrentRound)) / 2);
    };
    lblCurrentScore->onChange = [this] {
        lblCurrentScore->adjustSize();
        setLeftTw(lblCurrentScore, leftTw(ScoreRectangle) + (widthTw(ScoreRectangle) - widthTw(lblCurrentScore)) / 2);
        platform::setTopTw(lblCurrentScore,
                           topTw(ScoreRectangle) + (heightTw(ScoreRectangle) - heightTw(lblCurrentScore)) / 2);
    };
    lblTime->onChange = [this] {
        lblTime->adjustSize();
        setLeftTw(lblTime, leftTw(TimerRectangle) + widthTw(TimerRectangle) / 2 - widthTw(lblTime) / 2);
    };
    lblMessage->onChange = [this] {
        lblMessage->adjustSize();
        setLeftTw(lblMessage, widthTw(this) / 2 - widthTw(lblMessage) / 2);
        lblMessage->raise();
    };
    lblScoring->onChange = [this] {
        lblScoring->adjustSize();
        lblScoring->raise();
    };
    lblCurrentRun->onChange = [this] { lblCurrentRun_Change(); };
    for (platform::Label* label : {lblHighRun, lblCards, lblHighScore})
        label->onChange = [label] { label->adjustSize(); };
}
