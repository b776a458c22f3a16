#pragma once
// The Cairnwell window loaded in a fresh program folder, with instant waits, a fake clock, a
// recording sound device and a scripted name prompt and table viewer. The deck of a round can be
// restacked so that the fan plays exactly the cards a test names.
#include "CairnwellTableFixture.h"
#include "support/GameWindowFixture.h"
#include "support/Screenshot.h"
#include "core/cards/CardImage.h"
#include "core/scores/HighScores.h"
#include "core/window/ShapeControl.h"
#include "games/cairnwell/frmCairnwell.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>

class CairnwellWindowTest : public GameWindowFixture<frmCairnwell> {
protected:
    void SetUp() override { openGame(QStringLiteral("Cairnwell!"), 11); }

    void recordWait(int ms) override
    {
        waits.push_back(ms);
        if (form && form->lblScoring->isVisible())
            if (messages.empty() || messages.back() != form->lblScoring->caption())
                messages.push_back(form->lblScoring->caption());
    }

    // Deals the round in play again from a deck whose front fan card plays `order` first.
    void restack(std::vector<std::string> order)
    {
        while (order.size() < 3)
            order.push_back(std::vector<std::string>{"13S", "13H", "13C"}[order.size()]);
        std::swap(order[0], order[2]);
        stackDeck(order);
        form->table.InitRound();
        form->table.Deal();
        form->table.ShowCards(true);
        form->showTable();
    }

    // Plays the front fan card onto a column (clicking its top place) or, with storage, into storage.
    void fanTo(int column)
    {
        form->UpCard_Click(cairnwell::FrontCard);
        form->PlayCard_Click(column);
    }
    void fanToStorage(int place)
    {
        form->UpCard_Click(cairnwell::FrontCard);
        form->TempCard_Click(place);
    }

    // Fills every column and the first two storage places so that nothing can move; the card that
    // fills the last storage place then ends the round with no legal move left.
    void leaveOneMoveBeforeNoMovesLeft()
    {
        restack({"1S", "4S", "7S", "1H", "4H", "7H", "1C", "4C", "7C", "1D", "4D", "8D", "10S", "10H", "10C"});
        for (int column = 0; column < 4; ++column)
            for (int k = 0; k < 3; ++k)
                fanTo(column);
        fanToStorage(0);
        fanToStorage(1);
    }

    std::vector<int> waits;
    std::vector<QString> messages;
};
