#include "platform/sound/SoundDevices.h"

namespace platform {

namespace {
// About 12 ms and 46 ms of sound at the mixers' rate.
constexpr int SoundPeriodFrames = 512;
constexpr int MusicPeriodFrames = 2048;
} // namespace

SoundDevices::SoundDevices(QByteArray driver)
    : m_music("Music", MusicPeriodFrames, driver), m_sounds("Sounds", SoundPeriodFrames, driver)
{
    m_sounds.mixer.leaveRoomFor(&m_music.mixer);
    // While a stream is open it is looked at now and then, so that it closes soon after the last
    // sound, and a lost one is dropped.
    m_watch.setInterval(250);
    m_watch.callOnTimeout([this] {
        m_sounds.stream.poll();
        m_music.stream.poll();
        if (!streamOpen())
            m_watch.stop();
    });
}

SoundDevices::~SoundDevices() = default;

void SoundDevices::playWave(const QString& path)
{
    if (std::shared_ptr<const Clip> clip = m_clips.clip(path); clip && open(m_sounds))
        m_sounds.mixer.play(std::move(clip));
}

void SoundDevices::startTune(const QString& path)
{
    m_music.mixer.stopTune(); // the synthesiser is ours again before the next tune is made
    if (std::unique_ptr<TuneVoice> voice = m_tunes.voice(path); voice && open(m_music))
        m_music.mixer.startTune(std::move(voice));
}

void SoundDevices::stopTune() { m_music.mixer.stopTune(); }

bool SoundDevices::open(Channel& channel)
{
    if (!channel.stream.open()) {
        m_notices.say(SilenceNotices::NoSoundDevice);
        return false;
    }
    if (!m_watch.isActive())
        m_watch.start();
    return true;
}

} // namespace platform
