#pragma once
// The Spires window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Tests lay the ranks they need into the dealt places.
#include "core/window/GameSplash.h"
#include "support/GameWindowFixture.h"
#include "support/WaitMessages.h"
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "games/spires/frmSpires.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QDir>

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

// What the window showed at one blocking wait.
struct WaitSnapshot {
    int ms = 0;
    QString message;
    bool messageVisible = false;
    QString figure; // lblScoring while visible
};

class SpiresWindowTest : public GameWindowFixture<frmSpires> {
protected:
    void SetUp() override { openGame(QStringLiteral("Spires!"), 11); }

    void recordWait(int ms) override
    {
        if (!form)
            return;
        WaitSnapshot s;
        s.ms = ms;
        s.message = form->lblMessage->caption();
        s.messageVisible = form->lblMessage->isVisible();
        if (form->lblScoring->isVisible())
            s.figure = form->lblScoring->caption();
        waits.push_back(s);
    }

    // The messages shown at the waits, each once in a row.
    std::vector<QString> messagesShown() const { return messagesShownAt(waits); }

    // Gives the dealt place (or the up card, 51, or a stock card, 28..50) a card of this rank.
    void lay(int index, int rank)
    {
        form->board.mCards[std::size_t(index)] = cardCode(rank, index % 4);
        if (index == spires::StockEnd) {
            form->board.upCard = form->board.mCards[std::size_t(index)];
            form->board.mUpValue = rank;
        }
    }

    std::vector<WaitSnapshot> waits;
};
