#pragma once
// The cards of a Spires round: the 28 tower places, the stock and the up card, the run and its
// scoring, the towers completed and the longest-run record. Plain rules; the window shows them.
#include "core/SuiteGlobals.h"
#include "games/spires/SpiresTowers.h"

#include <array>
#include <cstdint>
#include <vector>

namespace spires {

enum class PlaceState { Empty, FaceDown, FaceUp, Played };

// What a click on a tower place did.
struct PlayResult {
    bool legal = false;
    std::int64_t points = 0;  // what the card scored
    int tower = 0;            // 1 to 3 when the card was the top of that tower
    std::vector<int> exposed; // places turned face up, lower-numbered first
    bool allTowersDone = false;
};

class SpiresBoard {
public:
    SpiresBoard();

    // mCards[k] is card k + 1 of the deck: places 0..27, stock 28..50, first up card 51; 52 never filled.
    std::array<CardCode, 53> mCards{};
    std::array<PlaceState, PlaceCount> places{};
    CardCode upCard;
    int mStockIndex = StockFirst;
    int mStockCount = 0;
    int mUpValue = 99; // matches no card until the first deal
    int mCurrentRun = 0;
    std::int32_t mRunValue = 0;
    int mTowersCompleted = 0;
    int mHighRun = 0;   // the longest run ever made, kept between games
    bool mNewHighRun = false;

    // Deals the 52 cards of gDeck (indexes 1..52; a short deck leaves the rest empty) and starts a fresh run.
    void Deal();
    // Whether the card at `index` may go on the up card (one rank either side, king and ace adjoin);
    // when it may, the up card's rank becomes its rank.
    bool CheckForLegalMove(int index);
    // Plays the card at `index` onto the up card: the run grows by one card worth one card value more
    // than the last, gScore takes it, covered places whose other cover is gone turn face up.
    PlayResult PlayPlace(int index, int cardValue);
    // Turns the next stock card up (none when the stock is empty); the run ends either way.
    // True when a card was drawn.
    bool DrawStock();
    // What the next card of the run is worth.
    std::int64_t NextCardWorth(int cardValue) const { return std::int64_t(mCurrentRun + 1) * cardValue; }
    // Raises the record when the run passes it (an equal run is no record).
    void NoteRun();
    // The image-list key of the stock picture for this stock index.
    static const char* StockPictureKey(int stockIndex);

    bool isFaceDown(int place) const { return places[std::size_t(place)] == PlaceState::FaceDown; }
    bool holdsCard(int place) const
    {
        const PlaceState s = places[std::size_t(place)];
        return s == PlaceState::FaceDown || s == PlaceState::FaceUp;
    }
};

// The rank of a card code as the number conversion reads it.
int RankOf(const CardCode& code);
// Ranks one apart, the king and the ace adjoining.
bool RanksAdjoin(int rank, int upRank);

} // namespace spires
