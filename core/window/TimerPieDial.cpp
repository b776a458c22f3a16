#include "core/window/TimerPieDial.h"

void TimerPieDial::init(int surfaceWidth, int surfaceHeight)
{
    gPieCenterX = surfaceWidth / 2;
    gPieCenterY = surfaceHeight / 2;
    gPieRadius = float((gPieCenterX < gPieCenterY ? gPieCenterX : gPieCenterY) - Margin);
    gPieColor = White;
}

PieDrawing TimerPieDial::draw(int Angle)
{
    PieDrawing d;
    d.picture.centerX = gPieCenterX;
    d.picture.centerY = gPieCenterY;
    d.picture.radius = gPieRadius;
    if (gPieSavedColor == 0)
        gPieSavedColor = gPieColor;

    std::vector<PieSlice>& s = d.picture.slices;
    if (Angle >= 1 && Angle <= 90) {
        s.push_back({0, double(Angle), Green});
    } else if (Angle >= 91 && Angle <= 180) {
        s.push_back({0, 90, Green});
        s.push_back({90, double(Angle), Green});
    } else if (Angle >= 181 && Angle <= 270) {
        s.push_back({0, 90, Green});
        s.push_back({90, 180, Green});
        s.push_back({180, double(Angle), Yellow});
    } else if (Angle >= 271 && Angle <= 359) {
        d.timer2 = Timer2Change::Enable;
        gPieColor = gPieColor == gPieSavedColor ? Red : gPieSavedColor;
        s.push_back({0, 90, Green});
        s.push_back({90, 180, Green});
        s.push_back({180, 270, Yellow});
        s.push_back({270, double(Angle), gPieColor});
    } else if (Angle == 360) {
        d.timer2 = Timer2Change::Disable;
        gPieColor = Red;
        s.push_back({0, 90, Green});
        s.push_back({90, 180, Green});
        s.push_back({180, 270, Yellow});
        s.push_back({270, 360, gPieColor});
    }
    // A surface too small for a ring shows nothing rather than a ring turned inside out.
    if (gPieRadius <= 0)
        s.clear();
    return d;
}
