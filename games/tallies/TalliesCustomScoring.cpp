#include "games/tallies/TalliesCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

namespace tallies {

namespace {
constexpr double Lowest = 1;
constexpr double Highest = 5000000;

const char* const Messages[CustomFieldCount] = {
    "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000.",
    "Sorry, the score awarded for completing the upper playing area must fall between 1 and 5,000,000.",
    "Sorry, the score awarded for each eleven combination must fall between 1 and 5,000,000.",
    "Sorry, the score awarded for each second remaining in the game after selecting 'Take Score' must fall between "
    "1 and 5,000,000.",
};
} // namespace

CustomCheck CheckCustomScoring(const CustomEntries& entries)
{
    CustomCheck check;
    for (int i = 0; i < CustomFieldCount; ++i) {
        const double v = platform::Val(entries[i]);
        if (!(v >= Lowest && v <= Highest)) {
            check.refused = CustomField(i);
            check.message = QString::fromLatin1(Messages[i]);
            return check;
        }
        check.values[i] = std::int32_t(platform::roundHalfEven(v));
    }
    return check;
}

void StoreCustomScoring(const CustomValues& values)
{
    gTalliesBonusScore = values[int(CustomField::Bonus)];
    gTalliesCompletionBonus = values[int(CustomField::Completion)];
    gTalliesComboBonus = values[int(CustomField::Combo)];
    gTimeBonus = values[int(CustomField::TimeBonus)];
    gCustomScoring = !(gTalliesBonusScore == TalliesDefaults::BonusScore &&
                       gTalliesCompletionBonus == TalliesDefaults::CompletionBonus &&
                       gTalliesComboBonus == TalliesDefaults::ComboBonus && gTimeBonus == TalliesDefaults::TimeBonus);
}

QString BonusRoundStatusText()
{
    return QStringLiteral("Make ") + platform::formatGrouped(gTalliesBonusScore) + QStringLiteral(" for Bonus Round!   ");
}

} // namespace tallies
