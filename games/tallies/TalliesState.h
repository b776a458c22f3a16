#pragma once
// The play state of a Tallies game: what lies on the field, the up-card stack, the draw pile,
// the running total, and the decks of the game's rounds. The window renders from these.
#include "core/SuiteGlobals.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int TalliesFieldSize = 22;

extern std::array<CardCode, TalliesFieldSize> gTalliesFieldCards; // card on each field position, as dealt
// Up cards in the order turned, 1 to gPileTop (gPileTop is suite-wide); position 0 unused.
// Sized by the deck so that every card of the draw pile can end up on it.
extern std::vector<CardCode> gTalliesUpCards;
extern std::vector<CardCode> gTalliesDrawPile; // positions 0 to N - 22, drawn from gTalliesCardsLeft down
extern int gTalliesCardsLeft;                  // next card to turn; -1 when the pile is empty
extern int gTalliesTotal;                      // running total of the selected cards
extern std::int32_t gTalliesCombos;            // combinations made this round
extern int gTalliesRound;                      // 1, 2, or 3 for the bonus round
extern int gSelectionColor;                    // colour code of the selection marks, 0 to 5
extern std::vector<CardCode> gTalliesRound1Deck; // each round's shuffled deck, indexed like gDeck
extern std::vector<CardCode> gTalliesRound2Deck;
extern std::vector<CardCode> gTalliesRound3Deck;
extern std::int32_t gPreviousScore; // the score kept for saving the last game
extern bool gTalliesReplay;         // the next game deals the recorded round decks
extern bool gTalliesDrawTimer;      // round-end bonuses are counted up step by step

// The options the recorded round decks were dealt under, so that saving the last game keeps them
// together even when the player changes the options after the game. Goal 0: no game yet.
struct TalliesRecordedOptions {
    int cardGoal = 0;
    int timeLimit = 0;
    bool customScoring = false;
};
extern TalliesRecordedOptions gTalliesRecordedOptions;

// What the window shows of the table: a field card lies on its place while visible; a card is
// selected while its mark is visible.
extern std::array<bool, TalliesFieldSize> gTalliesFieldVisible;
extern std::array<bool, TalliesFieldSize> gTalliesFieldSelected;
extern bool gTalliesUpCardSelected;

// Where the game stands. Card clicks and draws count only while Playing; the round clock
// counts only while Playing.
enum class TalliesPhase {
    Idle,        // no game: before the first, or ended by the player
    Playing,     // a round is dealt and running
    Paused,      // "Game Paused"
    RoundEnding, // time expired or the score is being taken
    GameOver,    // "Game Over", until the next deal
};
extern TalliesPhase gTalliesPhase;
