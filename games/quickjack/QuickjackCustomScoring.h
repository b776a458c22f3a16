#pragma once
// The checks of the user-options dialog, apart from its window: each field is read as a number and
// checked against fixed bounds; a value out of bounds is replaced by the bound, stored, reported and
// put back in its box, and the dialog stays open.
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <cstdint>

namespace quickjack {

namespace CustomBounds {
constexpr int MaxCardsToPass = customscoring::MaxCardsToPass;
constexpr int MaxWaitSeconds = 60;
constexpr std::int32_t MaxBonusRoundScore = 2147483647;
constexpr std::int32_t MaxTwentyOneBonus = 5000;
constexpr std::int32_t MaxCardsUsedBonus = 5000;
constexpr std::int32_t MaxDeckCompletionBonus = 1000000;
constexpr std::int32_t MaxFiveCardsBonus = 50000;
} // namespace CustomBounds

// The 21 Counter speeds: 0 none selected, else 90, 180 or 360 ms.
struct CustomScoringFields {
    QString bonus;
    QString twentyOneBonus;
    QString cardsUsedBonus;
    QString deckCompletionBonus;
    QString fiveCardsBonus;
    QString cardsToPass;
    int timerSpeed = 0;
    QString waitPeriod; // seconds
    bool countDown = false;
};
// The values in force; the speed is the counter's interval as given.
CustomScoringFields CurrentCustomScoringFields(int counterInterval);
CustomScoringFields DefaultCustomScoringFields();

enum class CustomScoringField { CardsToPass, WaitPeriod, CardsUsedBonus, TwentyOneBonus, DeckCompletionBonus,
                                FiveCardsBonus, Bonus };

using CustomScoringRefusal = customscoring::Refusal<CustomScoringField>; // text: the field's new one

struct CustomScoringOutcome : customscoring::Outcome<CustomScoringField> {
    bool bonusAccepted = false; // the count-down, the custom flag and the status line were updated
    int timerSpeed = 0;         // the counter's new interval, 0 when no speed was selected
};

// One OK: speed, passes, wait, cards used, 21 bonus, completion, five cards, bonus round, in that
// order, storing each value (or its clamp) at once. The custom-scoring flag is recomputed at the end
// whatever was refused, so values stored by a refused OK count even when the player then cancels.
CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields);

// "Make 250,000 for bonus round.  " (status-bar panel 1 after an OK).
QString BonusRoundStatusText();

} // namespace quickjack
