#pragma once
// The Duetto window: five overlapping rows of upper cards, the stock and the play pile, the pairs and
// runs made, the round, the clock and the score. The rules live in namespace duetto; this window
// shows what they decide and runs the round's waits, messages and bonuses.
#include "core/window/GameWindow.h"
#include "games/duetto/DuettoTable.h"

#include <array>

class CardImage;
class GameSplash;
class LineControl;
class ShapeControl;

class frmDuetto : public GameWindow {
    Q_OBJECT
public:
    explicit frmDuetto(QWidget* parent = nullptr);

    // ---- Controls ----
    std::array<CardImage*, duetto::PlaceCount> PlayCard{};                 // 0-22 upper cards, 23 the pile
    std::array<ShapeControl*, duetto::PlaceCount> FieldSelectionRectangle{};
    CardImage* CardStackPicture = nullptr;
    platform::Label* lblCardCount = nullptr;
    platform::Label* lblCards = nullptr;
    platform::Label* lblScore = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblCurrentRound = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblPairs = nullptr;
    platform::Label* lblScorePairs = nullptr;
    platform::Label* lblRuns = nullptr;
    platform::Label* lblScoreRuns = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    ShapeControl* RoundRectangle = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    ShapeControl* PairRectangle = nullptr;
    ShapeControl* RunRectangle = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    LineControl* RoundBevelSide = nullptr;
    LineControl* RoundBevelBottom = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    LineControl* PairBevelSide = nullptr;
    LineControl* PairBevelBottom = nullptr;
    LineControl* RunBevelSide = nullptr;
    LineControl* RunBevelBottom = nullptr;
    QPushButton* cmdExit = nullptr;
    GameSplash* frmSplash = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuView = nullptr;
    QAction* mnuClear = nullptr;

    // The layout and its moves.
    duetto::DuettoTable table;

    // ---- Load ----
    // Built-in values, then "Duetto.Ini" (written first when it cannot be opened).
    void Form_Load();

    // ---- Cards ----
    void Deal();
    void ShowCards(bool Show) override;
    void ShowControls(bool ShowRound, bool ShowInfo) override;
    void ClearSelectionRectangles();
    void PlayCard_Click(int Index);
    void CardStackPicture_Click();

    // ---- Rounds ----
    void Play();
    void InitRound();
    void TakeScore();
    void PauseGame();
    void CheckForCustom();
    void cmdPlay_Click() { Play(); }
    void cmdPause_Click() override;
    // Ends the round; the clock at the time limit and a cleared top row come here too. Runs once a round.
    void cmdTakeScore_Click();
    void cmdExit_Click() { close(); }
    void Timer1_Timer();
    void Timer2_Timer();

    // ---- Menus ----
    void mnuView_Click();
    void mnuClear_Click();
    void mnuCustom_Click();

protected:
    // Writes "Duetto.Ini" on a confirmed close; a failed write is told, and the window closes anyway.
    void writeSettings() override;
    void onTimeLimitChosen() override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;

private:
    void buildBoard();
    void buildCards(QWidget* board);
    void buildPanels(QWidget* board);
    void buildButtons(QWidget* board);
    void buildMessages(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();

    void startNewGame();
    void endRunningGame();
    void endOfGame();
    void announceNextRound(const QString& message, bool applause);
    void flashMessage(int times);
    void showPileTop();
    void setRoundButtonsEnabled(bool on);
    void playSound(const char* file) const;
};
