#include "games/duetto/DuettoCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/DuettoRound.h"

namespace duetto {

CustomScoringFields CurrentCustomScoringFields()
{
    CustomScoringFields f;
    f.pairsBonus = QString::number(gPairsBonus);
    f.runsBonus = QString::number(gRunsBonus);
    f.bonusRound = QString::number(gBonusRoundScore);
    f.completionBonus = QString::number(gCompletionBonus);
    f.timeBonus = QString::number(gTimeBonus);
    f.countDown = gCountDownScore;
    return f;
}

CustomScoringFields DefaultCustomScoringFields()
{
    CustomScoringFields f;
    f.pairsBonus = QString::number(DuettoDefaults::PairsBonus);
    f.runsBonus = QString::number(DuettoDefaults::RunsBonus);
    f.bonusRound = QString::number(DuettoDefaults::BonusRoundScore);
    f.completionBonus = QString::number(DuettoDefaults::CompletionBonus);
    f.timeBonus = QString::number(DuettoDefaults::TimeBonus);
    f.countDown = true;
    return f;
}

CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields)
{
    using namespace CustomBounds;
    struct Check {
        CustomScoringField field;
        const QString* text;
        std::int32_t* variable;
        std::int32_t maximum;
        const char* belowMessage;
        const char* aboveMessage;
    };
    const Check checks[] = {
        {CustomScoringField::PairsBonus, &fields.pairsBonus, &gPairsBonus, MaxBonus,
         "Sorry, you cannot set the pairs bonus value to less than 0 points.",
         "Sorry, you cannot set the pairs bonus value to more than 32767 points"},
        {CustomScoringField::RunsBonus, &fields.runsBonus, &gRunsBonus, MaxBonus,
         "Sorry, you cannot set the runs bonus value to less than 0 points.",
         "Sorry, you cannot set the runs bonus value to more than 32767 points"},
        {CustomScoringField::BonusRound, &fields.bonusRound, &gBonusRoundScore, MaxBonusRoundScore,
         "Sorry, you cannot set the value required for a bonus round to less than 0 points.",
         "Sorry, you cannot set the value required for a bonus round to more than 200000 points."},
        {CustomScoringField::CompletionBonus, &fields.completionBonus, &gCompletionBonus, MaxBonus,
         "Sorry, you cannot set the value of the completion bonus to less than 0 points.",
         "Sorry, you cannot set the value of the completion bonus to more than 32767 points."},
        {CustomScoringField::TimeBonus, &fields.timeBonus, &gTimeBonus, MaxBonus,
         "Sorry, you cannot set the Time Bonus value to less than 0 points.",
         "Sorry, you cannot set the Time Bonus value to greater than 32767 points"},
    };

    CustomScoringOutcome out;
    for (const Check& c : checks)
        *c.variable = std::int32_t(
            customscoring::holdToBounds(out, c.field, *c.text, c.maximum, c.belowMessage, c.aboveMessage).value);
    gCountDownScore = fields.countDown;
    CheckForCustom();
    return out;
}

QString PairsCaption() { return QStringLiteral("Pairs x ") + QString::number(gPairsBonus); }
QString RunsCaption() { return QStringLiteral("Runs x ") + QString::number(gRunsBonus); }

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gBonusRoundScore); }

} // namespace duetto
