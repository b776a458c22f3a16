#include "games/quickjack/QuickjackRound.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/QuickjackColumns.h"
#include "platform/Conversions.h"

#include <algorithm>

namespace quickjack {

RoundPay RoundPayNow()
{
    RoundPay pay;
    pay.cardsUsed = std::clamp(gDeckIndex - 1, 0, DeckSize);
    pay.cardsUsedPoints = std::int64_t(pay.cardsUsed) * gCardsUsedBonus;
    pay.twentyOnes = gTwentyOnes;
    pay.runningBonus = gRunningBonus;
    pay.twentyOnePoints = std::int64_t(pay.twentyOnes) * pay.runningBonus;
    return pay;
}

QString TwentyOneLine(const RoundPay& pay)
{
    return QString::number(pay.twentyOnes) + QStringLiteral(" X ") + platform::formatGrouped(pay.runningBonus) +
           QStringLiteral(" = ") + platform::formatGrouped(pay.twentyOnePoints);
}

bool IsBonusRound(int round, std::int32_t score, std::int32_t bonusRoundScore)
{
    return round == BonusRound && score > bonusRoundScore;
}

bool PlaysRound(int round, std::int32_t score, std::int32_t bonusRoundScore)
{
    return round <= RegularRounds || IsBonusRound(round, score, bonusRoundScore);
}

int ClockAngle(int elapsed, int timeLimit)
{
    if (timeLimit <= 0)
        return 0;
    return int(platform::roundHalfEven(360.0 / timeLimit * elapsed));
}

QString TimeWarning(int timeLimit, int elapsed)
{
    const int left = timeLimit - elapsed;
    const std::int64_t quarter = platform::roundHalfEven(timeLimit / 4.0);
    const std::int64_t half = platform::roundHalfEven(timeLimit / 2.0);
    if (left < quarter)
        return QStringLiteral("Better Hurry!");
    if (left <= half)
        return QStringLiteral("Times running out!");
    return {};
}

void StartGameState()
{
    gRoundOver = false;
    gTwentyOnes = 0;
    gRunningBonus = 0;
    gRound = 1;
    gScore = 0;
    gPassesLeft = gCardsToPass;
    gDeckIndex = 0;
    ClearColumnState();
}

} // namespace quickjack
