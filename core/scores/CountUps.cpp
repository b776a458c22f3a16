#include "core/scores/CountUps.h"

#include "core/window/GameForm.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <algorithm>

namespace {
constexpr int SpeedBonusShowMs = 2000;
constexpr int AwardShowMs = 1000;
constexpr int StepMs = 75;

// Scores are 32-bit for the tables and labels; sums are taken wide and held at the largest score.
void addToScore(GameForm& Form, std::int64_t points)
{
    gScore = platform::saturateLong(std::int64_t(gScore) + points);
    Form.lblCurrentScore->setCaption(platform::formatGrouped(gScore));
    Form.lblCurrentScore->refresh();
}

void showFigure(GameForm& Form, std::int64_t figure, long colour)
{
    Form.lblScoring->setForeColor(colour);
    Form.lblScoring->setCaption(platform::formatGrouped(figure));
}

void centreFigureOnForm(GameForm& Form)
{
    platform::setLeftTw(Form.lblScoring, Form.Width() / 2 - platform::widthTw(Form.lblScoring) / 2);
}

void snap()
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QStringLiteral("Snap.wav")));
}
} // namespace

void ShowSpeedBonus(GameForm& Form, std::int32_t PerSecond)
{
    const bool gridhand = Form.IsForm("frmGridhand");
    // Time past the limit pays nothing rather than taking points away.
    const std::int64_t secondsLeft = std::max(0, gTimeLimit - gElapsed);
    std::int64_t bonus = secondsLeft * PerSecond;
    std::int64_t step = PerSecond;
    if (gridhand) {
        bonus *= gHandPoints;
        step = std::int64_t(PerSecond) * gHandPoints;
    }

    if (!gridhand)
        Form.lblMessage->setCaption(QStringLiteral("Speed Bonus!"));
    Form.lblMessage->setVisible(true);
    Form.lblMessage->refresh();
    Form.lblCurrentScore->setForeColor(platform::ColorCyan);

    showFigure(Form, bonus, platform::ColorRed);
    PlaceBonusFigure(Form);
    Form.lblScoring->setVisible(true);
    Form.lblScoring->refresh();
    platform::Sleep(SpeedBonusShowMs);

    if (gCountDownScore) {
        for (int i = gElapsed + 1; i <= gTimeLimit; ++i) {
            DrawTimerPie(int(platform::roundHalfEven(360.0 / gTimeLimit * i)), Form);
            gPieElapsed = i;
            ++gElapsed;
            addToScore(Form, step);
            bonus -= step;
            showFigure(Form, bonus, platform::ColorBlack);
            snap();
            platform::Sleep(StepMs);
        }
    } else {
        addToScore(Form, bonus);
    }

    Form.lblScoring->setVisible(false);
    Form.lblCurrentScore->setForeColor(platform::ColorBlue);
}

void PlaceBonusFigure(GameForm& Form)
{
    if (Form.IsForm("frmGridhand") && Form.ScoringLabelOutline) {
        const QWidget* outline = Form.ScoringLabelOutline;
        platform::setLeftTw(Form.lblScoring, platform::leftTw(outline) +
                                                 (platform::widthTw(outline) - platform::widthTw(Form.lblScoring)) / 2);
    } else {
        centreFigureOnForm(Form);
    }
    if (Form.IsForm("frmCairnwell"))
        platform::setLeftTw(Form.lblMessage,
                            platform::leftTw(Form.lblScoring) - platform::widthTw(Form.lblMessage) - 100);
}

void AwardPoints(GameForm& Form, std::int32_t Count, std::int32_t Value, const QString& Text)
{
    const std::int64_t points = std::int64_t(Count) * Value;

    Form.lblMessage->setVisible(true);
    Form.lblMessage->setCaption(Text + QLatin1Char('!'));
    Form.lblMessage->refresh();
    Form.lblCurrentScore->setForeColor(platform::ColorCyan);

    showFigure(Form, points, platform::ColorRed);
    centreFigureOnForm(Form);
    Form.lblScoring->setVisible(true);
    Form.lblScoring->refresh();
    platform::Sleep(AwardShowMs);

    if (gCountDownScore) {
        // Twenty steps of a twentieth, at least one point each, and the last step pays what is left,
        // so exactly the points are added and the figure ends at 0.
        const std::int64_t magnitude = points < 0 ? -points : points;
        const std::int64_t stepSize = std::max<std::int64_t>(1, platform::roundHalfEven(double(magnitude) / 20.0));
        std::int64_t remaining = magnitude;
        const int sign = points < 0 ? -1 : 1;
        while (remaining > 0) {
            const std::int64_t paid = std::min(stepSize, remaining);
            remaining -= paid;
            addToScore(Form, sign * paid);
            showFigure(Form, sign * remaining, platform::ColorBlack);
            snap();
            platform::Sleep(StepMs);
        }
    } else {
        addToScore(Form, points);
    }

    Form.lblCurrentScore->setForeColor(platform::ColorBlue);
    Form.lblScoring->setVisible(false);
}
