#pragma once
// The rounds of a Stackjack game: three rounds, then the bonus round when the score has reached
// gStackjackBonusScore, then the end.
#include <string>

namespace stackjack {

// Starts a game: fresh shuffled deck, round 1, score 0, the deck's second card on show.
// False when the deck could not be made or shuffled (each reports that itself).
bool StartGame();

enum class NextStep { NextRound, BonusRound, GameOver };
struct RoundTransition {
    NextStep next = NextStep::GameOver;
    int round = 0;              // gStackjackRound: the round to deal, or 5 at the end
    std::string announcement;   // "Prepare for Round 2", "Prepare for Bonus Round!"; empty at the end
};
// After a round has ended and the board was reset: what comes next.
RoundTransition EndRound();

// Deals the next round (after its announcement): fresh shuffled deck, empty board, the deck's
// second card on show, the round in play again.
bool DealRound();

// The end of the game, once the score has been merged into the high-score table.
void EndGame();

// The player ends a running game: no high score, straight to the end.
void AbandonGame();

} // namespace stackjack
