#include "games/stackjack/StackjackState.h"

namespace stackjack {

int gStackjackRound = 0;
int gColumnCards5 = 0;

std::array<int, ColumnCount> gColumnTotal{};
std::array<std::array<CardCode, CardsPerColumn>, ColumnCount> gColumnSlots{};
std::array<bool, ColumnCount> gHitEnabled{true, true, true, true, true};
GiveUpCaption gGiveUpCaption = GiveUpCaption::GiveUp;
int gMarkedRow = 0;

int& ColumnCards(int Index)
{
    switch (Index) {
    case 0: return gColumnCards1;
    case 1: return gColumnCards2;
    case 2: return gColumnCards3;
    case 3: return gColumnCards4;
    default: return gColumnCards5;
    }
}

bool ColumnClosed(int Index) { return ColumnCards(Index) >= CardsPerColumn; }

bool ColumnSoft(int Index) { return gSoftAces.at(Index) != 0; }

CardCode CardOnShow()
{
    return gDeckIndex >= 1 && gDeckIndex <= deckUpperBound() ? gDeck[gDeckIndex] : CardCode();
}

int SumOfColumns()
{
    int sum = 0;
    for (int total : gColumnTotal)
        sum += total;
    return sum;
}

} // namespace stackjack
