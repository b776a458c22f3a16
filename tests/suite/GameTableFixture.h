#pragma once
// The setup of a test run over a table of games: a fresh program folder and globals, a fake clock, a
// recording sound device, a name prompt answering "Tester", and the waits put back to their defaults after.
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "platform/Random.h"
#include "platform/Wait.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"

#include <QDateTime>
#include <gtest/gtest.h>

template <class Game>
class GameTableFixture : public ::testing::TestWithParam<Game> {
protected:
    // Starts as a fresh run of the game titled `title`, with the random numbers seeded.
    void startRun(const char* title, int seed)
    {
        resetSuiteGlobals();
        gGameTitle = QString::fromLatin1(title);
        gAppPath = folder.path();
        platform::seedRandom(seed);
        setHighScoreDialogs({[](GameForm&) { return QStringLiteral("Tester"); }, [](const QString&, GameForm&) {}});
    }

    void TearDown() override
    {
        platform::setWaitObserver(nullptr);
        platform::setWaitScale(1.0);
        setHighScoreDialogs({});
    }

    TempProgramFolder folder;
    FakeClock clock{QDateTime(QDate(2024, 3, 9), QTime(20, 15, 0))};
    RecordingAudio audio;
};
