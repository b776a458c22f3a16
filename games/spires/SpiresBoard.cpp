#include "games/spires/SpiresBoard.h"

#include "core/cards/Deck.h"
#include "platform/Conversions.h"

namespace spires {

SpiresBoard::SpiresBoard() { places.fill(PlaceState::Empty); }

int RankOf(const CardCode& code) { return cardRank(code); }

bool RanksAdjoin(int rank, int upRank)
{
    return rank == upRank + 1 || rank == upRank - 1 || (rank == 1 && upRank == 13) || (rank == 13 && upRank == 1);
}

void SpiresBoard::Deal()
{
    const int upper = deckUpperBound();
    auto card = [upper](int k) { return k + 1 <= upper ? gDeck[std::size_t(k + 1)] : CardCode(); };
    for (int k = 0; k <= StockEnd; ++k)
        mCards[std::size_t(k)] = card(k);
    mCards[52].clear();
    for (int p = 0; p < PlaceCount; ++p)
        places[std::size_t(p)] = p < FirstBasePlace ? PlaceState::FaceDown : PlaceState::FaceUp;
    mStockIndex = StockFirst;
    mStockCount = StockSize;
    upCard = mCards[StockEnd];
    mUpValue = RankOf(upCard);
    mCurrentRun = 0;
    mRunValue = 0;
    mNewHighRun = false;
}

bool SpiresBoard::CheckForLegalMove(int index)
{
    if (index < 0 || index >= PlaceCount || places[std::size_t(index)] != PlaceState::FaceUp)
        return false;
    const int r = RankOf(mCards[std::size_t(index)]);
    if (!RanksAdjoin(r, mUpValue))
        return false;
    mUpValue = r;
    return true;
}

PlayResult SpiresBoard::PlayPlace(int index, int cardValue)
{
    PlayResult result;
    if (!CheckForLegalMove(index))
        return result;
    result.legal = true;
    upCard = mCards[std::size_t(index)];
    places[std::size_t(index)] = PlaceState::Played;

    // Each card of a run is worth one card value more than the one before.
    mRunValue = platform::saturateLong(std::int64_t(mRunValue) + cardValue);
    result.points = mRunValue;
    gScore = platform::saturateLong(std::int64_t(gScore) + mRunValue);
    ++mCurrentRun;
    NoteRun();

    result.tower = TowerOfTop(index);
    if (result.tower) {
        ++mTowersCompleted;
        result.allTowersDone = mTowersCompleted >= TowerCount;
        return result;
    }
    for (int covered : Covers(index)) {
        const auto covers = CoveredBy(covered);
        const int other = covers[0] == index ? covers[1] : covers[0];
        if (places[std::size_t(other)] == PlaceState::Played && places[std::size_t(covered)] == PlaceState::FaceDown) {
            places[std::size_t(covered)] = PlaceState::FaceUp;
            result.exposed.push_back(covered);
        }
    }
    return result;
}

bool SpiresBoard::DrawStock()
{
    mRunValue = 0;
    mCurrentRun = 0;
    NoteRun();
    if (mStockCount > 0)
        --mStockCount;
    if (mStockIndex >= StockEnd)
        return false;
    upCard = mCards[std::size_t(mStockIndex)];
    ++mStockIndex;
    mUpValue = RankOf(upCard);
    return true;
}

void SpiresBoard::NoteRun()
{
    if (mCurrentRun > mHighRun) {
        mHighRun = mCurrentRun;
        mNewHighRun = true;
    }
}

const char* SpiresBoard::StockPictureKey(int stockIndex)
{
    if (stockIndex >= StockEnd)
        return "EMPTY";
    if (stockIndex >= 42)
        return "BACK";
    if (stockIndex >= 35)
        return "HALF";
    return "FULL";
}

} // namespace spires
