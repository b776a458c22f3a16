// The Duetto window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/duetto/frmDuetto.h"
#include "games/duetto/frmDuettoCustomScoring.h"

#include <QAction>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("DuettoHighScores");
const QString DefaultScore = QStringLiteral("30000");
} // namespace

void frmDuetto::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { Play(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { cmdPause_Click(); });
    mnuPause->setEnabled(false);
    mnuTakeScore = addEntry(file, QStringLiteral("mnuTakeScore"), QStringLiteral("&Take Score"), ctrl('T'),
                            [this] { cmdTakeScore_Click(); });
    mnuTakeScore->setEnabled(false);
    addSeparator(file, "mnuSep1");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuView = addEntry(options, QStringLiteral("mnuView"), QStringLiteral("&View High Scores..."), ctrl('V'),
                       [this] { mnuView_Click(); });
    mnuClear = addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Clear High Scores..."), ctrl('C'),
                        [this] { mnuClear_Click(); });
    addSeparator(options, "mnuSep4");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    addSeparator(options, "mnuSep3");
    mnuCustom = addEntry(options, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."), ctrl('U'),
                         [this] { mnuCustom_Click(); });
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{30, QStringLiteral("&30 seconds")},
                      {45, QStringLiteral("&45 seconds (default)")},
                      {60, QStringLiteral("&60 seconds")},
                      {75, QStringLiteral("&75 seconds")},
                      {90, QStringLiteral("&90 seconds")},
                      {105, QStringLiteral("&105 seconds")},
                      {120, QStringLiteral("1&20 seconds")}});
    addDeckMenu(options, QStringLiteral("Dec&k"));

    nameSeparators(addHelpMenu(), QStringLiteral("mnuSep5"));
}

void frmDuetto::onTimeLimitChosen() { ShowTopHighScore(FileBase, *this, DefaultScore); }

void frmDuetto::onCardBackChosen(CardBackDesign design)
{
    // The design's full stack, whatever the stock showed before.
    CardStackPicture->setPicture(int(design));
}

void frmDuetto::mnuView_Click()
{
    runDialog(DialogPause::AroundTable, [this] { frmHighScores::showModal(this); });
}

void frmDuetto::mnuClear_Click()
{
    runDialog(DialogPause::AroundTable, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(FileBase, DefaultScore);
    });
}

void frmDuetto::mnuCustom_Click()
{
    // Only reachable between games: a game switches the entry off.
    frmDuettoCustomScoring dialog(this);
    dialog.exec();
}
