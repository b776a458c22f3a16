#pragma once
#include "platform/AudioModule.h"
#include "platform/sound/SoundThread.h"

namespace platform {

// What the module makes: the sounds and the tune, each mixed into an output stream of its own that
// opens with the first sound or tune and closes soon after the last has ended. The sounds' stream is
// short, so each is heard within a few milliseconds of its click; the tune's is long, so a busy
// machine never breaks it; the sounds leave room under full scale for the tune. Two streams, not
// one: through a sound server a stream is either quick or steady.
//
// Nothing here waits: the files, the synthesiser and the streams are all the sound thread's, and a
// sound server that stalls or never answers holds only that thread. Without a sound device it stays
// silent and says so once; it tries again now and then, so a sound server that comes back is heard.
class SoundDevices : public SoundModule {
public:
    // `driver` names the one output driver to use; empty, the desktop's own is found.
    explicit SoundDevices(QByteArray driver = {});
    // Tests give outputs and a clock of their own.
    SoundDevices(OutputMaker outputs, SoundClock clock);
    // Returns within a moment even while the sound server holds a stream.
    ~SoundDevices() override;

    void playWave(const QString& path) override { m_thread->playWave(path); }
    void startTune(const QString& path) override { m_thread->startTune(path); }
    void stopTune() override { m_thread->stopTune(); }

    bool streamOpen() const { return m_thread->streamOpen(); }
    // Tests: waits until everything asked so far has been done.
    bool settle(std::chrono::milliseconds patience = std::chrono::seconds(30)) { return m_thread->settle(patience); }

private:
    std::shared_ptr<SoundThread> m_thread;
};

} // namespace platform
