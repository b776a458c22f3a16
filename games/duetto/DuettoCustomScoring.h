#pragma once
// The checks of the user-options dialog, apart from its window: each field is read as a leading
// number, held to fixed bounds and stored on every OK; a field out of bounds stores its bound, gets
// a message and its corrected text, and keeps the dialog open.
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <cstdint>

namespace duetto {

namespace CustomBounds {
constexpr std::int32_t MaxBonus = 32767;            // pairs, runs, completion and time bonus
constexpr std::int32_t MaxBonusRoundScore = 200000;
} // namespace CustomBounds

struct CustomScoringFields {
    QString pairsBonus;
    QString runsBonus;
    QString bonusRound;
    QString completionBonus;
    QString timeBonus;
    bool countDown = false;
};
// The values in force, as plain whole numbers.
CustomScoringFields CurrentCustomScoringFields();
// What Default puts in: "3000", "500", "80000", "10000", "100", checked.
CustomScoringFields DefaultCustomScoringFields();

enum class CustomScoringField { PairsBonus, RunsBonus, BonusRound, CompletionBonus, TimeBonus };

using CustomScoringRefusal = customscoring::Refusal<CustomScoringField>; // text: the corrected one
// Refusals in field order.
using CustomScoringOutcome = customscoring::Outcome<CustomScoringField>;

// One OK: stores every field (its bound when out of bounds), the count-down, then the custom flag.
CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields);

// "Pairs x 3000", "Runs x 500".
QString PairsCaption();
QString RunsCaption();
// "Make 100,000 for bonus round.  " (status-bar panel 1 after an OK).
QString BonusRoundStatusText();

} // namespace duetto
