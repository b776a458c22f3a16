#include "games/gridhand/GridhandRules.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"

namespace gridhand {

std::int64_t RoundPoints(std::int64_t handPoints, int secondsLeft, std::int32_t timeBonus)
{
    if (secondsLeft <= 0)
        return 0;
    return handPoints * secondsLeft * timeBonus;
}

bool GameGoesOn(int round, std::int32_t score, std::int32_t bonusRoundScore)
{
    return round < BonusRound || (round == BonusRound && score >= bonusRoundScore);
}

void CheckForCustom()
{
    using namespace GridhandDefaults;
    gCustomScoring = gPairPoints != PairPoints || gTwoPairPoints != TwoPairPoints ||
                     gThreeKindPoints != ThreeKindPoints || gStraightPoints != StraightPoints ||
                     gFlushPoints != FlushPoints || gFullHousePoints != FullHousePoints ||
                     gFourKindPoints != FourKindPoints || gStraightFlushPoints != StraightFlushPoints ||
                     gRoyalFlushPoints != RoyalFlushPoints || gTimeBonus != TimeBonus ||
                     gBonusRoundScore != BonusRoundScore || gOverwritesAllowed != OverwritesAllowed;
}

} // namespace gridhand
