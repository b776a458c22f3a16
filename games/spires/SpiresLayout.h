#pragma once
// Where the Spires window's controls stand on the table, in design twips. The table scales all of it
// to the window: ten cards side by side must fit across the base row at every width.
namespace spires::layout {

constexpr int MinWidth = 9570;
constexpr int MinHeight = 7200;

// The design table the scale is measured against.
constexpr int DesignWidth = 10800;
constexpr int DesignHeight = 6100;

constexpr int CardWidth = 1065;
constexpr int CardHeight = 1455;
constexpr int PileWidth = 1035; // the stock and the up card
constexpr int RowTop[4] = {375, 1080, 1815, 2520};

constexpr int TowerLabelTop = 60;
constexpr int RoundCaptionTop = 330;
constexpr int BoxTop = 600;
constexpr int BoxWidth = 1500;
constexpr int BoxHeight = 450;

constexpr int BottomRowTop = 4140;
constexpr int UpCardGap = 1200; // stock Left to up card Left
constexpr int LineStep = 330;   // the label stacks
constexpr int HighScoreTop = 5700;
constexpr int RunLabelsOffset = 180; // left of card 6
constexpr int SurfaceOffset = 165;   // left of card 25
constexpr int SurfaceTop = 4320;
constexpr int SurfaceSize = 1155;
constexpr int TimeTop = 5540;
constexpr int ButtonOffset = 405; // right of card 8
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;
constexpr int ButtonStep = 450;

constexpr int MessageTop = 1500;
constexpr int ScoringTop = 2350;

} // namespace spires::layout
