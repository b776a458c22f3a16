#pragma once
// What a game window offers the shared services (count-ups, end of game, high scores, clock dial,
// card backs). A member a game lacks stays null, and the end of a game and the card-back checks leave
// it alone: Gridhand has no cmdTakeScore, only Spires has mnuClearHighRun, and the count-ups read
// ScoringLabelOutline on Gridhand only.
#include <QString>

class QAction;
class QPushButton;
class QWidget;
class ClockSurface;
namespace platform {
class Label;
class Timer;
class StatusBar;
}

class GameForm {
public:
    virtual ~GameForm() = default;

    // The form's name ("frmTallies", "frmSpires", ...): the services tell the games apart by it.
    virtual QString Name() const = 0;
    bool IsForm(const char* formName) const { return Name() == QLatin1String(formName); }
    // The window itself (also the owner of dialogs and of the browser launch).
    virtual QWidget* Form() = 0;
    // Form width in twips.
    int Width();

    virtual void ShowCards(bool Show) = 0;
    virtual void ShowControls(bool ShowRound, bool ShowInfo) = 0;

    platform::Label* lblHighScore = nullptr;
    platform::Label* lblMessage = nullptr;
    platform::Label* lblScoring = nullptr;
    platform::Label* lblCurrentScore = nullptr;
    QWidget* ScoringLabelOutline = nullptr; // Gridhand only
    ClockSurface* Surface = nullptr;
    platform::Timer* Timer1 = nullptr; // round clock
    platform::Timer* Timer2 = nullptr; // dial redraw
    QPushButton* cmdPlay = nullptr;
    QAction* mnuPlay = nullptr;
    QPushButton* cmdPause = nullptr;
    QAction* mnuPause = nullptr;
    QPushButton* cmdTakeScore = nullptr; // not on Gridhand
    QAction* mnuTakeScore = nullptr;     // not on Cairnwell, Gridhand, Quickjack
    QAction* mnuCustom = nullptr;
    QAction* mnuTime = nullptr;
    QAction* mnuClearHighRun = nullptr; // Spires only
    QAction* mnuPalm = nullptr;
    QAction* mnuMagic = nullptr;
    QAction* mnuNight = nullptr;
    QAction* mnuHot = nullptr;
    platform::StatusBar* StatusBar1 = nullptr;
};
