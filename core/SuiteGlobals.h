#pragma once
// The state every window of the suite shares. Only one game window is in use at a time,
// so the games share these without conflict. Each game's own scoring values live with that game.
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Text of a card: the rank (1 ace .. 13 king) then "S", "H", "C" or "D"; the deck builder puts a blank before the rank.
using CardCode = std::string;

extern QString gGameTitle;  // tagline of the game being played; caption of its message boxes
extern QString gAppPath;    // program folder, no trailing separator
extern std::vector<CardCode> gDeck; // indexed from 1; position 0 is unused; size is the upper bound + 1
extern int gDeckIndex;
extern int gDeckDesign;
extern int gTimeLimit;
extern int gElapsed;
extern int gPieElapsed;
extern int gRound;
extern std::int32_t gScore;
extern bool gRoundOver;
extern bool gGameInProgress;
extern bool gSoundsOn;
extern bool gMusicOn;
extern bool gCountDownScore;
extern bool gCustomScoring;
extern QDateTime gStartTime;
extern QString gPlayerName;
extern int gCardGoal;
extern int gPileTop;
extern std::int32_t gTimeBonus;
extern std::int32_t gBonusRoundScore;
extern std::int32_t gDeckCompletionBonus;
extern std::int32_t gWaitPeriod; // 32-bit: the dialogs allow waits beyond 16 bits
extern std::int32_t gHandPoints;
extern std::array<int, 5> gSoftAces;
extern int gColumnCards1, gColumnCards2, gColumnCards3, gColumnCards4;
extern int gPassesLeft, gCardsToPass;

// Changes with every game started and every game ended, so an answer to a question asked during a
// game acts only while that same game still runs.
extern int gGameNumber;
inline void nextGameNumber() { ++gGameNumber; }

// What a window opened from the launcher starts from, whatever the last game left behind: no game,
// no round running.
void resetRoundState();

// The deck's upper bound (the number of cards).
inline int deckUpperBound() { return gDeck.empty() ? 0 : int(gDeck.size()) - 1; }

// Full path of a file in the program folder.
QString appFile(const QString& name);
