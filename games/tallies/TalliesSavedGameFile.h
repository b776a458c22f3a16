#pragma once
// The saved-game file of Tallies ("*.tgm"): the card goal, time limit, final score, custom-scoring
// flag and player's name of the last game, then the shuffled deck of each round that was dealt.
// The card goal comes first because it sizes the decks that follow.
#include "core/SuiteGlobals.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tallies {

struct TalliesSavedGame {
    int cardGoal = 0;  // 10 to 15
    int timeLimit = 0; // one of the time-limit menu's seconds
    QString score;     // as saved; only the summary reads it
    bool customScoring = false;
    QString userName;
    // Round 1, round 2 and the bonus round, each indexed from 1 like gDeck with the codes as dealt;
    // a round that was not saved is empty.
    std::array<std::vector<CardCode>, 3> roundDecks;
};

// The file for the last game: its recorded goal, time limit and custom flag beside its round decks,
// and gPreviousScore. An empty name is saved as "an anonymous user". CR LF line ends.
QByteArray SavedGameText(const QString& UserName);

// Reads a saved game whole and checks it: the goal is 10 to 15, the time limit one the menu offers,
// the round-1 deck (and any other round saved) holds the goal's deck, each card as often as it has it.
// nullopt when anything is missing or wrong.
std::optional<TalliesSavedGame> ParseSavedGame(const QString& contents);

// How the summary rates a saved score.
QString SavedGameScorePhrase(double Score);
// What the player is told about the game being opened.
QString SavedGameSummary(const TalliesSavedGame& Game);
// Added to the summary when the game was saved with another time limit than gTimeLimit.
QString TimeLimitQuestion(int SavedSeconds);

} // namespace tallies
