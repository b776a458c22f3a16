#include "games/quickjack/QuickjackCustomScoring.h"

#include "core/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackSettings.h"
#include "platform/Conversions.h"

namespace quickjack {

namespace {

QString digits(std::int64_t n) { return QString::number(n); }

} // namespace

CustomScoringFields CurrentCustomScoringFields(int counterInterval)
{
    CustomScoringFields f;
    f.bonus = digits(gBonusRoundScore);
    f.twentyOneBonus = digits(gTwentyOneBonus);
    f.cardsUsedBonus = digits(gCardsUsedBonus);
    f.deckCompletionBonus = digits(gDeckCompletionBonus);
    f.fiveCardsBonus = digits(gFiveCardsBonus);
    f.cardsToPass = digits(gCardsToPass);
    f.timerSpeed = (counterInterval == 90 || counterInterval == 180 || counterInterval == 360) ? counterInterval : 0;
    f.waitPeriod = platform::Str(double(gWaitPeriod) / 1000.0).trimmed();
    f.countDown = gCountDownScore;
    return f;
}

CustomScoringFields DefaultCustomScoringFields()
{
    CustomScoringFields f;
    f.bonus = digits(QuickjackDefaults::BonusRoundScore);
    f.twentyOneBonus = digits(QuickjackDefaults::TwentyOneBonus);
    f.cardsUsedBonus = digits(QuickjackDefaults::CardsUsedBonus);
    f.deckCompletionBonus = digits(QuickjackDefaults::DeckCompletionBonus);
    f.fiveCardsBonus = digits(QuickjackDefaults::FiveCardsBonus);
    f.cardsToPass = digits(SettingsDefaults::CardsToPass);
    f.timerSpeed = QuickjackDefaults::TimerSpeed;
    f.waitPeriod = digits(SettingsDefaults::WaitPeriod / 1000);
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
    // A bonus field: below 0 and above its maximum are clamped with their own messages.
    auto bonusField = [&](CustomScoringField field, const QString& text, std::int32_t& value, std::int32_t highest,
                          const char* tooLow, const char* tooHigh) {
        const double v = Val(text);
        if (v < 0) {
            value = 0;
            refuse(field, tooLow, QStringLiteral("0"));
        } else if (v > highest) {
            value = highest;
            refuse(field, tooHigh, digits(highest));
        } else {
            value = platform::saturateLong(roundHalfEven(v));
        }
    };

    if (fields.timerSpeed == 90 || fields.timerSpeed == 180 || fields.timerSpeed == 360) {
        gTimerSpeed = fields.timerSpeed;
        out.timerSpeed = fields.timerSpeed;
    }

    const double passes = Val(fields.cardsToPass);
    if (passes < 0) {
        gPassesLeft = 0;
        refuse(CustomScoringField::CardsToPass, "Sorry, you cannot pass fewer than 0 cards.", QStringLiteral("0"));
    } else if (passes > MaxCardsToPass) {
        gPassesLeft = MaxCardsToPass;
        refuse(CustomScoringField::CardsToPass, "Sorry, you cannot pass more than 10 cards.", digits(MaxCardsToPass));
    } else {
        gPassesLeft = int(roundHalfEven(passes));
        gCardsToPass = gPassesLeft;
    }

    const double wait = Val(fields.waitPeriod);
    if (wait < 0) {
        gWaitPeriod = 0;
        refuse(CustomScoringField::WaitPeriod,
               "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.", QStringLiteral("0"));
    } else if (wait > MaxWaitSeconds) {
        gWaitPeriod = MaxWaitSeconds * 1000;
        refuse(CustomScoringField::WaitPeriod,
               "Sorry, a maximum of 60 seconds is allowed for the waiting period between rounds.", digits(MaxWaitSeconds));
    } else {
        gWaitPeriod = std::int32_t(roundHalfEven(wait * 1000.0));
    }

    bonusField(CustomScoringField::CardsUsedBonus, fields.cardsUsedBonus, gCardsUsedBonus, MaxCardsUsedBonus,
               "Sorry, a minimum of 0 is required for the Cards Used bonus score.",
               "Sorry, the maximum value for the Cards Used bonus score is 5000.");
    bonusField(CustomScoringField::TwentyOneBonus, fields.twentyOneBonus, gTwentyOneBonus, MaxTwentyOneBonus,
               "Sorry, a minimum of 0 is required for the Twenty One bonus score.",
               "Sorry, the maximum value for the Twenty One bonus score is 5000.");
    bonusField(CustomScoringField::DeckCompletionBonus, fields.deckCompletionBonus, gDeckCompletionBonus,
               MaxDeckCompletionBonus, "Sorry, a minimum of 0 is required for the Deck Completion Bonus.",
               "Sorry, the maximum value for the Deck Completion Bonus is 1000000.");
    bonusField(CustomScoringField::FiveCardsBonus, fields.fiveCardsBonus, gFiveCardsBonus, MaxFiveCardsBonus,
               "Sorry, a minimum of 0 is required for the Five Cards Gimme Bonus.",
               "Sorry, the maximum value for the Five Cards Gimme Bonus is 50000.");

    const double bonus = Val(fields.bonus);
    if (bonus < 0) {
        gBonusRoundScore = 0;
        refuse(CustomScoringField::Bonus, "Sorry, a minimum of 0 is required for the bonus round score.",
               QStringLiteral("0"));
    } else if (bonus > MaxBonusRoundScore) {
        gBonusRoundScore = MaxBonusRoundScore;
        refuse(CustomScoringField::Bonus, "Sorry, the maximum value for achieving a bonus round is 2147483647.",
               digits(MaxBonusRoundScore));
    } else {
        gBonusRoundScore = platform::saturateLong(roundHalfEven(bonus));
        gCountDownScore = fields.countDown;
        out.bonusAccepted = true;
    }

    // Also after a refusal: what was stored so far stays stored, even if the player cancels next.
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText()
{
    return QStringLiteral("Make ") + platform::formatGrouped(gBonusRoundScore) + QStringLiteral(" for bonus round.  ");
}

} // namespace quickjack
