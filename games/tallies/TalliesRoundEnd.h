#pragma once
// The end of a Tallies round: its bonuses, then the next round, the bonus round, or the end of
// the game. The window runs the count-ups, messages and waits between these calls.
#include <string>
#include <vector>

namespace tallies {

enum class TalliesBonusKind { Completion, Combinations, Speed };

struct TalliesBonus {
    TalliesBonusKind kind;
    std::string message; // the caption of the message label while it is paid
    int steps = 1;       // calls of PayBonusStep that pay it: the count-up's steps, or 1 at once
};

struct TalliesRoundEnd {
    bool started = false;   // false: no round to score (nothing is to be done)
    bool completed = false; // the field was cleared
    std::vector<TalliesBonus> bonuses; // those that apply, in the order they are paid
};

// Ends the running round: gRoundOver is set, the marks are hidden, the field is taken away and
// the bonuses are worked out. TalliesHeading is the combination heading on the window
// (TalliesHeading(gCardGoal)); its last character is dropped in the message.
TalliesRoundEnd BeginTakeScore(const std::string& TalliesHeading);

// Pays one step of a bonus into the score. Completion: a tenth of the bonus (whole points) while
// counting up, else all of it. Combinations: one combination's bonus, counting gTalliesCombos
// down by one, else all of them, leaving 0. Speed: one second's bonus, advancing gElapsed and
// gPieElapsed, else all seconds left, gElapsed to the limit. Returns the dial's angle after a
// speed step (0 when paid at once: the dial is shown empty); 0 for the others.
int PayBonusStep(TalliesBonusKind Kind);

enum class TalliesNext {
    Nothing,    // not a round of a game
    RoundTwo,   // "Prepare for Round Two!"
    BonusRound, // "Bonus Round!"
    GameOver,
};

// After the bonuses: clears gRoundOver and says what follows by the round and the score.
TalliesNext NextAfterRound();

// Deals the next round (2 after 1, the bonus round after 2): the recorded deck when replaying and
// one was recorded, else the same cards shuffled again. The bonus round ends a replay.
bool StartNextRound();

// The game has ended by itself: the field is emptied, gPreviousScore keeps the score, the round
// count starts again, no replay is pending, and card clicks are refused until the next deal.
void CloseGame();

// The last step of every round end: gElapsed back to 0 and no card selected.
void EndTakeScore();

// The combination heading for a card goal: "Tens:", "Tallies:", "Twelves:" .. "Fifteens:".
std::string TalliesHeading(int CardGoal);

} // namespace tallies
