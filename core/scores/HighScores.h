#pragma once
#include "core/scores/HighScoreTable.h"

#include <QString>
#include <functional>
#include <stdexcept>

class GameForm;

// A table file that cannot be read or written, or that holds a score that is not a number.
class HighScoreTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// High-score tables: ten entries per game and time limit (Tallies also per card goal) in the program folder.

// Puts the table's best score into Form.lblHighScore, writing the default table first when there is none;
// when no table can be read the label shows no score. Never throws.
void ShowTopHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore);
// Writes ten default entries over the table. Never throws: a table that cannot be written stays as it was.
void WriteDefaultHighScores(const QString& FileBase, GameForm& Form, const QString& DefaultScore);
// Merges gScore into the table; when it enters, asks the player's name and shows the table. A table
// that is missing (a limit no menu showed before) or empty is first written with ten DefaultScore entries.
// While another copy of the suite holds the table, waits for it with the window still painting; if it
// is not let go in time the player is told, and the score is not entered.
// Throws HighScoreTableError when the table cannot be read or written.
void CheckHighScore(const QString& FileBase, GameForm& Form, const QString& DefaultScore = QString());

// The table file of FileBase at the current time limit; "frmTallies" adds "_" and the card goal.
QString HighScoreTablePath(const QString& FileBase, const QString& FormName);

// The table the file at Path holds, or nothing when the file cannot be read.
std::optional<HighScoreTable> ReadHighScoreTableFile(const QString& Path);
// Writes ten default entries to the table file; false when it could not be written.
bool WriteDefaultHighScoreTable(const QString& Path, const QString& DefaultScore);
// Clear High Scores, from a game's menu or the viewer: writes the default table, or tells the player
// with the one message both use that it could not be written (the table stays as it was).
bool ClearHighScoreTable(const QString& Path, const QString& DefaultScore);

// The windows CheckHighScore opens when a score enters the table. Tests replace them; a member left
// empty means the real window (the modal name prompt, the modal table viewer over Form).
struct HighScoreDialogs {
    // The name typed for the new entry; an empty text is entered as "Unknown User".
    std::function<QString(GameForm& Form)> askPlayerName;
    std::function<void(const QString& FileBase, GameForm& Form)> showTable;
};
void setHighScoreDialogs(HighScoreDialogs dialogs);
