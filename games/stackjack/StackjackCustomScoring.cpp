#include "games/stackjack/StackjackCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/StackjackSettings.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "platform/Conversions.h"

namespace stackjack {

namespace {

QString trimmedStr(double n) { return platform::Str(n).trimmed(); }

QString digits(std::int64_t n) { return QString::number(n); }

} // namespace

CustomScoringFields CurrentCustomScoringFields()
{
    CustomScoringFields f;
    f.bonus = digits(gStackjackBonusScore);
    f.timeBonusMax = digits(gMaxTimeBonus);
    f.timeBonusMin = digits(gMinTimeBonus);
    f.waitPeriod = trimmedStr(double(gWaitPeriod) / 1000.0);
    f.cardsToPass = digits(gCardsToPass);
    f.countDown = gCountDownScore;
    return f;
}

CustomScoringFields DefaultCustomScoringFields()
{
    CustomScoringFields f;
    f.bonus = digits(StackjackDefaults::BonusScore);
    f.timeBonusMax = digits(StackjackDefaults::MaxTimeBonus);
    f.timeBonusMin = digits(StackjackDefaults::MinTimeBonus);
    f.waitPeriod = digits(SettingsDefaults::WaitPeriod / 1000);
    f.cardsToPass = digits(SettingsDefaults::CardsToPass);
    f.countDown = true;
    return f;
}

CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields)
{
    using namespace CustomBounds;
    using customscoring::holdToBounds;
    using platform::roundHalfEven;
    using platform::Val;
    CustomScoringOutcome out;
    auto refuse = [&out](CustomScoringField field, const char* message, const QString& text) {
        out.refusals.push_back({field, QString::fromLatin1(message), text});
    };

    const customscoring::PacingChecks pacing = customscoring::storePassesAndWait(
        fields.cardsToPass, fields.waitPeriod, MaxWaitSeconds,
        "Sorry, a maximum of 30 seconds is allowed for the waiting period between rounds.");
    customscoring::addRefusal(out, CustomScoringField::CardsToPass, pacing.passes);
    customscoring::addRefusal(out, CustomScoringField::WaitPeriod, pacing.wait);

    gStackjackBonusScore = platform::saturateLong(
        holdToBounds(out, CustomScoringField::Bonus, fields.bonus, MaxBonusScore,
                     "Sorry, a minimum of 0 is required for the bonus round score.",
                     "Sorry, the maximum value for achieving a bonus round is 2147483647.")
            .value);

    // The minimum is checked against the maximum field as this check leaves it.
    QString maxText = fields.timeBonusMax;
    const double maxValue = Val(maxText);
    const double minValue = Val(fields.timeBonusMin);
    if (minValue >= maxValue) {
        maxText = trimmedStr(minValue + 1);
        refuse(CustomScoringField::TimeBonusMax,
               "Sorry, the maximum time bonus value must be greater than the minimum time bonus value.", maxText);
    } else if (maxValue <= 0) {
        maxText = QStringLiteral("0");
        refuse(CustomScoringField::TimeBonusMax, "Sorry, the maximum time bonus value must be greater than 0.", maxText);
    } else if (maxValue > MaxTimeBonus) {
        maxText = digits(MaxTimeBonus);
        refuse(CustomScoringField::TimeBonusMax, "Sorry, the maximum time bonus value must not exceed 10000.", maxText);
    } else {
        gMaxTimeBonus = int(roundHalfEven(maxValue));
    }

    const double maxAgain = Val(maxText);
    if (maxAgain <= minValue) {
        refuse(CustomScoringField::TimeBonusMin,
               "Sorry, the minimum time bonus value must be less than the maximum time bonus value.",
               trimmedStr(maxAgain - 1));
    } else if (minValue <= 0) {
        refuse(CustomScoringField::TimeBonusMin, "Sorry, the minimum time bonus value must be greater than 0.",
               QStringLiteral("0"));
    } else if (minValue > MaxTimeBonus) {
        refuse(CustomScoringField::TimeBonusMin, "Sorry, the minimum time bonus value must not exceed 10000.",
               digits(MaxTimeBonus));
    } else {
        gMinTimeBonus = int(roundHalfEven(minValue));
        gCountDownScore = fields.countDown;
        out.minimumAccepted = true;
    }

    // Also after a refusal: what was stored so far stays stored, even if the player cancels next.
    ComputeBonusDecrement();
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gStackjackBonusScore); }

} // namespace stackjack
