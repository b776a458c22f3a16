#include "games/stackjack/StackjackRound.h"

#include "core/scores/GameScoring.h"
#include "games/stackjack/CardTotalTable.h"
#include "games/stackjack/StackjackColumns.h"
#include "games/stackjack/StackjackState.h"
#include "games/stackjack/StackjackTexts.h"
#include "platform/Conversions.h"

namespace stackjack {

bool Reset()
{
    gElapsed = 0;
    // The round's first second scores with the full bonus, not the last one of the previous round.
    gTimeBonus = gMaxTimeBonus;
    gPassesLeft = gCardsToPass;
    for (int i = 0; i < ColumnCount; ++i) {
        gColumnSlots[i].fill(CardCode());
        ColumnCards(i) = 0;
        gColumnTotal[i] = 0;
        gSoftAces[i] = 0;
        CloseColumn(i, false);
    }
    gCurrentTotal = 0;
    SetCardTotalValue();
    gGiveUpCaption = GiveUpCaption::GiveUp;
    return true;
}

bool PassAllowed() { return gGameInProgress && !gRoundOver && gPassesLeft > 0; }

PassOutcome Pass()
{
    PassOutcome outcome;
    if (!PassAllowed())
        return outcome;
    --gPassesLeft;
    ++gDeckIndex;
    outcome.refused = false;
    outcome.nextCard = CardOnShow();
    outcome.passesLeft = gPassesLeft;
    outcome.passEnabled = gPassesLeft > 0;
    return outcome;
}

TakenScore TakeScore()
{
    TakenScore taken;
    taken.finishedRound = gStackjackRound - 1;
    taken.cardTotalValue = gCardTotalValue;
    taken.timeBonus = gTimeBonus;
    taken.roundScore = std::int64_t(gCardTotalValue) * gTimeBonus;
    taken.scoreBefore = gScore;
    gScore = platform::saturateLong(std::int64_t(gScore) + taken.roundScore);
    taken.scoreAfter = gScore;
    taken.totallyAwesome = gCardTotalValue == CardTotalPoints(RowCount - 1);
    return taken;
}

RoundEnd EndCurrentRound()
{
    RoundEnd end;
    if (gRoundOver)
        return end;
    gRoundOver = true;
    ++gStackjackRound;
    if (gGiveUpCaption == GiveUpCaption::TakeScore) {
        end.result = RoundResult::ScoreTaken;
        end.taken = TakeScore();
    } else if (gCurrentTotal >= LowestWinningTotal) {
        end.result = RoundResult::Busted;
        end.message = texts::Busted;
    } else {
        end.result = RoundResult::TooLow;
        end.message = texts::TooLow;
    }
    return end;
}

} // namespace stackjack
