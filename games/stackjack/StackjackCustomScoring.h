#pragma once
// The checks of the user-options dialog, apart from its window: each field is read as a number,
// checked against fixed bounds and stored at once when it passes; a refused field gets a message and
// a corrected text, and the dialog stays open.
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <cstdint>

namespace stackjack {

// Bounds of the user options; the settings reader holds the file to them too.
namespace CustomBounds {
constexpr int MaxCardsToPass = customscoring::MaxCardsToPass;
constexpr int MaxWaitSeconds = 30;
constexpr std::int32_t MaxBonusScore = 2147483647;
constexpr int MaxTimeBonus = 10000; // for both multipliers, which must also be above 0
} // namespace CustomBounds

struct CustomScoringFields {
    QString bonus;
    QString timeBonusMax;
    QString timeBonusMin;
    QString waitPeriod; // seconds
    QString cardsToPass;
    bool countDown = false;
};
// The fields as the dialog opens: the values in force, the wait in seconds.
CustomScoringFields CurrentCustomScoringFields();
// What Default puts in: "200000", "300", "100", "2", checked, "1".
CustomScoringFields DefaultCustomScoringFields();

enum class CustomScoringField { CardsToPass, WaitPeriod, Bonus, TimeBonusMax, TimeBonusMin };

using CustomScoringRefusal = customscoring::Refusal<CustomScoringField>;

struct CustomScoringOutcome : customscoring::Outcome<CustomScoringField> {
    bool minimumAccepted = false; // the count-down and the status line were updated
};

// One OK: checks passes, wait, bonus score, maximum, minimum in that order, storing each that passes.
// The minimum is compared with the maximum field as the maximum's own check left it. The time-bonus
// decrement and the custom-scoring flag are recomputed at the end whatever was refused, so values
// stored by a refused OK count even when the player then cancels.
CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields);

// "Make 200,000 for bonus round.  " (status-bar panel 1).
QString BonusRoundStatusText();

} // namespace stackjack
