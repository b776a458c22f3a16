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
    // The next sound opens a new stream, and so does the sound thread for a tune still wanted.
    close();
    m_mixer.streamLost();
}

void SoundStream::close()
{
    if (!m_open)
        return;
    m_output.close();
    m_open = false;
}

} // namespace platform
