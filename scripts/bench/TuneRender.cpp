// The tune as the sound module renders it, offline and as fast as it can, written to a file of raw
// 32-bit float stereo frames at the mixer's rate: what scripts/bench-sound.sh compares the recording
// with. Not part of the suite.
//
//   parlour_tune_render <tune.MID> <out.f32>
#include "platform/sound/AudioFluidSynth.h"
#include "platform/sound/SilenceNotices.h"

#include <QCoreApplication>
#include <QFile>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    platform::SilenceNotices notices;
    platform::FluidTunes tunes(notices);
    std::unique_ptr<platform::TuneVoice> voice = tunes.voice(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!voice || !out.open(QIODevice::WriteOnly))
        return 1;
    std::vector<float> block(512 * platform::MixChannels);
    for (bool sounding = true; sounding;) {
        std::fill(block.begin(), block.end(), 0.0f);
        sounding = voice->mixInto(block.data(), 512);
        out.write(reinterpret_cast<const char*>(block.data()), qint64(block.size() * sizeof(float)));
    }
    return 0;
}
