#pragma once
// The Gridhand window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Cards are laid into the round's deck before they are
// placed, so each round plays exactly the cards a test names.
#include "core/window/GameSplash.h"
#include "support/GameWindowFixture.h"
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/frmGridhand.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class GridhandWindowTest : public GameWindowFixture<frmGridhand> {
protected:
    GridhandWindowTest() : GameWindowFixture(QDateTime(QDate(2024, 3, 9), QTime(10, 0, 50))) {}

    void SetUp() override { openGame(QStringLiteral("Gridhand!"), 11); }

    void recordWait(int ms) override { waits.push_back(ms); }

    // Lays these cards from the card in hand onwards ("10H", "1S" ...).
    void lay(const std::vector<std::string>& codes)
    {
        gridhand::GridhandGrid& g = form->mGrid;
        ASSERT_EQ(g.mHandCount, 1);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const std::string code = " " + codes[i];
            if (i == 0)
                g.mHandCards[1] = code;
            else
                g.mDeckCards.at(std::size_t(g.mDeckPos) - 1 + i) = code;
        }
        form->HoleCard->setPictureByKey(QString::fromStdString(codes[0]));
    }

    void place(const std::vector<int>& cells)
    {
        for (int cell : cells)
            form->PlayCards_Click(cell);
    }

    std::vector<int> waits;
};

// A grid of 1,250 points: a royal flush, four twos and a full house across, a pair down each of the five columns.
inline const std::vector<std::string> RichGrid{
    "10H", "11H", "12H", "13H", "1H",  //
    "2S",  "2H",  "2C",  "2D",  "3S",  //
    "5C",  "5H",  "5S",  "9D",  "9C",  //
    "4S",  "6H",  "7C",  "8D",  "13C", //
    "4D",  "6C",  "7S",  "8H",  "1C"};
