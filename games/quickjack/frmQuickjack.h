#pragma once
// The Quickjack window: the card on show and the deck, four columns filled with Hit buttons, Pass and
// Take Score, the 21 Counter in its scoring-status frame, the clock and the score. The rules live in
// namespace quickjack; this window shows what they decide and runs the round's waits and messages.
#include "core/window/GameWindow.h"
#include "games/quickjack/QuickjackColumns.h"
#include "games/quickjack/QuickjackCounter.h"

#include <array>

class CardImage;
class GameSplash;
class LineControl;
class QGroupBox;
class QProgressBar;
class ShapeControl;

class frmQuickjack : public GameWindow {
    Q_OBJECT
public:
    explicit frmQuickjack(QWidget* parent = nullptr);

    // ---- Controls ----
    // Column[c][k] is picture k of Column1 .. Column4 (c = 0 .. 3), top first.
    std::array<std::array<CardImage*, quickjack::CardsPerColumn>, quickjack::ColumnCount> Column{};
    std::array<QPushButton*, quickjack::ColumnCount> cmdHit{};
    std::array<platform::Label*, quickjack::ColumnCount> ColumnTotal{};
    std::array<platform::Label*, quickjack::ColumnCount> ColumnSoft{};
    std::array<LineControl*, quickjack::ColumnCount - 1> ColumnLine{}; // Column1Line .. Column3Line
    CardImage* NextCardPicture = nullptr;
    CardImage* PlayCardPicture = nullptr;
    QPushButton* cmdPass = nullptr;
    QPushButton* cmdExit = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    LineControl* TimerBevelSide = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblScore = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    platform::Label* lblTotalScore = nullptr;
    platform::Label* lblCardsUsed = nullptr;
    platform::Label* lblCardsUsedCount = nullptr;
    QGroupBox* frameScoreInfo = nullptr;
    platform::Label* lblTwentyOnes = nullptr;
    platform::Label* lbl21s = nullptr;
    platform::Label* lbl21Bonus = nullptr;
    platform::Label* lblBonus = nullptr;
    platform::Label* lblTwentyoneTime = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    platform::Label* lblRoundScore = nullptr;
    platform::Label* lblRoundScoreCount = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* ScoringLabelInfo = nullptr; // over ScoringLabelOutline
    platform::Label* lblBust = nullptr;
    platform::Label* lblFiveCards = nullptr;
    GameSplash* frmSplash = nullptr;
    platform::Timer* Timer3 = nullptr; // the 21 Counter's step
    platform::Timer* Timer5 = nullptr; // its blink
    QAction* mnuExit = nullptr;
    QAction* mnuUserOptions = nullptr; // also the contract's mnuCustom
    QAction* mnuTimeLimit = nullptr;   // also the contract's mnuTime

    quickjack::QuickjackCounter Counter;
    // True only while Play ends a running game at the player's request: no high score, no "Game Over".
    bool mGameAbandoned = false;
    // Whether the 21 Counter ran when the game was paused.
    bool CounterWasRunning = false;

    // ---- Load ----
    void Form_Load();

    // ---- Buttons, menus, timers ----
    void cmdPlay_Click() { Play(); }
    void cmdPause_Click() override { PauseGame(); }
    void cmdExit_Click();
    void cmdHit_Click(int Index);
    void cmdPass_Click();
    void cmdTakeScore_Click();
    void mnuViewHighScores_Click();
    void mnuClear_Click();
    void mnuUserOptions_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer5_Timer();

    // ---- Round flow ----
    void Play();
    void PauseGame();
    void NextRound();
    void ShowScoringLabel(const QString& Text, bool Keep);

    // ---- Board display ----
    void ShowCards(bool Show) override;
    // The contract's second flag is not used: the score box always stays.
    void ShowControls(bool Show, bool = true) override;
    void ShowHitButtons(bool Show);
    void EnableHitButtons(bool Enable);
    void EnableControls(bool Enable);
    void ShowGraphics();
    void ClearColumns();
    void RefreshPlayCard();

protected:
    platform::Label* pauseLabel() const override { return ScoringLabelInfo; }
    platform::Label* messageLabelClearedOnResume() const override { return ScoringLabelInfo; }
    void writeSettings() override;
    void onQuitConfirmed() override;
    bool pausesForCloseQuestion() const override { return true; }
    void onTimeLimitChosen() override;
    int deckDesignNumber(CardBackDesign design) const override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;

private:
    void buildBoard();
    void buildColumns(QWidget* board);
    void buildTopRow(QWidget* board);
    void buildScoreInfo(QWidget* board);
    void buildMessages(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();

    void startNewGame();
    void endRunningGame();
    void stopRoundTimers();
    void gameOver();
    void dealNextRound();
    void payCardsUsed(int cardsUsed);
    void payTwentyOnes();
    void RestartCounter();
    void emptyColumn(int Index);
    void FiveCardGimme(int Index);
    void showCardOnShow();
    void completeDeck();
    void showScore();
    void playSound(const char* file) const;
};
