#pragma once
// One round of Stackjack: the reset, passes, and how the round ends and scores.
#include "core/SuiteGlobals.h"

#include <cstdint>

namespace stackjack {

// Empties the board for a new round: columns, totals, soft aces, passes, clock and time bonus.
bool Reset();

// A pass is possible: one is left and the round is in play.
bool PassAllowed();

struct PassOutcome {
    bool refused = true;
    CardCode nextCard;       // the card now on show
    int passesLeft = 0;
    bool passEnabled = false; // the Pass button after the pass
};
// Discards the card on show.
PassOutcome Pass();

struct TakenScore {
    int finishedRound = 0;
    int cardTotalValue = 0;
    std::int32_t timeBonus = 0;
    std::int64_t roundScore = 0; // card-total value times the time bonus
    std::int32_t scoreBefore = 0;
    std::int32_t scoreAfter = 0; // gScore with the round score, saturated
    bool totallyAwesome = false; // a total of 105
};
// Scores the round: the card-total value times the current time bonus, added to gScore.
TakenScore TakeScore();

enum class RoundResult {
    Ignored,    // the round is already ending
    ScoreTaken, // the give-up button read "&Take score"
    Busted,     // "Busted!"
    TooLow,     // "Sorry, 97 or more needed to win!"
};
struct RoundEnd {
    RoundResult result = RoundResult::Ignored;
    TakenScore taken;            // ScoreTaken only
    const char* message = "";   // Busted and TooLow: the text to flash
};
// The give-up button (also the round clock at the time limit, a bust and a total of 105):
// ends the round once, moves gStackjackRound on and scores a taken total.
RoundEnd EndCurrentRound();

} // namespace stackjack
