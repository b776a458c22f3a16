#pragma once
// The end-of-round count-ups: a bonus shown as a figure in the form's lblScoring and paid into gScore,
// at once or step by step (gCountDownScore) with a snap sound and a short wait per step. Both block the
// calling handler until the figure is paid.
#include <QString>
#include <cstdint>

class GameForm;

// Pays the seconds left, gTimeLimit - gElapsed, at PerSecond each ("Speed Bonus!"); counting down runs
// the dial out to full and leaves gElapsed at the limit. Gridhand multiplies by gHandPoints and writes
// no message of its own; Cairnwell puts the message left of the figure.
void ShowSpeedBonus(GameForm& Form, std::int32_t PerSecond);

// Pays Count x Value points under the heading Text & "!".
void AwardPoints(GameForm& Form, std::int32_t Count, std::int32_t Value, const QString& Text);

// Puts the figure where the count-ups put it for the window's present width: across the window's
// middle, on Gridhand across its outline, with Cairnwell's message left of it. A window resized during
// a count-up puts it there again.
void PlaceBonusFigure(GameForm& Form);
