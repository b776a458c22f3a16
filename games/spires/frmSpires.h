#pragma once
// The Spires window: three towers of cards on a shared base row, the stock and the up card, the run
// labels, the clock and the score. The rules live in spires::SpiresBoard; this window shows what they
// decide and runs the round's waits and messages.
#include "core/window/GameWindow.h"
#include "games/spires/SpiresBoard.h"

#include <array>

class CardImage;
class GameSplash;
class LineControl;
class ShapeControl;

class frmSpires : public GameWindow {
    Q_OBJECT
public:
    explicit frmSpires(QWidget* parent = nullptr);

    // ---- Controls ----
    std::array<CardImage*, spires::PlaceCount> UpCardImage{};
    CardImage* CardStackPicture = nullptr;
    CardImage* UpCardPicture = nullptr;
    QPushButton* cmdExit = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblCurrentRound = nullptr;
    platform::Label* lblScore = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblCardCount = nullptr;
    platform::Label* lblCards = nullptr;
    platform::Label* lblCurrentRun = nullptr;
    platform::Label* lblHighRun = nullptr;
    platform::Label* lblNextCard = nullptr;
    std::array<platform::Label*, spires::TowerCount> lblTower{}; // lblTower1 .. lblTower3
    ShapeControl* RoundRectangle = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* RoundBevelSide = nullptr;
    LineControl* RoundBevelBottom = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    GameSplash* frmSplash = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuViewHiScore = nullptr;
    QAction* mnuClearHighScores = nullptr;

    // The cards of the round and the longest-run record.
    spires::SpiresBoard board;

    // ---- Load and close ----
    void Form_Load();

    // ---- Deal and cards ----
    void Deal();
    void InitRound();
    void ShowCards(bool Show) override { ShowCards(Show, true); }
    void ShowCards(bool Show, bool Reset);
    void ShowControls(bool ShowRound, bool ShowInfo) override;
    void RefreshPlayCard();
    void RefreshFieldCards();

    // ---- Card play ----
    void UpCardImage_Click(int Index);
    void CardStackPicture_Click();
    void UpCardPicture_Click();
    void lblCurrentRun_Change();

    // ---- Round flow ----
    void Play();
    void PauseGame();
    void TakeScore();
    void TowerScore();
    void HighRunScore();
    void Timer1_Timer();
    void Timer2_Timer();
    void cmdPlay_Click() { Play(); }
    void cmdPause_Click() override { PauseGame(); }
    void cmdTakeScore_Click();
    void cmdExit_Click() { close(); }

    // ---- Menus ----
    void mnuViewHiScore_Click();
    void mnuClearHighScores_Click();
    void mnuClearHighRun_Click();
    void mnuCustom_Click();

protected:
    void writeSettings() override;
    void onTimeLimitChosen() override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;

private:
    void buildBoard();
    void buildCards(QWidget* board);
    void buildInfo(QWidget* board);
    void buildButtons(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();
    void showPlace(int place);
    void showRunLabels();
    void blinkMessage(int times);
    void endOfGame();
    // After an error inside Play: the game stops and the window waits for the next Play.
    void returnToIdle();
    void playSound(const char* file) const;
    double m_scale = 1.0; // the table's size against its design
    int tw(int design) const;
};
