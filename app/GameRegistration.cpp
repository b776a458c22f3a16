#include "app/GameRegistration.h"

#include "core/launcher/GameCatalog.h"
#include "games/cairnwell/frmCairnwell.h"
#include "games/duetto/frmDuetto.h"
#include "games/gridhand/frmGridhand.h"
#include "games/quickjack/frmQuickjack.h"
#include "games/spires/frmSpires.h"
#include "games/stackjack/frmStackjack.h"
#include "games/tallies/frmTallies.h"

void registerGames()
{
    registerGameForm(QStringLiteral("Go for Tallies!"), [] { return new frmTallies; });
    registerGameForm(QStringLiteral("Stackjack!"), [] { return new frmStackjack; });
    registerGameForm(QStringLiteral("Quickjack!"), [] { return new frmQuickjack; });
    registerGameForm(QStringLiteral("Spires!"), [] { return new frmSpires; });
    registerGameForm(QStringLiteral("Duetto!"), [] { return new frmDuetto; });
    registerGameForm(QStringLiteral("Gridhand!"), [] { return new frmGridhand; });
    registerGameForm(QStringLiteral("Cairnwell!"), [] { return new frmCairnwell; });
}
