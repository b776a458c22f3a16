#include "games/spires/SpiresCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/spires/SpiresSettings.h"

namespace spires {

namespace {
QString digits(std::int64_t n) { return QString::number(n); }
} // namespace

CustomScoringFields CurrentCustomScoringFields()
{
    CustomScoringFields f;
    f.cardValue = digits(gCardValue);
    f.bonusScore = digits(gBonusRoundScore);
    f.runBonus = digits(gHighRunBonus);
    f.completedTower = digits(gSpireBonus);
    f.timeBonus = digits(gTimeBonus);
    f.countDown = gCountDownScore;
    return f;
}

CustomScoringFields DefaultCustomScoringFields()
{
    CustomScoringFields f;
    f.cardValue = digits(SpiresDefaults::CardValue);
    f.bonusScore = digits(SpiresDefaults::BonusRoundScore);
    f.runBonus = digits(SpiresDefaults::HighRunBonus);
    f.completedTower = digits(SpiresDefaults::SpireBonus);
    f.timeBonus = digits(SpiresDefaults::TimeBonus);
    f.countDown = true;
    return f;
}

CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields)
{
    using namespace CustomBounds;
    CustomScoringOutcome out;

    struct Rule {
        CustomScoringField field;
        const QString* text;
        std::int64_t highest;
        const char* below;
        const char* above;
    };
    const Rule rules[] = {
        {CustomScoringField::CardValue, &fields.cardValue, MaxCardValue,
         "Sorry, you cannot increment the card value by less than 0 points.",
         "Sorry, you cannot increment the card value by greater than 1000 points"},
        {CustomScoringField::BonusScore, &fields.bonusScore, MaxBonusRoundScore,
         "Sorry, a minimum of 0 points is required to make the bonus round.",
         "Sorry, a maximum of 900000 points is required to make the bonus round."},
        {CustomScoringField::RunBonus, &fields.runBonus, MaxBonus,
         "Sorry, a minimum of 0 points is required when achieving the high run bonus.",
         "Sorry, a maximum of 32767 points is required when achieving the high run bonus."},
        {CustomScoringField::CompletedTower, &fields.completedTower, MaxBonus,
         "Sorry, a minimum of 0 points is required when achieving when completing each tower.",
         "Sorry, a maximum of 32767 points is required when completing each tower."},
        {CustomScoringField::TimeBonus, &fields.timeBonus, MaxBonus,
         "Sorry, you cannot set the Time Bonus value to less than 0 points.",
         "Sorry, you cannot set the Time Bonus value to greater than 32767 points"},
    };
    bool lastAccepted = false;
    for (const Rule& rule : rules) {
        const customscoring::BoundsCheck check =
            customscoring::holdToBounds(out, rule.field, *rule.text, rule.highest, rule.below, rule.above);
        const std::int64_t stored = check.value;
        lastAccepted = check.accepted;
        switch (rule.field) {
        case CustomScoringField::CardValue: gCardValue = int(stored); break;
        case CustomScoringField::BonusScore: gBonusRoundScore = std::int32_t(stored); break;
        case CustomScoringField::RunBonus: gHighRunBonus = std::int32_t(stored); break;
        case CustomScoringField::CompletedTower: gSpireBonus = std::int32_t(stored); break;
        case CustomScoringField::TimeBonus: gTimeBonus = std::int32_t(stored); break;
        }
    }
    if (lastAccepted) {
        gCountDownScore = fields.countDown;
        out.timeBonusAccepted = true;
    }
    // Values stored by a refused press count too: a score made with them must carry the mark.
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gBonusRoundScore); }

} // namespace spires
