#pragma once
// A fresh Tallies game state for each test, and the round end driven as the window drives it.
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/tallies/TalliesRoundEnd.h"
#include "games/tallies/TalliesState.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

// The program's own command line (the test runner's arguments) never reaches a Tallies window, and
// each test starts as a fresh program run that has not opened its command line yet.
struct EmptyCommandLine {
    EmptyCommandLine();
    ~EmptyCommandLine();
};

class TalliesTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Builds the deck for the goal (unshuffled) and puts the given cards at gDeck positions,
    // so that position p deals to field position p - 1 and position 23 is the first up card.
    void prepareDeck(int goal, std::initializer_list<std::pair<int, CardCode>> cards);
    // Builds, places the cards and deals round 1 of a new game.
    void dealNewGame(int goal, std::initializer_list<std::pair<int, CardCode>> cards);
    // Leaves only the given field positions on the field.
    void keepOnField(std::initializer_list<int> positions);
    // Runs the round clock for that many seconds.
    void runClock(int seconds);

    EmptyCommandLine commandLine;
    ScriptedMessageBoxes boxes;
};

// The round end as the window runs it; returns what followed.
struct TakenScore {
    tallies::TalliesRoundEnd end;
    tallies::TalliesNext next = tallies::TalliesNext::Nothing;
};
TakenScore takeScore();
