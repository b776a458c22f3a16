#include "core/TimerPie.h"

// Placeholder until the dial lands.
void InitTimerSurface(GameForm&) {}
void DrawTimerPie(int, GameForm&) {}
