#include "core/scores/GameOver.h"

#include "core/window/GameForm.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QAction>
#include <QPushButton>
#include <exception>

namespace {
template <typename Control>
void setEnabled(Control* control, bool on)
{
    if (control)
        control->setEnabled(on);
}
template <typename Control>
void setCaption(Control* control, const QString& caption)
{
    if (control)
        control->setText(caption);
}
} // namespace

void GameOver(GameForm& Form, const QString& FileBase, const QString& DefaultScore)
{
    if (Form.Timer1)
        Form.Timer1->setEnabled(false);
    gGameInProgress = false;
    nextGameNumber();

    setCaption(Form.cmdPlay, QStringLiteral("&Play"));
    setCaption(Form.mnuPlay, QStringLiteral("&Play"));

    setEnabled(Form.mnuCustom, true);
    setEnabled(Form.mnuTime, true);
    if (Form.IsForm("frmSpires"))
        setEnabled(Form.mnuClearHighRun, true);

    setEnabled(Form.cmdPause, false);
    if (!Form.IsForm("frmGridhand"))
        setEnabled(Form.cmdTakeScore, false);
    setEnabled(Form.mnuPause, false);
    if (!Form.IsForm("frmCairnwell") && !Form.IsForm("frmGridhand") && !Form.IsForm("frmQuickjack"))
        setEnabled(Form.mnuTakeScore, false);

    try {
        CheckHighScore(FileBase, Form, DefaultScore);
        ShowTopHighScore(FileBase, Form, DefaultScore);
    } catch (const std::exception&) {
        platform::MsgBox(QStringLiteral("An error occured when attmpting to access the High Score Table. "
                                        "Please close and restart the game."),
                         platform::vbCritical, gGameTitle);
    }

    // The game is over whatever became of the table: the window goes idle all the same.
    Form.ShowCards(false);
    Form.ShowControls(false, true);
    if (Form.StatusBar1)
        Form.StatusBar1->setPanelText(1, QStringLiteral("Game Over"));
}
