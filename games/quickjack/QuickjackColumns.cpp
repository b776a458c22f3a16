#include "games/quickjack/QuickjackColumns.h"

#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "platform/Conversions.h"

#include <algorithm>

namespace quickjack {

std::array<int, ColumnCount> gColumnTotal{};
std::int32_t gRunningBonus = 0;

int& ColumnCards(int Index)
{
    switch (Index) {
    case 0:
        return gColumnCards1;
    case 1:
        return gColumnCards2;
    case 2:
        return gColumnCards3;
    default:
        return gColumnCards4;
    }
}

int GetCardValue(int CardIndex)
{
    if (CardIndex < 1 || CardIndex > deckUpperBound())
        return 0;
    return std::min(cardRank(gDeck[CardIndex]), 10);
}

int CalculateAces(int Index)
{
    if (gColumnTotal[Index] + 11 <= 21) {
        ++gSoftAces[Index];
        return 11;
    }
    return 1;
}

bool CheckForBust(int Index)
{
    if (gSoftAces[Index] == 0)
        return true;
    --gSoftAces[Index];
    return false;
}

void AddToScore(std::int64_t points) { gScore = platform::saturateLong(std::int64_t(gScore) + points); }

HitOutcome Hit(int Index)
{
    HitOutcome out;
    if (gRoundOver || Index < 0 || Index >= ColumnCount || gDeckIndex < 1 || gDeckIndex > DeckSize ||
        gDeckIndex > deckUpperBound())
        return out;

    int value = GetCardValue(gDeckIndex);
    if (value == 1) {
        value = CalculateAces(Index);
        out.softShown = value == 11;
    }
    int total = gColumnTotal[Index] + value;
    if (total > 21) {
        if (CheckForBust(Index)) {
            out.bust = true;
            AddToScore(-BustPenalty);
            return out;
        }
        total -= 10;
        out.softCleared = gSoftAces[Index] == 0;
    }

    int& cards = ColumnCards(Index);
    out.card = gDeck[gDeckIndex];
    out.slot = cards;
    ++cards;
    if (total == 21) {
        // A fifth card that makes 21 is a 21, not a five-card column.
        out.twentyOne = true;
        ++gTwentyOnes;
        gRunningBonus = platform::saturateLong(std::int64_t(gRunningBonus) + gTwentyOneBonus);
        cards = 0;
        gSoftAces[Index] = 0;
        total = 0;
    } else if (cards == CardsPerColumn) {
        out.fiveCards = true;
        cards = 0;
        gSoftAces[Index] = 0;
        total = 0;
        AddToScore(gFiveCardsBonus);
    }
    gColumnTotal[Index] = total;
    out.total = total;

    ++gDeckIndex;
    out.lastCardOnShow = gDeckIndex == DeckSize;
    if (gDeckIndex > DeckSize) {
        out.deckCompleted = true;
        AddToScore(gDeckCompletionBonus);
        ClearColumnState();
    }
    return out;
}

PassOutcome Pass()
{
    PassOutcome out;
    if (gPassesLeft <= 0 || gDeckIndex < 1 || gDeckIndex >= DeckSize) {
        out.refused = true;
        return out;
    }
    --gPassesLeft;
    ++gDeckIndex;
    out.lastCardOnShow = gDeckIndex == DeckSize;
    out.passesUsedUp = gPassesLeft == 0;
    return out;
}

QString PileKey(int deckIndex)
{
    if (deckIndex < 17)
        return QStringLiteral("FULL");
    if (deckIndex <= 34)
        return QStringLiteral("HALF");
    return QStringLiteral("BACK");
}

void ClearColumnState()
{
    for (int c = 0; c < ColumnCount; ++c) {
        gColumnTotal[c] = 0;
        ColumnCards(c) = 0;
        gSoftAces[c] = 0;
    }
}

} // namespace quickjack
