#pragma once
// Where the Cairnwell window's anchored controls stand for a window of W x H twips (its outer size):
// the playing area hangs from the window's centre, the button column keeps its distance from the
// right edge, and the boxes follow the first column row. No control changes size.
#include <array>

namespace cairnwell::layout {

constexpr int MinWidth = 9540;
constexpr int MinHeight = 7305;

constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr int ButtonWidth = 1140;
constexpr int ButtonHeight = 350;
constexpr int BoxWidth = 1065; // trips, runs and score boxes
constexpr int BoxHeight = 510;
constexpr int TimerRectWidth = 1365;
constexpr int TimerRectHeight = 1230;
constexpr int SurfaceWidth = 1155;
constexpr int SurfaceHeight = 1140;
constexpr int FieldWidth = 5895;
constexpr int FieldHeight = 2415;
constexpr int SplashWidth = 7155;
constexpr int SplashHeight = 4050;
constexpr int OutlineWidth = 6870;
constexpr int OutlineHeight = 2280;
constexpr int BoxLeft = 375; // trips and runs boxes

struct Point {
    double left = 0;
    double top = 0;
};

struct CairnwellPlaces {
    std::array<Point, 3> tempCard;  // and their selection marks
    std::array<Point, 12> playCard; // and their selection marks
    std::array<Point, 3> upCard;    // the front card's mark takes place 2
    Point field;
    Point stack;
    double buttonLeft = 0;
    double playTop = 0, pauseTop = 0, takeScoreTop = 0, quitTop = 0;
    double tripsTop = 0, runsTop = 0;
    Point scoreBox;
    Point surface;
    Point timerRect;
    Point splash;
    Point outline; // ScoringLabelOutline
};

CairnwellPlaces PlacesFor(double W, double H);

} // namespace cairnwell::layout
