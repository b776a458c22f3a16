#include "core/window/ClockSurface.h"
#include "core/window/GameForm.h"
#include "core/window/TimerPie.h"
#include "core/window/TimerPieDial.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "support/Screenshot.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <ostream>
#include <gtest/gtest.h>

namespace {

// The least a game window must offer for the dial: a surface and the redraw timer.
class DialForm : public GameForm {
public:
    DialForm()
    {
        Surface = new ClockSurface(&window);
        Timer2 = new platform::Timer(&window, 200, false);
        QPalette p = Surface->palette();
        p.setColor(QPalette::Window, QColor(170, 130, 230)); // far from every dial colour
        Surface->setPalette(p);
    }
    QString Name() const override { return QStringLiteral("frmDialTest"); }
    QWidget* Form() override { return &window; }
    void ShowCards(bool) override {}
    void ShowControls(bool, bool) override {}

    QWidget window;
};

enum class Hue { Background, Green, Yellow, Red, White, Grey, Other };

const char* name(Hue h)
{
    static const char* names[] = {"background", "green", "yellow", "red", "white", "grey", "other"};
    return names[int(h)];
}

void PrintTo(Hue h, std::ostream* os) { *os << name(h); }

Hue hueOf(const QColor& c)
{
    auto near = [&](int r, int g, int b) {
        return std::abs(c.red() - r) < 40 && std::abs(c.green() - g) < 40 && std::abs(c.blue() - b) < 40;
    };
    if (near(170, 130, 230)) return Hue::Background;
    if (near(0, 255, 0)) return Hue::Green;
    if (near(255, 255, 0)) return Hue::Yellow;
    if (near(255, 0, 0)) return Hue::Red;
    if (near(255, 255, 255)) return Hue::White;
    if (near(192, 192, 192)) return Hue::Grey;
    return Hue::Other;
}

class Dial : public ::testing::Test {
protected:
    // 600 x 600 pixels: a radius of 298 pixels, so one degree near the rim is several pixels wide.
    void SetUp() override { sized(600, 600); }

    void sized(int w, int h)
    {
        form.Surface->resize(w, h);
        InitTimerSurface(form);
    }

    // Whether the black ring crosses the clock position: the ring is one pixel wide and antialiased,
    // so the darkest pixel across it is looked at.
    bool ringAt(double clockDegrees)
    {
        const QImage img = form.Surface->grab().toImage();
        const double r = TimerPieState().gPieRadius / platform::TwipsPerPixel;
        int darkest = 255;
        for (double d = r - 1.5; d <= r + 1.5; d += 0.5) {
            const QPoint p = pixel(clockDegrees, d);
            darkest = std::min(darkest, qGray(img.pixel(p)));
        }
        return darkest < 60;
    }

    QPoint pixel(double clockDegrees, double distance) const
    {
        const double cx = form.Surface->width() / 2 + 0.5, cy = form.Surface->height() / 2 + 0.5;
        const double a = clockDegrees * M_PI / 180.0;
        return {int(std::floor(cx + distance * std::sin(a))), int(std::floor(cy - distance * std::cos(a)))};
    }

    // The colour on the painted surface at a clock position (degrees from twelve, clockwise)
    // and a fraction of the radius.
    Hue at(double clockDegrees, double ofRadius = 0.9)
    {
        const QImage img = form.Surface->grab().toImage();
        return hueOf(img.pixelColor(pixel(clockDegrees, TimerPieState().gPieRadius / platform::TwipsPerPixel * ofRadius)));
    }

    DialForm form;
};

struct Probe {
    double clockDegrees;
    Hue hue;
};
struct DialCase {
    int angle;
    std::vector<Probe> probes;
};

} // namespace

TEST_F(Dial, FillsClockwiseFromTwelveGreenThenYellow)
{
    const Hue B = Hue::Background, G = Hue::Green, Y = Hue::Yellow;
    const DialCase cases[] = {
        {0, {{2, B}, {45, B}, {135, B}, {225, B}, {315, B}}},
        {1, {{0.5, G}, {3, B}}},
        {90, {{2, G}, {45, G}, {88, G}, {92, B}, {315, B}}},
        {91, {{45, G}, {90.5, G}, {93, B}}},
        {180, {{45, G}, {135, G}, {178, G}, {182, B}, {315, B}}},
        {181, {{135, G}, {180.5, Y}, {183, B}}},
        {270, {{135, G}, {225, Y}, {268, Y}, {272, B}, {358, B}}},
        {-5, {{45, B}, {315, B}}},
        {400, {{45, B}, {315, B}}},
    };
    for (const DialCase& c : cases) {
        DrawTimerPie(c.angle, form);
        for (const Probe& p : c.probes)
            EXPECT_EQ(at(p.clockDegrees), p.hue) << "angle " << c.angle << " at " << p.clockDegrees << " degrees";
        EXPECT_FALSE(form.Timer2->enabled()) << c.angle;
    }
}

TEST_F(Dial, AlwaysShowsTheBlackRingAndGreyCross)
{
    for (int angle : {0, 135, 360}) {
        DrawTimerPie(angle, form);
        for (double clock : {30.0, 150.0, 300.0})
            EXPECT_TRUE(ringAt(clock)) << angle << " ring at " << clock;
        EXPECT_EQ(at(30, 1.05), Hue::Background) << angle << " outside the ring";
        for (double clock : {0.0, 90.0, 180.0, 270.0})
            EXPECT_EQ(at(clock, 0.5), Hue::Grey) << angle << " cross at " << clock;
    }
}

TEST_F(Dial, LastQuarterBlinksRedAndWhiteWhileTimer2Runs)
{
    DrawTimerPie(300, form);
    EXPECT_TRUE(form.Timer2->enabled());
    EXPECT_EQ(at(280), Hue::Red);
    EXPECT_EQ(at(225), Hue::Yellow);
    EXPECT_EQ(at(305), Hue::Background);
    saveScreenshot(form.Surface, QStringLiteral("dial-300"));

    DrawTimerPie(300, form);
    EXPECT_EQ(at(280), Hue::White);
    DrawTimerPie(301, form);
    EXPECT_EQ(at(280), Hue::Red);
    EXPECT_TRUE(form.Timer2->enabled());

    DrawTimerPie(271, form);
    EXPECT_EQ(at(270.5), Hue::White);
    EXPECT_EQ(at(273), Hue::Background);
}

TEST_F(Dial, FullDialStopsTimer2AndStaysRedUntilTheNextRound)
{
    DrawTimerPie(300, form); // red
    DrawTimerPie(300, form); // white
    DrawTimerPie(360, form);
    EXPECT_FALSE(form.Timer2->enabled());
    EXPECT_EQ(TimerPieState().gPieColor, TimerPieDial::Red);
    for (const Probe& p : {Probe{45, Hue::Green}, {135, Hue::Green}, {225, Hue::Yellow}, {315, Hue::Red}, {358, Hue::Red}})
        EXPECT_EQ(at(p.clockDegrees), p.hue) << p.clockDegrees;

    InitTimerSurface(form);
    EXPECT_EQ(TimerPieState().gPieColor, TimerPieDial::White);
    EXPECT_EQ(at(315), Hue::Background);
    DrawTimerPie(315, form);
    EXPECT_EQ(at(300), Hue::Red);
}

TEST_F(Dial, WideSurfaceTakesItsRadiusFromTheHeight)
{
    sized(800, 400); // 12000 x 6000 twips
    EXPECT_EQ(TimerPieState().gPieCenterX, 6000);
    EXPECT_EQ(TimerPieState().gPieCenterY, 3000);
    EXPECT_FLOAT_EQ(TimerPieState().gPieRadius, 2970.0f);
    DrawTimerPie(90, form);
    EXPECT_EQ(at(45), Hue::Green);
    EXPECT_TRUE(ringAt(45));
    EXPECT_EQ(at(90, 1.2), Hue::Background);

    sized(300, 500); // and a tall one from its width
    EXPECT_FLOAT_EQ(TimerPieState().gPieRadius, 2220.0f);
}

TEST_F(Dial, SurfaceTooSmallForARingDrawsNoSlices)
{
    sized(3, 3); // 45 twips: the margin leaves no radius
    EXPECT_LE(TimerPieState().gPieRadius, 0.0f);
    for (int angle : {90, 300, 360}) {
        DrawTimerPie(angle, form);
        EXPECT_TRUE(form.Surface->picture().slices.empty()) << angle;
    }
    EXPECT_FALSE(form.Timer2->enabled());
    const QImage img = form.Surface->grab().toImage();
    EXPECT_EQ(hueOf(img.pixelColor(1, 1)), Hue::Background);
}

TEST(PieAngle, ScalesElapsedSecondsAndSurvivesANoLimitRound)
{
    const struct {
        int elapsed, limit, angle;
    } cases[] = {{0, 60, 0}, {15, 60, 90}, {60, 60, 360}, {1, 720, 0}, {3, 720, 2}, {5, 0, 0}, {5, -1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PieAngle(c.elapsed, c.limit), c.angle) << c.elapsed << "/" << c.limit;
}

TEST(PieDialModel, BlinkColourIsTakenOnceAtTheFirstDraw)
{
    TimerPieDial dial;
    dial.init(1800, 1800);
    EXPECT_EQ(dial.gPieSavedColor, 0);
    dial.draw(0);
    EXPECT_EQ(dial.gPieSavedColor, TimerPieDial::White);
    const PieDrawing full = dial.draw(360);
    ASSERT_EQ(full.picture.slices.size(), 4u);
    EXPECT_EQ(full.picture.slices.back().color, TimerPieDial::Red);
    EXPECT_EQ(dial.gPieSavedColor, TimerPieDial::White); // not taken again from the red
    EXPECT_EQ(dial.draw(300).picture.slices.back().color, TimerPieDial::White);
}
