#pragma once
// The Stackjack window: five columns of five cards built with Hit buttons, the card on show and the
// deck, Pass, Give Up / Take score, the card-total table, the clock and the score. The rules live in
// namespace stackjack; this window shows what they decide and runs the round's waits and messages.
#include "core/window/GameWindow.h"
#include "games/stackjack/StackjackRound.h"
#include "games/stackjack/StackjackState.h"

#include <array>

class CardImage;
class CardTotalPanel;
class GameSplash;
class LineControl;
class ShapeControl;
namespace stackjack {
struct RoundTransition;
}

class frmStackjack : public GameWindow {
    Q_OBJECT
public:
    explicit frmStackjack(QWidget* parent = nullptr);

    // ---- Controls ----
    // Column[c][k] is picture k of Column1 .. Column5 (c = 0 .. 4), top first.
    std::array<std::array<CardImage*, stackjack::CardsPerColumn>, stackjack::ColumnCount> Column{};
    std::array<QPushButton*, stackjack::ColumnCount> cmdHit{};
    std::array<platform::Label*, stackjack::ColumnCount> ColumnTotal{};
    std::array<platform::Label*, stackjack::ColumnCount> ColumnSoft{};
    std::array<LineControl*, stackjack::ColumnCount> ColumnLine{}; // Column1Line .. Column5Line
    CardImage* NextCardPicture = nullptr; // the card on show
    CardImage* PlayCardPicture = nullptr; // the deck
    platform::Label* lblCurrentTotal = nullptr;
    platform::Label* lblCurrentRoundScore = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblTotalScore = nullptr;
    platform::Label* lblScore = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblTimeBonus = nullptr; // on Surface
    CardTotalPanel* frmScore = nullptr;
    platform::Label* ScoringLabel = nullptr;
    platform::Label* ScoringLabelInfo = nullptr;
    platform::Label* ScoringLabelRoundTotal = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdPass = nullptr;
    QPushButton* cmdGiveUp = nullptr;
    GameSplash* frmSplash = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuOptions = nullptr; // the options menu, for the entries that open dialogs

    // True once the player has ended the running game from Play: its end writes no high score.
    bool mGameAbandoned = false;

    // ---- Load ----
    // Built-in values, then "Stackjack.Ini" (written first when it cannot be opened), then the top score.
    void Form_Load();

    // ---- Menus ----
    void mnuViewHighScores_Click();
    void mnuClearHighScores_Click();
    void mnuCustom_Click();

    // ---- Buttons and timers ----
    void cmdPlay_Click() { Play(); }
    void cmdPause_Click() override { PauseGame(); }
    void cmdQuit_Click();
    void cmdHit_Click(int Index);
    void cmdPass_Click();
    // Ends the round: a click, a bust, a total of 105 and the time limit all come here; it runs once a round.
    void cmdGiveUp_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // ---- Round flow ----
    void Play();
    void PauseGame();
    // Empties the board for a new round (the rules' reset and the controls that show it).
    bool Reset();
    bool EnableControls();
    void EndRound();

    // ---- Board display ----
    void ShowCards(bool Show) override;
    void ShowControls(bool ShowRound, bool ShowInfo) override;
    void ShowGraphics(bool Show);
    void ShowHitButtons(bool Show);
    void ShowScoringLabel(bool Show);
    void CenterScoringLabel();
    void CenterTimeBonus();
    void ResizeColumnHeaders();

protected:
    platform::Label* pauseLabel() const override { return ScoringLabel; }
    platform::Label* messageLabelClearedOnResume() const override { return ScoringLabel; }
    // Writes "Stackjack.Ini" on a confirmed close; a failed write is told, and the window closes anyway.
    void writeSettings() override;
    bool pausesForCloseQuestion() const override { return true; }
    void onTimeLimitChosen() override;
    int deckDesignNumber(CardBackDesign design) const override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBoard();
    void buildColumns(QWidget* board);
    void buildBottomRow(QWidget* board);
    void buildRightSide(QWidget* board);
    void buildMessages(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();

    // Parts of the round flow.
    void startNewGame();
    void endRunningGame();
    void showLostRound(const stackjack::RoundEnd& end);
    void TakeScore(const stackjack::TakenScore& taken);
    void dealNextRound(const stackjack::RoundTransition& next);
    void endOfGame();
    void resetControls();
    void showRoundStart();
    void showCardOnShow();
    void showCurrentTotal(int total, bool winning);
    void placeRoundTotalLine();
    void setScoringFontSize(int points);
    void playSound(const char* file) const;
};
