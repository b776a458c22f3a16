#pragma once
// The Tallies window: the tiered field of 22 cards, the up card and the draw pile, the score, tallies,
// round and card-total boxes, the round clock, the four command buttons and the splash panel. The
// rules live in the tallies engine; the window shows its state, plays the sounds and runs the
// count-ups, flashes and waits of each round's end.
#include "core/window/GameWindow.h"
#include "core/window/SplashCascade.h"

#include <QString>
#include <array>

class CardImage;
class QPushButton;
namespace tallies {
struct TalliesCombination;
struct TalliesBonus;
struct TalliesReplayHooks;
}
class LineControl;
class ShapeControl;

class frmTallies : public GameWindow {
    Q_OBJECT
public:
    // Size at load and smallest size laid out, in twips.
    static constexpr int FormWidth = 9540;
    static constexpr int FormHeight = 7200;

    explicit frmTallies(QWidget* parent = nullptr);

    void ShowCards(bool Show) override;
    void ShowControls(bool ShowRound, bool ShowInfo) override;

    // ---- Controls ----
    std::array<CardImage*, 22> FieldCardPicture{};
    std::array<ShapeControl*, 22> FieldSelectionRectangle{};
    CardImage* PlayCardPicture = nullptr;
    CardImage* UpCardPicture = nullptr;
    ShapeControl* UpCardSelectionRectangle = nullptr;
    platform::Label* lblCardCount = nullptr;

    ShapeControl* ScoreRectangle = nullptr;
    ShapeControl* TalliesRectangle = nullptr;
    ShapeControl* RoundRectangle = nullptr;
    ShapeControl* CardTotalRectangle = nullptr;
    ShapeControl* TimerRectangle = nullptr;
    LineControl* ScoreBevelSide = nullptr;
    LineControl* ScoreBevelBottom = nullptr;
    LineControl* TalliesBevelSide = nullptr;
    LineControl* TalliesBevelBottom = nullptr;
    LineControl* RoundBevelSide = nullptr;
    LineControl* RoundBevelBottom = nullptr;
    LineControl* CardTotalBevelSide = nullptr;
    LineControl* CardTotalBevelBottom = nullptr;
    LineControl* TimerBevelSide = nullptr;
    LineControl* TimerBevelBottom = nullptr;

    platform::Label* lblScore = nullptr;
    platform::Label* lblTallies = nullptr;
    platform::Label* lblRound = nullptr;
    platform::Label* lblTotal = nullptr;
    platform::Label* lblCurrentTallies = nullptr;
    platform::Label* lblCurrentRound = nullptr;
    platform::Label* lblCurrentTotal = nullptr;
    platform::Label* lblTime = nullptr;

    QPushButton* cmdExit = nullptr;

    ShapeControl* frmSplash = nullptr;
    platform::Label* lblCompanyProduct = nullptr;
    platform::Label* lblProductName = nullptr;
    platform::Label* lblPlatform = nullptr;
    platform::Label* lblVersion = nullptr;
    std::array<CardImage*, 4> imgSplashImage{};

    // ---- Menu entries (the time limit, card backs, music, sounds, rules and about come from GameWindow) ----
    QAction* mnuExit = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuViewHiScore = nullptr;
    QAction* mnuClear = nullptr;
    QAction* mnuGoal = nullptr; // the "Card &Goal" submenu
    QAction* mnu10 = nullptr;
    QAction* mnu11 = nullptr;
    QAction* mnu12 = nullptr;
    QAction* mnu13 = nullptr;
    QAction* mnu14 = nullptr;
    QAction* mnu15 = nullptr;
    QAction* mnuScoring = nullptr;
    QAction* mnuDrawTimer = nullptr;
    QAction* mnuColor = nullptr; // the "&Card Selection Color" submenu
    QAction* mnuYellow = nullptr;
    QAction* mnuRed = nullptr;
    QAction* mnuBlue = nullptr;
    QAction* mnuGreen = nullptr;
    QAction* mnuPurple = nullptr;
    QAction* mnuBlack = nullptr;
    // The goal entry of 10 to 15 and the colour entry of codes 0 to 5; null for any other.
    QAction* goalEntry(int Goal) const;
    QAction* colorEntry(int Code) const;

    // ---- Event handlers ----
    void Form_Load();
    void cmdPlay_Click();
    void mnuPlay_Click();
    void cmdPause_Click() override;
    void mnuPause_Click() { Pause(); }
    void cmdTakeScore_Click();
    void mnuTakeScore_Click();
    void cmdExit_Click();
    void mnuExit_Click() { cmdExit_Click(); }
    void FieldCardPicture_Click(int Index);
    void UpCardPicture_Click();
    void PlayCardPicture_Click();
    void FieldCardPicture_MouseMove(int Index);
    void UpCardPicture_MouseMove();
    void PlayCardPicture_MouseMove();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer4_Timer() override;
    void lblCurrentTallies_Change();
    void lblCurrentRound_Change();
    void lblCurrentScore_Change();
    void lblCurrentTotal_Change();
    void lblMessage_Change();
    void lblTime_Change();
    // Opens the saved game named on the command line, at the first activation only.
    void Form_Activate();
    // Whether the command line has been handed to the saved-game reader. Kept for the program's run:
    // the window is made afresh at each launch, and a relaunch must not replay that game again.
    static inline bool mCommandLineOpened = false;

    // ---- Menu handlers ----
    // mnu10_Click .. mnu15_Click: goal, check mark, heading, top score of that goal's table, status text.
    void chooseCardGoal(int Goal);
    // mnuYellow_Click .. mnuBlack_Click (0 yellow .. 5 black).
    void chooseSelectionColor(int Code);
    void mnuDrawTimer_Click();
    void mnuViewHiScore_Click();
    void mnuClear_Click();
    void mnuScoring_Click();
    void mnuSave_Click();
    void mnuOpen_Click();
    void ClearColorCheck();
    void ClearGoalCheck();

    // ---- Procedures of the form ----
    void Play();
    void Pause();
    void TakeScore();
    void EndGame();
    void DisableCommandButtons(bool Disable);
    void FieldCardDisplay(bool Show = true);
    void ShowLowerCards(bool Show);
    void CardTotalVisible(bool Show);
    void ShowTimerRect(bool Show);
    void RefreshPlayCard();
    void RefreshFieldCards();
    void SelRectangle(bool Show = true);
    void SelectionColor(int Code);
    void PlayWaveFile(const QString& FileName);
    // Applies "Tallies.Ini" (written with the defaults first when there is none) through the menus'
    // own handlers, then the window's size and state.
    void ReadSettingsINI();

    bool gameInProgress() const { return mGameInProgress; }

    // Splash animation state kept between ticks of Timer4.
    using Splash = SplashCascade;
    const Splash& splash() const { return mSplash; }

protected:
    bool isGameInProgress() const override { return mGameInProgress; }
    bool pausesForCloseQuestion() const override { return true; }
    void writeSettings() override;
    void onTimeLimitChosen() override;
    void onCardBackChosen(CardBackDesign design) override;
    void changeEvent(QEvent* event) override;
    void onQuitConfirmed() override;
    void layoutControls() override;
    // The card pictures' mouse-move handlers: the pointer shows which cards can be taken.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction, split by what is built.
    void buildTable();
    void buildValueBoxes();
    void buildField();
    void buildSplash();
    void buildButtons();
    void buildMenus();

    // What every deal shows: the field, the up card and pile, the boxes and the clock.
    void showDeal(bool NewGame);
    // The cards a combination took away, and what came up instead.
    void showCombination(const tallies::TalliesCombination& Combination);
    void showFieldCardFace(int Index);
    void showUpCard();
    void showScore();
    void playSound(const char* name);
    void flashMessage(int times);
    // One bonus of a round end counted into the score; then what follows the round.
    void payBonus(const tallies::TalliesBonus& Bonus);
    void startRoundTwo();
    void startBonusRound();
    void gameOver();
    void setPlayCaptions(const QString& caption);
    void setTakeScoreCaptions(const QString& caption);
    // Replay: the last game's decks again, under the goal and time limit they were dealt under.
    void replayLastGame();
    void placeInBox(platform::Label* label, const QWidget* box);
    // What opening a saved game asks of this window.
    tallies::TalliesReplayHooks replayHooks();

    bool mGameInProgress = false;
    Splash mSplash;
};
