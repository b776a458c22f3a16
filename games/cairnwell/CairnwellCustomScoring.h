#pragma once
// The checks of the user-options dialog, apart from its window: each field is read as a number,
// held to fixed bounds and stored the moment it is checked (the bound itself when it is refused).
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <cstdint>

namespace cairnwell {

// Bounds of the user options; the settings reader holds the file to them too.
namespace CustomBounds {
constexpr std::int32_t MaxTrip = 20000;
constexpr std::int32_t MaxRun = 20000;
constexpr std::int32_t MaxDeck = 100000;
constexpr std::int32_t MaxFlush = 20000;
constexpr std::int32_t MaxBonusRound = 1000000;
constexpr std::int32_t MaxPenalty = 20000; // typed as a negative number down to -20000
constexpr std::int32_t MaxTimeBonus = 5000;
} // namespace CustomBounds

enum class CustomField { Trip, Run, Deck, Flush, BonusRound, Penalty, TimeBonus };

struct CustomFields {
    QString trip, run, deck, flush, bonusRound, penalty, timeBonus;
    bool countDown = true;
};
// The fields as the dialog opens: the values in force, the penalty with a minus sign.
CustomFields CurrentCustomFields();
// What Default puts in: 6000, 300, 15000, 5000, 100000, -250, 200, checked.
CustomFields DefaultCustomFields();

using CustomRefusal = customscoring::Refusal<CustomField>; // text: the box's new one

struct CustomOutcome : customscoring::Outcome<CustomField> {
    bool timeBonusAccepted = false; // the count-down switch and the status line follow this OK
};

// One OK: checks trip, run, deck, flush, bonus round, penalty and time bonus in that order and
// stores each. The count-down switch is stored only when the time bonus passes; the custom-scoring
// flag is recomputed at the end of every OK, since refused fields are stored as their bounds.
CustomOutcome StoreCustomScoring(const CustomFields& fields);

// "Make 100,000 for bonus round.  " (status-bar panel 1).
QString BonusRoundStatusText();

} // namespace cairnwell
