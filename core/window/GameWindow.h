#pragma once
// What every game window shares, written once: the contract's timers, the menu building blocks (time
// limits, card backs, music and sounds, high scores, help), the felt board, the status bar with its
// welcome text and clock, the start time, centring, the round clock and tune around minimising, the
// quit question and the pause around modal dialogs. A game derives from it, builds its controls and
// menus in its constructor with these blocks, and overrides the hooks where it differs.
#include "core/cards/CardBacks.h"
#include "core/window/GameForm.h"

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <vector>

class FeltPanel;
class QMenu;

class GameWindow : public QMainWindow, public GameForm {
    Q_OBJECT
public:
    // formName: "frmDuetto", ...; the window deletes itself once the player confirms closing it,
    // so the next launch loads it afresh.
    explicit GameWindow(const QString& formName, QWidget* parent = nullptr);
    ~GameWindow() override;

    QString Name() const override { return m_name; }
    QWidget* Form() override { return this; }

    // Timer1 (round clock, 1000 ms) and Timer2 (dial redraw, 200 ms) of the contract start off.
    platform::Timer* Timer4;      // splash animation, 200 ms, off; each tick runs Timer4_Timer()
    platform::Timer* StatusClock; // one-minute clock of status panel 3 (Timer3 on the forms that have one)

    // ---- Menus ----
    QMenu* addTopMenu(const QString& caption);
    // The same, its menu action named ("mnuFile", "mnuOptions", ...).
    QMenu* addTopMenu(const QString& caption, const QString& name);
    static QKeySequence ctrl(char letter); // Ctrl+letter
    static void addSeparator(QMenu* menu, const char* name);
    // Gives every separator of a menu the name (the help menu's one separator).
    static void nameSeparators(QMenu* menu, const QString& name);
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut,
                      std::function<void()> handler);

    // The time-limit submenu (mnuTime); its entries are named "mnu" and their seconds ("mnu60").
    struct TimeLimitEntry {
        int seconds;
        QString caption;
    };
    QMenu* addTimeLimitMenu(QMenu* parent, const QString& caption, const std::vector<TimeLimitEntry>& entries);
    QAction* timeLimitEntry(int seconds) const;
    void ClearTimeCheck();
    // What each time-limit entry does: sets gTimeLimit, moves the only check mark to its entry, then onTimeLimitChosen().
    void chooseTimeLimit(int seconds);

    // The card-back submenu (mnuDeck) with "&Palm Tree", "&Magic Hands", "&Night Castle", "&Hot Cards" in the given order.
    QMenu* addDeckMenu(QMenu* parent, const QString& caption,
                       const std::vector<CardBackDesign>& order = {CardBackDesign::PalmTree, CardBackDesign::MagicHands,
                                                                    CardBackDesign::NightCastle, CardBackDesign::HotCards});
    // What each card-back entry does: the switch of checks and picture keys, gDeckDesign in the game's
    // numbering, then onCardBackChosen() to redraw the game's backs.
    void chooseCardBack(CardBackDesign design);
    QAction* mnuDeck = nullptr;

    QAction* addMusicEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut);
    QAction* addSoundsEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut);
    QAction* mnuMusic = nullptr;
    QAction* mnuSounds = nullptr;
    void mnuMusic_Click();
    void mnuSounds_Click();
    // Flag and check mark together; music switched on during a game (paused or not) starts the tune.
    void setMusicOn(bool on);
    void setSoundsOn(bool on);

    // How a menu entry that opens a modal dialog treats a running game.
    enum class DialogPause {
        None,
        // Pauses unless paused or over while cmdPause is enabled; resumes unless it was paused or is over.
        AroundDialog,
        // Pauses a game in progress unless paused; resumes it unless it was paused, emptying the message.
        AroundTable,
    };
    void runDialog(DialogPause pause, const std::function<void()>& dialog);

    QMenu* addHelpMenu(const QString& rulesCaption = QStringLiteral("&Rules"),
                       const QString& aboutCaption = QStringLiteral("&About"),
                       DialogPause rulesPause = DialogPause::AroundDialog,
                       DialogPause aboutPause = DialogPause::AroundDialog);
    QAction* mnuRules = nullptr;
    QAction* mnuAbout = nullptr;

    // ---- Options read from a settings file ----
    // Applies those the file names through the menus' own handlers, so the check marks, the top score
    // and the card backs follow it; an option it does not name is left as it is.
    template <class Settings>
    void applyMenuOptions(const Settings& settings)
    {
        if (settings.timeLimit)
            chooseTimeLimit(*settings.timeLimit);
        if (settings.soundsOn)
            setSoundsOn(*settings.soundsOn);
        if (settings.musicOn)
            setMusicOn(*settings.musicOn);
        if (settings.cardBack)
            chooseCardBack(*settings.cardBack);
    }

    // ---- High-score entries ----
    // Shows the table of the limit in force, first writing the default table when it has none yet.
    void showHighScoreTable(const QString& fileBase, const QString& defaultScore);
    // The question before clearing the high scores; true when the player answers Yes.
    static bool confirmClearHighScores();
    // Resets the table of the limit in force, telling the player when it cannot be written, then shows
    // its best score (which must not outlive the table it came from).
    void resetHighScoreTable(const QString& fileBase, const QString& defaultScore);

    // ---- Status bar: panel 1 messages, 2 round hints, 3 time of day, 4 date ----
    void addStatusBar(int panels = 4);
    // Panel 1 = "Welcome to " & gGameTitle & tail (each game has its own run of blanks).
    void showWelcome(const QString& tail);
    void StatusClock_Timer();

    // ---- Building ----
    // The house felt as the central widget "board", with light text for the controls that set none.
    FeltPanel* addFeltBoard();
    // What every window does once its table and menus stand: the status bar of four panels, the round
    // clock's tick (Timer1) and dial redraw (Timer2), and the smallest size the window may take.
    void finishWindowSetup(std::function<void()> tick, std::function<void()> redraw, int minWidthTw, int minHeightTw);

    // ---- Load ----
    void recordStartTime(); // gStartTime = now
    // Brings a size below the minimum up to it and centres the window; a shown window is left alone
    // while minimised or maximised.
    void centreWindow();
    void startSplash();     // Timer4 on

    // ---- Game state as the dialogs, the quit question and the resize read it ----
    bool isPaused() const;
    bool isOver() const;

    // ---- Questions during a game ----
    // Asks a Yes/No question about the game that runs now; true only when the player answers Yes and
    // that same game still runs (the round may have run out and ended it behind the question).
    // Otherwise `resume` puts back what the question held, unless that game has ended meanwhile.
    bool confirmForThisGame(const QString& prompt, const std::function<void()>& resume = {});

    // ---- Closing ----
    QString closeQuestion() const;
    // Asks whether to quit; Cancel keeps the window. Runs for the close box and for Exit.
    void Form_Unload(bool& Cancel);

    // ---- Resizing ----
    void setMinimumFormSizeTw(int width, int height);
    // While the window is minimised its round clocks stand still and its tune is silent, however the
    // round gets there (a deal or a resume in a minimised window included); restoring lets them go as
    // they stand, so a paused round or one a question holds stays so. Timer1 is held by default;
    // Quickjack adds its 21 Counter. Gridhand's round runs on while minimised.
    void holdWhileMinimized(platform::Timer* timer) { m_heldWhileMinimized.push_back(timer); }
    void setRoundStopsWhenMinimized(bool stops) { m_roundStopsWhenMinimized = stops; }
    void Form_Resize();

protected:
    // Toggles pause and resume of the running round.
    virtual void cmdPause_Click() = 0;
    // Whether a game runs (Tallies and Gridhand keep their own flag).
    virtual bool isGameInProgress() const;
    // The label whose caption says "Game Paused" or "Game Over".
    virtual platform::Label* pauseLabel() const { return lblMessage; }
    // The label emptied when a game resumes after a table dialog.
    virtual platform::Label* messageLabelClearedOnResume() const { return lblMessage; }
    // Writes the game's settings file when the player confirms quitting.
    virtual void writeSettings() {}
    // After the settings are written on quitting: stops the round clock and ends the game.
    virtual void onQuitConfirmed();
    // Tallies, Stackjack and Quickjack pause a running round while the quit question is open.
    virtual bool pausesForCloseQuestion() const { return false; }
    virtual void onTimeLimitChosen() {}
    // gDeckDesign of each design; Palm Tree 1, Magic Hands 2, Night Castle 3, Hot Cards 4 unless the game numbers them otherwise.
    virtual int deckDesignNumber(CardBackDesign design) const;
    virtual void onCardBackChosen(CardBackDesign) {}
    virtual void Timer4_Timer() {}
    // Places the controls for the window's size; runs only at or above the minimum size.
    virtual void layoutControls() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_name;
    std::vector<std::pair<int, QAction*>> m_timeEntries;
    int m_minWidthTw = 0;
    int m_minHeightTw = 0;
    bool m_roundStopsWhenMinimized = true;
    std::vector<platform::Timer*> m_heldWhileMinimized;
    bool m_roundHeld = false;
    void holdRound(bool held);
    // A close asked for during a wait, answered once the wait is over.
    bool m_closePending = false;
    void answerPendingClose();
};
