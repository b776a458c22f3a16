#include "core/window/GameWindow.h"

#include "core/cards/DeckNumbers.h"
#include "core/window/FeltPanel.h"
#include "core/scores/HighScores.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/dialogs/frmAbout.h"
#include "core/scores/frmHighScores.h"
#include "core/dialogs/frmRules.h"
#include "core/launcher/frmSelect.h"
#include "platform/Clock.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <exception>

namespace {
const QString GamePaused = QStringLiteral("Game Paused");
const QString GameOverText = QStringLiteral("Game Over");
constexpr int QuitQuestionMinutes = 5;
} // namespace

GameWindow::GameWindow(const QString& formName, QWidget* parent) : QMainWindow(parent), m_name(formName)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);

    Timer1 = new platform::Timer(this, 1000, false);
    Timer2 = new platform::Timer(this, 200, false);
    Timer4 = new platform::Timer(this, 200, false);
    Timer4->onTimer = [this] { Timer4_Timer(); };
    StatusClock = new platform::Timer(this, 60000, false);
    StatusClock->onTimer = [this] { StatusClock_Timer(); };
    // Drawing goes on through the waits of a round's end; the round clock does not.
    for (platform::Timer* t : {Timer2, Timer4, StatusClock})
        t->setRunsDuringWaits(true);
    holdWhileMinimized(Timer1);
}

GameWindow::~GameWindow()
{
    // The tune is the suite's, not the window's: a window gone while minimised must not leave it held.
    if (m_roundHeld) {
        StopMidiMusic();
        HoldMidiMusic(false);
    }
}

// ---- Menus ----

QMenu* GameWindow::addTopMenu(const QString& caption) { return menuBar()->addMenu(caption); }

QAction* GameWindow::addEntry(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                              std::function<void()> handler)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    entry->setShortcut(shortcut);
    if (handler)
        connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return entry;
}

QMenu* GameWindow::addTimeLimitMenu(QMenu* parent, const QString& caption, const std::vector<TimeLimitEntry>& entries)
{
    QMenu* submenu = parent->addMenu(caption);
    mnuTime = submenu->menuAction();
    mnuTime->setObjectName(QStringLiteral("mnuTime"));
    m_timeEntries.clear();
    for (const TimeLimitEntry& e : entries) {
        QAction* entry = addEntry(submenu, QStringLiteral("mnu") + QString::number(e.seconds), e.caption, {},
                                  [this, seconds = e.seconds] { chooseTimeLimit(seconds); });
        entry->setCheckable(true);
        m_timeEntries.emplace_back(e.seconds, entry);
    }
    return submenu;
}

QAction* GameWindow::timeLimitEntry(int seconds) const
{
    for (const auto& [s, entry] : m_timeEntries)
        if (s == seconds)
            return entry;
    return nullptr;
}

void GameWindow::ClearTimeCheck()
{
    for (const auto& entry : m_timeEntries)
        entry.second->setChecked(false);
}

void GameWindow::chooseTimeLimit(int seconds)
{
    gTimeLimit = seconds;
    ClearTimeCheck();
    if (QAction* entry = timeLimitEntry(seconds))
        entry->setChecked(true);
    onTimeLimitChosen();
}

QMenu* GameWindow::addDeckMenu(QMenu* parent, const QString& caption, const std::vector<CardBackDesign>& order)
{
    QMenu* submenu = parent->addMenu(caption);
    mnuDeck = submenu->menuAction();
    mnuDeck->setObjectName(QStringLiteral("mnuDeck"));
    for (CardBackDesign design : order) {
        QAction** member = nullptr;
        const char* name = "";
        QString text;
        switch (design) {
        case CardBackDesign::PalmTree: member = &mnuPalm, name = "mnuPalm", text = QStringLiteral("&Palm Tree"); break;
        case CardBackDesign::MagicHands: member = &mnuMagic, name = "mnuMagic", text = QStringLiteral("&Magic Hands"); break;
        case CardBackDesign::NightCastle: member = &mnuNight, name = "mnuNight", text = QStringLiteral("&Night Castle"); break;
        case CardBackDesign::HotCards: member = &mnuHot, name = "mnuHot", text = QStringLiteral("&Hot Cards"); break;
        }
        *member = addEntry(submenu, QLatin1String(name), text, {}, [this, design] { chooseCardBack(design); });
        (*member)->setCheckable(true);
    }
    return submenu;
}

void GameWindow::chooseCardBack(CardBackDesign design)
{
    SelectCardBackDesign(*this, design);
    gDeckDesign = deckDesignNumber(design);
    onCardBackChosen(design);
}

int GameWindow::deckDesignNumber(CardBackDesign design) const
{
    return DeckNumberOf(design, DeckNumbering::PalmTreeFirst);
}

QAction* GameWindow::addMusicEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut)
{
    mnuMusic = addEntry(menu, QStringLiteral("mnuMusic"), caption, shortcut, {});
    mnuMusic->setCheckable(true);
    // The entry has already toggled its mark when it reports the click.
    connect(mnuMusic, &QAction::triggered, this, [this](bool checked) { setMusicOn(checked); });
    return mnuMusic;
}

QAction* GameWindow::addSoundsEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut)
{
    mnuSounds = addEntry(menu, QStringLiteral("mnuSounds"), caption, shortcut, {});
    mnuSounds->setCheckable(true);
    connect(mnuSounds, &QAction::triggered, this, [this](bool checked) { setSoundsOn(checked); });
    return mnuSounds;
}

void GameWindow::mnuMusic_Click() { setMusicOn(!(mnuMusic && mnuMusic->isChecked())); }
void GameWindow::mnuSounds_Click() { setSoundsOn(!(mnuSounds && mnuSounds->isChecked())); }

void GameWindow::setMusicOn(bool on)
{
    gMusicOn = on;
    if (mnuMusic)
        mnuMusic->setChecked(on);
    if (isGameInProgress()) {
        if (on)
            PlayMidiMusic();
        else
            StopMidiMusic();
    }
}

void GameWindow::setSoundsOn(bool on)
{
    gSoundsOn = on;
    if (mnuSounds)
        mnuSounds->setChecked(on);
}

void GameWindow::runDialog(DialogPause pause, const std::function<void()>& dialog)
{
    const bool wasPaused = isPaused();
    const bool pauseEnabled = cmdPause && cmdPause->isEnabled();
    switch (pause) {
    case DialogPause::None:
        dialog();
        return;
    case DialogPause::AroundDialog:
        if (pauseEnabled && !wasPaused && !isOver())
            cmdPause_Click();
        dialog();
        if (cmdPause && cmdPause->isEnabled() && !isOver() && !wasPaused)
            cmdPause_Click();
        return;
    case DialogPause::AroundTable:
        if (isGameInProgress() && !wasPaused)
            cmdPause_Click();
        dialog();
        if (isGameInProgress() && !wasPaused) {
            cmdPause_Click();
            if (platform::Label* message = messageLabelClearedOnResume())
                message->setCaption(QString());
        }
        return;
    }
}

QMenu* GameWindow::addHelpMenu(const QString& rulesCaption, const QString& aboutCaption, DialogPause rulesPause,
                               DialogPause aboutPause)
{
    QMenu* help = addTopMenu(QStringLiteral("&Help"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    mnuRules = addEntry(help, QStringLiteral("mnuRules"), rulesCaption, QKeySequence(QStringLiteral("Ctrl+R")),
                        [this, rulesPause] { runDialog(rulesPause, [this] { frmRules::showModal(this); }); });
    help->addSeparator();
    mnuAbout = addEntry(help, QStringLiteral("mnuAbout"), aboutCaption, {},
                        [this, aboutPause] { runDialog(aboutPause, [this] { frmAbout::showModal(this); }); });
    return help;
}

// ---- Status bar ----

void GameWindow::addStatusBar(int panels)
{
    StatusBar1 = new platform::StatusBar(this, panels);
    setStatusBar(StatusBar1);
    StatusClock_Timer();
    StatusClock->setEnabled(true);
}

void GameWindow::showWelcome(const QString& tail)
{
    if (StatusBar1)
        StatusBar1->setPanelText(1, QStringLiteral("Welcome to ") + gGameTitle + tail);
}

void GameWindow::StatusClock_Timer()
{
    if (!StatusBar1)
        return;
    const QDateTime now = platform::now();
    StatusBar1->setPanelText(3, QLocale::c().toString(now.time(), QStringLiteral("h:mm AP")));
    StatusBar1->setPanelText(4, QLocale::c().toString(now.date(), QStringLiteral("M/d/yyyy")));
}

// ---- Load ----

void GameWindow::recordStartTime() { gStartTime = platform::now(); }

void GameWindow::centreWindow()
{
    // A size read below the minimum would snap back only once shown, growing away from the centre.
    if (platform::widthTw(this) < m_minWidthTw || platform::heightTw(this) < m_minHeightTw)
        platform::resizeTw(this, std::max(platform::widthTw(this), m_minWidthTw),
                           std::max(platform::heightTw(this), m_minHeightTw));
    // Before the window is first shown its size is the normal one whatever its state, so a window
    // opened minimised or maximised comes back to the centre when restored.
    if (!isVisible() || (!isMinimized() && !isMaximized()))
        platform::centreOnScreen(this);
}

QMenu* GameWindow::addTopMenu(const QString& caption, const QString& name)
{
    QMenu* menu = addTopMenu(caption);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QKeySequence GameWindow::ctrl(char letter) { return QKeySequence(QStringLiteral("Ctrl+") + QLatin1Char(letter)); }

void GameWindow::addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void GameWindow::nameSeparators(QMenu* menu, const QString& name)
{
    for (QAction* entry : menu->actions())
        if (entry->isSeparator())
            entry->setObjectName(name);
}

void GameWindow::showHighScoreTable(const QString& fileBase, const QString& defaultScore)
{
    // A limit never played has no table yet; one that exists but cannot be read is kept for the player.
    if (!QFileInfo::exists(HighScoreTablePath(fileBase, Name())))
        WriteDefaultHighScores(fileBase, *this, defaultScore);
    frmHighScores::showModal(this);
}

bool GameWindow::confirmClearHighScores()
{
    return platform::MsgBox(QStringLiteral("This will clear all High Scores. Are You Sure?"),
                            platform::vbYesNo | platform::vbQuestion, gGameTitle) == platform::vbYes;
}

void GameWindow::resetHighScoreTable(const QString& fileBase, const QString& defaultScore)
{
    ClearHighScoreTable(HighScoreTablePath(fileBase, Name()), defaultScore);
    ShowTopHighScore(fileBase, *this, defaultScore);
}

FeltPanel* GameWindow::addFeltBoard()
{
    auto* board = new FeltPanel(this);
    board->setTextColor(Qt::white);
    board->setObjectName(QStringLiteral("board"));
    setCentralWidget(board);
    return board;
}

void GameWindow::finishWindowSetup(std::function<void()> tick, std::function<void()> redraw, int minWidthTw,
                                   int minHeightTw)
{
    addStatusBar(4);
    Timer1->onTimer = std::move(tick);
    Timer2->onTimer = std::move(redraw);
    setMinimumFormSizeTw(minWidthTw, minHeightTw);
}

void GameWindow::startSplash() { Timer4->setEnabled(true); }

// ---- Game state ----

bool GameWindow::isGameInProgress() const { return gGameInProgress; }

bool GameWindow::isPaused() const
{
    const platform::Label* label = pauseLabel();
    return label && label->caption() == GamePaused;
}

bool GameWindow::isOver() const
{
    const platform::Label* label = pauseLabel();
    return label && label->caption() == GameOverText;
}

// ---- Closing ----

QString GameWindow::closeQuestion() const
{
    if (isGameInProgress())
        return QStringLiteral("You have a game in progress. Are you sure you want to quit now?");
    if (platform::minutesBetween(gStartTime, platform::now()) < QuitQuestionMinutes)
        return QStringLiteral("Giving up so soon?");
    return QStringLiteral("Are you sure you want to quit now? Were just getting started!");
}

bool GameWindow::confirmForThisGame(const QString& prompt, const std::function<void()>& resume)
{
    const int game = gGameNumber;
    const int answer = platform::MsgBox(prompt, platform::vbYesNo | platform::vbQuestion, gGameTitle);
    if (answer == platform::vbYes && game == gGameNumber && isGameInProgress())
        return true;
    if (resume && game == gGameNumber)
        resume();
    return false;
}

void GameWindow::Form_Unload(bool& Cancel)
{
    const bool wasPaused = isPaused();
    if (pausesForCloseQuestion() && isGameInProgress() && cmdPause && cmdPause->isEnabled() && !wasPaused && !isOver())
        cmdPause_Click();

    const int answer = platform::MsgBox(closeQuestion(), platform::vbYesNo | platform::vbQuestion, gGameTitle);
    if (answer != platform::vbYes) {
        if (pausesForCloseQuestion() && cmdPause && cmdPause->isEnabled() && !isOver() && !wasPaused)
            cmdPause_Click();
        Cancel = true;
        return;
    }

    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    // A settings file that cannot be written must not keep the player from leaving.
    try {
        writeSettings();
    } catch (const std::exception&) {
    }
    Cancel = false;
    onQuitConfirmed();
    nextGameNumber();
    if (gMusicOn)
        StopMidiMusic();
    holdRound(false);
    showLauncher();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void GameWindow::onQuitConfirmed()
{
    Timer1->setEnabled(false);
    gGameInProgress = false;
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    // A round ending inside a wait cannot stop halfway: the question waits until it is done.
    if (platform::isWaiting()) {
        event->ignore();
        if (!m_closePending) {
            m_closePending = true;
            platform::whenWaitsEnd(this, [this] { answerPendingClose(); });
        }
        return;
    }
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void GameWindow::answerPendingClose()
{
    // A dialog opened after the wait (the name prompt, the table) is answered first.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, [this] { answerPendingClose(); });
        return;
    }
    m_closePending = false;
    close();
}

// ---- Resizing ----

void GameWindow::setMinimumFormSizeTw(int width, int height)
{
    m_minWidthTw = width;
    m_minHeightTw = height;
}

void GameWindow::holdRound(bool held)
{
    if (held == m_roundHeld)
        return;
    m_roundHeld = held;
    // A paused round comes back as it was left: its tune waits for Resume, as its clock does.
    if (!held && isPaused())
        StopMidiMusic();
    for (platform::Timer* timer : m_heldWhileMinimized)
        timer->setHeld(held);
    HoldMidiMusic(held);
}

void GameWindow::Form_Resize()
{
    if (m_roundStopsWhenMinimized)
        holdRound(isMinimized());
    if (isMinimized())
        return;
    const bool tooSmall = platform::widthTw(this) < m_minWidthTw || platform::heightTw(this) < m_minHeightTw;
    if (tooSmall) {
        // Both sides snap back; the new size comes round again as a resize and is laid out then.
        if (!isMaximized() && !isFullScreen())
            platform::resizeTw(this, m_minWidthTw, m_minHeightTw);
        return;
    }
    layoutControls();
}

void GameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void GameWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}
