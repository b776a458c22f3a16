#pragma once
// Where the Stackjack window's controls stand, in twips of the board (the area under the menu bar).
// Only the Lefts and a few widths follow the window's width; every Top stays where it is drawn here.
#include <array>

namespace stackjack::layout {

constexpr int MinWidth = 9540;
constexpr int MinHeight = 7305;

constexpr int CardWidth = 1065;
constexpr int CardHeight = 1440;

// Left of each column as a share of the window's width: 420, 1875, 3330, 4785, 6240 at the minimum.
constexpr std::array<double, 5> ColumnShare{0.0440251572327, 0.1965408805031, 0.3490566037736, 0.501572327044,
                                           0.6540880503145};
// Left of the card-total table: 7660 at the minimum width.
constexpr double ScoreFrameShare = 0.8029350104822;

// The columns, top down: Hit button, soft mark, column total, then the five card slots.
constexpr int HitTop = 120;
constexpr int HitHeight = 375;
constexpr int SoftTop = 540;
constexpr int TotalTop = 750;
constexpr int TotalHeight = 390;
constexpr int SlotTop = 1230;
constexpr int SlotStep = 360;

// The message box over the board.
constexpr int OutlineTop = 1320;
constexpr int OutlineHeight = 2460;

// The row under the columns: deck and card on show, Pass and the round, the clock, the score.
constexpr int BottomRowTop = 4350;
constexpr int CaptionTop = 4335;  // "Time Bonus:" and "Score:"
constexpr int SurfaceTop = 4650;
constexpr int SurfaceSize = 1155;
constexpr int TimerRectWidth = 1335;
constexpr int TimerRectHeight = 1215;
constexpr int TimerBevelLength = 1200;
constexpr int ScoreRectWidth = 1380;
constexpr int ScoreRectHeight = 1215;
constexpr int TotalScoreTop = 4740;
constexpr int HighScoreTop = 5190;
constexpr int PassWidth = 1065;
constexpr int PassHeight = 390;
constexpr int RoundTop = 5175;

// The right-hand side: the card-total table, the card total, Give Up, then the game buttons.
constexpr int ScoreFrameTop = 90;
constexpr int ScoreFrameWidth = 1665;
constexpr int ScoreFrameHeight = 3150;
constexpr int TableFirstRowTop = 345;
constexpr int TableRowStep = 270;
constexpr int TableRowHeight = 255;
constexpr int TableTotalLeft = 250;
constexpr int TablePointsLeft = 950;
constexpr int TableLabelWidth = 600;
constexpr int CardTotalTop = 3345;
constexpr int CardTotalHeight = 1005;
constexpr int CurrentTotalTop = 3600;
constexpr int ButtonWidth = 1380;
constexpr int GiveUpTop = 4455;
constexpr int GiveUpHeight = 420;
constexpr int PlayTop = 5025;
constexpr int PauseTop = 5430;
constexpr int QuitTop = 5835;
constexpr int ButtonHeight = 375;

// The splash shown while no game runs.
constexpr int SplashTop = 240;
constexpr int SplashWidth = 5700;
constexpr int SplashHeight = 4035;

} // namespace stackjack::layout
