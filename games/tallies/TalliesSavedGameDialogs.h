#pragma once
// The Game menu's "Sa&ve Last Game..." and "&Open Game...": the dialog is shown again after a file
// that could not be saved or opened (the player has been told why) until a file works or the player
// cancels.
#include "games/tallies/TalliesSavedGame.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;
class TalliesGameFileDialog;

namespace tallies {

// Saves the last game; true when it was saved.
bool ShowSaveGameDialog(QWidget* parent);
// Opens a saved game and starts its replay; true when it was opened.
bool ShowOpenGameDialog(QWidget* parent, const TalliesReplayHooks& Window);

// Tests answer the dialogs here: the runner gets the dialog (frmSave or frmOpen) and returns the
// chosen file, or nullopt for Cancel. Without one, the dialog is shown modally.
using GameFileDialogRunner = std::function<std::optional<QString>(TalliesGameFileDialog& dialog)>;
void setGameFileDialogRunner(GameFileDialogRunner runner);

} // namespace tallies
