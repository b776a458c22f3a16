#pragma once
#include "core/SuiteGlobals.h"

// Builds the 52 cards into gDeck: spades ace to king, then hearts, clubs, diamonds, each code with its leading blank.
bool CreateDeck();
// Exchanges each position in turn with a random position at or after it: every order is equally likely.
bool ShuffleDeck();
// A whole number from Lower to Upper inclusive.
int RandomNumber(double Lower, double Upper);

// The code of rank r (1..13) and suit index s (0 spades, 1 hearts, 2 clubs, 3 diamonds), with its leading blank.
CardCode cardCode(int rank, int suit);
// Trimmed code: the picture key of a face.
std::string trimmedCode(const CardCode& code);
// Rank read as the number conversion reads it (blank skipped); 0 when the code holds none.
int cardRank(const CardCode& code);
// Suit letter of a code, or 0 when there is none.
char cardSuit(const CardCode& code);
