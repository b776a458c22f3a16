#pragma once
// The Duetto layout: 23 upper cards in five overlapping rows (5, 4, 5, 4, 5), the play pile whose top
// is place 23, and the stock that feeds the pile. Two exposed cards of one rank make a pair, of
// adjacent ranks (King and Ace adjacent) a run; the pile's top card may take part. The window shows
// what these rules decide.
#include "core/SuiteGlobals.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace duetto {

constexpr int UpperCount = 23;  // places 0-22
constexpr int PileCard = 23;    // the pile's top card
constexpr int PlaceCount = 24;
constexpr int StockSize = 28;
constexpr int FirstStockEntry = 24;
constexpr int StockUsedUp = 52; // mDeckPos once every stock card is drawn

// The two cards that cover an upper card of rows 1 to 4 (indexes 0-17); the others are always exposed.
struct Covering {
    int first;
    int second;
};
const std::array<Covering, 18>& CoveringCards();

// Two ranks (1 Ace .. 13 King) make a pair or a run, King and Ace counting as adjacent.
enum class Match { None, Pair, Run };
Match MatchOf(int firstRank, int secondRank);

enum class ClickResult {
    Ignored,    // the round is over
    Refused,    // covered card, or the empty pile ("Chord.wav")
    Selected,   // first card chosen ("Markq.wav")
    Deselected, // the first card clicked again ("Tick.wav")
    Pair,       // "TwentyOne.wav"
    Run,        // "TwentyOne.wav"
    NoMatch,    // "Chord.wav"
};

struct ClickOutcome {
    ClickResult result = ClickResult::Ignored;
    int first = -1;           // the first card of a pair, run or failed match
    int second = -1;          // the card clicked
    bool pileChanged = false; // the pile gave up its top card
    bool topRowCleared = false;
};

struct StockOutcome {
    int refilledPlace = -1;   // the upper place the pile's top card moved to, or -1
    bool drew = false;        // a stock card went onto the pile
    bool pileChanged = false; // the pile's top (or emptiness) differs from before
};

class DuettoTable {
public:
    // Lays out a round from the shuffled suite deck (positions 1-52): upper cards 1-23, the pile's
    // first card 24, the stock 25-52 in draw order.
    void Deal(const std::vector<CardCode>& deck);

    // The card of a place is on the table (a removed upper card is not; the pile's place is present
    // while the pile holds a card).
    bool present(int index) const;
    // Code shown at a place; "" when nothing is there.
    CardCode code(int index) const;
    int rank(int index) const;

    // Exposed: every covering card gone. Cards 18-22 and the pile card are always exposed.
    bool CheckForLegalMove(int index) const;

    ClickOutcome PlayCard_Click(int index, bool roundOver);
    StockOutcome CardStackPicture_Click();
    // Forgets a pending first selection.
    void ClearSelection();

    bool selecting() const { return mSelecting != 0; }
    int firstIndex() const { return mFirstIndex; }
    int firstRank() const { return mFirstRank; }
    int stockCount() const { return mStockCount; }
    int deckPos() const { return mDeckPos; }
    bool pileEmpty() const { return gPileTop == 0; }
    // "FULL" up to 34, "HALF" 35-41, "BACK" 42-51, "EMPTY" once the stock is used up.
    const char* stockPictureKey() const;

    std::int32_t mPairs = 0;
    std::int32_t mRuns = 0;
    bool mCompleted = false;
    // The pile, entry 1 at the bottom; gPileTop (suite-wide) is its top.
    std::array<CardCode, 31> mPile{};
    // Per deal position; entry 23 is the pile's top, "" when it is empty.
    std::array<CardCode, 53> mCardCodes{};

private:
    void takePileTop();
    bool topRowCleared() const;

    std::array<bool, UpperCount> m_present{};
    int mDeckPos = FirstStockEntry;
    int mStockCount = StockSize;
    int mSelecting = 0;
    int mFirstIndex = 0;
    int mFirstRank = 0;
};

} // namespace duetto
