#pragma once
// The Tallies window: the tiered field of 22 cards, the up card and the draw pile, the score, tallies,
// round and card-total boxes, the round clock, the four command buttons and the splash panel. The
// rules live in the tallies engine; the window shows its state, plays the sounds and runs the
// count-ups, flashes and waits of each round's end.
#include "core/GameWindow.h"

#include <QString>
#include <array>

class CardImage;
class QPushButton;
namespace tallies {
struct TalliesCombination;
struct TalliesBonus;
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

    QAction* mnuExit = nullptr;
    // Entries of the saved-game and option menus; null while the window has none.
    QAction* mnuSave = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuGoal = nullptr;
    QAction* mnuScoring = nullptr;

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
    void ReadSettingsINI();

    bool gameInProgress() const { return mGameInProgress; }

    // Splash animation state kept between ticks of Timer4.
    struct Splash {
        int Position = 0;
        bool Forward = false;
        bool ShowBacks = false;
    };
    const Splash& splash() const { return mSplash; }

protected:
    bool isGameInProgress() const override { return mGameInProgress; }
    bool pausesForCloseQuestion() const override { return true; }
    void writeSettings() override;
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
    void placeInBox(platform::Label* label, const QWidget* box);

    bool mGameInProgress = false;
    Splash mSplash;
};
