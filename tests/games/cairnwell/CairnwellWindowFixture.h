#pragma once
// The Cairnwell window loaded in a fresh program folder, with instant waits, a fake clock, a
// recording sound device and a scripted name prompt and table viewer. The deck of a round can be
// restacked so that the fan plays exactly the cards a test names.
#include "CairnwellTableFixture.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "support/Screenshot.h"
#include "core/CardImage.h"
#include "core/HighScores.h"
#include "core/ShapeControl.h"
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

class CairnwellWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Cairnwell!");
        gAppPath = folder.path();
        platform::seedRandom(11);
        setHighScoreDialogs({[this](GameForm&) {
                                 ++namePrompts;
                                 return QStringLiteral("Tester");
                             },
                             [this](const QString&, GameForm&) { ++tablesShown; }});
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        form = new frmCairnwell;
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
        waits.push_back(ms);
        if (form && form->lblScoring->isVisible())
            if (messages.empty() || messages.back() != form->lblScoring->caption())
                messages.push_back(form->lblScoring->caption());
    }

    void play()
    {
        ASSERT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
        form->cmdPlay->click();
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

    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            form->Timer1->fire();
    }

    QString panel(int n) const { return form->StatusBar1->panelText(n); }

    QByteArray file(const QString& name) const
    {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0))};
    RecordingAudio audio;
    std::vector<int> waits;
    std::vector<QString> messages;
    int namePrompts = 0;
    int tablesShown = 0;
    QPointer<frmCairnwell> form;
};
