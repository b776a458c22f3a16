// The Duetto window's layout: the places that follow the window's width, anchored on its middle, and
// the value labels that keep themselves centred in their boxes.
#include "core/cards/CardImage.h"
#include "core/scores/CountUps.h"
#include "core/window/ClockSurface.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/duetto/DuettoLayout.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPushButton>

using namespace duetto::layout;
using platform::leftTw;
using platform::setLeftTw;
using platform::widthTw;

namespace {
// Left = box left + box width / 2 - label width / 2.
void centreOn(QWidget* w, const QWidget* on) { setLeftTw(w, leftTw(on) + widthTw(on) / 2 - widthTw(w) / 2); }

// The whole-number rule: the difference rounded half to even, halved with the fraction dropped.
void centreWhole(QWidget* w, const QWidget* on)
{
    setLeftTw(w, leftTw(on) + int(platform::roundHalfEven(double(widthTw(on) - widthTw(w))) / 2));
}

void placeBevels(LineControl* side, LineControl* bottom, const QWidget* box, int bottomInset)
{
    const int x = leftTw(box) + widthTw(box) - 15;
    side->setXEnds(x, x);
    bottom->setXEnds(leftTw(box) + bottomInset, x);
}
} // namespace

void frmDuetto::layoutControls()
{
    const int W = widthTw(this);
    const int w = widthTw(PlayCard[0]);
    const auto place = [this](int i, int left) {
        setLeftTw(PlayCard[i], left);
        platform::moveTw(FieldSelectionRectangle[i], left, platform::topTw(PlayCard[i]));
    };

    // Rows 1, 3 and 5 (five cards) share their lefts, rows 2 and 4 (four cards) theirs, half a card in.
    std::array<int, 5> fiveLefts{};
    fiveLefts[2] = W / 2 - w / 2;
    fiveLefts[1] = fiveLefts[2] - w;
    fiveLefts[0] = fiveLefts[1] - w;
    fiveLefts[3] = fiveLefts[2] + w;
    fiveLefts[4] = fiveLefts[3] + w;
    std::array<int, 4> fourLefts{};
    for (int c = 0; c < 4; ++c)
        fourLefts[c] = fiveLefts[0] + w / 2 + c * w;
    for (int c = 0; c < 5; ++c) {
        place(c, fiveLefts[c]);
        place(9 + c, fiveLefts[c]);
        place(18 + c, fiveLefts[c]);
    }
    for (int c = 0; c < 4; ++c) {
        place(5 + c, fourLefts[c]);
        place(14 + c, fourLefts[c]);
    }

    setLeftTw(CardStackPicture, leftTw(PlayCard[14]));
    place(duetto::PileCard, leftTw(CardStackPicture) + PileOffset);

    const int buttonLeft = leftTw(PlayCard[22]) + w + ButtonGap;
    for (QPushButton* b : {cmdPlay, cmdPause, cmdTakeScore, cmdExit})
        setLeftTw(b, buttonLeft);

    setLeftTw(lblMessage, W / 2 - widthTw(lblMessage) / 2);
    // A bonus being counted up stays under its heading.
    PlaceBonusFigure(*this);
    setLeftTw(lblCardCount, leftTw(CardStackPicture) - CardCountOffset);
    centreOn(lblCards, lblCardCount);
    const QWidget* pileMark = FieldSelectionRectangle[duetto::PileCard];
    setLeftTw(lblHighScore, leftTw(pileMark) + widthTw(pileMark) + HighScoreGap);

    // Score, round and clock over the buttons.
    setLeftTw(ScoreRectangle, buttonLeft + widthTw(cmdPlay) / 2 - widthTw(ScoreRectangle) / 2);
    centreOn(lblCurrentScore, ScoreRectangle);
    centreOn(lblScore, ScoreRectangle);
    setLeftTw(RoundRectangle, leftTw(ScoreRectangle));
    centreWhole(lblCurrentRound, RoundRectangle);
    centreOn(lblRound, RoundRectangle);
    setLeftTw(Surface, leftTw(ScoreRectangle) + widthTw(ScoreRectangle) / 2 - widthTw(Surface) / 2);
    setLeftTw(TimerRectangle, leftTw(Surface) - 90);
    centreOn(lblTime, TimerRectangle);

    // Pairs and runs mirror them on the left of the layout.
    const int rightOfLayout = leftTw(PlayCard[4]) + widthTw(PlayCard[4]);
    const int gap = int(platform::roundHalfEven(double(leftTw(ScoreRectangle) - rightOfLayout)));
    setLeftTw(PairRectangle, leftTw(PlayCard[0]) - gap - widthTw(PairRectangle));
    setLeftTw(RunRectangle, leftTw(PairRectangle));
    centreWhole(lblScorePairs, PairRectangle);
    centreWhole(lblScoreRuns, RunRectangle);
    centreOn(lblPairs, PairRectangle);
    centreOn(lblRuns, RunRectangle);

    placeBevels(ScoreBevelSide, ScoreBevelBottom, ScoreRectangle, 15);
    placeBevels(RoundBevelSide, RoundBevelBottom, RoundRectangle, 25);
    placeBevels(PairBevelSide, PairBevelBottom, PairRectangle, 25);
    placeBevels(RunBevelSide, RunBevelBottom, RunRectangle, 25);
    const int clockSide = leftTw(Surface) + widthTw(Surface) + 30;
    TimerBevelSide->setXEnds(clockSide, clockSide);
    TimerBevelBottom->setXEnds(leftTw(Surface) - 15, leftTw(Surface) - 15 + TimerBevelLength);

    platform::moveTw(frmSplash, buttonLeft / 2 - widthTw(frmSplash) / 2,
                     platform::heightTw(this) / 2 - platform::heightTw(frmSplash) / 2);
}

void frmDuetto::connectChangeHandlers()
{
    const auto recentre = [](platform::Label* label, const QWidget* box, bool whole) {
        label->onChange = [label, box, whole] {
            label->adjustSize();
            if (whole)
                centreWhole(label, box);
            else
                centreOn(label, box);
        };
    };
    recentre(lblCurrentRound, RoundRectangle, false);
    recentre(lblRuns, RunRectangle, false);
    recentre(lblTime, TimerRectangle, false);
    recentre(lblCurrentScore, ScoreRectangle, true);
    recentre(lblScorePairs, PairRectangle, true);
    recentre(lblPairs, PairRectangle, true);
    recentre(lblScoreRuns, RunRectangle, true);
    lblMessage->onChange = [this] {
        lblMessage->adjustSize();
        setLeftTw(lblMessage, widthTw(this) / 2 - widthTw(lblMessage) / 2);
    };
    lblScoring->onChange = [this] { lblScoring->adjustSize(); };
    lblCards->onChange = [this] {
        lblCards->adjustSize();
        centreOn(lblCards, lblCardCount);
    };
    lblHighScore->onChange = [this] { lblHighScore->adjustSize(); };
}
