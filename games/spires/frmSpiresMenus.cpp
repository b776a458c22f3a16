// The Spires window's menus: the entries, and what the time-limit, card-back, high-score, high-run
// and user-options entries do.
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/spires/SpiresRound.h"
#include "games/spires/frmSpires.h"
#include "games/spires/frmSpiresCustom.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QMenu>

void frmSpires::buildMenus()
{
    QMenu* game = addTopMenu(QStringLiteral("&Game"), QStringLiteral("mnuGame"));
    mnuPlay = addEntry(game, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { Play(); });
    mnuPause = addEntry(game, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { PauseGame(); });
    mnuPause->setEnabled(false);
    mnuTakeScore = addEntry(game, QStringLiteral("mnuTakeScore"), QStringLiteral("&Take Score"), ctrl('T'),
                            [this] { cmdTakeScore_Click(); });
    mnuTakeScore->setEnabled(false);
    addSeparator(game, "mnuBreak0");
    mnuExit = addEntry(game, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { close(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuViewHiScore = addEntry(options, QStringLiteral("mnuViewHiScore"), QStringLiteral("&View High Scores..."),
                              ctrl('V'), [this] { mnuViewHiScore_Click(); });
    mnuClearHighScores = addEntry(options, QStringLiteral("mnuClearHighScores"),
                                  QStringLiteral("&Clear High Scores..."), ctrl('C'),
                                  [this] { mnuClearHighScores_Click(); });
    mnuClearHighRun = addEntry(options, QStringLiteral("mnuClearHighRun"), QStringLiteral("Clear &High Run"), ctrl('H'),
                               [this] { mnuClearHighRun_Click(); });
    addSeparator(options, "mnuBreak1");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    addSeparator(options, "mnuBreak3");
    mnuCustom = addEntry(options, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."), ctrl('U'),
                         [this] { mnuCustom_Click(); });
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{30, QStringLiteral("&30 seconds")},
                      {45, QStringLiteral("&45 seconds (default)")},
                      {60, QStringLiteral("&60 seconds")},
                      {90, QStringLiteral("&90 seconds ")}});
    addDeckMenu(options, QStringLiteral("Dec&k"));

    nameSeparators(addHelpMenu(QStringLiteral("&Rules..."), QStringLiteral("&About")), QStringLiteral("mnusep10"));
}

void frmSpires::onTimeLimitChosen() { ShowTopHighScore(spires::FileBase, *this, spires::DefaultScore); }

void frmSpires::onCardBackChosen(CardBackDesign)
{
    RefreshPlayCard();
    RefreshFieldCards();
}

void frmSpires::mnuViewHiScore_Click()
{
    runDialog(DialogPause::AroundTable, [this] { frmHighScores::showModal(this); });
}

void frmSpires::mnuClearHighScores_Click()
{
    runDialog(DialogPause::AroundTable, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(spires::FileBase, spires::DefaultScore);
    });
}

void frmSpires::mnuClearHighRun_Click()
{
    runDialog(DialogPause::AroundDialog, [this] {
        const int answer = platform::MsgBox(QStringLiteral("This will clear the current high run value. Are you sure?"),
                                            platform::vbYesNo | platform::vbQuestion, gGameTitle);
        if (answer != platform::vbYes)
            return;
        board.mHighRun = 0;
        lblHighRun->setCaption(QStringLiteral("Highest Run: ") + QString::number(board.mHighRun));
    });
}

void frmSpires::mnuCustom_Click()
{
    // Only reachable between games: a round switches the entry off.
    frmSpiresCustom dialog(this);
    dialog.exec();
}
