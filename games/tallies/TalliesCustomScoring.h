#pragma once
// The checks of the user-options dialog, apart from its window: the four values must all lie in
// 1..5,000,000; the first that does not is reported and nothing is stored.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace tallies {

enum class CustomField { Bonus, Completion, Combo, TimeBonus };
inline constexpr int CustomFieldCount = 4;

// Indexed by CustomField.
using CustomEntries = std::array<QString, CustomFieldCount>;
using CustomValues = std::array<std::int32_t, CustomFieldCount>;

struct CustomCheck {
    std::optional<CustomField> refused; // the first field out of bounds
    QString message;                    // its message
    CustomValues values{};              // when none was refused
};
CustomCheck CheckCustomScoring(const CustomEntries& entries);

// Stores the four values and recomputes gCustomScoring: any value away from its default.
void StoreCustomScoring(const CustomValues& values);

// "Make 80,000 for Bonus Round!   " (status-bar panel 1 after an OK).
QString BonusRoundStatusText();

} // namespace tallies
