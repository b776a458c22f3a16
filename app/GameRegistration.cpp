#include "app/GameRegistration.h"

#include "core/GameCatalog.h"
#include "core/frmSelect.h"
#include "games/stackjack/frmStackjack.h"
#include "games/tallies/frmTallies.h"
#include "games/gridhand/frmGridhand.h"
#include "games/cairnwell/frmCairnwell.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
// Stands in for a game whose window is not in the suite yet.
class ComingSoonForm : public QWidget {
public:
    explicit ComingSoonForm(const QString& tagline)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(tagline);
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(tagline + QStringLiteral("\n\nThis table is being set up."), this);
        text->setAlignment(Qt::AlignCenter);
        layout->addWidget(text);
        resize(420, 240);
    }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        showLauncher();
        e->accept();
    }
};
} // namespace

void registerGames()
{
    // One line per game; a game not built yet opens the stand-in.
    auto comingSoon = [](const QString& tagline) { registerGameForm(tagline, [tagline] { return new ComingSoonForm(tagline); }); };
    registerGameForm(QStringLiteral("Go for Tallies!"), [] { return new frmTallies; });
    registerGameForm(QStringLiteral("Stackjack!"), [] { return new frmStackjack; });
    comingSoon(QStringLiteral("Quickjack!"));
    comingSoon(QStringLiteral("Spires!"));
    comingSoon(QStringLiteral("Duetto!"));
    registerGameForm(QStringLiteral("Gridhand!"), [] { return new frmGridhand; });
    registerGameForm(QStringLiteral("Cairnwell!"), [] { return new frmCairnwell; });
}
