#include "games/stackjack/StackjackGame.h"

#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "games/stackjack/CardTotalTable.h"
#include "games/stackjack/StackjackRound.h"
#include "games/stackjack/StackjackState.h"
#include "games/stackjack/StackjackTexts.h"

namespace stackjack {

namespace {
// A fresh deck for the round; the first card on show is its second entry.
bool ShuffleAndReset()
{
    bool ok = CreateDeck();
    if (ok)
        ok = ShuffleDeck();
    Reset();
    if (ok)
        gDeckIndex = 1;
    ++gDeckIndex;
    return ok;
}
} // namespace

bool StartGame()
{
    gRoundOver = false;
    gStackjackRound = 1;
    const bool ok = ShuffleAndReset();
    gScore = 0;
    SetCardTotalValue();
    gGameInProgress = true;
    return ok;
}

RoundTransition EndRound()
{
    gElapsed = 0;
    if (gStackjackRound == BonusRound && gScore < gStackjackBonusScore)
        gStackjackRound = GameOverRound;
    RoundTransition transition;
    transition.round = gStackjackRound;
    if (gStackjackRound >= 1 && gStackjackRound < BonusRound) {
        transition.next = NextStep::NextRound;
        transition.announcement = texts::PrepareForRound(gStackjackRound);
    } else if (gStackjackRound == BonusRound) {
        transition.next = NextStep::BonusRound;
        transition.announcement = texts::PrepareForBonusRound;
    }
    return transition;
}

bool DealRound()
{
    const bool ok = ShuffleAndReset();
    SetCardTotalValue();
    gRoundOver = false;
    return ok;
}

void EndGame()
{
    gGameInProgress = false;
    gScore = 0;
    gStackjackRound = 0;
    gElapsed = 0;
}

void AbandonGame()
{
    gGameInProgress = false;
    Reset();
    EndGame();
}

} // namespace stackjack
