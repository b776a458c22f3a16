#include "games/cairnwell/CairnwellLayout.h"

namespace cairnwell::layout {

CairnwellPlaces PlacesFor(double W, double H)
{
    CairnwellPlaces p;
    p.buttonLeft = W - 1400;

    const double slotTop = H / 2 - 3400;
    p.tempCard[1] = {(W - CardWidth) / 2, slotTop};
    p.tempCard[2] = {p.tempCard[1].left + CardWidth + 285, slotTop};
    p.tempCard[0] = {p.tempCard[1].left - 285 - CardWidth, slotTop};

    p.field = {(W - FieldWidth) / 2, slotTop + 1800};

    const double rowTop = p.field.top + 120;
    p.playCard[1] = {p.tempCard[1].left - 720, rowTop};
    p.playCard[0] = {p.playCard[1].left - 405 - CardWidth, rowTop};
    p.playCard[2] = {p.playCard[1].left + CardWidth + 405, rowTop};
    p.playCard[3] = {p.playCard[2].left + CardWidth + 405, rowTop};
    for (int i = 4; i < 12; ++i)
        p.playCard[i] = {p.playCard[i - 4].left, p.playCard[i - 4].top + 360};

    const double fanTop = p.field.top + 2640;
    p.upCard[0] = {p.playCard[1].left, fanTop};
    p.upCard[1] = {p.upCard[0].left + 360, fanTop};
    p.upCard[2] = {p.upCard[1].left + 360, fanTop};
    p.stack = {p.playCard[0].left, fanTop};

    p.tripsTop = p.playCard[0].top;
    p.runsTop = p.tripsTop + 930;
    p.scoreBox = {p.buttonLeft + ButtonWidth / 2.0 - BoxWidth / 2.0, p.tripsTop};

    p.quitTop = p.scoreBox.top - 825;
    p.takeScoreTop = p.quitTop - 400;
    p.pauseTop = p.takeScoreTop - 400;
    p.playTop = p.pauseTop - 400;

    p.surface = {p.scoreBox.left + (BoxWidth - SurfaceWidth) / 2.0, p.scoreBox.top + 960};
    p.timerRect = {p.surface.left - 90, p.surface.top - 30};

    p.splash = {W / 2 - SplashWidth / 2.0, H / 2 - SplashHeight / 2.0};
    p.outline = {p.buttonLeft / 2 - OutlineWidth / 2.0, H / 2 - OutlineHeight / 2.0};
    return p;
}

} // namespace cairnwell::layout
