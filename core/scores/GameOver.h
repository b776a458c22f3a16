#pragma once
#include <QString>

class GameForm;

// Ends a game on the form: stops the round clock, puts buttons and menus back to their idle state,
// merges gScore into the high-score table of FileBase (name prompt and viewer when it enters), shows the
// table's top score, hides the cards and the in-round controls and writes "Game Over" in the status bar.
// A table that cannot be read or written is reported to the player; the window still goes idle.
void GameOver(GameForm& Form, const QString& FileBase, const QString& DefaultScore);
