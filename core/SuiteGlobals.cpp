#include "core/SuiteGlobals.h"

QString gGameTitle;
QString gAppPath;
std::vector<CardCode> gDeck;
int gDeckIndex = 0;
int gDeckDesign = 0;
int gTimeLimit = 0;
int gElapsed = 0;
int gPieElapsed = 0;
int gRound = 0;
std::int32_t gScore = 0;
bool gRoundOver = false;
bool gGameInProgress = false;
bool gSoundsOn = false;
bool gMusicOn = false;
bool gCountDownScore = false;
bool gCustomScoring = false;
QDateTime gStartTime;
QString gPlayerName;
int gCardGoal = 0;
int gPileTop = 0;
std::int32_t gTimeBonus = 0;
std::int32_t gBonusRoundScore = 0;
std::int32_t gDeckCompletionBonus = 0;
std::int32_t gWaitPeriod = 0;
std::int32_t gHandPoints = 0;
std::array<int, 5> gSoftAces{};
int gColumnCards1 = 0, gColumnCards2 = 0, gColumnCards3 = 0, gColumnCards4 = 0;
int gPassesLeft = 0, gCardsToPass = 0;
int gGameNumber = 0;

void resetRoundState()
{
    gRoundOver = false;
    gGameInProgress = false;
    gElapsed = 0;
    gPieElapsed = 0;
    gRound = 0;
    nextGameNumber();
}

QString appFile(const QString& name) { return gAppPath + QLatin1Char('/') + name; }
