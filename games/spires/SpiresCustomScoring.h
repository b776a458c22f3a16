#pragma once
// The checks of the user-options dialog, apart from its window: each field is read as a number,
// checked against fixed bounds and stored at once, a value out of bounds in its corrected form.
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <cstdint>

namespace spires {

namespace CustomBounds {
constexpr int MaxCardValue = 1000;
constexpr std::int32_t MaxBonusRoundScore = 900000;
constexpr std::int32_t MaxBonus = 32767; // high run, tower and time bonus
} // namespace CustomBounds

struct CustomScoringFields {
    QString cardValue;
    QString bonusScore;
    QString runBonus;
    QString completedTower;
    QString timeBonus;
    bool countDown = false;
};
CustomScoringFields CurrentCustomScoringFields();
// What Default puts in: "100", "40000", "1000", "5000", "100", ticked.
CustomScoringFields DefaultCustomScoringFields();

enum class CustomScoringField { CardValue, BonusScore, RunBonus, CompletedTower, TimeBonus };

using CustomScoringRefusal = customscoring::Refusal<CustomScoringField>; // text: the corrected one

// Refusals in field order.
struct CustomScoringOutcome : customscoring::Outcome<CustomScoringField> {
    bool timeBonusAccepted = false; // the count-down, the custom flag and the status line were updated
};

// One OK: checks and stores every field in order; only when the time bonus passed does it also store
// the count-down switch. gCustomScoring is recomputed on every press.
CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields);

// "Make 40,000 for bonus round.  " (status-bar panel 1 after an OK).
QString BonusRoundStatusText();

} // namespace spires
