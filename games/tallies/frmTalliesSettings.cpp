// The window's settings: what the load applies after its built-in defaults, and what closing keeps.
#include "games/tallies/frmTallies.h"

#include "core/cards/DeckNumbers.h"
#include "core/SuiteGlobals.h"
#include "core/settings/WindowPlacement.h"
#include "games/tallies/TalliesRoundEnd.h"
#include "games/tallies/TalliesSettings.h"
#include "games/tallies/TalliesState.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QAction>

void frmTallies::ReadSettingsINI()
{
    const tallies::TalliesSettings s = tallies::ReadSettingsINI(tallies::placementOf(this));
    if (s.selectionColor)
        chooseSelectionColor(*s.selectionColor);
    if (s.timeLimit)
        chooseTimeLimit(*s.timeLimit);
    if (s.deckDesign)
        chooseCardBack(DesignOfDeckNumber(*s.deckDesign, DeckNumbering::PalmTreeFirst).value_or(CardBackDesign::PalmTree));
    if (s.drawTimer) {
        mnuDrawTimer->setChecked(*s.drawTimer);
        gTalliesDrawTimer = *s.drawTimer;
    }
    if (s.playSounds)
        setSoundsOn(*s.playSounds);
    // Only the switch: the tune starts with the next round.
    if (s.playMusic) {
        gMusicOn = *s.playMusic;
        mnuMusic->setChecked(gMusicOn);
    }
    // Not the goal handler: the status text and the top score are the load's own business.
    if (s.cardGoal) {
        ClearGoalCheck();
        gCardGoal = *s.cardGoal;
        if (QAction* entry = goalEntry(gCardGoal)) {
            entry->setChecked(true);
            lblTallies->setCaption(QString::fromStdString(tallies::TalliesHeading(gCardGoal)));
        }
    }
    // The size first: a window opened maximised keeps it as its normal size.
    if (s.width || s.height)
        settingsfile::RestoreWindowSizeTw(*this, s.width.value_or(platform::widthTw(this)), s.height.value_or(platform::heightTw(this)));
    if (s.windowState)
        settingsfile::RestoreWindowState(*this, *s.windowState);
}

void frmTallies::writeSettings()
{
    // The player still leaves; only the options of this session are lost.
    const tallies::TalliesSettingsWriteResult written = tallies::WriteSettingsOnClose(tallies::placementOf(this));
    if (!written.ok)
        platform::MsgBox(written.message, platform::vbExclamation, gGameTitle);
}
