#pragma once
// The five columns: placing the card on show, soft aces, hardening, bust and closing.
#include "core/SuiteGlobals.h"

namespace stackjack {

// Value of the card at a deck position: its rank capped at 10 (an ace is 1).
int GetCardValue(int Position);
// An ace on a column of 10 or less counts 11 and is counted as a soft ace; otherwise 1.
int CalculateAces(int Index);
// Closes a column (Hit disabled, "Closed") or reopens it.
void CloseColumn(int Index, bool Close = true);
// A bust: no Hit button stays enabled.
void CloseCurrentRound();

struct Placement {
    int slot = 0;      // image slot the card went to (0 at the top)
    CardCode card;     // the card placed
    int value = 0;     // what it counted: 1..10, or 11 for a soft ace
};
// Puts the card on show into a column, adds its value and moves to the next card.
Placement CalculateColumnValue(int Index);
// A column over 21: hardens its soft ace (false) or busts the round (true).
bool CheckForBust(int Index);
// The current total follows the columns: gCurrentTotal, the table row and the card-total value.
void RecountCurrentTotal();

// What one Hit did, for the window to show.
struct HitOutcome {
    bool ignored = true;     // no round in play, or the column is closed: nothing changed
    int column = 0;
    Placement placed;
    bool softened = false;   // the ace counts 11: show "Soft"
    bool hardened = false;   // the soft ace now counts 1: hide "Soft"
    bool columnClosed = false;
    bool bust = false;       // the window ends the round at once ("Busted!")
    int columnTotal = 0;
    int currentTotal = 0;    // gCurrentTotal (BustMark after a bust)
    int markedRow = 0;       // card-total table row to mark
    bool totalWinning = false; // current total 97 or more (drawn green, else red)
    bool autoTake = false;   // total 105: the window ends the round at once, taking the score
    CardCode nextCard;       // the card now on show
};
// The Hit button of column Index (0..4).
HitOutcome Hit(int Index);

} // namespace stackjack
