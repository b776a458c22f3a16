#include "games/tallies/TalliesRound.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesState.h"
#include "platform/Conversions.h"

namespace tallies {

bool StartGame()
{
    bool success = true;
    gTalliesRecordedOptions = {gCardGoal, gTimeLimit, gCustomScoring};
    if (gTalliesReplay) {
        for (int p = 1; p <= deckUpperBound() && p < int(gTalliesRound1Deck.size()); ++p)
            gDeck[p] = gTalliesRound1Deck[p];
    } else {
        success = CreateTalliesDeck();
        if (success)
            success = ShuffleDeck();
        const auto empty = std::vector<CardCode>(gDeck.size());
        gTalliesRound1Deck = gTalliesRound2Deck = gTalliesRound3Deck = empty;
    }
    if (success)
        success = Deal(true);
    gRoundOver = false;
    return success;
}

void Pause()
{
    if (gTalliesPhase != TalliesPhase::Playing)
        return;
    gTalliesPhase = TalliesPhase::Paused;
    ClearSelectionMarks();
}

void Resume()
{
    if (gTalliesPhase != TalliesPhase::Paused)
        return;
    gTalliesPhase = TalliesPhase::Playing;
    gTalliesTotal = 0;
}

TalliesTick::Warning RoundClockWarning(int TimeLeft, int TimeLimit)
{
    const auto quarter = platform::roundHalfEven(TimeLimit / 4.0);
    const auto half = platform::roundHalfEven(TimeLimit / 2.0);
    if (TimeLeft >= quarter && TimeLeft <= half)
        return TalliesTick::TimesRunningOut;
    if (TimeLeft < quarter)
        return TalliesTick::BetterHurry;
    return TalliesTick::NoWarning;
}

TalliesTick TickRoundClock()
{
    TalliesTick tick;
    if (gTalliesPhase != TalliesPhase::Playing || gRoundOver || gTimeLimit <= 0)
        return tick;
    tick.counted = true;
    ++gElapsed;
    tick.angle = int(platform::roundHalfEven(360.0 / gTimeLimit * gElapsed));
    gPieElapsed = gElapsed;
    tick.timeLeft = gTimeLimit - gElapsed;
    tick.warning = RoundClockWarning(tick.timeLeft, gTimeLimit);
    if (gElapsed >= gTimeLimit) {
        tick.expired = true;
        gTalliesPhase = TalliesPhase::RoundEnding;
        ClearSelectionMarks();
    }
    return tick;
}

void EndGame()
{
    gTalliesReplay = false;
    gTalliesFieldVisible.fill(false);
    ClearSelectionMarks();
    gElapsed = 0;
    gPreviousScore = gScore;
    gScore = 0;
    gTalliesRound = 1;
    gTalliesCombos = 0;
    gTalliesPhase = TalliesPhase::Idle;
}

} // namespace tallies
