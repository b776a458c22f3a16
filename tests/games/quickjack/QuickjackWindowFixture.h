#pragma once
// The Quickjack window loaded in a fresh program folder, with instant waits, a fake clock, a recording
// sound device and a scripted name prompt. Cards are laid into the deck before they are placed, so each
// round plays exactly the cards a test names.
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "core/CardImage.h"
#include "core/Deck.h"
#include "core/GameScoring.h"
#include "core/HighScores.h"
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
#include <gtest/gtest.h>
#include <vector>

class QuickjackWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Quickjack!");
        gAppPath = folder.path();
        platform::seedRandom(11);
        setHighScoreDialogs({[this](GameForm&) {
                                 ++namePrompts;
                                 return QStringLiteral("Tester");
                             },
                             [this](const QString&, GameForm&) { ++tablesShown; }});
        platform::setWaitHandler([this](int ms) { waits.push_back(ms); });
        form = new frmQuickjack;
        form->show();
    }

    void TearDown() override
    {
        platform::setWaitHandler(nullptr);
        setHighScoreDialogs({});
        delete form;
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

    QString panel(int n) const { return form->StatusBar1->panelText(n); }

    int waitsOf(int ms) const { return int(std::count(waits.begin(), waits.end(), ms)); }

    QByteArray file(const QString& name) const
    {
        QFile f(folder.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0))};
    RecordingAudio audio;
    std::vector<int> waits;
    int namePrompts = 0;
    int tablesShown = 0;
    QPointer<frmQuickjack> form;
};
