#pragma once
// Play within a round: selecting exposed cards towards the card goal, combinations, and draws.
// Each call changes the module state and says what happened; the window plays the sound that
// goes with it and shows the new state.
#include <cstdint>
#include <vector>

namespace tallies {

// What a draw did. The window plays "\Markq.wav" for a player's draw that was not refused.
struct TalliesDraw {
    bool refused = false;         // paused, over, or the pile is empty: "\Chord.wav", nothing changed
    int movedToPosition = -1;     // field position the old up card moved into, or -1
    std::int32_t cost = 0;        // points the draw took from the score (0, 100 or 200)
};

// What a combination did.
struct TalliesCombination {
    std::int32_t points = 0;        // added to the score
    std::vector<int> removed;       // field positions that left the field
    bool usedUpCard = false;
    bool fieldCleared = false;      // the window must take the score now
    bool freeDraw = false;          // the next card was turned for nothing (the up-card place was empty)
};

// What a click on a field card or the up card did.
struct TalliesSelection {
    enum Outcome {
        Refused,    // covered, over the goal, no up card, paused or over: "\Chord.wav"
        Selected,   // "\Markq.wav" (then "\TwentyOne.wav" when a combination was made)
        Deselected, // "\Tick.wav"
    };
    Outcome outcome = Refused;
    bool madeCombination = false;
    TalliesCombination combination;
};

// A click on field position Index.
TalliesSelection SelectFieldCard(int Index);
// A click on the up card.
TalliesSelection SelectUpCard();
// A click on the draw pile.
TalliesDraw DrawCard();

// Removes the selected cards when their total is the card goal, scores them and counts the
// combination; after a combination that used the last up card, turns the next card for nothing.
// Called by the selection clicks; returns false when the total is not the goal.
bool CheckTotal(TalliesCombination& Combination);

// Moves the up card into the lowest vacant field position, for DrawCost points. False when no
// position is vacant (nothing changes). Returns the position in Position.
bool MoveUpCardToFieldArea(int* Position = nullptr);

// Hides every selection mark (the running total is left as it is).
void ClearSelectionMarks();

// Stores the selection-colour code and returns the marks' border colour (blue-green-red);
// a code outside 0 to 5 gives black.
long SelectionColor(int Code);

} // namespace tallies
