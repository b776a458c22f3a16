#include "games/tallies/TalliesSavedGameDialogs.h"

#include "games/tallies/frmOpen.h"
#include "games/tallies/frmSave.h"

#include <QLineEdit>

namespace tallies {

namespace {
GameFileDialogRunner& runner()
{
    static GameFileDialogRunner r;
    return r;
}

std::optional<QString> run(TalliesGameFileDialog& dialog)
{
    if (runner())
        return runner()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFile();
}
} // namespace

void setGameFileDialogRunner(GameFileDialogRunner r) { runner() = std::move(r); }

bool ShowSaveGameDialog(QWidget* parent)
{
    frmSave dialog(parent);
    while (const auto file = run(dialog)) {
        if (dialog.txtUserName->text().isEmpty())
            dialog.txtUserName->setText(QStringLiteral("an anonymous user"));
        if (SaveLastGame(*file, dialog.txtUserName->text()))
            return true;
    }
    return false;
}

bool ShowOpenGameDialog(QWidget* parent, const TalliesReplayHooks& Window)
{
    frmOpen dialog(parent);
    while (const auto file = run(dialog))
        if (ReadSavedGame(SavedGameFileName(*file), Window))
            return true;
    return false;
}

} // namespace tallies
