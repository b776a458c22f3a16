#include "core/settings/CustomScoringCheck.h"

#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

namespace customscoring {

BoundsCheck checkBounds(const QString& entry, std::int64_t highest, const char* belowMessage,
                        const char* aboveMessage, double scale)
{
    BoundsCheck check;
    const double number = platform::Val(entry);
    if (number < 0) {
        check.message = QString::fromLatin1(belowMessage);
        check.text = QStringLiteral("0");
    } else if (number > double(highest)) {
        check.value = std::int64_t(double(highest) * scale);
        check.message = QString::fromLatin1(aboveMessage);
        check.text = QString::number(highest);
    } else {
        check.accepted = true;
        check.value = platform::roundHalfEven(number * scale);
    }
    return check;
}

PacingChecks storePassesAndWait(const QString& passes, const QString& waitSeconds, int maxWaitSeconds,
                                const char* waitAboveMessage)
{
    PacingChecks checks;
    checks.passes = checkBounds(passes, MaxCardsToPass, "Sorry, you cannot pass fewer than 0 cards.",
                                "Sorry, you cannot pass more than 10 cards.");
    gPassesLeft = int(checks.passes.value);
    if (checks.passes.accepted)
        gCardsToPass = gPassesLeft;
    checks.wait = checkBounds(waitSeconds, maxWaitSeconds,
                              "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.",
                              waitAboveMessage, 1000.0);
    gWaitPeriod = std::int32_t(checks.wait.value);
    return checks;
}

QString BonusRoundStatusText(std::int64_t bonusRoundScore)
{
    return QStringLiteral("Make ") + platform::formatGrouped(bonusRoundScore) + QStringLiteral(" for bonus round.  ");
}

} // namespace customscoring
