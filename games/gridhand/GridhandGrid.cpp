#include "games/gridhand/GridhandGrid.h"

#include <algorithm>

namespace gridhand {

int gOverwritesUsed = 0;

const char* StackKeyFor(int n)
{
    if (n > 25)
        return "FULL";
    if (n > 12)
        return "HALF";
    if (n < 1)
        return "EMPTY";
    return "BACK";
}

void GridhandGrid::Deal(const std::vector<CardCode>& deck)
{
    const int upper = deck.empty() ? 0 : int(deck.size()) - 1;
    mDeckCards.assign(std::size_t(upper) + 1, CardCode());
    for (int i = 1; i <= upper; ++i)
        mDeckCards[i] = deck[i];
    mDeckPos = 1;
    mHandCount = 0;
    mCardsLeft = upper;
}

DrawResult GridhandGrid::DrawCard()
{
    DrawResult result{false, "EMPTY"};
    --mCardsLeft;
    const bool inDeck = mDeckPos >= 1 && mDeckPos < int(mDeckCards.size());
    if (mCardsLeft >= 0 && inDeck && mHandCount + 1 < int(mHandCards.size())) {
        ++mHandCount;
        mHandCards[mHandCount] = mDeckCards[mDeckPos];
        result.drawn = true;
    } else {
        mCardsLeft = 0;
    }
    result.stackKey = StackKeyFor(int(mDeckCards.size()) - 1 - mDeckPos);
    ++mDeckPos;
    return result;
}

Placement GridhandGrid::Place(int Index, int overwritesAllowed)
{
    if (Index < 0 || Index >= GridSize)
        return Placement::Refused;
    const bool filled = !IsEmpty(Index);
    // Overwriting needs a card in hand too: an empty hand has nothing to put down.
    if (mHandCount <= 0 || (filled && gOverwritesUsed >= overwritesAllowed))
        return Placement::Refused;
    if (filled)
        ++gOverwritesUsed;
    mGridCards[Index] = mHandCards[mHandCount];
    --mHandCount;
    return filled ? Placement::Overwrote : Placement::Placed;
}

void GridhandGrid::ClearCells()
{
    for (CardCode& cell : mGridCards)
        cell.clear();
}

bool GridhandGrid::IsFull() const
{
    return std::none_of(mGridCards.begin(), mGridCards.end(), [](const CardCode& c) { return c.empty(); });
}

CardCode GridhandGrid::HoleCard() const { return mHandCount > 0 ? mHandCards[mHandCount] : CardCode(); }

} // namespace gridhand
