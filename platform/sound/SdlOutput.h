#pragma once
#include "platform/sound/SoundStream.h"

#include <QByteArray>

namespace platform {

// The output stream over SDL's audio device, which speaks to PipeWire, PulseAudio or ALSA, whichever
// the desktop runs. SDL's audio is set up with each stream and shut down with it, so a closed stream
// leaves no thread and no connection behind, and one opened after the sound server restarted talks
// to the new server. The sound server holds about one period of the stream: a short one is heard
// soon, a long one rides out a busy machine. Given a driver name, only that SDL driver is used (the
// tests use "disk").
class SdlOutput : public AudioOutput {
public:
    SdlOutput(QByteArray name, int periodFrames, QByteArray driver = {})
        : m_name(std::move(name)), m_periodFrames(periodFrames), m_driver(std::move(driver))
    {
    }
    ~SdlOutput() override { close(); }

    bool open(Mixer& mixer) override;
    bool failed() const override;
    void close() override;

private:
    QByteArray m_name; // as the desktop's sound settings list it
    int m_periodFrames;
    QByteArray m_driver;
    unsigned m_device = 0; // 0: closed
};

} // namespace platform
