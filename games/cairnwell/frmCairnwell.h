#pragma once
// The Cairnwell window: four columns of three, the storage places, the deck fan and stack, the trips,
// runs and score boxes, the clock and the buttons. The table's rules live in cairnwell::CairnwellTable;
// this window draws what it holds and runs the rounds' messages, waits and bonuses.
#include "core/window/GameWindow.h"
#include "games/cairnwell/CairnwellTable.h"

#include <array>

class CardImage;
class GameSplash;
class LineControl;
class ShapeControl;

class frmCairnwell : public GameWindow, private cairnwell::TableEvents {
    Q_OBJECT
public:
    explicit frmCairnwell(QWidget* parent = nullptr);

    // ---- The table ----
    cairnwell::CairnwellTable table{*this};
    int mRound = 0;

    // ---- Controls ----
    std::array<CardImage*, cairnwell::PlaceCount> PlayCard{};
    std::array<CardImage*, cairnwell::StorageCount> TempCard{};
    std::array<CardImage*, cairnwell::FanCount> UpCard{};
    CardImage* CardStackPicture = nullptr;
    std::array<ShapeControl*, cairnwell::PlaceCount> PlayCardSelection{};
    std::array<ShapeControl*, cairnwell::StorageCount> TempCardSelection{};
    ShapeControl* UpCardSelection = nullptr;
    ShapeControl* FieldRect = nullptr;
    ShapeControl* TripsRectangle = nullptr;
    ShapeControl* RunRectangle = nullptr;
    ShapeControl* ScoreRectangle = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* TripsBevelSide = nullptr;
    LineControl* TripsBevelBottom = nullptr;
    LineControl* RunBevelSide = nullptr;
    LineControl* RunBevelBottom = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;
    platform::Label* lblFlush = nullptr;
    platform::Label* lblTime = nullptr;
    platform::Label* lblTimeBonus = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblCardCount = nullptr;
    platform::Label* lblScore = nullptr;
    platform::Label* lblTrips = nullptr;
    platform::Label* lblScoreTrips = nullptr;
    platform::Label* lblRuns = nullptr;
    platform::Label* lblScoreRuns = nullptr;
    platform::Label* lblTemp = nullptr;
    platform::Label* lblFieldCards = nullptr;
    QPushButton* cmdQuit = nullptr;
    GameSplash* frmSplash = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuView = nullptr;
    QAction* mnuClear = nullptr;

    // ---- Load ----
    void Form_Load();

    // ---- Buttons, timers ----
    void cmdPlay_Click();
    void cmdPause_Click() override;
    void cmdQuit_Click();
    void cmdTakeScore_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // ---- Card clicks ----
    void PlayCard_Click(int Index);
    void TempCard_Click(int Index);
    void UpCard_Click(int Index);
    void CardStackPicture_Click();

    // ---- Rounds ----
    void Play();
    void InitRound();
    void Deal();
    void PauseGame();
    void EndRound();
    void stopRoundClocks();
    void NoMovesLeft();
    void CenterScoringLabel();
    void ShowCards(bool Show) override;
    void ShowControls(bool ShowRound, bool ShowInfo) override;
    void ShowControls(bool ShowRound) { ShowControls(ShowRound, ShowRound); }

    // ---- Menus ----
    void mnuView_Click();
    void mnuClear_Click();
    void mnuCustom_Click();
    void mnuExit_Click();

    // Draws every place of the table as the table holds it.
    void showTable();

protected:
    // This game writes "Game Paused" and "Game Over" into lblScoring.
    platform::Label* pauseLabel() const override { return lblScoring; }
    void writeSettings() override;
    void onTimeLimitChosen() override;
    void onCardBackChosen(CardBackDesign design) override;
    void Timer4_Timer() override;
    void layoutControls() override;

private:
    // TableEvents
    void sound(const char* file) override;
    void ShowFlushMessage(int Column) override;
    void scoreChanged() override;

    void buildBoard();
    void buildTable(QWidget* board);
    void buildBoxes(QWidget* board);
    void buildButtons(QWidget* board);
    void buildMessages(QWidget* board);
    void buildMenus();
    void connectChangeHandlers();

    void startNewGame();
    void endRunningGame();
    void afterClick(const cairnwell::ClickOutcome& outcome);
    void payDeckBonus();
    void takeLeftoverPenalty();
    void penaltyOn(CardImage* image, ShapeControl* mark, const QWidget* row);
    void dealNextRound();
    void endOfGame();
    void showScore();
    void centreOnForm(QWidget* w);
    void placeBevels();

    // Where the round end last put its messages, so that a resize puts them there again.
    enum class MessagePlace {
        Outline,    // on the outline
        OverDeck,   // across the window at the deck fan, the figure under the message
        DeckMiddle, // across the window, on the deck fan's middle
        SpeedBonus, // on the outline's middle line, the figure across the window
    };
    void placeMessages(MessagePlace place);
    void placeMessages();
    MessagePlace mMessagePlace = MessagePlace::Outline;

    // lblFlush stands centred across one card while it shows: 250 twips above the top of that card's
    // row of places, or without a row on the card's middle. Kept so that a resize puts it there again.
    void showFlushOver(const QWidget* card, const QWidget* row);
    void hideFlush();
    void placeFlush();
    const QWidget* mFlushCard = nullptr;
    const QWidget* mFlushRow = nullptr;
};
