#include "games/duetto/DuettoTable.h"

#include "core/cards/Deck.h"

#include <algorithm>

namespace duetto {

const std::array<Covering, 18>& CoveringCards()
{
    // Card i of rows 1-4 lies under i + 4 and i + 5; the outer cards of the five-card rows lie under
    // the outer card of the row below and the one two rows below.
    static const std::array<Covering, 18> table{{
        {5, 9}, {5, 6}, {6, 7}, {7, 8}, {8, 13},            // row 1
        {9, 10}, {10, 11}, {11, 12}, {12, 13},              // row 2
        {18, 14}, {14, 15}, {15, 16}, {16, 17}, {17, 22},   // row 3
        {18, 19}, {19, 20}, {20, 21}, {21, 22},             // row 4
    }};
    return table;
}

Match MatchOf(int r1, int r2)
{
    if (r1 == r2)
        return Match::Pair;
    const bool run = r1 == 1    ? (r2 == 2 || r2 == 13)
                     : r1 == 13 ? (r2 == 1 || r2 == 12)
                                : (r2 == r1 + 1 || r2 == r1 - 1);
    return run ? Match::Run : Match::None;
}

void DuettoTable::Deal(const std::vector<CardCode>& deck)
{
    auto deckCard = [&deck](int position) {
        return position >= 0 && position < int(deck.size()) ? deck[position] : CardCode();
    };
    mCardCodes.fill(CardCode());
    for (int k = 0; k <= 51; ++k)
        mCardCodes[k] = deckCard(k + 1);
    m_present.fill(true);
    mPile.fill(CardCode());
    mPile[1] = deckCard(24);
    gPileTop = 1;
    mDeckPos = FirstStockEntry;
    mStockCount = StockSize;
    mSelecting = 0;
    mFirstIndex = 0;
    mFirstRank = 0;
    mPairs = 0;
    mRuns = 0;
    mCompleted = false;
}

bool DuettoTable::present(int index) const
{
    if (index == PileCard)
        return gPileTop > 0;
    return index >= 0 && index < UpperCount && m_present[index];
}

CardCode DuettoTable::code(int index) const
{
    if (!present(index))
        return {};
    return index == PileCard ? mPile[gPileTop] : mCardCodes[index];
}

int DuettoTable::rank(int index) const { return cardRank(code(index)); }

bool DuettoTable::CheckForLegalMove(int index) const
{
    if (index < 0 || index >= int(CoveringCards().size()))
        return true;
    const Covering c = CoveringCards()[index];
    return !present(c.first) && !present(c.second);
}

const char* DuettoTable::stockPictureKey() const
{
    if (mDeckPos <= 34)
        return "FULL";
    if (mDeckPos <= 41)
        return "HALF";
    if (mDeckPos <= 51)
        return "BACK";
    return "EMPTY";
}

void DuettoTable::ClearSelection()
{
    mSelecting = 0;
    mFirstRank = 0;
}

void DuettoTable::takePileTop()
{
    if (gPileTop > 0)
        --gPileTop;
    mCardCodes[PileCard] = gPileTop > 0 ? mPile[gPileTop] : CardCode();
}

bool DuettoTable::topRowCleared() const
{
    return std::none_of(m_present.begin(), m_present.begin() + 5, [](bool p) { return p; });
}

ClickOutcome DuettoTable::PlayCard_Click(int index, bool roundOver)
{
    ClickOutcome out;
    out.second = index;
    if (roundOver || index < 0 || index >= PlaceCount || (index < UpperCount && !m_present[index]))
        return out;
    if ((index == PileCard && gPileTop == 0) || !CheckForLegalMove(index)) {
        out.result = ClickResult::Refused;
        return out;
    }
    if (mSelecting == 0) {
        mFirstRank = rank(index);
        mSelecting = 1;
        mFirstIndex = index;
        out.result = ClickResult::Selected;
        return out;
    }
    out.first = mFirstIndex;
    mSelecting = 0;
    mFirstIndex = 0;
    if (index == out.first) {
        out.result = ClickResult::Deselected;
        return out;
    }

    const Match match = MatchOf(mFirstRank, rank(index));
    if (match == Match::None) {
        out.result = ClickResult::NoMatch;
        return out;
    }
    if (match == Match::Pair) {
        ++mPairs;
        out.result = ClickResult::Pair;
    } else {
        ++mRuns;
        out.result = ClickResult::Run;
    }
    for (int place : {out.first, out.second}) {
        if (place == PileCard) {
            takePileTop();
            out.pileChanged = true;
        } else {
            m_present[place] = false;
        }
    }
    out.topRowCleared = topRowCleared();
    return out;
}

StockOutcome DuettoTable::CardStackPicture_Click()
{
    StockOutcome out;
    const CardCode topBefore = code(PileCard);
    mStockCount = std::max(0, mStockCount - 1);

    const auto empty = std::find(m_present.begin(), m_present.end(), false);
    if (empty != m_present.end() && gPileTop > 0) {
        const int k = int(empty - m_present.begin());
        mCardCodes[k] = mPile[gPileTop];
        *empty = true;
        out.refilledPlace = k;
        takePileTop();
    }

    if (mDeckPos <= 51 && gPileTop + 1 < int(mPile.size())) {
        ++gPileTop;
        mPile[gPileTop] = mCardCodes[mDeckPos];
        ++mDeckPos;
        mCardCodes[PileCard] = mPile[gPileTop];
        out.drew = true;
    }
    out.pileChanged = code(PileCard) != topBefore || out.refilledPlace >= 0 || out.drew;
    ClearSelection();
    return out;
}

} // namespace duetto
