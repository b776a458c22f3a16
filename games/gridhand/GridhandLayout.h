#pragma once
// Where the Gridhand window's controls stand, in twips of the board (the area under the menu bar).
// The layout is anchored, not scaled: sizes never change, and the tops not listed here follow the
// window's height.
namespace gridhand::layout {

constexpr int MinWidth = 9540;
constexpr int MinHeight = 7305;

constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr int ColumnPitch = 1200;
constexpr int GridTop = 204;        // row 0 stays here
constexpr double SecondRowShare = 0.17;
constexpr double LabelsUnderGridShare = 0.83;
constexpr double StockShare = 0.745283018867924;    // 7110 of 9540
constexpr double HoleCardShare = 0.871069182389937; // 8310 of 9540

constexpr int LineLabelWidth = 630;
constexpr int LineLabelHeight = 210;
constexpr int ButtonWidth = 1140;
constexpr int ButtonHeight = 350;
constexpr int PlayTop = 30;
constexpr int PauseTop = 427;
constexpr int QuitTop = 825;

constexpr int SurfaceTop = 2820;
constexpr int SurfaceWidth = 1155;
constexpr int SurfaceHeight = 1140;
constexpr int TimerRectWidth = 1365;
constexpr int TimerRectHeight = 1230;
constexpr int TimeCaptionTop = 2560;
constexpr int ScoreRectTop = 1860;
constexpr int ScoreRectWidth = 1065;
constexpr int ScoreRectHeight = 510;
constexpr int OverWritesTop = 1230;
constexpr int ScoreCaptionTop = 1515;
constexpr int CurrentScoreTop = 1965;

constexpr int SplashWidth = 7635;
constexpr int SplashHeight = 4050;
constexpr int OutlineWidth = 6870;
constexpr int OutlineHeight = 2280;

} // namespace gridhand::layout
