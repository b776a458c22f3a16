#pragma once
// What a Quickjack round pays when it ends, whether another round follows, and the warnings of the
// round clock.
#include <QString>
#include <cstdint>

namespace quickjack {

inline constexpr int RegularRounds = 3;
inline constexpr int BonusRound = 4;
inline constexpr int AbandonedRound = 5;

// The round's bonuses: every card used, then the round's 21s at the running bonus reached at its end.
struct RoundPay {
    int cardsUsed = 0;
    std::int64_t cardsUsedPoints = 0;
    int twentyOnes = 0;
    std::int32_t runningBonus = 0;
    std::int64_t twentyOnePoints = 0;
};
RoundPay RoundPayNow();

// "2 X 3,000 = 6,000".
QString TwentyOneLine(const RoundPay& pay);

// After gRound has been raised: rounds 1 to 3 always follow; round 4 only on a score above the
// bonus-round score (an equal score does not qualify).
bool PlaysRound(int round, std::int32_t score, std::int32_t bonusRoundScore);
bool IsBonusRound(int round, std::int32_t score, std::int32_t bonusRoundScore);

// The pie angle of the elapsed seconds (0 for a limit of 0 or less).
int ClockAngle(int elapsed, int timeLimit);

// Panel 2's warning for the seconds left, or an empty text when the panel stays as it is.
QString TimeWarning(int timeLimit, int elapsed);

// Empty columns, no 21s, running bonus 0, score 0, round 1: a new game.
void StartGameState();

} // namespace quickjack
