// A whole game through the program's own sound road: the recording device is out of the way, and
// the sound module is either missing or the tests' recording one.
#include "QuickjackWindowFixture.h"

#include "support/SoundModules.h"
#include "platform/Audio.h"

#include <QCoreApplication>
#include <QDir>

namespace {
class QuickjackSoundModuleTest : public QuickjackWindowTest {
protected:
    // The build's own sounds and tune, as a real program folder holds them.
    void copySounds()
    {
        const QDir built(QCoreApplication::applicationDirPath());
        for (const QString& name : built.entryList({QStringLiteral("*.wav"), QStringLiteral("*.MID")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(built.filePath(name), folder.file(name))) << qPrintable(name);
    }

    // A whole game: the first round with two 21s, each round after it taken at once.
    void playAGame(bool soundsAndMusic)
    {
        copySounds();
        gSoundsOn = soundsAndMusic;
        gMusicOn = soundsAndMusic;
        play();
        lay({10, 1, 10, 1});
        hits({0, 0, 1, 1});
        for (int round = 0; round < 4 && gGameInProgress; ++round)
            form->cmdTakeScore->click();
        EXPECT_FALSE(gGameInProgress);
        EXPECT_GT(gScore, 0);
        EXPECT_EQ(form->lblRound->caption(), QStringLiteral("Game Over"));
    }
};
} // namespace

TEST_F(QuickjackSoundModuleTest, WithoutTheModuleAGamePlaysThroughInSilence)
{
    NoSoundModule none;
    playAGame(true);
    EXPECT_FALSE(platform::soundModuleLoaded());
}

TEST_F(QuickjackSoundModuleTest, SoundsAndTheTuneReachTheModule)
{
    RecordingSoundModule module;
    playAGame(true);
    ASSERT_TRUE(platform::soundModuleLoaded());
    const QStringList calls = module.calls();
    const QString tune = QStringLiteral("start ") + folder.file(QStringLiteral("Corvanta.MID"));
    ASSERT_FALSE(calls.isEmpty());
    EXPECT_EQ(calls.first(), tune) << "the round starts the tune before any sound";
    // Three rounds were played (the score earns no bonus round): each starts the tune afresh and
    // stops it, and none starts it once the game is over.
    EXPECT_EQ(calls.count(tune), 3);
    EXPECT_EQ(calls.count(QStringLiteral("stop")), 3);
    EXPECT_EQ(calls.last(), QStringLiteral("stop")) << "the tune does not outlast the game";
    EXPECT_TRUE(calls.contains(QStringLiteral("wave ") + wave("TwentyOne.wav")));
    EXPECT_TRUE(calls.contains(QStringLiteral("wave ") + wave("CountScore.wav")));
}

TEST_F(QuickjackSoundModuleTest, AGameWithSoundsAndMusicOffNeverLoadsTheModule)
{
    RecordingSoundModule module;
    playAGame(false);
    EXPECT_FALSE(platform::soundModuleLoaded());
}
