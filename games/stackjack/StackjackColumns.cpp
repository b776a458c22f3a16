#include "games/stackjack/StackjackColumns.h"

#include "core/cards/Deck.h"
#include "games/stackjack/CardTotalTable.h"
#include "games/stackjack/StackjackState.h"

#include <algorithm>

namespace stackjack {

int GetCardValue(int Position)
{
    if (Position < 1 || Position > deckUpperBound())
        return 0;
    return std::min(cardRank(gDeck[Position]), 10);
}

int CalculateAces(int Index)
{
    if (gColumnTotal.at(Index) + 11 <= ColumnLimit) {
        ++gSoftAces[Index];
        return 11;
    }
    return 1;
}

void CloseColumn(int Index, bool Close) { gHitEnabled.at(Index) = !Close; }

void CloseCurrentRound() { gHitEnabled.fill(false); }

Placement CalculateColumnValue(int Index)
{
    int& count = ColumnCards(Index);
    Placement placed;
    placed.slot = count;
    placed.card = CardOnShow();
    gColumnSlots.at(Index).at(count) = placed.card;
    placed.value = GetCardValue(gDeckIndex);
    ++count;
    if (placed.value == 1)
        placed.value = CalculateAces(Index);
    gColumnTotal[Index] += placed.value;
    ++gDeckIndex;
    if (count == CardsPerColumn)
        CloseColumn(Index);
    return placed;
}

bool CheckForBust(int Index)
{
    if (gSoftAces.at(Index) != 0) {
        if (--gSoftAces[Index] == 0)
            gColumnTotal[Index] -= 10;
        if (ColumnCards(Index) == CardsPerColumn)
            CloseColumn(Index);
        return false;
    }
    CloseCurrentRound();
    gCurrentTotal = BustMark;
    return true;
}

void RecountCurrentTotal()
{
    gCurrentTotal = SumOfColumns();
    SetCardTotalValue();
}

HitOutcome Hit(int Index)
{
    HitOutcome outcome;
    if (!gGameInProgress || gRoundOver || Index < 0 || Index >= ColumnCount || !gHitEnabled[Index] || ColumnClosed(Index))
        return outcome;
    outcome.ignored = false;
    outcome.column = Index;
    outcome.placed = CalculateColumnValue(Index);
    outcome.softened = outcome.placed.value == 11;
    if (gColumnTotal[Index] <= ColumnLimit) {
        RecountCurrentTotal();
    } else if (CheckForBust(Index)) {
        outcome.bust = true;
        // A total that could have been taken is lost with the bust.
        gGiveUpCaption = GiveUpCaption::GiveUpAfterDrop;
    } else {
        outcome.hardened = true;
        RecountCurrentTotal();
        if (gCurrentTotal < LowestWinningTotal)
            gGiveUpCaption = GiveUpCaption::GiveUpAfterDrop;
    }
    outcome.columnClosed = ColumnClosed(Index);
    outcome.columnTotal = gColumnTotal[Index];
    outcome.currentTotal = gCurrentTotal;
    outcome.markedRow = gMarkedRow;
    outcome.totalWinning = !outcome.bust && gCurrentTotal >= LowestWinningTotal;
    outcome.autoTake = gCurrentTotal == TopTotal;
    outcome.nextCard = CardOnShow();
    return outcome;
}

} // namespace stackjack
