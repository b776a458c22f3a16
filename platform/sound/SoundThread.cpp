#include "platform/sound/SoundThread.h"

#include <pthread.h>

namespace platform {

namespace {
// About 12 ms and 46 ms of sound at the mixers' rate.
constexpr int SoundPeriodFrames = 512;
constexpr int MusicPeriodFrames = 2048;
// How often an open stream is looked at, so that it closes soon after the last sound and a lost one
// is dropped; and how often a tune without a stream looks for one.
constexpr std::chrono::milliseconds PollEvery{250};
// How long quitting waits for the streams to close before it leaves them to the sound server.
constexpr std::chrono::milliseconds QuitPatience{500};
} // namespace

SoundThread::Channel::Channel(OutputMaker& outputs, const char* name, int periodFrames, const SoundClock& clock)
    : mixer(clock), output(outputs(QByteArray(name), periodFrames)), stream(mixer, *output)
{
}

SoundThread::SoundThread(OutputMaker outputs, SoundClock clock)
    : m_clock(std::move(clock)), m_music(outputs, "Music", MusicPeriodFrames, m_clock),
      m_sounds(outputs, "Sounds", SoundPeriodFrames, m_clock)
{
    m_sounds.mixer.leaveRoomFor(&m_music.mixer);
}

std::shared_ptr<SoundThread> SoundThread::start(OutputMaker outputs, SoundClock clock)
{
    std::shared_ptr<SoundThread> thread(new SoundThread(std::move(outputs), std::move(clock)));
    thread->m_thread = std::thread([self = thread] { self->run(); });
    pthread_setname_np(thread->m_thread.native_handle(), "parlour-sound");
    return thread;
}

SoundThread::~SoundThread()
{
    // Only ever the last owner; on the thread itself when it was left behind.
    if (m_thread.joinable())
        m_thread.detach();
}

void SoundThread::leave(const std::function<void(Word&)>& what)
{
    {
        std::lock_guard guard(m_wordLock);
        what(m_word);
    }
    m_wake.notify_one();
}

void SoundThread::playWave(const QString& path)
{
    const SoundTime asked = m_clock();
    // An open the sound server has not answered for long is as good as no device, whenever it ends.
    const SoundTime::rep since = m_openingSince.load();
    if (since != NotOpening && asked - SoundTime(SoundTime::duration(since)) > GiveUpAfter)
        m_notices.say(SilenceNotices::NoSoundDevice);
    leave([&](Word& word) { word.sound = std::pair(path, asked); });
}

void SoundThread::startTune(const QString& path)
{
    leave([&](Word& word) { word.tune = path; });
}

void SoundThread::stopTune()
{
    leave([](Word& word) { word.tune = QString(); });
}

void SoundThread::quit()
{
    leave([](Word& word) { word.quit = true; });
    std::unique_lock lock(m_wordLock);
    if (m_settled.wait_for(lock, QuitPatience, [this] { return m_ended; })) {
        lock.unlock();
        m_thread.join();
    }
    // Otherwise the thread is held by the sound server, and ends, if ever, on its own: quitting
    // never waits for it. It keeps what it uses alive.
}

bool SoundThread::settle(std::chrono::milliseconds patience)
{
    std::unique_lock lock(m_wordLock);
    return m_settled.wait_for(lock, patience, [this] { return m_ended || (!m_busy && m_word.empty()); });
}

void SoundThread::run()
{
    for (;;) {
        Word word;
        const bool watching = m_streamsOpen.load() > 0 || tuneAwaitsStream();
        {
            std::unique_lock lock(m_wordLock);
            m_busy = false;
            m_settled.notify_all();
            const auto asked = [this] { return !m_word.empty(); };
            if (watching)
                m_wake.wait_for(lock, PollEvery, asked);
            else
                m_wake.wait(lock, asked);
            std::swap(word, m_word);
            m_busy = true;
        }
        if (word.quit)
            break;
        if (word.tune)
            tune(*word.tune);
        if (word.sound)
            play(word.sound->first, word.sound->second);
        poll();
    }
    closeAll();
    std::lock_guard guard(m_wordLock);
    m_ended = true;
    m_settled.notify_all();
}

void SoundThread::play(const QString& path, SoundTime asked)
{
    std::shared_ptr<const Clip> clip = m_clips.clip(path);
    // A sound whose stream took too long to open, or that waited behind a stalled server, is not
    // heard at all: the moment it belonged to has passed.
    if (clip && open(m_sounds) && m_clock() - asked <= SoundOnTime)
        m_sounds.mixer.play(std::move(clip), asked + SoundOnTime + SoundOnTime / 2);
}

void SoundThread::tune(const QString& path)
{
    m_music.mixer.stopTune(); // the synthesiser is ours again before the next tune is made
    if (path.isEmpty())
        return;
    // Given to the mixer even when no stream opens: it waits there for the stream, from its start.
    if (std::unique_ptr<TuneVoice> voice = m_tunes.voice(path)) {
        m_music.mixer.startTune(std::move(voice));
        open(m_music);
    }
}

bool SoundThread::tuneAwaitsStream() const { return !m_music.stream.isOpen() && m_music.mixer.tunePlaying(); }

bool SoundThread::open(Channel& channel)
{
    if (!channel.stream.isOpen() && m_clock() < m_retryAt) {
        m_notices.say(SilenceNotices::NoSoundDevice);
        return false;
    }
    m_openingSince = m_clock().time_since_epoch().count();
    const bool opened = channel.stream.open();
    m_openingSince = NotOpening;
    countOpen();
    if (!opened) {
        m_retryAt = m_clock() + RetryAfter;
        m_notices.say(SilenceNotices::NoSoundDevice);
    }
    return opened;
}

void SoundThread::poll()
{
    m_sounds.stream.poll();
    m_music.stream.poll();
    // A tune still wanted whose stream was lost, or never opened, gets one as soon as the server
    // answers, with no sound to prompt it; `open` asks no more often than RetryAfter.
    if (tuneAwaitsStream())
        open(m_music);
    countOpen();
}

void SoundThread::closeAll()
{
    m_sounds.stream.close();
    m_music.stream.close();
    m_music.mixer.stopAll();
    countOpen();
}

void SoundThread::countOpen() { m_streamsOpen = int(m_sounds.stream.isOpen()) + int(m_music.stream.isOpen()); }

} // namespace platform
