#pragma once
// The four columns of Quickjack: the card on show goes onto a column or is passed. A column of exactly
// 21 is emptied and counts one 21 (raising the running 21 bonus); a fifth card short of 21 pays the
// five-card bonus and empties the column; a card that would pass 21 is refused with a penalty unless
// an ace of that column can count 1 instead of 11. The window shows what these decide.
#include "core/SuiteGlobals.h"

#include <QString>
#include <array>
#include <cstdint>

namespace quickjack {

inline constexpr int ColumnCount = 4;
inline constexpr int CardsPerColumn = 5;
inline constexpr int DeckSize = 52;
inline constexpr std::int32_t BustPenalty = 100;

// Each column's total ("0" when empty), as the column-total labels show it.
extern std::array<int, ColumnCount> gColumnTotal;
// The running 21 bonus: grows by gTwentyOneBonus with each 21, falls back when the 21 Counter runs full.
extern std::int32_t gRunningBonus;

// gColumnCards1 .. gColumnCards4 by column index 0 .. 3.
int& ColumnCards(int Index);

// Rank capped at 10 of the card at that deck position; an ace is 1 here.
int GetCardValue(int CardIndex);
// 11 (and the column's soft-ace count rises) when that keeps the column at 21 or below, else 1.
int CalculateAces(int Index);
// True when the column has no soft ace to recount; otherwise one is recounted as 1.
bool CheckForBust(int Index);

// Adds points to gScore, held within 32 bits.
void AddToScore(std::int64_t points);

struct HitOutcome {
    bool bust = false;        // refused: the penalty is taken, the card stays on show
    bool softShown = false;   // an ace of the column now counts 11
    bool softCleared = false; // the column's soft ace was recounted and none is left
    int slot = -1;            // where the card was laid
    CardCode card;
    int total = 0;            // the column's total now (0 after a 21 or a five-card column)
    bool twentyOne = false;
    bool fiveCards = false;
    bool lastCardOnShow = false; // the 52nd card is now on show: the deck is empty, no more passes
    bool deckCompleted = false;  // all 52 cards used: the completion bonus is paid and the round ends
};

// The card at gDeckIndex onto column Index (0 .. 3). Ignored (nothing changes) while gRoundOver is set
// or no card is on show.
HitOutcome Hit(int Index);

struct PassOutcome {
    bool refused = false;
    bool lastCardOnShow = false;
    bool passesUsedUp = false;
};
// Discards the card on show; refused without a pass left or when the last card is on show.
PassOutcome Pass();

// The deck picture for the position of the card on show: "FULL", "HALF" or "BACK".
QString PileKey(int deckIndex);

// Empty columns: totals, card counts and soft aces all back to 0.
void ClearColumnState();

} // namespace quickjack
