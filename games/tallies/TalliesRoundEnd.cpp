#include "games/tallies/TalliesRoundEnd.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesField.h"
#include "games/tallies/TalliesPlay.h"
#include "games/tallies/TalliesScore.h"
#include "games/tallies/TalliesState.h"
#include "platform/Conversions.h"

#include <cmath>

namespace tallies {

namespace {
std::int64_t secondsLeft() { return std::int64_t(gTimeLimit) - gElapsed; }

void copyRecordedDeck(const std::vector<CardCode>& Recorded)
{
    for (int p = 1; p <= deckUpperBound() && p < int(Recorded.size()); ++p)
        gDeck[p] = Recorded[p];
}

bool recorded(const std::vector<CardCode>& Deck) { return Deck.size() > 1 && !Deck[1].empty(); }
} // namespace

TalliesRoundEnd BeginTakeScore(const std::string& TalliesHeading)
{
    TalliesRoundEnd end;
    if (gRoundOver || (gTalliesPhase != TalliesPhase::Playing && gTalliesPhase != TalliesPhase::RoundEnding))
        return end;
    end.started = true;
    gRoundOver = true;
    gTalliesPhase = TalliesPhase::RoundEnding;
    ClearSelectionMarks();
    end.completed = CheckForCompletion();
    gTalliesFieldVisible.fill(false);

    const bool countUp = gTalliesDrawTimer;
    if (end.completed)
        end.bonuses.push_back({TalliesBonusKind::Completion,
                               "Completion Bonus! " + std::to_string(gTalliesCompletionBonus), countUp ? 10 : 1});
    if (gTalliesCombos > 0) {
        const std::string name = TalliesHeading.empty() ? TalliesHeading : TalliesHeading.substr(0, TalliesHeading.size() - 1);
        end.bonuses.push_back({TalliesBonusKind::Combinations,
                               std::to_string(gTalliesCombos) + " " + name + "! Bonus = "
                                   + std::to_string(std::int64_t(gTalliesComboBonus) * gTalliesCombos),
                               countUp ? int(gTalliesCombos) : 1});
    }
    const std::int64_t left = secondsLeft();
    if (left >= 1)
        end.bonuses.push_back({TalliesBonusKind::Speed, "Speed Bonus! " + std::to_string(left * gTimeBonus),
                               countUp ? int(left) : 1});
    return end;
}

int PayBonusStep(TalliesBonusKind Kind)
{
    switch (Kind) {
    case TalliesBonusKind::Completion:
        // Counting up pays ten whole tenths, so a remainder is not paid.
        AddToScore(gTalliesDrawTimer ? std::int64_t(std::floor(gTalliesCompletionBonus / 10.0)) : gTalliesCompletionBonus);
        return 0;
    case TalliesBonusKind::Combinations:
        if (gTalliesDrawTimer) {
            AddToScore(gTalliesComboBonus);
            --gTalliesCombos;
        } else {
            AddToScore(std::int64_t(gTalliesComboBonus) * gTalliesCombos);
            gTalliesCombos = 0;
        }
        return 0;
    case TalliesBonusKind::Speed:
        if (gTalliesDrawTimer) {
            ++gElapsed;
            gPieElapsed = gElapsed;
            AddToScore(gTimeBonus);
            return gTimeLimit > 0 ? int(platform::roundHalfEven(360.0 / gTimeLimit * gElapsed)) : 0;
        }
        AddToScore(secondsLeft() * gTimeBonus);
        gElapsed = gTimeLimit;
        return 0;
    }
    return 0;
}

TalliesNext NextAfterRound()
{
    gRoundOver = false;
    switch (gTalliesRound) {
    case 1:
        return TalliesNext::RoundTwo;
    case 2:
        return gScore >= gTalliesBonusScore ? TalliesNext::BonusRound : TalliesNext::GameOver;
    case 3:
        return TalliesNext::GameOver;
    default:
        return TalliesNext::Nothing;
    }
}

bool StartNextRound()
{
    if (gTalliesRound != 1 && gTalliesRound != 2)
        return false;
    ++gTalliesRound;
    const auto& recordedDeck = gTalliesRound == 2 ? gTalliesRound2Deck : gTalliesRound3Deck;
    if (gTalliesReplay && recorded(recordedDeck))
        copyRecordedDeck(recordedDeck);
    else
        ShuffleDeck();
    const bool dealt = Deal();
    if (gTalliesRound == 3)
        gTalliesReplay = false;
    return dealt;
}

void CloseGame()
{
    gTalliesFieldVisible.fill(false);
    ClearSelectionMarks();
    gTalliesRound = 1;
    gPreviousScore = gScore;
    gElapsed = gTimeLimit;
    gTalliesReplay = false;
    gTalliesPhase = TalliesPhase::GameOver;
}

void EndTakeScore()
{
    gElapsed = 0;
    ClearSelectionMarks();
}

std::string TalliesHeading(int CardGoal)
{
    switch (CardGoal) {
    case 10:
        return "Tens:";
    case 12:
        return "Twelves:";
    case 13:
        return "Thirteens:";
    case 14:
        return "Fourteens:";
    case 15:
        return "Fifteens:";
    default:
        return "Tallies:";
    }
}

} // namespace tallies
