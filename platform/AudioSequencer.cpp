#include "platform/AudioSequencer.h"

namespace platform {

void MidiSequencer::open(const QString& path)
{
    if (m_open)
        return;
    m_open = true;
    m_started = false;
    m_path = path;
}

void MidiSequencer::play()
{
    // A tune that already started is running or has run to its end; either way play leaves it.
    if (!m_open || m_started)
        return;
    m_started = true;
    m_player.start(m_path);
}

void MidiSequencer::close()
{
    if (!m_open)
        return;
    if (m_started)
        m_player.stop();
    m_open = false;
    m_started = false;
    m_path.clear();
}

} // namespace platform
