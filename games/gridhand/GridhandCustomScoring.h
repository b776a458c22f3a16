#pragma once
// The checks of the user-options dialog, apart from its window: on OK each field in turn is read as a
// number and stored when it lies within its bounds; a refused field stores a fixed stand-in value, gets
// a message and shows that value, and the dialog stays open.
#include "core/settings/CustomScoringCheck.h"

#include <QString>
#include <array>
#include <cstdint>

namespace gridhand {

// In the order OK checks them.
enum class CustomField { Pair, TwoPair, ThreeKind, Straight, Flush, FullHouse, FourKind, StFlush, RoyalFlush,
                         BonusScore, OverWrites, TimeBonus };
inline constexpr int CustomFieldCount = 12;

struct CustomFieldRule {
    const char* caption;        // the field's label
    std::int32_t highest;       // the lowest is 0 for every field
    std::int32_t refusedValue;  // stored and shown when the entry is refused
    std::int32_t defaultValue;  // what Default shows
};
const CustomFieldRule& RuleOf(CustomField field);

// The message for a refused entry.
QString RefusalMessage(CustomField field);

struct CustomScoringFields {
    std::array<QString, CustomFieldCount> text; // indexed by CustomField
    bool countDown = true;
    QString& operator[](CustomField f) { return text[std::size_t(f)]; }
    const QString& operator[](CustomField f) const { return text[std::size_t(f)]; }
};
// The values in force, as the dialog opens.
CustomScoringFields CurrentCustomScoringFields();
// What Default puts in.
CustomScoringFields DefaultCustomScoringFields();

using CustomRefusal = customscoring::Refusal<CustomField>; // text: the field's new one
// Refusals in field order.
struct CustomScoringOutcome : customscoring::Outcome<CustomField> {
    bool bonusScoreAccepted = false; // the status line shows the new target
};

// One OK. The count-down switch is taken only with a valid time bonus; the custom-scoring flag is
// recomputed at the end whatever was refused, since refused fields have stored their stand-ins.
CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields);

// "Make 100,000 for bonus round.  " (status-bar panel 1).
QString BonusRoundStatusText();

} // namespace gridhand
