#include "games/cairnwell/CairnwellCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellRound.h"
#include "platform/Conversions.h"

namespace cairnwell {

namespace {
QString digits(std::int64_t n) { return QString::number(n); }

struct Bounded {
    CustomField field;
    const QString* text;
    std::int32_t* value;
    std::int32_t maximum;
    const char* minMessage;
    const char* maxMessage;
};
} // namespace

CustomFields CurrentCustomFields()
{
    CustomFields f;
    f.trip = digits(gTrioValue);
    f.run = digits(gRunValue);
    f.deck = digits(gDeckCompletionBonus);
    f.flush = digits(gFlushPoints);
    f.bonusRound = digits(gBonusRoundScore);
    f.penalty = QStringLiteral("-") + digits(gLeftoverPenalty);
    f.timeBonus = digits(gTimeBonus);
    f.countDown = gCountDownScore;
    return f;
}

CustomFields DefaultCustomFields()
{
    CustomFields f;
    f.trip = digits(gDefaultTrioValue);
    f.run = digits(gDefaultRunValue);
    f.deck = digits(gDefaultDeckCompletion);
    f.flush = digits(gDefaultFlushBonus);
    f.bonusRound = digits(gDefaultBonusScore);
    f.penalty = digits(-std::int64_t(gDefaultLeftoverPenalty));
    f.timeBonus = digits(gDefaultTimeBonus);
    f.countDown = true;
    return f;
}

CustomOutcome StoreCustomScoring(const CustomFields& fields)
{
    using namespace CustomBounds;
    CustomOutcome out;
    auto refuse = [&out](CustomField field, const char* message, const QString& text) {
        out.refusals.push_back({field, QString::fromLatin1(message), text});
    };
    auto check = [&](const Bounded& b) {
        const customscoring::BoundsCheck c =
            customscoring::holdToBounds(out, b.field, *b.text, b.maximum, b.minMessage, b.maxMessage);
        *b.value = std::int32_t(c.value);
        return c.accepted;
    };

    check({CustomField::Trip, &fields.trip, &gTrioValue, MaxTrip, "Sorry, the minimum value for a Triple is 0.",
           "Sorry, the maximum value for a Triple is 20000"});
    check({CustomField::Run, &fields.run, &gRunValue, MaxRun, "Sorry, the minimum value for a Run is 0.",
           "Sorry, the maximum value for a Run is 20000"});
    check({CustomField::Deck, &fields.deck, &gDeckCompletionBonus, MaxDeck,
           "Sorry, the minimum value for for completing the Deck is 0.",
           "Sorry, the maximum value for completing the Deck is 100000"});
    check({CustomField::Flush, &fields.flush, &gFlushPoints, MaxFlush, "Sorry, the minimum value for the Flush Bonus is 0.",
           "Sorry, the maximum value for the Flush Bonus is 20000"});
    check({CustomField::BonusRound, &fields.bonusRound, &gBonusRoundScore, MaxBonusRound,
           "Sorry, the minimum value for obtaining the Bonus Round is 0.",
           "Sorry, the maximum value for obtaining the Bonus Round is 1000000"});

    const double penalty = platform::Val(fields.penalty);
    if (penalty > 0) {
        gLeftoverPenalty = 0;
        refuse(CustomField::Penalty, "Sorry, the maximum penalty for left over cards is 0.", QStringLiteral("0"));
    } else if (penalty < -double(MaxPenalty)) {
        gLeftoverPenalty = MaxPenalty;
        refuse(CustomField::Penalty, "Sorry, the minimum penalty for left over cards is -20000",
               digits(-std::int64_t(MaxPenalty)));
    } else {
        gLeftoverPenalty = std::int32_t(platform::roundHalfEven(-penalty));
    }

    out.timeBonusAccepted = check({CustomField::TimeBonus, &fields.timeBonus, &gTimeBonus, MaxTimeBonus,
           "Sorry, you cannot set the Time Bonus value to less than 0 points.",
           "Sorry, you cannot set the Time Bonus value to greater than 5000 points"});
    if (out.timeBonusAccepted)
        gCountDownScore = fields.countDown;

    // Also after a refusal: what was stored stays stored, even if the player cancels next.
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gBonusRoundScore); }

} // namespace cairnwell
