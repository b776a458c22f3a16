// The Tallies window's menus: the entries, and what the option, high-score, custom-scoring and
// saved-game entries do.
#include "games/tallies/frmTallies.h"

#include "core/scores/HighScores.h"
#include "core/window/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "core/scores/frmHighScores.h"
#include "games/tallies/TalliesRoundEnd.h"
#include "games/tallies/TalliesSavedGame.h"
#include "games/tallies/TalliesSavedGameDialogs.h"
#include "games/tallies/TalliesState.h"
#include "games/tallies/frmTalliesCustomScoring.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPushButton>

namespace {
const QString FileBase = QStringLiteral("HiScores");
const QString DefaultScore = QStringLiteral("50000");

QAction* checkable(QAction* entry, bool checked = false)
{
    entry->setCheckable(true);
    entry->setChecked(checked);
    return entry;
}
} // namespace

void frmTallies::buildMenus()
{
    QMenu* game = addTopMenu(QStringLiteral("&Game"), QStringLiteral("mnuFile"));
    mnuPlay = addEntry(game, QStringLiteral("mnuPlay"), QStringLiteral("&Play"), ctrl('P'), [this] { mnuPlay_Click(); });
    mnuTakeScore = addEntry(game, QStringLiteral("mnuTakeScore"), QStringLiteral("&Take Score"), ctrl('T'),
                            [this] { mnuTakeScore_Click(); });
    mnuTakeScore->setEnabled(false);
    mnuPause = addEntry(game, QStringLiteral("mnuPause"), QStringLiteral("Pau&se"), ctrl('S'), [this] { mnuPause_Click(); });
    mnuPause->setEnabled(false);
    addSeparator(game, "mnuBreak0");
    mnuSave = addEntry(game, QStringLiteral("mnuSave"), QStringLiteral("Sa&ve Last Game..."), {}, [this] { mnuSave_Click(); });
    mnuOpen = addEntry(game, QStringLiteral("mnuOpen"), QStringLiteral("&Open Game..."), {}, [this] { mnuOpen_Click(); });
    addSeparator(game, "mnuSep11");
    mnuExit = addEntry(game, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), ctrl('X'), [this] { mnuExit_Click(); });

    QMenu* options = addTopMenu(QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuViewHiScore = addEntry(options, QStringLiteral("mnuViewHiScore"), QStringLiteral("&View High Scores..."), ctrl('V'),
                              [this] { mnuViewHiScore_Click(); });
    mnuClear = addEntry(options, QStringLiteral("mnuClear"), QStringLiteral("&Cear High Scores..."), ctrl('C'),
                        [this] { mnuClear_Click(); });
    addSeparator(options, "mnuBreak1");
    addTimeLimitMenu(options, QStringLiteral("&Time Limit"),
                     {{30, QStringLiteral(" &30 Seconds")},
                      {60, QStringLiteral(" &60 Seconds")},
                      {90, QStringLiteral(" &90 Seconds (Default)")},
                      {120, QStringLiteral("1&20 Seconds")},
                      {150, QStringLiteral("1&50 Seconds")},
                      {180, QStringLiteral("1&80 Seconds")}});
    timeLimitEntry(90)->setChecked(true);

    QMenu* goals = options->addMenu(QStringLiteral("Card &Goal"));
    mnuGoal = goals->menuAction();
    mnuGoal->setObjectName(QStringLiteral("mnuGoal"));
    const std::pair<QAction**, const char*> goalEntries[] = {{&mnu10, "1&0"}, {&mnu11, "1&1 (Default)"}, {&mnu12, "1&2"},
                                                             {&mnu13, "1&3"}, {&mnu14, "1&4"},           {&mnu15, "1&5"}};
    for (int goal = 10; goal <= 15; ++goal) {
        const auto& [member, caption] = goalEntries[goal - 10];
        *member = checkable(addEntry(goals, QStringLiteral("mnu") + QString::number(goal), QLatin1String(caption), {},
                                     [this, goal] { chooseCardGoal(goal); }),
                            goal == 11);
    }
    mnuScoring = addEntry(options, QStringLiteral("mnuScoring"), QStringLiteral("C&ustomize Scoring..."), ctrl('Z'),
                          [this] { mnuScoring_Click(); });
    addSeparator(options, "mnuBreak2");
    addMusicEntry(options, QStringLiteral("Play &Music (plays during game)"), ctrl('M'));
    addSoundsEntry(options, QStringLiteral("&Play Sounds"), ctrl('L'));
    addSeparator(options, "mnuSep1");
    mnuDrawTimer = checkable(addEntry(options, QStringLiteral("mnuDrawTimer"),
                                      QStringLiteral("Count &Down when taking score"), ctrl('D'), {}));
    // The entry has already toggled its mark when it reports the click.
    connect(mnuDrawTimer, &QAction::triggered, this, [](bool checked) { gTalliesDrawTimer = checked; });

    QMenu* colors = options->addMenu(QStringLiteral("&Card Selection Color"));
    mnuColor = colors->menuAction();
    mnuColor->setObjectName(QStringLiteral("mnuColor"));
    const std::tuple<QAction**, const char*, const char*> colorEntries[] = {
        {&mnuYellow, "mnuYellow", "&Yellow"}, {&mnuRed, "mnuRed", "&Red (Default)"}, {&mnuBlue, "mnuBlue", "&Blue"},
        {&mnuGreen, "mnuGreen", "&Green"},    {&mnuPurple, "mnuPurple", "&Purple"},  {&mnuBlack, "mnuBlack", "&Black"}};
    for (int code = 0; code < 6; ++code) {
        const auto& [member, name, caption] = colorEntries[code];
        *member = checkable(addEntry(colors, QLatin1String(name), QLatin1String(caption), {},
                                     [this, code] { chooseSelectionColor(code); }),
                            code == 1);
    }
    addDeckMenu(options, QStringLiteral("Dec&k"));
    mnuPalm->setChecked(true);

    nameSeparators(addHelpMenu(QStringLiteral("&Rules..."), QStringLiteral("&About...")), QStringLiteral("mnuSep2"));
}

QAction* frmTallies::goalEntry(int Goal) const
{
    const std::array<QAction*, 6> entries = {mnu10, mnu11, mnu12, mnu13, mnu14, mnu15};
    return Goal >= 10 && Goal <= 15 ? entries[Goal - 10] : nullptr;
}

QAction* frmTallies::colorEntry(int Code) const
{
    const std::array<QAction*, 6> entries = {mnuYellow, mnuRed, mnuBlue, mnuGreen, mnuPurple, mnuBlack};
    return Code >= 0 && Code < 6 ? entries[Code] : nullptr;
}

// ---- Options ----

void frmTallies::ClearGoalCheck()
{
    for (int goal = 10; goal <= 15; ++goal)
        goalEntry(goal)->setChecked(false);
}

void frmTallies::ClearColorCheck()
{
    for (int code = 0; code < 6; ++code)
        colorEntry(code)->setChecked(false);
}

void frmTallies::chooseCardGoal(int Goal)
{
    ClearGoalCheck();
    if (QAction* entry = goalEntry(Goal))
        entry->setChecked(true);
    lblTallies->setCaption(QString::fromStdString(tallies::TalliesHeading(Goal)));
    gCardGoal = Goal;
    ShowTopHighScore(FileBase, *this, DefaultScore);
    StatusBar1->setPanelText(2, QStringLiteral("Click on exposed cards to total ") + QString::number(Goal) +
                                    QStringLiteral("!   "));
}

void frmTallies::onTimeLimitChosen() { ShowTopHighScore(FileBase, *this, DefaultScore); }

void frmTallies::chooseSelectionColor(int Code)
{
    SelectionColor(Code);
    ClearColorCheck();
    if (QAction* entry = colorEntry(Code))
        entry->setChecked(true);
}

void frmTallies::onCardBackChosen(CardBackDesign)
{
    RefreshPlayCard();
    // While paused the field shows backs; while the round runs it shows faces.
    if (lblMessage->caption() == QStringLiteral("Game Paused"))
        RefreshFieldCards();
}

void frmTallies::mnuDrawTimer_Click()
{
    const bool on = !mnuDrawTimer->isChecked();
    mnuDrawTimer->setChecked(on);
    gTalliesDrawTimer = on;
}

// ---- High scores ----

void frmTallies::mnuViewHiScore_Click()
{
    runDialog(DialogPause::AroundDialog, [this] { showHighScoreTable(FileBase, DefaultScore); });
}

void frmTallies::mnuClear_Click()
{
    runDialog(DialogPause::AroundDialog, [this] {
        if (!confirmClearHighScores())
            return;
        resetHighScoreTable(FileBase, DefaultScore);
    });
}

// ---- Dialogs between games ----

void frmTallies::mnuScoring_Click()
{
    frmTalliesCustomScoring dialog(StatusBar1, this);
    dialog.exec();
}

void frmTallies::mnuSave_Click() { tallies::ShowSaveGameDialog(this); }

void frmTallies::mnuOpen_Click() { tallies::ShowOpenGameDialog(this, replayHooks()); }

tallies::TalliesReplayHooks frmTallies::replayHooks()
{
    tallies::TalliesReplayHooks hooks;
    hooks.chooseCardGoal = [this](int goal) { chooseCardGoal(goal); };
    hooks.chooseTimeLimit = [this](int seconds) { chooseTimeLimit(seconds); };
    hooks.startReplay = [this] {
        Timer4->setEnabled(false);
        frmSplash->hide();
        setTakeScoreCaptions(QStringLiteral("&Replay"));
        cmdPlay_Click();
    };
    return hooks;
}

// ---- Activation ----

void frmTallies::Form_Activate() { tallies::OpenCommandLineGame(tallies::CommandLineText(), mCommandLineOpened, replayHooks()); }

void frmTallies::changeEvent(QEvent* event)
{
    GameWindow::changeEvent(event);
    // Opened once the activation is through, so its message boxes do not arrive in the middle of it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !mCommandLineOpened)
        QMetaObject::invokeMethod(this, [this] { Form_Activate(); }, Qt::QueuedConnection);
}
