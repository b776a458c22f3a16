#pragma once
// Saving the last game, and opening a saved game to replay its deals: from the Game menu's dialogs
// and from the command line.
#include <QString>
#include <functional>
#include <optional>

namespace tallies {

// The name a typed file name is saved or opened under: ".tgm" is added when the name has no ".".
QString SavedGameFileName(const QString& FileName);

// Writes the last game to FileName (".tgm" added as above) through a temporary file. On failure
// (no name, a "*" or "?" in it, a folder that cannot be written) shows "Unable to save the file. ..."
// and returns false, so the dialog can be shown again.
bool SaveLastGame(const QString& FileName, const QString& UserName);

// What opening a saved game asks of the Tallies window.
struct TalliesReplayHooks {
    std::function<void(int goal)> chooseCardGoal;    // mnu10_Click .. mnu15_Click
    std::function<void(int seconds)> chooseTimeLimit; // mnu30_Click .. mnu180_Click
    // Timer4 off, frmSplash hidden, cmdTakeScore caption "&Replay", then cmdPlay_Click.
    std::function<void()> startReplay;
};

// Reads FileName whole; a missing or damaged file changes nothing, shows "Unable to open the
// requested file. ..." and returns false. Otherwise switches to the saved goal, puts the saved decks
// in place, shows the summary (asking to switch to the saved time limit when it differs) and starts
// the replay (gTalliesReplay set). Returns true.
bool ReadSavedGame(const QString& FileName, const TalliesReplayHooks& Window);

// The saved game named on the command line, for Form_Activate: a non-empty command line is opened
// the first time only (whether or not it can be read); mCommandLineOpened remembers that. Returns
// whether a game was opened now.
bool OpenCommandLineGame(const QString& CommandLine, bool& mCommandLineOpened, const TalliesReplayHooks& Window);

// The program's command line after the program name, as one text (arguments joined by blanks).
QString CommandLineText();
// Tests give the window its command line here; nullopt goes back to the program's own.
void setCommandLineText(std::optional<QString> text);

} // namespace tallies
