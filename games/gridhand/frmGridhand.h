#pragma once
// The Gridhand window: a five-by-five grid that the drawn cards are placed into, the five rows and five
// columns scored as poker hands after every placement, the deck and the drawn card, the clock and the
// score. The rules live in namespace gridhand; this window shows what they decide and runs the round's
// waits and messages.
#include "core/window/GameWindow.h"
#include "games/gridhand/GridhandGrid.h"

#include <array>

class CardImage;
class GameSplash;
class LineControl;
class ShapeControl;

class frmGridhand : public GameWindow {
    Q_OBJECT
public:
    explicit frmGridhand(QWidget* parent = nullptr);

    // ---- Controls ----
    std::array<CardImage*, gridhand::GridSize> PlayCards{}; // row x 5 + column
    CardImage* HoleCard = nullptr;                         // the drawn card
    CardImage* CardStackPicture = nullptr;                 // the deck
    std::array<platform::Label*, 6> lblRow{};              // 1 .. 5, top row first; [0] unused
    std::array<platform::Label*, 6> lblCol{};              // 1 .. 5, left column first; [0] unused
    platform::Label* lblCards = nullptr;
    platform::Label* lblOverWrites = nullptr;
    platform::Label* lblPointsEarned = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblTimeBonus = nullptr; // on Surface
    platform::Label* lblScore = nullptr;
    platform::Label* ScoringLabel = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    QPushButton* cmdQuit = nullptr;
    GameSplash* frmSplash = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuView = nullptr;
    QAction* mnuClear = nullptr;

    // The round's cards.
    gridhand::GridhandGrid mGrid;
    // A game of this window runs, from Play until it ends or is abandoned.
    bool mGameRunning = false;
    // A line label has just sounded a hand: the next draw plays no click.
    bool mSuppressClick = false;

    // ---- Load ----
    void Form_Load();

    // ---- Buttons, menus and timers ----
    void cmdPlay_Click();
    void cmdPause_Click() override;
    void cmdQuit_Click();
    void mnuPlay_Click() { Play(); }
    void mnuPause_Click() { PauseGame(); }
    void mnuView_Click();
    void mnuClear_Click();
    void mnuCustom_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // ---- Round flow ----
    void Play();
    void PauseGame();
    // Ends the round: a full grid and the time limit both come here.
    void NextRound();

    // ---- Cards ----
    bool Deal();
    void Reset(bool ShowSplash);
    void ShowCards(bool Show) override;
    void ShowControls(bool ShowRound, bool ShowInfo) override;
    void PlayCards_Click(int Index);
    void CardStackPicture_Click();

    // ---- Placing labels ----
    void CenterScoringLabel();
    void CenterTimeBonus();
    void CenterColumnLabel(int Index);

protected:
    bool isGameInProgress() const override { return mGameRunning; }
    platform::Label* pauseLabel() const override { return ScoringLabel; }
    // Writes "Gridhand.Ini" on a confirmed close; a failed write is told, and the window closes anyway.
    void writeSettings() override;
    void onQuitConfirmed() override;
    void onTimeLimitChosen() override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;

private:
    void buildBoard();
    void buildGrid(QWidget* board);
    void buildRightSide(QWidget* board);
    void buildMessages(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();

    void DrawCard();
    void ScoreGrid();
    void startNewGame();
    void endRunningGame();
    void payRound();
    // The bonus figure under the sum it pays, across the outline.
    void placeBonusFigure();
    void dealNextRound();
    void endOfGame();
    void flashScoringLabel();
    void showOverWrites();
    void playSound(const char* file) const;
};
