#pragma once
// The texts the Stackjack window shows for what the rules decide.
#include "games/stackjack/StackjackState.h"

#include <cstdint>
#include <string>

namespace stackjack::texts {

inline constexpr const char* Hit = "Hit";
inline constexpr const char* Closed = "Closed";
inline constexpr const char* Soft = "Soft";
inline constexpr const char* Busted = "Busted!";
inline constexpr const char* TooLow = "Sorry, 97 or more needed to win!";
inline constexpr const char* TimesUp = "Times Up!";
inline constexpr const char* TotallyAwesome = "Totally Awesome Score!";
inline constexpr const char* PrepareForBonusRound = "Prepare for Bonus Round!";
inline constexpr const char* GameOver = "Game Over";
inline constexpr const char* GamePaused = "Game Paused";
inline constexpr const char* TimeBonusCaption = "Time Bonus:";
inline constexpr const char* RoundCaption = ": Round ";        // window caption after gGameTitle
inline constexpr const char* GameOverCaption = ": Game Over"; // window caption after gGameTitle

// "&Give Up", "&Give up" or "&Take score".
const char* GiveUpButton(GiveUpCaption caption);
// "Prepare for Round 2".
std::string PrepareForRound(int round);
// "Round: 2" (lblRound).
std::string RoundLabel(int round);
// "Round 2 Total: ".
std::string RoundTotalLine(int finishedRound);
// "Card Total Value (200) X Time Bonus (200)".
std::string CardTotalInfoLine(int cardTotalValue, std::int32_t timeBonus);

} // namespace stackjack::texts
