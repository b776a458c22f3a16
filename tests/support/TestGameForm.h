#pragma once
// A game window with every member of the game-form contract and nothing of any game, so the shared
// services and the window skeleton can be tried before (and beside) the real games. Its name picks
// which game the services take it for; it keeps every member whatever the name, so a test can see
// that a service leaves alone what a game lacks.
#include "core/window/GameWindow.h"

#include <utility>
#include <vector>

class TestGameForm : public GameWindow {
    Q_OBJECT
public:
    // Width and height in twips.
    static constexpr int FormWidth = 9540;
    static constexpr int FormHeight = 7200;

    explicit TestGameForm(const QString& formName = QStringLiteral("frmDuetto"));

    void ShowCards(bool Show) override { showCardsCalls.push_back(Show); }
    void ShowControls(bool ShowRound, bool ShowInfo) override { showControlsCalls.emplace_back(ShowRound, ShowInfo); }

    // A running round as a game's Play leaves it: clock on, Pause and Take Score enabled, options closed.
    void startGame();

    // Pause toggle of the usual kind: "Game Paused" in the message and the clock off, and back.
    void cmdPause_Click() override;

    std::vector<bool> showCardsCalls;
    std::vector<std::pair<bool, bool>> showControlsCalls;
    int pauseClicks = 0;
    int settingsWrites = 0;
    int timeLimitChoices = 0;
    int layouts = 0;
    std::vector<CardBackDesign> cardBacksChosen;
    bool pauseForCloseQuestion = false;

    QAction* mnuExit = nullptr;

protected:
    void writeSettings() override { ++settingsWrites; }
    bool pausesForCloseQuestion() const override { return pauseForCloseQuestion; }
    void onTimeLimitChosen() override { ++timeLimitChoices; }
    void onCardBackChosen(CardBackDesign design) override { cardBacksChosen.push_back(design); }
    void layoutControls() override { ++layouts; }
};
