#include "games/stackjack/StackjackCustomScoring.h"

#include "core/GameScoring.h"
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
    using platform::roundHalfEven;
    using platform::Val;
    CustomScoringOutcome out;
    auto refuse = [&out](CustomScoringField field, const char* message, const QString& text) {
        out.refusals.push_back({field, QString::fromLatin1(message), text});
    };

    const double passes = Val(fields.cardsToPass);
    if (passes < 0) {
        refuse(CustomScoringField::CardsToPass, "Sorry, you cannot pass fewer than 0 cards.", QStringLiteral("0"));
        gPassesLeft = 0;
    } else if (passes > MaxCardsToPass) {
        refuse(CustomScoringField::CardsToPass, "Sorry, you cannot pass more than 10 cards.", digits(MaxCardsToPass));
        gPassesLeft = MaxCardsToPass;
    } else {
        gPassesLeft = int(roundHalfEven(passes));
        gCardsToPass = gPassesLeft;
    }

    const double wait = Val(fields.waitPeriod);
    if (wait < 0) {
        refuse(CustomScoringField::WaitPeriod,
               "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.", QStringLiteral("0"));
        gWaitPeriod = 0;
    } else if (wait > MaxWaitSeconds) {
        refuse(CustomScoringField::WaitPeriod,
               "Sorry, a maximum of 30 seconds is allowed for the waiting period between rounds.", digits(MaxWaitSeconds));
        gWaitPeriod = MaxWaitSeconds * 1000;
    } else {
        gWaitPeriod = std::int32_t(roundHalfEven(wait * 1000.0));
    }

    const double bonus = Val(fields.bonus);
    if (bonus < 0) {
        refuse(CustomScoringField::Bonus, "Sorry, a minimum of 0 is required for the bonus round score.",
               QStringLiteral("0"));
        gStackjackBonusScore = 0;
    } else if (bonus > MaxBonusScore) {
        refuse(CustomScoringField::Bonus, "Sorry, the maximum value for achieving a bonus round is 2147483647.",
               digits(MaxBonusScore));
        gStackjackBonusScore = MaxBonusScore;
    } else {
        gStackjackBonusScore = platform::saturateLong(roundHalfEven(bonus));
    }

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

QString BonusRoundStatusText()
{
    return QStringLiteral("Make ") + platform::formatGrouped(gStackjackBonusScore) + QStringLiteral(" for bonus round.  ");
}

} // namespace stackjack
