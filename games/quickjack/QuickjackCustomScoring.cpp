#include "games/quickjack/QuickjackCustomScoring.h"

#include "core/scores/GameScoring.h"
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
    using customscoring::holdToBounds;
    CustomScoringOutcome out;

    if (fields.timerSpeed == 90 || fields.timerSpeed == 180 || fields.timerSpeed == 360) {
        gTimerSpeed = fields.timerSpeed;
        out.timerSpeed = fields.timerSpeed;
    }

    const customscoring::PacingChecks pacing = customscoring::storePassesAndWait(
        fields.cardsToPass, fields.waitPeriod, MaxWaitSeconds,
        "Sorry, a maximum of 60 seconds is allowed for the waiting period between rounds.");
    customscoring::addRefusal(out, CustomScoringField::CardsToPass, pacing.passes);
    customscoring::addRefusal(out, CustomScoringField::WaitPeriod, pacing.wait);

    // A bonus field: below 0 and above its maximum are clamped with their own messages.
    auto bonusField = [&](CustomScoringField field, const QString& text, std::int32_t& value, std::int32_t highest,
                          const char* tooLow, const char* tooHigh) {
        const customscoring::BoundsCheck check = holdToBounds(out, field, text, highest, tooLow, tooHigh);
        value = platform::saturateLong(check.value);
        return check.accepted;
    };
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
    if (bonusField(CustomScoringField::Bonus, fields.bonus, gBonusRoundScore, MaxBonusRoundScore,
                   "Sorry, a minimum of 0 is required for the bonus round score.",
                   "Sorry, the maximum value for achieving a bonus round is 2147483647.")) {
        gCountDownScore = fields.countDown;
        out.bonusAccepted = true;
    }

    // Also after a refusal: what was stored so far stays stored, even if the player cancels next.
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gBonusRoundScore); }

} // namespace quickjack
