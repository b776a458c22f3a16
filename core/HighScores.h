#pragma once
#include <QString>

class GameForm;

// High-score tables: ten entries per game and time limit (Tallies also per card goal) in the program folder.
void ShowTopHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore);
void WriteDefaultHighScores(const QString& FileBase, GameForm& Form, const QString& DefaultScore);
// Merges gScore into the table; throws HighScoreTableError when the table cannot be read or written.
void CheckHighScore(const QString& FileBase, GameForm& Form);
