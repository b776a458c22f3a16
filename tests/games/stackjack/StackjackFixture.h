#pragma once
#include "support/DeckLaying.h"
#include "support/PlatformFakes.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/StackjackColumns.h"
#include "games/stackjack/StackjackGame.h"
#include "games/stackjack/StackjackRound.h"
#include "games/stackjack/StackjackState.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <vector>

// A game started with the built-in scoring (60 s, 300 to 100, one pass), whose next cards the test lays.
class StackjackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gTimeLimit = 60;
        SetStackjackDefaults();
        gCardsToPass = 1;
        platform::seedRandom(11);
        ASSERT_TRUE(stackjack::StartGame());
    }

    // Lays cards of these ranks from the card on show onwards (suits rotate, which the rules ignore).
    static void lay(const std::vector<int>& ranks) { layRanks(ranks); }

    // Hits the columns in order, one card each.
    static stackjack::HitOutcome hits(const std::vector<int>& columns)
    {
        stackjack::HitOutcome last;
        for (int column : columns)
            last = stackjack::Hit(column);
        return last;
    }

    static void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            stackjack::RoundClockTick();
    }
};
