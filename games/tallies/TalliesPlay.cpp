#include "games/tallies/TalliesPlay.h"

#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesScore.h"
#include "games/tallies/TalliesState.h"

namespace tallies {

namespace {
bool playing() { return gTalliesPhase == TalliesPhase::Playing && !gRoundOver; }

bool validPosition(int Index) { return Index >= 0 && Index < TalliesFieldSize; }

bool hasUpCard() { return gPileTop > 0 && gPileTop < int(gTalliesUpCards.size()); }

// A draw: the player's costs DrawCost and sounds; the free one after a combination does neither.
TalliesDraw draw(bool free)
{
    TalliesDraw result;
    if (!playing() || gTalliesCardsLeft < 0 || gTalliesCardsLeft >= int(gTalliesDrawPile.size())) {
        result.refused = true;
        return result;
    }
    const std::int32_t before = gScore;
    if (gPileTop > 0) {
        int position = -1;
        if (MoveUpCardToFieldArea(&position))
            result.movedToPosition = position;
    }
    ++gPileTop;
    if (gPileTop >= int(gTalliesUpCards.size()))
        gTalliesUpCards.resize(gPileTop + 1);
    gTalliesUpCards[gPileTop] = gTalliesDrawPile[gTalliesCardsLeft];
    --gTalliesCardsLeft;

    ClearSelectionMarks();
    gTalliesTotal = 0;
    if (!free)
        AddToScore(-DrawCost);
    result.cost = before - gScore;
    return result;
}
} // namespace

void ClearSelectionMarks()
{
    gTalliesFieldSelected.fill(false);
    gTalliesUpCardSelected = false;
}

TalliesSelection SelectFieldCard(int Index)
{
    TalliesSelection result;
    if (!playing() || !validPosition(Index) || !gTalliesFieldVisible[Index] || !CheckLegalFieldCardMove(Index))
        return result;
    const int v = CardValue(gTalliesFieldCards[Index]);
    if (gTalliesFieldSelected[Index]) {
        gTalliesTotal -= v;
        gTalliesFieldSelected[Index] = false;
        result.outcome = TalliesSelection::Deselected;
        return result;
    }
    if (gTalliesTotal + v > gCardGoal)
        return result;
    gTalliesFieldSelected[Index] = true;
    gTalliesTotal += v;
    result.outcome = TalliesSelection::Selected;
    result.madeCombination = CheckTotal(result.combination);
    return result;
}

TalliesSelection SelectUpCard()
{
    TalliesSelection result;
    if (!playing() || !hasUpCard())
        return result;
    const int v = CardValue(gTalliesUpCards[gPileTop]);
    if (gTalliesUpCardSelected) {
        gTalliesTotal -= v;
        gTalliesUpCardSelected = false;
        result.outcome = TalliesSelection::Deselected;
        return result;
    }
    if (gTalliesTotal + v > gCardGoal)
        return result;
    gTalliesTotal += v;
    gTalliesUpCardSelected = true;
    result.outcome = TalliesSelection::Selected;
    result.madeCombination = CheckTotal(result.combination);
    return result;
}

TalliesDraw DrawCard() { return draw(false); }

bool CheckTotal(TalliesCombination& Combination)
{
    Combination = TalliesCombination();
    if (gTalliesTotal != gCardGoal)
        return false;

    const std::int32_t before = gScore;
    for (int i = 0; i < TalliesFieldSize; ++i) {
        if (!gTalliesFieldSelected[i])
            continue;
        AddToScore(FieldCardPoints(i));
        gTalliesFieldSelected[i] = false;
        gTalliesFieldVisible[i] = false;
        Combination.removed.push_back(i);
    }
    if (gTalliesUpCardSelected) {
        Combination.usedUpCard = true;
        AddToScore(UpCardPoints);
        gTalliesUpCardSelected = false;
        --gPileTop; // the card turned before it, if any, is the up card again
    }
    ++gTalliesCombos;
    gTalliesTotal = 0;
    Combination.points = gScore - before;

    // A cleared field ends the round at once; the next round's deal brings a new up card.
    Combination.fieldCleared = CheckForCompletion();
    if (!Combination.fieldCleared && Combination.usedUpCard && gPileTop == 0)
        Combination.freeDraw = !draw(true).refused;
    return true;
}

bool MoveUpCardToFieldArea(int* Position)
{
    if (!hasUpCard())
        return false;
    for (int i = 0; i < TalliesFieldSize; ++i) {
        if (gTalliesFieldVisible[i])
            continue;
        gTalliesFieldCards[i] = gTalliesUpCards[gPileTop];
        gTalliesFieldVisible[i] = true;
        gTalliesFieldSelected[i] = false;
        --gPileTop;
        AddToScore(-DrawCost);
        if (Position)
            *Position = i;
        return true;
    }
    return false;
}

long SelectionColor(int Code)
{
    gSelectionColor = Code;
    switch (Code) {
    case 0:
        return 0xFFFF; // yellow
    case 1:
        return 0xFF; // red
    case 2:
        return 0xFF0000; // blue
    case 3:
        return 0xC000; // green
    case 4:
        return 0x800080; // purple
    default:
        return 0; // black
    }
}

} // namespace tallies
