#include "games/tallies/frmSave.h"

#include "platform/Label.h"

#include <QLabel>
#include <QLineEdit>

namespace {
TalliesGameFileDialog::Texts saveTexts()
{
    return {QStringLiteral("Save Game"),
            QStringLiteral("Save as:"),
            QStringLiteral("Enter the filename to be used for the saved game"),
            QStringLiteral("Saves the game to the specified filename"),
            QStringLiteral("Cancels the save"),
            QStringLiteral("Use this dialog to save the last game played. ") +
                QStringLiteral("You may load a saved game later to replay it. This cannot be used to save a game in "
                               "progress.")};
}
} // namespace

frmSave::frmSave(QWidget* parent) : TalliesGameFileDialog(QFileDialog::AcceptSave, saveTexts(), parent)
{
    lblSaveInfo = infoLabel();
    auto* label = new QLabel(QStringLiteral("Player name:"), this);
    txtUserName = new QLineEdit(this);
    txtUserName->setToolTip(QStringLiteral("Enter your name if you want it to be saved with this game"));
    label->setBuddy(txtUserName);
    addRow(label, txtUserName);
}
