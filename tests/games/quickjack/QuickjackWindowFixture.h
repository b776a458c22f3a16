#pragma once
// The Quickjack window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Cards are laid into the deck before they are placed, so each
// round plays exactly the cards a test names.
#include "support/DeckLaying.h"
#include "support/GameWindowFixture.h"
#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "games/quickjack/frmQuickjack.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

class QuickjackWindowTest : public GameWindowFixture<frmQuickjack> {
protected:
    void SetUp() override { openGame(QStringLiteral("Quickjack!"), 11); }

    void recordWait(int ms) override { waits.push_back(ms); }

    // Lays cards of these ranks from the card on show onwards, and shows the first of them.
    void lay(const std::vector<int>& ranks) { layRanksAndShow(ranks, *form->NextCardPicture); }

    void hits(const std::vector<int>& columns)
    {
        for (int c : columns)
            form->cmdHit[c]->click();
    }

    int waitsOf(int ms) const { return int(std::count(waits.begin(), waits.end(), ms)); }

    std::vector<int> waits;
};
