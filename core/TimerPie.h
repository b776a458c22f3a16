#pragma once
class GameForm;

// Prepares the form's clock surface for a new round.
void InitTimerSurface(GameForm& Form);
// Draws the round-clock dial at Angle degrees (0..360) on the form's surface.
void DrawTimerPie(int Angle, GameForm& Form);
