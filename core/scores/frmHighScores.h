#pragma once
// The "Hall of Fame": the ten best scores of the game that gGameTitle names at the current time limit
// (Tallies also at the current card goal), with a Clear that resets them to the defaults.
#include <QDialog>
#include <array>

class GameForm;
class QPushButton;
namespace platform {
class Label;
}

class frmHighScores : public QDialog {
    Q_OBJECT
public:
    // `game` is the open game window whose top-score line a Clear refreshes; null when none is open.
    explicit frmHighScores(GameForm* game, QWidget* parent = nullptr);

    // Shows the table modally over the game window and returns when it is closed.
    static void showModal(GameForm* game);

    // Row k: ScoreList(2k) the name, ScoreList(2k + 1) the score.
    std::array<platform::Label*, 20> ScoreList{};
    platform::Label* lblHiScoreInfo;
    QPushButton* cmdClear;
    QPushButton* cmdDone;

    void ReadTalliesScoreTable();
    void ReadHighScoreTable(const QString& FileBase);
    void cmdClear_Click();
    void cmdDone_Click();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Form_Load();
    void readTable(const QString& path, bool scoresAsNumbers);
    void fitFootnote();
    void fitCaption();

    GameForm* m_game;
    int m_shift = 0; // pixels the table moved right when the window widened for its caption
};
