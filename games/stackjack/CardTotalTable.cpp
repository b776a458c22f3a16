#include "games/stackjack/CardTotalTable.h"

#include "games/stackjack/StackjackState.h"

#include <cstdlib>

namespace stackjack {

const std::array<CardTotalRow, RowCount>& CardTotalRows()
{
    static const std::array<CardTotalRow, RowCount> rows{{
        {"< 97", "0"},
        {"97", "50"},
        {"98", "100"},
        {"99", "150"},
        {"100", "200"},
        {"101", "250"},
        {"102", "300"},
        {"103", "400"},
        {"104", "500"},
        {"105", "1000"},
    }};
    return rows;
}

int CardTotalRowOf(int total)
{
    if (total < LowestWinningTotal)
        return BelowRow;
    if (total <= TopTotal)
        return total - LowestWinningTotal + 1;
    return NoRow;
}

int CardTotalPoints(int row)
{
    return row >= 0 && row < RowCount ? std::atoi(CardTotalRows()[row].pointsCaption) : 0;
}

void SetCardTotalValue()
{
    gMarkedRow = CardTotalRowOf(gCurrentTotal);
    if (gMarkedRow == NoRow)
        gCardTotalValue = 0;
    else if (gMarkedRow != BelowRow)
        gCardTotalValue = CardTotalPoints(gMarkedRow);
    if (gCurrentTotal >= LowestWinningTotal && gCurrentTotal <= TopTotal)
        gGiveUpCaption = GiveUpCaption::TakeScore;
}

} // namespace stackjack
