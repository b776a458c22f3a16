#include "games/spires/SpiresRound.h"

#include "platform/Conversions.h"

namespace spires {

std::optional<QString> TimeWarning(int secondsLeft, int timeLimit)
{
    const std::int64_t quarter = platform::roundHalfEven(timeLimit / 4.0);
    const std::int64_t half = platform::roundHalfEven(timeLimit / 2.0);
    if (secondsLeft >= quarter && secondsLeft <= half)
        return QStringLiteral("Times running out!");
    if (secondsLeft < quarter)
        return QStringLiteral("Better Hurry!");
    return std::nullopt;
}

AfterRound NextAfterRound(int newRound, std::int32_t score, std::int32_t bonusRoundScore)
{
    if (newRound == 2)
        return AfterRound::RoundTwo;
    if (newRound == 3 && score >= bonusRoundScore)
        return AfterRound::BonusRound;
    return AfterRound::GameOver;
}

QString RoundCaption(int round) { return round == 3 ? QStringLiteral("Bonus") : QString::number(round); }

QString BonusRoundTarget(std::int32_t bonusRoundScore)
{
    return QStringLiteral("Make ") + platform::formatGrouped(bonusRoundScore) + QStringLiteral(" for Bonus Round!   ");
}

} // namespace spires
