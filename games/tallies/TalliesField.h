#pragma once
// The field of 22 cards in six tiers, the up card and the draw pile: the deal, which cards are
// exposed, and what the pile and the up-card place show.
#include <string>
#include <vector>

namespace tallies {

// The positions whose cards lie on field position Index (empty for 7, 20 and 21).
const std::vector<int>& CoveringPositions(int Index);

// True when no visible card covers field position Index (and for any Index outside 0 to 19).
bool CheckLegalFieldCardMove(int Index);

// True when no field card is visible: the field has been cleared.
bool CheckForCompletion();

// Deals gDeck (built and shuffled, or copied back from a round deck) onto the field, the up card
// and the draw pile, and starts the round's values: nothing selected, total 0, no combinations,
// gElapsed 0. NewGame also moves gScore into gPreviousScore, zeroes it and sets round 1. Records
// gDeck as the deck of gTalliesRound. Shows "Unable to deal the cards." and returns false when a
// step failed (the other steps are still done).
bool Deal(bool NewGame = false);

// Picture key of the draw pile for the cards left: "FULL", "HALF", "BACK" or "EMPTY".
std::string PlayCardPictureKey();
// Picture key of the up-card place: the trimmed code of the current up card, or "EMPTY".
std::string UpCardPictureKey();
// Caption of the card count beside the pile: "Cards: " and the cards left to draw.
std::string CardCountCaption();

} // namespace tallies
