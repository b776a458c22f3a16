#pragma once
// The setup every game window test shares: a fresh program folder and globals, a fake clock, a
// recording sound device, waits that return at once, a name prompt answering "Tester", and the
// game's window open and shown. Each game's fixture adds its own way of recording waits and
// laying cards.
#include "support/FileBytes.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "platform/Random.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QDateTime>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

template <class Form>
class GameWindowFixture : public ::testing::Test {
protected:
    explicit GameWindowFixture(const QDateTime& start = QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0)))
        : clock(start)
    {
    }

    // Starts as a fresh run of the game titled `title`, with the random numbers seeded, and opens its window.
    void openGame(const QString& title, int seed)
    {
        resetSuiteGlobals();
        gGameTitle = title;
        gAppPath = folder.path();
        platform::seedRandom(seed);
        setHighScoreDialogs({[this](GameForm&) {
                                 ++namePrompts;
                                 return QStringLiteral("Tester");
                             },
                             [this](const QString&, GameForm&) { ++tablesShown; }});
        platform::setWaitHandler([this](int ms) { recordWait(ms); });
        openWindow();
    }

    void TearDown() override
    {
        platform::setWaitHandler(nullptr);
        platform::setWaitScale(1.0);
        platform::setWaitObserver(nullptr);
        setHighScoreDialogs({});
        delete form;
    }

    // Called at each blocking wait, which returns at once.
    virtual void recordWait(int ms) = 0;

    // From now on the blocking waits run for real on the event loop, `scale` times their length, so
    // input and timers can arrive during them; they are no longer recorded.
    void useRealWaits(double scale = 0.01)
    {
        platform::setWaitHandler(nullptr);
        platform::setWaitScale(scale);
    }

    // How often the player's name was entered in the table file of that name.
    int tableEntries(const QString& tableFile) const
    {
        return int(QString::fromLatin1(file(tableFile)).count(QStringLiteral("Tester")));
    }

    void openWindow()
    {
        form = new Form;
        form->show();
    }

    void play()
    {
        ASSERT_EQ(form->cmdPlay->text(), QStringLiteral("&Play"));
        form->cmdPlay->click();
    }

    void tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            form->Timer1->fire();
    }

    QString panel(int n) const { return form->StatusBar1->panelText(n); }

    // The bytes of a file in the program folder.
    QByteArray file(const QString& name) const { return readBytes(folder.file(name)); }
    QString wave(const char* name) const { return folder.file(QLatin1String(name)); }
    // How often that WAV file of the program folder was played.
    int played(const char* name) const { return int(audio.waves().count(wave(name))); }

    TempProgramFolder folder;
    FakeClock clock;
    RecordingAudio audio;
    int namePrompts = 0;
    int tablesShown = 0;
    QPointer<Form> form;
};
