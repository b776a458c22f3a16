#include "games/tallies/frmOpen.h"

#include "platform/Label.h"

namespace {
TalliesGameFileDialog::Texts openTexts()
{
    return {QStringLiteral("Open Game"),
            QStringLiteral("Game file:"),
            QStringLiteral("Enter the name of the saved game to open"),
            QStringLiteral("Opens the specified saved game"),
            QStringLiteral("Cancels opening a saved game"),
            QStringLiteral("Use this dialog to open a previously saved game. If you want to use ") +
                QStringLiteral("customized scoring you must set that option before opening a saved game.")};
}
} // namespace

frmOpen::frmOpen(QWidget* parent) : TalliesGameFileDialog(QFileDialog::AcceptOpen, openTexts(), parent)
{
    lblOpenInfo = infoLabel();
}
