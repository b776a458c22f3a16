#pragma once
// A Tallies game from start to end: starting a new game or a replay, pause and resume, the
// one-second round clock, and ending a game at the player's request. The end of a round is in
// TalliesRoundEnd.h.

namespace tallies {

// Starts a game: a replay deals the recorded round-1 deck again; a new game builds the deck for
// the card goal, shuffles it and empties the round decks. Then deals round 1 with a new score.
// False when building, shuffling or dealing failed (each has shown its own message).
bool StartGame();

// Pauses the running round: the selection marks are hidden and card clicks are refused.
void Pause();
// Resumes the paused round; the running total starts again from 0.
void Resume();

// One second of the round clock.
struct TalliesTick {
    enum Warning { NoWarning, TimesRunningOut, BetterHurry };
    bool counted = false; // false: no round is running, nothing changed
    int angle = 0;        // the dial's angle for the seconds elapsed
    int timeLeft = 0;
    Warning warning = NoWarning;
    bool expired = false; // the round is over: the window must take the score
};
TalliesTick TickRoundClock();

// The warning for TimeLeft seconds left of a round of TimeLimit seconds.
TalliesTick::Warning RoundClockWarning(int TimeLeft, int TimeLimit);

// The player ends the game: the field is cleared, the score (kept in gPreviousScore) and the round
// count start again, and no replay is pending. No high-score entry is made for it.
void EndGame();

} // namespace tallies
