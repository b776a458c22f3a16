#include "platform/sound/SoundDevices.h"
#include "platform/sound/SdlOutput.h"

namespace platform {

SoundDevices::SoundDevices(QByteArray driver)
    : SoundDevices(
          [driver](const QByteArray& name, int periodFrames) {
              return std::make_unique<SdlOutput>(name, periodFrames, driver);
          },
          &std::chrono::steady_clock::now)
{
}

SoundDevices::SoundDevices(OutputMaker outputs, SoundClock clock)
    : m_thread(SoundThread::start(std::move(outputs), std::move(clock)))
{
}

SoundDevices::~SoundDevices() { m_thread->quit(); }

} // namespace platform
