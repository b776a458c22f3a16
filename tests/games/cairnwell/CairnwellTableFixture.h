#pragma once
// A Cairnwell table on its own, with the sounds and flush notices it asks for recorded, and a deck
// whose first cards a test names.
#include "support/PlatformFakes.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/cairnwell/CairnwellTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class RecordingTableEvents : public cairnwell::TableEvents {
public:
    void sound(const char* file) override { sounds.emplace_back(file); }
    void ShowFlushMessage(int Column) override { flushColumns.push_back(Column); }
    void scoreChanged() override { ++scoreChanges; }

    std::vector<std::string> sounds;
    std::vector<int> flushColumns;
    int scoreChanges = 0;
};

// "7H" -> " 7H", as the deck builder writes codes.
inline CardCode code(const std::string& card) { return " " + card; }

// A full deck whose first cards are the named ones (the rest keep the builder's order).
inline void stackDeck(const std::vector<std::string>& first)
{
    CreateDeck();
    for (std::size_t k = 0; k < first.size(); ++k) {
        const CardCode wanted = code(first[k]);
        for (std::size_t j = 1; j < gDeck.size(); ++j)
            if (gDeck[j] == wanted)
                std::swap(gDeck[j], gDeck[k + 1]);
    }
}

class CairnwellTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        SetCairnwellDefaults();
        gSoundsOn = true;
    }

    // A dealt table whose front fan card plays these cards in this order (the deal puts the third deck
    // card in front, then the second, the first, and the deck on from the fourth).
    void deal(std::vector<std::string> order)
    {
        while (order.size() < 3)
            order.push_back(std::vector<std::string>{"13S", "13H", "13C"}[order.size()]);
        std::swap(order[0], order[2]);
        stackDeck(order);
        table.InitRound();
        table.Deal();
        table.ShowCards(true);
        events.sounds.clear();
    }

    // Plays the front fan card onto a column (by clicking the column's top place).
    void fanTo(int column)
    {
        table.UpCard_Click(cairnwell::FrontCard);
        table.PlayCard_Click(column);
    }

    RecordingTableEvents events;
    cairnwell::CairnwellTable table{events};
};
