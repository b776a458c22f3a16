#pragma once
// The state of a Stackjack game. The window draws its board from these; only the rules change them.
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"

#include <array>

namespace stackjack {

constexpr int ColumnCount = 5;
constexpr int CardsPerColumn = 5;
constexpr int ColumnLimit = 21;
constexpr int LowestWinningTotal = 97;
constexpr int TopTotal = 105;
constexpr int BustMark = 9999; // current total after a bust, so that it reads as "97 or more"
constexpr int BonusRound = 4;
constexpr int GameOverRound = 5;

// What the give-up button reads; only TakeScore makes it take the score.
enum class GiveUpCaption {
    GiveUp,          // "&Give Up", after each reset
    GiveUpAfterDrop, // "&Give up", after a bust or a hardened ace that took the total below 97
    TakeScore,       // "&Take score", total 97 to 105
};

extern int gStackjackRound;  // round in play; 4 the bonus round, 5 game over, 0 after the game
extern int gColumnCards5;    // cards in column 5 (columns 1 to 4 are the suite's gColumnCards1..4)
// The current total and its card-total value are gCurrentTotal and gCardTotalValue (core/GameScoring.h).

extern std::array<int, ColumnCount> gColumnTotal;                                    // each column's total
extern std::array<std::array<CardCode, CardsPerColumn>, ColumnCount> gColumnSlots;   // cards placed, top first
extern std::array<bool, ColumnCount> gHitEnabled;                                    // Hit button of each column
extern GiveUpCaption gGiveUpCaption;
extern int gMarkedRow; // row of the card-total table that is marked (CardTotalTable.h), or NoRow

// Card count of column 0..4 (gColumnCards1 .. gColumnCards5).
int& ColumnCards(int Index);
// A column with five cards is closed: its Hit button reads "Closed".
bool ColumnClosed(int Index);
// The column counts an ace as 11: its "Soft" mark shows.
bool ColumnSoft(int Index);
// The card on show, gDeck(gDeckIndex); empty when the position is outside the deck.
CardCode CardOnShow();
// Sum of the five column totals.
int SumOfColumns();

} // namespace stackjack
