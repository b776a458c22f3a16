// The Quickjack window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/CardImage.h"
#include "core/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/frmHighScores.h"
#include "games/quickjack/QuickjackSettings.h"
#include "games/quickjack/frmQuickjack.h"
#include "games/quickjack/frmQuickjackCustomScoring.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("QuickjackHiScores");
const QString DefaultScore = QStringLiteral("50000");

QKeySequence ctrl(char letter) { return QKeySequence(QStringLiteral("Ctrl+") + QLatin1Char(letter)); }

void addSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); }
} // namespace

void frmQuickjack::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { Play(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { PauseGame(); });
    mnuPause->setEnabled(false);
    addSeparator(file, "mnuSep1");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"));
    options->menuAction()->setObjectName(QStringLiteral("mnuOptions"));
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
    runDialog(DialogPause::AroundTable, [this] {
        // A limit never played has no table yet; one that exists but cannot be read is kept for the player.
        if (!QFileInfo::exists(HighScoreTablePath(FileBase, Name())))
            WriteDefaultHighScores(FileBase, *this, DefaultScore);
        frmHighScores::showModal(this);
    });
}

void frmQuickjack::mnuClear_Click()
{
    const int answer = platform::MsgBox(QStringLiteral("This will clear all High Scores. Are You Sure?"),
                                        platform::vbYesNo | platform::vbQuestion, gGameTitle);
    if (answer != platform::vbYes)
        return;
    const QString table = HighScoreTablePath(FileBase, Name());
    if (!WriteDefaultHighScoreTable(table, DefaultScore))
        platform::MsgBox(QStringLiteral("Unable to clear the High Scores: ") + QDir::toNativeSeparators(table) +
                             QStringLiteral(" could not be written."),
                         platform::vbExclamation, gGameTitle);
    ShowTopHighScore(FileBase, *this, DefaultScore);
}

void frmQuickjack::mnuUserOptions_Click()
{
    frmQuickjackCustomScoring dialog(this);
    dialog.exec();
}
