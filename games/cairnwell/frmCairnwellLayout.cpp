// The Cairnwell window's layout: the anchored places for the window's size, and the figures that
// keep themselves centred in their boxes.
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/cairnwell/CairnwellLayout.h"
#include "games/cairnwell/frmCairnwell.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>
#include <cmath>

using namespace cairnwell::layout;
using platform::heightTw;
using platform::leftTw;
using platform::setLeftTw;
using platform::setTopTw;
using platform::topTw;
using platform::widthTw;

namespace {
int whole(double twips) { return int(std::lround(twips)); }
void place(QWidget* w, const Point& p) { platform::moveTw(w, whole(p.left), whole(p.top)); }
void centreAcross(QWidget* w, const QWidget* on) { setLeftTw(w, leftTw(on) + (widthTw(on) - widthTw(w)) / 2); }
void centreDown(QWidget* w, const QWidget* on) { setTopTw(w, topTw(on) + (heightTw(on) - heightTw(w)) / 2); }
} // namespace

void frmCairnwell::layoutControls()
{
    const CairnwellPlaces p = PlacesFor(widthTw(this), heightTw(this));

    for (int i = 0; i < cairnwell::StorageCount; ++i) {
        place(TempCard[i], p.tempCard[i]);
        place(TempCardSelection[i], p.tempCard[i]);
    }
    setLeftTw(lblTemp, (widthTw(centralWidget()) - widthTw(lblTemp)) / 2);
    setTopTw(lblTemp, topTw(TempCard[0]) - heightTw(lblTemp) - 50);
    place(FieldRect, p.field);
    centreAcross(lblFieldCards, FieldRect);
    setTopTw(lblFieldCards, topTw(FieldRect) - 120);
    for (int i = 0; i < cairnwell::PlaceCount; ++i) {
        place(PlayCard[i], p.playCard[i]);
        place(PlayCardSelection[i], p.playCard[i]);
    }
    for (int i = 0; i < cairnwell::FanCount; ++i)
        place(UpCard[i], p.upCard[i]);
    place(UpCardSelection, p.upCard[cairnwell::FrontCard]);
    place(CardStackPicture, p.stack);

    setTopTw(TripsRectangle, whole(p.tripsTop));
    setTopTw(RunRectangle, whole(p.runsTop));
    for (auto [figure, box, caption] : {std::tuple{lblScoreTrips, TripsRectangle, lblTrips},
                                        std::tuple{lblScoreRuns, RunRectangle, lblRuns}}) {
        centreAcross(figure, box);
        centreDown(figure, box);
        centreAcross(caption, box);
        setTopTw(caption, topTw(box) - 250);
    }
    place(ScoreRectangle, p.scoreBox);
    centreAcross(lblCurrentScore, ScoreRectangle);
    centreAcross(lblScore, ScoreRectangle);
    setTopTw(lblScore, topTw(ScoreRectangle) - 250);
    centreDown(lblCurrentScore, ScoreRectangle);

    const int buttonLeft = whole(p.buttonLeft);
    platform::moveTw(cmdPlay, buttonLeft, whole(p.playTop));
    platform::moveTw(cmdPause, buttonLeft, whole(p.pauseTop));
    platform::moveTw(cmdTakeScore, buttonLeft, whole(p.takeScoreTop));
    platform::moveTw(cmdQuit, buttonLeft, whole(p.quitTop));

    place(Surface, p.surface);
    place(TimerRectangle, p.timerRect);
    centreAcross(lblTime, Surface);
    setTopTw(lblTime, topTw(Surface) - 250);
    placeBevels();

    place(frmSplash, p.splash);
    place(ScoringLabelOutline, p.outline);
    placeMessages();
    placeFlush();

    centreAcross(lblRound, ScoreRectangle);
    setTopTw(lblRound, topTw(Surface) + 1680);
    setLeftTw(lblCardCount, leftTw(UpCard[2]) + widthTw(UpCard[2]) + 250);
    centreDown(lblCardCount, UpCard[0]);
    setLeftTw(lblHighScore, leftTw(TripsRectangle));
    centreDown(lblHighScore, TempCard[0]);
}

void frmCairnwell::placeFlush()
{
    const QWidget* card = mFlushCard;
    if (!card)
        return;
    setLeftTw(lblFlush, leftTw(card) + widthTw(card) / 2 - widthTw(lblFlush) / 2);
    if (mFlushRow)
        setTopTw(lblFlush, topTw(mFlushRow) - 250);
    else
        setTopTw(lblFlush, topTw(card) + heightTw(card) / 2 - heightTw(lblFlush) / 2);
}

void frmCairnwell::placeBevels()
{
    for (auto [box, side, bottom] : {std::tuple{TripsRectangle, TripsBevelSide, TripsBevelBottom},
                                     std::tuple{RunRectangle, RunBevelSide, RunBevelBottom}}) {
        const int y = topTw(box) + heightTw(box) - 20;
        bottom->setEnds(390, y, 1415, y);
        side->setEnds(1425, topTw(box) + 20, 1425, y);
    }
    const int scoreY = topTw(ScoreRectangle) + heightTw(ScoreRectangle) - 20;
    const int scoreX = leftTw(ScoreRectangle) + widthTw(ScoreRectangle) - 15;
    ScoreBevelSide->setEnds(scoreX, topTw(ScoreRectangle) + 20, scoreX, scoreY);
    ScoreBevelBottom->setEnds(leftTw(ScoreRectangle) + 15, scoreY, scoreX, scoreY);
    const int timerY = topTw(TimerRectangle) + heightTw(TimerRectangle) - 20;
    const int timerX = leftTw(Surface) + widthTw(Surface) + 30;
    TimerBevelSide->setEnds(timerX, topTw(TimerRectangle) + 20, timerX, timerY);
    TimerBevelBottom->setEnds(leftTw(Surface) - 15, timerY, leftTw(Surface) - 15 + 1200, timerY);
}

void frmCairnwell::connectChangeHandlers()
{
    // Figures re-centre in their boxes whenever their text changes.
    const std::tuple<platform::Label*, ShapeControl*> centred[] = {
        {lblCurrentScore, ScoreRectangle}, {lblScoreTrips, TripsRectangle}, {lblTrips, TripsRectangle},
        {lblScoreRuns, RunRectangle},      {lblRuns, RunRectangle}};
    for (auto [label, box] : centred) {
        label->onChange = [label, box] {
            label->adjustSize();
            setLeftTw(label, leftTw(box) + (widthTw(box) - widthTw(label)) / 2);
        };
    }
    for (platform::Label* label : {lblScoring, lblMessage, lblCardCount, lblHighScore, lblTimeBonus})
        label->onChange = [label] { label->adjustSize(); };
    lblTime->onChange = [this] {
        lblTime->adjustSize();
        centreAcross(lblTime, Surface);
    };
    lblRound->onChange = [this] {
        lblRound->adjustSize();
        centreAcross(lblRound, ScoreRectangle);
    };
}
