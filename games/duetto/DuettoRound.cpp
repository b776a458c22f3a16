#include "games/duetto/DuettoRound.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "platform/Conversions.h"

namespace duetto {

TimeWarning WarningFor(int elapsed, int timeLimit)
{
    const std::int64_t left = timeLimit - elapsed;
    const std::int64_t quarter = platform::roundHalfEven(timeLimit / 4.0);
    const std::int64_t half = platform::roundHalfEven(timeLimit / 2.0);
    if (left < quarter)
        return TimeWarning::Hurry;
    if (left <= half)
        return TimeWarning::RunningOut;
    return TimeWarning::None;
}

const char* WarningText(TimeWarning warning)
{
    switch (warning) {
    case TimeWarning::RunningOut: return "Times running out!";
    case TimeWarning::Hurry: return "Better Hurry!";
    case TimeWarning::None: break;
    }
    return "";
}

std::vector<Award> RoundEndAwards(bool completed, int secondsLeft, std::int32_t runs, std::int32_t pairs)
{
    std::vector<Award> awards;
    if (completed)
        awards.push_back({AwardKind::Completion, 1, gCompletionBonus});
    if (secondsLeft > 0)
        awards.push_back({AwardKind::Speed, secondsLeft, gTimeBonus});
    if (runs != 0)
        awards.push_back({AwardKind::Runs, runs, gRunsBonus});
    if (pairs != 0)
        awards.push_back({AwardKind::Pairs, pairs, gPairsBonus});
    return awards;
}

const char* AwardText(AwardKind kind)
{
    switch (kind) {
    case AwardKind::Completion: return "Completion Bonus";
    case AwardKind::Runs: return "Runs Bonus";
    case AwardKind::Pairs: return "Pairs Bonus";
    case AwardKind::Speed: break;
    }
    return "Speed Bonus";
}

AfterRound NextAfterRound(int newRound, std::int32_t score, std::int32_t bonusRoundScore)
{
    if (newRound == 2)
        return AfterRound::RoundTwo;
    if (newRound == BonusRound && score >= bonusRoundScore)
        return AfterRound::BonusRound;
    return AfterRound::GameOver;
}

void CheckForCustom()
{
    gCustomScoring = !(gPairsBonus == DuettoDefaults::PairsBonus && gRunsBonus == DuettoDefaults::RunsBonus &&
                       gTimeBonus == DuettoDefaults::TimeBonus && gBonusRoundScore == DuettoDefaults::BonusRoundScore &&
                       gCompletionBonus == DuettoDefaults::CompletionBonus);
}

} // namespace duetto
