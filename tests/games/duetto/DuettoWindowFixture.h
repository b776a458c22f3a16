#pragma once
// The Duetto window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. A round's deck can be laid before it is dealt again, so
// each round plays exactly the cards a test names.
#include "DuettoDecks.h"
#include "core/CardImage.h"
#include "core/GameScoring.h"
#include "core/GameSplash.h"
#include "core/HighScores.h"
#include "core/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "games/duetto/frmDuetto.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"

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

class DuettoWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Duetto!");
        gAppPath = folder.path();
        platform::seedRandom(11);
        setHighScoreDialogs({[this](GameForm&) {
                                 ++namePrompts;
                                 return QStringLiteral("Tester");
                             },
                             [this](const QString&, GameForm&) { ++tablesShown; }});
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        form = new frmDuetto;
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
        waits.push_back({ms, form->lblMessage->caption(), form->lblMessage->isVisible(), form->lblScoring->caption(),
                         form->lblScoring->isVisible()});
    }

    // The messages shown at the waits, each once in a row.
    std::vector<QString> messagesShown() const
    {
        std::vector<QString> shown;
        for (const DuettoWait& w : waits)
            if (w.messageVisible && (shown.empty() || shown.back() != w.message))
                shown.push_back(w.message);
        return shown;
    }

    void play()
    {
        ASSERT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
        form->cmdPlay->click();
    }

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

    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            form->Timer1->fire();
    }

    QString wave(const char* name) const { return folder.file(QLatin1String(name)); }
    int played(const char* name) const { return int(audio.waves().count(wave(name))); }

    QByteArray file(const char* name) const
    {
        QFile f(folder.file(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0))};
    RecordingAudio audio;
    std::vector<DuettoWait> waits;
    int namePrompts = 0;
    int tablesShown = 0;
    QPointer<frmDuetto> form;
};
