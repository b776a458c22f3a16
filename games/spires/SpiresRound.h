#pragma once
// The decisions of a Spires game between rounds: the clock's warnings, what follows a round, and the
// texts the round shows.
#include <QString>
#include <cstdint>
#include <optional>

namespace spires {

inline const QString FileBase = QStringLiteral("SpiresHiScores");
inline const QString DefaultScore = QStringLiteral("30000");

// Panel 2's warning for the seconds left: "Times running out!" from half the limit down to a quarter,
// "Better Hurry!" below a quarter, nothing before half (both rounded half to even).
std::optional<QString> TimeWarning(int secondsLeft, int timeLimit);

enum class AfterRound { RoundTwo, BonusRound, GameOver };
// newRound is gRound after the ended round was counted: 2 after round 1, 3 after round 2, 4 after the bonus round.
AfterRound NextAfterRound(int newRound, std::int32_t score, std::int32_t bonusRoundScore);

// "Bonus" for round 3, else the round number.
QString RoundCaption(int round);

// Status panel 1 during a round: "Make 40,000 for Bonus Round!   ".
QString BonusRoundTarget(std::int32_t bonusRoundScore);

} // namespace spires
