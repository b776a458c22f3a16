#pragma once
// The Stackjack window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Cards are laid into the deck before they are hit, so each
// round plays exactly the cards a test names.
#include "support/DeckLaying.h"
#include "support/GameWindowFixture.h"
#include "support/WaitMessages.h"
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/cards/Deck.h"
#include "core/scores/GameScoring.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/CardTotalPanel.h"
#include "core/window/ShapeControl.h"
#include "games/stackjack/StackjackState.h"
#include "games/stackjack/frmStackjack.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// What the window showed at one blocking wait.
struct WaitSnapshot {
    int ms = 0;
    QString message;        // ScoringLabel
    long messageColor = 0;
    bool messageVisible = false;
    QString info;           // ScoringLabelInfo
    std::vector<bool> hitEnabled;
};

class StackjackWindowTest : public GameWindowFixture<frmStackjack> {
protected:
    void SetUp() override { openGame(QStringLiteral("Stackjack!"), 7); }

    void recordWait(int ms) override
    {
        if (!form)
            return;
        WaitSnapshot s;
        s.ms = ms;
        s.message = form->ScoringLabel->caption();
        s.messageColor = form->ScoringLabel->foreColor();
        s.messageVisible = form->ScoringLabel->isVisible();
        s.info = form->ScoringLabelInfo->caption();
        for (QPushButton* hit : form->cmdHit)
            s.hitEnabled.push_back(hit->isEnabled());
        waits.push_back(s);
    }

    // The messages shown at the waits, each once in a row.
    std::vector<QString> messagesShown() const { return messagesShownAt(waits); }

    // Lays cards of these ranks from the card on show onwards, and shows the first of them.
    void lay(const std::vector<int>& ranks) { layRanksAndShow(ranks, *form->NextCardPicture); }

    void hits(const std::vector<int>& columns)
    {
        for (int c : columns)
            form->cmdHit[c]->click();
    }

    // Ends the running game from Play, answering Yes.
    void endGame()
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->cmdPlay->click();
    }

    QString caption() const { return form->windowTitle(); }

    QByteArray table() const { return file(QStringLiteral("HiScores60.Txt")); }

    std::vector<WaitSnapshot> waits;
};
