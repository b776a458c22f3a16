#include "games/stackjack/StackjackTexts.h"

namespace stackjack::texts {

const char* GiveUpButton(GiveUpCaption caption)
{
    switch (caption) {
    case GiveUpCaption::TakeScore: return "&Take score";
    case GiveUpCaption::GiveUpAfterDrop: return "&Give up";
    case GiveUpCaption::GiveUp: break;
    }
    return "&Give Up";
}

std::string PrepareForRound(int round) { return "Prepare for Round " + std::to_string(round); }

std::string RoundLabel(int round) { return "Round: " + std::to_string(round); }

std::string RoundTotalLine(int finishedRound) { return "Round " + std::to_string(finishedRound) + " Total: "; }

std::string CardTotalInfoLine(int cardTotalValue, std::int32_t timeBonus)
{
    return "Card Total Value (" + std::to_string(cardTotalValue) + ") X Time Bonus (" + std::to_string(timeBonus) + ")";
}

} // namespace stackjack::texts
