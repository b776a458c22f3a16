#pragma once
// The Tallies deck: sixteen aces, the 2s to 10s, and the 11s to 13s as the card goal needs them.
#include "core/SuiteGlobals.h"

#include <vector>

namespace tallies {

// Cards in the deck for a card goal: 52, or 56, 60, 64 for goals 12, 13, 14 and 15.
int TalliesDeckSize(int CardGoal);

// The unshuffled deck for a card goal, indexed from 1 (position 0 unused), each code as dealt.
std::vector<CardCode> TalliesDeckCards(int CardGoal);

// Builds the deck for gCardGoal into gDeck (unshuffled), re-creates the three round decks empty
// with gDeck's bounds and the draw pile empty with upper bound N - 22. Shows "Unable to create
// the deck." and returns false on failure.
bool CreateTalliesDeck();

// The value of a card: the number at the front of its code (ace 1 .. king 13).
int CardValue(const CardCode& Code);

} // namespace tallies
