#include "games/cairnwell/CairnwellRound.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellTable.h"
#include "platform/Conversions.h"

namespace cairnwell {

const char* TimeWarning(int timeLimit, int elapsed)
{
    const int left = timeLimit - elapsed;
    const std::int64_t quarter = platform::roundHalfEven(timeLimit / 4.0);
    const std::int64_t half = platform::roundHalfEven(timeLimit / 2.0);
    if (quarter <= left && left <= half)
        return "Times running out!";
    if (left < quarter)
        return "Better Hurry!";
    return nullptr;
}

AfterRound WhatFollows(int round, std::int32_t score, std::int32_t bonusRoundScore)
{
    if (round == 1)
        return AfterRound::NextRound;
    if (round == LastRegularRound && score >= bonusRoundScore)
        return AfterRound::BonusRound;
    return AfterRound::GameOver;
}

void AddToScore(std::int64_t points) { gScore = platform::saturateLong(std::int64_t(gScore) + points); }

std::vector<int> LeftoverColumnPlaces(const CairnwellTable& table)
{
    std::vector<int> places;
    for (int i = PlaceCount - 1; i >= 0; --i)
        if (!table.mPlayCards[i].empty())
            places.push_back(i);
    return places;
}

std::vector<int> LeftoverStoragePlaces(const CairnwellTable& table)
{
    std::vector<int> places;
    for (int i = StorageCount - 1; i >= 0; --i)
        if (!table.mTempCards[i].empty())
            places.push_back(i);
    return places;
}

void CheckForCustom()
{
    gCustomScoring = !(gDeckCompletionBonus == gDefaultDeckCompletion && gTimeBonus == gDefaultTimeBonus &&
                       gTrioValue == gDefaultTrioValue && gRunValue == gDefaultRunValue &&
                       gFlushPoints == gDefaultFlushBonus && gBonusRoundScore == gDefaultBonusScore &&
                       gLeftoverPenalty == gDefaultLeftoverPenalty);
}

} // namespace cairnwell
