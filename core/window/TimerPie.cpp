#include "core/window/TimerPie.h"

#include "core/window/ClockSurface.h"
#include "core/window/GameForm.h"
#include "core/window/TimerPieDial.h"
#include "platform/Conversions.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

TimerPieDial& TimerPieState()
{
    static TimerPieDial dial;
    return dial;
}

void InitTimerSurface(GameForm& Form)
{
    if (Form.Surface)
        TimerPieState().init(platform::widthTw(Form.Surface), platform::heightTw(Form.Surface));
    else
        TimerPieState().init(0, 0);
    DrawTimerPie(0, Form);
}

void DrawTimerPie(int Angle, GameForm& Form)
{
    const PieDrawing drawing = TimerPieState().draw(Angle);
    if (Form.Timer2) {
        // Re-enabling a running timer would restart its count and upset the blink's rhythm.
        if (drawing.timer2 == Timer2Change::Enable && !Form.Timer2->enabled())
            Form.Timer2->setEnabled(true);
        else if (drawing.timer2 == Timer2Change::Disable)
            Form.Timer2->setEnabled(false);
    }
    if (Form.Surface)
        Form.Surface->showPicture(drawing.picture);
}

int PieAngle(int elapsed, int timeLimit)
{
    if (timeLimit <= 0)
        return 0;
    return int(platform::roundHalfEven(360.0 / timeLimit * elapsed));
}
