// The Cairnwell window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/cairnwell/frmCairnwell.h"
#include "games/cairnwell/frmCairnwellCustom.h"

#include <QAction>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("CairnwellHiScores");
const QString DefaultScore = QStringLiteral("50000");
} // namespace

void frmCairnwell::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { cmdPlay_Click(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { cmdPause_Click(); });
    mnuPause->setEnabled(false);
    addSeparator(file, "mnuPlaceholder1");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), {}, [this] { mnuExit_Click(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuView = addEntry(options, QStringLiteral("mnuView"), QStringLiteral("&View High Scores..."), ctrl('V'),
                       [this] { mnuView_Click(); });
    mnuClear = addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Clear High Scores..."), ctrl('C'),
                        [this] { mnuClear_Click(); });
    addSeparator(options, "mnuPlaceholder2");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    mnuSounds->setChecked(true);
    addSeparator(options, "mnuPlaceholder3");
    mnuCustom = addEntry(options, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."), {},
                         [this] { mnuCustom_Click(); });
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{60, QStringLiteral("&60 seconds")},
                      {75, QStringLiteral("&75 seconds")},
                      {90, QStringLiteral("&90 seconds")},
                      {105, QStringLiteral("&105 seconds")},
                      {120, QStringLiteral("1&20 seconds (default)")},
                      {135, QStringLiteral("1&35 seconds")},
                      {150, QStringLiteral("1&50 seconds")},
                      {180, QStringLiteral("1&80 seconds")}});
    addDeckMenu(options, QStringLiteral("Dec&k"));

    nameSeparators(addHelpMenu(QStringLiteral("&Rules"), QStringLiteral("&About...")), QStringLiteral("mnuPlaceholder4"));
}

void frmCairnwell::onTimeLimitChosen() { ShowTopHighScore(FileBase, *this, DefaultScore); }

void frmCairnwell::onCardBackChosen(CardBackDesign)
{
    // The stack shows the design's full pile, whatever the deck position, until the deck next moves.
    table.CardStackPicture.picture = "FULL";
    showTable();
}

void frmCairnwell::mnuExit_Click()
{
    if (!gRoundOver)
        close();
}

void frmCairnwell::mnuView_Click()
{
    runDialog(DialogPause::AroundTable, [this] { showHighScoreTable(FileBase, DefaultScore); });
}

void frmCairnwell::mnuClear_Click()
{
    runDialog(DialogPause::AroundTable, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(FileBase, DefaultScore);
    });
}

void frmCairnwell::mnuCustom_Click()
{
    // Only reachable between games: a game switches the entry off.
    frmCairnwellCustom dialog(this);
    dialog.exec();
}
