#include "platform/Timer.h"

namespace platform {

Timer::Timer(QObject* parent, int interval, bool enabled) : QObject(parent), m_interval(interval), m_enabled(enabled)
{
    connect(&m_timer, &QTimer::timeout, this, &Timer::fire);
    restart();
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    restart();
}

void Timer::setEnabled(bool on)
{
    m_enabled = on;
    restart();
}

void Timer::fire()
{
    if (onTimer)
        onTimer();
}

void Timer::restart()
{
    m_timer.stop();
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}

} // namespace platform
