// The Stackjack window's menus: the entries, and what the time-limit, card-back, high-score and
// user-options entries do.
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/stackjack/StackjackSettings.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "games/stackjack/frmStackjack.h"
#include "games/stackjack/frmStackjackCustomScoring.h"

#include <QAction>
#include <QMenu>

namespace {
const QString FileBase = QStringLiteral("HiScores");
const QString DefaultScore = QStringLiteral("50000");
} // namespace

void frmStackjack::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(file, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { Play(); });
    mnuPause = addEntry(file, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { PauseGame(); });
    mnuPause->setEnabled(false);
    addSeparator(file, "mnuBreakone");
    mnuExit = addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { close(); });

    mnuOptions = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    addEntry(mnuOptions, QStringLiteral("mnuViewHighScores"), QStringLiteral("&View High Scores..."), ctrl('V'),
             [this] { mnuViewHighScores_Click(); });
    addEntry(mnuOptions, QStringLiteral("mnuClearHighScores"), QStringLiteral("&Clear High Scores"), ctrl('C'),
             [this] { mnuClearHighScores_Click(); });
    addSeparator(mnuOptions, "mnuBreaktwo");
    addMusicEntry(mnuOptions, QStringLiteral("Play &Music  (plays during game)"), ctrl('M'));
    addSoundsEntry(mnuOptions, QStringLiteral("&Play Sounds"), ctrl('L'));
    mnuSounds->setChecked(true);
    addSeparator(mnuOptions, "mnuSep2");
    mnuCustom = addEntry(mnuOptions, QStringLiteral("mnuCustom"), QStringLiteral("&User Options..."), ctrl('U'),
                         [this] { mnuCustom_Click(); });
    addTimeLimitMenu(mnuOptions, QStringLiteral("&Time limit"),
                     {{15, QStringLiteral("&15 Seconds")},
                      {30, QStringLiteral("&30 Seconds")},
                      {45, QStringLiteral("&45 Seconds")},
                      {60, QStringLiteral("&60 Seconds (default)")},
                      {75, QStringLiteral("&75 Seconds")}});
    addDeckMenu(mnuOptions, QStringLiteral("&Deck"),
                {CardBackDesign::PalmTree, CardBackDesign::NightCastle, CardBackDesign::MagicHands,
                 CardBackDesign::HotCards});

    nameSeparators(addHelpMenu(), QStringLiteral("mnuBreakthree"));
}

void frmStackjack::onTimeLimitChosen()
{
    stackjack::ComputeBonusDecrement();
    ShowTopHighScore(FileBase, *this, DefaultScore);
}

int frmStackjack::deckDesignNumber(CardBackDesign design) const { return stackjack::DeckDesignNumber(design); }

void frmStackjack::onCardBackChosen(CardBackDesign design)
{
    // The deck shows the design's full stack; the cards on the board are all faces.
    PlayCardPicture->setPicture(int(design));
}

void frmStackjack::mnuViewHighScores_Click()
{
    runDialog(DialogPause::AroundDialog, [this] { showHighScoreTable(FileBase, DefaultScore); });
}

void frmStackjack::mnuClearHighScores_Click()
{
    runDialog(DialogPause::AroundDialog, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(FileBase, DefaultScore);
    });
}

void frmStackjack::mnuCustom_Click()
{
    // Only reachable between games: a game switches the entry off.
    frmStackjackCustomScoring dialog(this);
    dialog.exec();
}
