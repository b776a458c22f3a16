#pragma once
// A Tallies window loaded into a fresh program folder, with instant waits, a fake clock, recording
// audio and scripted message boxes and high-score dialogs; and a player that plays it through the
// window's own controls, keeping its own tally of the points it should have earned.
#include "TalliesFixture.h"
#include "games/tallies/frmTallies.h"
#include "support/ModalDialogs.h"
#include "support/RecordingAudio.h"

#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class CardImage;
class QAction;

class TalliesWindowTest : public TalliesTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a high-score table (by default that of 90 seconds and goal 11) with ten low entries, so
    // any game enters.
    void writeLowTable(const QString& table = QStringLiteral("HiScores90_11.Txt"));
    QString tableText(const QString& table = QStringLiteral("HiScores90_11.Txt")) const;

    // One second of the round clock, as Timer1 ticks it (it must be running).
    void tick(int seconds = 1);
    void click(QWidget* w);
    // The keys of the pictures the 22 field places show.
    QStringList fieldKeys() const;
    QString panel(int n) const;

    static QDateTime at(const char* time);

    QAction* entry(const char* name) const;
    // Answers the quit question with Yes and loads the window afresh, as the launcher would.
    void closeAndReopen();
    // Plays a game that ends after round 2 by taking the score at once in each round.
    void playShortGame();

    FakeClock clock{at("10:00:20")};
    TempProgramFolder folder;
    InstantWaits waits;
    RecordingAudio audio;
    QPointer<frmTallies> form;
    QStringList namesAsked;
    int tablesShown = 0;
};

// Plays rounds through the window's controls, choosing its own moves from what the window shows.
class TalliesPlayer {
public:
    TalliesPlayer(frmTallies& form, std::function<void()> tick) : m_form(form), m_tick(std::move(tick)) {}

    // Plays the running round until it ends, ticking the clock `secondsPerMove` after each move;
    // with takeScoreWhenStuck the player takes the score once the pile is empty and nothing adds up,
    // else it lets the clock run out. Returns the points the round should have brought, bonuses included.
    std::int64_t playRound(int secondsPerMove, bool takeScoreWhenStuck);

    int combinations = 0;
    int draws = 0;
    // How the last round ended: the field cleared, and the seconds it ran.
    bool lastCleared = false;
    int lastElapsed = 0;

private:
    struct Pick {
        std::vector<int> positions;
        bool upCard = false;
    };
    bool findCombination(Pick& pick) const;
    bool exposed(int position) const;
    static int valueOf(const CardImage* card);

    frmTallies& m_form;
    std::function<void()> m_tick;
};
