#pragma once
// The card model of a round: the 25 cells, the round's copy of the deck drawn front to back, and the
// one drawn card in hand that the next accepted click places, onto an empty cell or, while overwrites
// remain, over a card.
#include "games/gridhand/GridhandHands.h"

#include <string>
#include <vector>

namespace gridhand {

// Overwrites made in the current round.
extern int gOverwritesUsed;

enum class Placement { Refused, Placed, Overwrote };

struct DrawResult {
    bool drawn = false;   // false: the deck was empty, nothing came into the hand
    const char* stackKey; // the deck picture for the cards still below: "FULL", "HALF", "BACK", "EMPTY"
};

class GridhandGrid {
public:
    // Copies the shuffled deck (entries 1 .. upper bound) and empties the hand; the caller draws next.
    void Deal(const std::vector<CardCode>& deck);
    // Draws the next card into the hand.
    DrawResult DrawCard();
    // Puts the card in hand on the cell; refused on an empty cell with no card in hand, and on a
    // filled cell once the round's overwrites are used up.
    Placement Place(int Index, int overwritesAllowed);
    // Empties every cell.
    void ClearCells();
    bool IsFull() const;
    bool IsEmpty(int Index) const { return mGridCards[Index].empty(); }
    // The card in hand, or "" when the hand is empty.
    CardCode HoleCard() const;

    Grid mGridCards{};
    std::vector<CardCode> mDeckCards = std::vector<CardCode>(1); // entry 0 unused
    int mDeckPos = 0;
    int mCardsLeft = 0;
    std::vector<CardCode> mHandCards = std::vector<CardCode>(53);
    int mHandCount = 0;
};

// The deck picture for n cards below the one drawn.
const char* StackKeyFor(int n);

} // namespace gridhand
