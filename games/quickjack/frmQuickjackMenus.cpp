// The Quickjack window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/quickjack/QuickjackSettings.h"
#include "games/quickjack/frmQuickjack.h"
#include "games/quickjack/frmQuickjackCustomScoring.h"

#include <QAction>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("QuickjackHiScores");
const QString DefaultScore = QStringLiteral("50000");
} // namespace

void frmQuickjack::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { Play(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { PauseGame(); });
    mnuPause->setEnabled(false);
    addSeparator(file, "mnuSep1");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    addEntry(options, QStringLiteral("mnuViewHighScores"), QStringLiteral("&View High Scores..."), ctrl('V'),
             [this] { mnuViewHighScores_Click(); });
    addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Clear High Scores..."), ctrl('C'),
             [this] { mnuClear_Click(); });
    addSeparator(options, "mnuSep2");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    addSeparator(options, "mnuSep3");
    mnuUserOptions = addEntry(options, QStringLiteral("mnuUserOptions"), QStringLiteral("&User Options..."), ctrl('U'),
                              [this] { mnuUserOptions_Click(); });
    mnuCustom = mnuUserOptions;
    addDeckMenu(options, QStringLiteral("&Deck"));
    addTimeLimitMenu(options, QStringLiteral("&Time limit"),
                     {{15, QStringLiteral("&15 Seconds (for the daring)")},
                      {30, QStringLiteral("&30 Seconds")},
                      {60, QStringLiteral("&60 Seconds")},
                      {90, QStringLiteral("&90 Seconds (default)")},
                      {120, QStringLiteral("&120 Seconds")}});
    mnuTimeLimit = mnuTime;
    mnuTimeLimit->setObjectName(QStringLiteral("mnuTimeLimit"));

    addHelpMenu(QStringLiteral("&Rules..."), QStringLiteral("&About"), DialogPause::None, DialogPause::AroundTable);
}

void frmQuickjack::onTimeLimitChosen() { ShowTopHighScore(FileBase, *this, DefaultScore); }

int frmQuickjack::deckDesignNumber(CardBackDesign design) const { return quickjack::DeckDesignNumber(design); }

void frmQuickjack::onCardBackChosen(CardBackDesign)
{
    // An emptied deck stays empty; any other stage is redrawn in the new design.
    if (!PlayCardPicture->shows(QStringLiteral("EMPTY")))
        RefreshPlayCard();
}

void frmQuickjack::mnuViewHighScores_Click()
{
    runDialog(DialogPause::AroundTable, [this] { showHighScoreTable(FileBase, DefaultScore); });
}

void frmQuickjack::mnuClear_Click()
{
    if (confirmClearHighScores())
        resetHighScoreTable(FileBase, DefaultScore);
}

void frmQuickjack::mnuUserOptions_Click()
{
    frmQuickjackCustomScoring dialog(this);
    dialog.exec();
}
