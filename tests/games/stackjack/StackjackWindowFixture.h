#pragma once
// The Stackjack window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Cards are laid into the deck before they are hit, so each
// round plays exactly the cards a test names.
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "core/CardImage.h"
#include "core/ClockSurface.h"
#include "core/Deck.h"
#include "core/GameScoring.h"
#include "core/HighScores.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/CardTotalPanel.h"
#include "core/ShapeControl.h"
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

class StackjackWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Stackjack!");
        gAppPath = folder.path();
        platform::seedRandom(7);
        setHighScoreDialogs({[this](GameForm&) {
                                 ++namePrompts;
                                 return QStringLiteral("Tester");
                             },
                             [this](const QString&, GameForm&) { ++tablesShown; }});
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        form = new frmStackjack;
        form->show();
    }

    void TearDown() override
    {
        platform::setWaitHandler(nullptr);
        setHighScoreDialogs({});
        delete form;
    }

    void recordWait(int ms)
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
    std::vector<QString> messagesShown() const
    {
        std::vector<QString> shown;
        for (const WaitSnapshot& s : waits)
            if (s.messageVisible && (shown.empty() || shown.back() != s.message))
                shown.push_back(s.message);
        return shown;
    }

    void play()
    {
        ASSERT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
        form->cmdPlay->click();
    }

    // Lays cards of these ranks from the card on show onwards, and shows the first of them.
    void lay(const std::vector<int>& ranks)
    {
        int position = gDeckIndex;
        for (int rank : ranks) {
            gDeck.at(position) = cardCode(rank, position % 4);
            ++position;
        }
        form->NextCardPicture->setPictureByKey(QString::fromStdString(trimmedCode(gDeck.at(gDeckIndex))));
    }

    void hits(const std::vector<int>& columns)
    {
        for (int c : columns)
            form->cmdHit[c]->click();
    }

    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            form->Timer1->fire();
    }

    // Ends the running game from Play, answering Yes.
    void endGame()
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->cmdPlay->click();
    }

    QString caption() const { return form->windowTitle(); }

    QByteArray table() const
    {
        QFile f(folder.file(QStringLiteral("HiScores60.Txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0))};
    RecordingAudio audio;
    std::vector<WaitSnapshot> waits;
    int namePrompts = 0;
    int tablesShown = 0;
    QPointer<frmStackjack> form;
};
