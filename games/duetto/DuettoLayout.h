#pragma once
// Where the Duetto window's controls stand, in twips of the table (the area under the menu bar).
// Only the Lefts follow the window's width (and the splash's Top its height); every other Top stays
// where it is drawn here.
#include <array>

namespace duetto::layout {

constexpr int MinWidth = 9570;
constexpr int MinHeight = 7200;

constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
// Tops of the five upper rows; each overlaps the one above.
constexpr std::array<int, 5> RowTop{540, 990, 1395, 1935, 2340};
constexpr int PileTop = 4260;
constexpr int StockTop = 4245;
constexpr int PileOffset = 1200;     // the pile stands this far right of the stock
constexpr int CardCountOffset = 1830; // "Cards:" stands this far left of the stock

constexpr int ButtonWidth = 1065;
constexpr int ButtonHeight = 405;
constexpr int ButtonGap = 800;       // between the layout's right edge and the buttons
constexpr int PlayTop = 4065;
constexpr int PauseTop = 4585;
constexpr int TakeScoreTop = 5105;
constexpr int ExitTop = 5625;

constexpr int BoxWidth = 1065;
constexpr int BoxHeight = 510;
constexpr int ScoreBoxTop = 2220;
constexpr int RoundBoxTop = 3285;
constexpr int PairBoxTop = 2115;
constexpr int RunBoxTop = 3285;
constexpr int TimerBoxWidth = 1365;
constexpr int TimerBoxHeight = 1230;
constexpr int TimerBoxTop = 375;
constexpr int SurfaceWidth = 1155;
constexpr int SurfaceHeight = 1140;
constexpr int SurfaceTop = 405;
constexpr int TimerBevelLength = 1200;

// Captions stand over their boxes; values inside them.
constexpr int CaptionAboveBox = 285;
constexpr int ValueInBox = 75;
constexpr int TimeTop = 1640;
constexpr int CardCountTop = 4470;
constexpr int CardsTop = 4770;
constexpr int HighScoreTop = 5160;
constexpr int HighScoreGap = 500; // right of the pile
constexpr int MessageTop = 990;
constexpr int ScoringTop = 1650;

constexpr int SplashWidth = 7155;
constexpr int SplashHeight = 4050;

} // namespace duetto::layout
