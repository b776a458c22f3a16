// The window's settings: what the load applies after its built-in defaults, and what closing keeps.
// Tallies.Ini is not kept yet, so the window always opens with those defaults and closing writes nothing.
#include "games/tallies/frmTallies.h"

void frmTallies::ReadSettingsINI() {}

void frmTallies::writeSettings() {}
