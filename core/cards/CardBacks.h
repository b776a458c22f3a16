#pragma once
class GameForm;

// The four card-back designs, by the first list index of their three pictures (full stack, back, half stack).
enum class CardBackDesign { PalmTree = 1, MagicHands = 4, NightCastle = 7, HotCards = 10 };

// Unchecks the form's four design entries.
void ClearCardBackChecks(GameForm& Form);

// The card-back switch every game's deck menu performs: checks the design's entry and moves the keys
// "FULL", "BACK", "HALF" onto its pictures. The caller stores its own number for the design in
// gDeckDesign and redraws its backs.
void SelectCardBackDesign(GameForm& Form, CardBackDesign design);
