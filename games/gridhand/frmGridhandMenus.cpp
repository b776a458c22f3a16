// The Gridhand window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/gridhand/frmGridhand.h"
#include "games/gridhand/frmGridhandCustom.h"

#include <QAction>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("GridhandHighScores");
const QString DefaultScore = QStringLiteral("30000");
} // namespace

void frmGridhand::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { mnuPlay_Click(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'),
                        [this] { mnuPause_Click(); });
    mnuPause->setEnabled(false);
    addSeparator(file, "mnuBreak");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), QKeySequence(), [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuView = addEntry(options, QStringLiteral("mnuView"), QStringLiteral("&View High Scores..."), ctrl('V'),
                       [this] { mnuView_Click(); });
    mnuClear = addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Clear High Scores..."), ctrl('C'),
                        [this] { mnuClear_Click(); });
    addSeparator(options, "mnuSep4");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    mnuSounds->setChecked(true);
    addSeparator(options, "mnuSep3");
    mnuCustom = addEntry(options, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."), ctrl('U'),
                         [this] { mnuCustom_Click(); });
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{30, QStringLiteral("&30 seconds")},
                      {45, QStringLiteral("&45 seconds")},
                      {60, QStringLiteral("&60 seconds  ")},
                      {75, QStringLiteral("&75 seconds (default)")},
                      {90, QStringLiteral("&90 seconds")},
                      {105, QStringLiteral("&105 seconds")},
                      {120, QStringLiteral("&120 seconds")}});
    addDeckMenu(options, QStringLiteral("Dec&k"));

    nameSeparators(addHelpMenu(), QStringLiteral("sep6"));
}

void frmGridhand::onTimeLimitChosen() { ShowTopHighScore(FileBase, *this, DefaultScore); }

void frmGridhand::onCardBackChosen(CardBackDesign design)
{
    // The deck shows the design's full stack until the next draw; the grid and the hole card are faces.
    CardStackPicture->setPicture(int(design));
}

void frmGridhand::mnuView_Click()
{
    runDialog(DialogPause::AroundTable, [this] { showHighScoreTable(FileBase, DefaultScore); });
}

void frmGridhand::mnuClear_Click()
{
    runDialog(DialogPause::AroundTable, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(FileBase, DefaultScore);
    });
}

void frmGridhand::mnuCustom_Click()
{
    // Only reachable between games: a game switches the entry off.
    frmGridhandCustom dialog(this);
    dialog.exec();
}
