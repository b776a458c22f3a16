#include "platform/sound/SoundStream.h"
#include "platform/sound/Mixer.h"

namespace platform {

bool SoundStream::open()
{
    dropIfFailed();
    if (!m_open)
        m_open = m_output.open(m_mixer);
    return m_open;
}

void SoundStream::poll()
{
    dropIfFailed();
    if (m_open && m_mixer.silentFrames() >= CloseAfterFrames)
        close();
}

void SoundStream::dropIfFailed()
{
    if (!m_open || !m_output.failed())
        return;
    // What was sounding is lost with the stream; the next sound or tune opens a new one.
    close();
    m_mixer.stopAll();
}

void SoundStream::close()
{
    if (!m_open)
        return;
    m_output.close();
    m_open = false;
}

} // namespace platform
