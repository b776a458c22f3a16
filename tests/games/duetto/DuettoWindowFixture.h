#pragma once
// The Duetto window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. A round's deck can be laid before it is dealt again, so
// each round plays exactly the cards a test names.
#include "DuettoDecks.h"
#include "core/cards/CardImage.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/scores/HighScores.h"
#include "core/window/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"
#include "support/GameWindowFixture.h"
#include "support/WaitMessages.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

// What the window showed at one blocking wait.
struct DuettoWait {
    int ms = 0;
    QString message;
    bool messageVisible = false;
    QString figure; // lblScoring
    bool figureVisible = false;
};

class DuettoWindowTest : public GameWindowFixture<frmDuetto> {
protected:
    void SetUp() override { openGame(QStringLiteral("Duetto!"), 11); }

    void recordWait(int ms) override
    {
        if (!form)
            return;
        waits.push_back({ms, form->lblMessage->caption(), form->lblMessage->isVisible(), form->lblScoring->caption(),
                         form->lblScoring->isVisible()});
    }

    // The messages shown at the waits, each once in a row.
    std::vector<QString> messagesShown() const { return messagesShownAt(waits); }

    // Deals the running round again from this deck.
    void lay(const std::vector<CardCode>& deck)
    {
        gDeck = deck;
        form->Deal();
    }

    void clickCard(int index) { form->PlayCard_Click(index); }
    void match(int a, int b)
    {
        clickCard(a);
        clickCard(b);
    }
    void clearLayout()
    {
        for (const PlannedMatch& m : clearingMatches())
            match(m.first, m.second);
    }

    std::vector<DuettoWait> waits;
};
