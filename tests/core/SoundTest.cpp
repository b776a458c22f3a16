#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"

#include <gtest/gtest.h>

namespace {
class Sound : public ::testing::Test {
protected:
    void SetUp() override { resetSuiteGlobals(); }
    TempProgramFolder folder;
    RecordingAudio audio;
    QString tune() const { return QStringLiteral("open ") + folder.file(QStringLiteral("Corvanta.MID")); }
};
} // namespace

TEST_F(Sound, WaveFileGoesToTheDeviceByItsFullPath)
{
    PlayWaveFile(appFile(QStringLiteral("Snap.wav")));
    PlayWaveFile(QStringLiteral("/no such folder/Click.wav"));
    EXPECT_EQ(audio.waves(), (QStringList{folder.file(QStringLiteral("Snap.wav")), QStringLiteral("/no such folder/Click.wav")}));
    EXPECT_TRUE(audio.midiCalls().isEmpty());
}

TEST_F(Sound, TuneOpensPlaysAndCloses)
{
    PlayMidiMusic();
    EXPECT_EQ(audio.midiCalls(), (QStringList{tune(), QStringLiteral("play")}));
    EXPECT_TRUE(audio.tunePlaying());
    StopMidiMusic();
    EXPECT_EQ(audio.midiCalls(), (QStringList{tune(), QStringLiteral("play"), QStringLiteral("close")}));
    EXPECT_FALSE(audio.tunePlaying());
    EXPECT_TRUE(audio.waves().isEmpty());
}

TEST_F(Sound, StartingTwiceLetsTheTuneRunOnAndAfterStopItStartsAfresh)
{
    PlayMidiMusic();
    PlayMidiMusic();
    EXPECT_EQ(audio.tuneStarts(), 1);
    EXPECT_TRUE(audio.tunePlaying());
    StopMidiMusic();
    StopMidiMusic(); // closing a closed tune is harmless
    PlayMidiMusic();
    EXPECT_EQ(audio.tuneStarts(), 2);
    EXPECT_TRUE(audio.tunePlaying());
}

TEST_F(Sound, FolderWithBlanksIsPassedWhole)
{
    gAppPath = QStringLiteral("/home/player/My Card Games");
    PlayMidiMusic();
    ASSERT_FALSE(audio.midiCalls().isEmpty());
    EXPECT_EQ(audio.midiCalls().first(), QStringLiteral("open /home/player/My Card Games/Corvanta.MID"));
}
