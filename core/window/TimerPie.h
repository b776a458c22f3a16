#pragma once
class GameForm;
class TimerPieDial;

// Prepares the form's clock surface for a new round: centres the dial and shows it empty.
void InitTimerSurface(GameForm& Form);
// Draws the round-clock dial at Angle degrees (0..360) on the form's surface: green to half time,
// yellow to three quarters, then the last quarter blinking red and white while Timer2 runs.
void DrawTimerPie(int Angle, GameForm& Form);

// The dial's angle for the seconds elapsed of a round, rounded half to even;
// 0 for a round without a time limit, so the dial shows empty rather than dividing by zero.
int PieAngle(int elapsed, int timeLimit);

// The suite's one dial, for tests to look into.
TimerPieDial& TimerPieState();
