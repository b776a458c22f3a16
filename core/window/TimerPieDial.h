#pragma once
// The round-clock dial as plain state: what to fill, in which colour, and what becomes of the
// redraw timer. Painting it is the clock surface's business.
#include <vector>

// One filled slice, in clock degrees: 0 at twelve o'clock, growing clockwise.
struct PieSlice {
    double fromDegrees;
    double toDegrees;
    long color; // blue-green-red
};

// What the surface shows: the slices, then a grey cross and a black ring over them.
// Coordinates are twips of the surface; with a radius that is not positive nothing is drawn.
struct PiePicture {
    int centerX = 0;
    int centerY = 0;
    float radius = 0;
    std::vector<PieSlice> slices;
};

enum class Timer2Change { Keep, Enable, Disable };

struct PieDrawing {
    PiePicture picture;
    Timer2Change timer2 = Timer2Change::Keep;
};

// The one dial of the suite (only one game window draws at a time). The colour of the last quarter
// blinks between red and the colour it had at the first draw of the run, which is white.
class TimerPieDial {
public:
    static constexpr long Green = 65280;
    static constexpr long Yellow = 65535;
    static constexpr long Red = 255;
    static constexpr long White = 16777215;
    static constexpr long Grey = 12632256;
    static constexpr long Black = 0;
    static constexpr int Margin = 30; // twips between the ring and the nearer edge

    // Centres the dial on a surface of the given size in twips and resets the blink to white.
    void init(int surfaceWidth, int surfaceHeight);
    // The whole dial for Angle degrees (0..360); other angles show the empty dial.
    PieDrawing draw(int Angle);

    int gPieCenterX = 0;
    int gPieCenterY = 0;
    float gPieRadius = 0;
    long gPieColor = 0;
    long gPieSavedColor = 0; // taken once, at the first draw of the run
};
