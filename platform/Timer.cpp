#include "platform/Timer.h"

#include "platform/Wait.h"

namespace platform {

Timer::Timer(QObject* parent, int interval, bool enabled) : QObject(parent), m_interval(interval), m_enabled(enabled)
{
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
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

void Timer::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    restart();
}

void Timer::fire()
{
    // A held timer gives no tick by any road, so a test firing it sees what the player would.
    if (m_held || !onTimer)
        return;
    onTimer();
}

void Timer::tick()
{
    if (m_runsDuringWaits || !isWaiting()) {
        fire();
        return;
    }
    if (m_tickHeld)
        return;
    m_tickHeld = true;
    whenWaitsEnd(this, [this, run = m_run] {
        if (run != m_run)
            return;
        m_tickHeld = false;
        if (m_enabled)
            fire();
    });
}

void Timer::restart()
{
    ++m_run;
    m_tickHeld = false;
    m_timer.stop();
    if (m_enabled && !m_held && m_interval > 0)
        m_timer.start(m_interval);
}

} // namespace platform
