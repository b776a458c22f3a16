#pragma once
// The Quickjack board at its design size, in twips: tops and sizes stay, lefts follow the window.
namespace quickjack::layout {

constexpr int MinWidth = 9060;
constexpr int MinHeight = 7155;

constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr int PileTop = 60;
constexpr int SlotTops[5] = {2355, 2745, 3150, 3555, 3945};
constexpr double ColumnShare[4] = {0.0440251572327, 0.1965408805031, 0.3490566037736, 0.501572327044};
constexpr int TotalTop = 1702;
constexpr int TotalWidth = 495;
constexpr int TotalHeight = 360;
constexpr int SoftTop = 2115;
constexpr int HitTop = 5520;
constexpr int HitHeight = 570;

constexpr int ButtonTop[3] = {60, 585, 1110}; // Play, Pause, Exit
constexpr int ButtonWidth = 1140;
constexpr int ButtonHeight = 405;
constexpr double PlayShare = 0.8493377483444;

constexpr int SurfaceTop = 285;
constexpr int SurfaceWidth = 1155;
constexpr int SurfaceHeight = 1140;
constexpr int TimerRectWidth = 1365;
constexpr int TimerRectHeight = 1230;
constexpr int TimerBevelLength = 1200;
constexpr int CaptionTop = 30;
constexpr int ScoreRectWidth = 1065;
constexpr int ScoreRectHeight = 510;

constexpr int CardsUsedTop = 638;
constexpr int CardsUsedCountTop = 615;
constexpr int FrameTop = 1740;
constexpr int FrameHeight = 2655;
constexpr int RoundTop = 4590;
constexpr int HighScoreTop = 4950;
constexpr int OutlineTop = 2655;
constexpr int OutlineHeight = 2280;
constexpr int SplashTop = 1635;
constexpr int SplashWidth = 7155;
constexpr int SplashHeight = 4050;

} // namespace quickjack::layout
