#include "LoopWatch.h"

#include <condition_variable>
#include <mutex>

namespace {

constexpr int TickMs = 5;
constexpr int ClockMs = 1000;
constexpr auto LookEvery = std::chrono::milliseconds(250);

double msBetween(LoopWatch::Clock::time_point a, LoopWatch::Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

} // namespace

LoopWatch::LoopWatch(double reportAboveMs, std::function<void(const Figures&)> onStretch,
                     std::function<void(double soFarMs)> onStalled)
    : m_lastTick(Clock::now()), m_lastClockStep(m_lastTick), m_lastTickAt(m_lastTick.time_since_epoch().count()),
      m_reportAboveMs(reportAboveMs), m_onStretch(std::move(onStretch)), m_onStalled(std::move(onStalled))
{
    m_tick.setTimerType(Qt::PreciseTimer);
    m_tick.setInterval(TickMs);
    m_tick.callOnTimeout([this] {
        const Clock::time_point now = Clock::now();
        note(std::max(0.0, msBetween(m_lastTick, now) - TickMs), 0);
        m_lastTick = now;
        m_lastTickAt.store(now.time_since_epoch().count(), std::memory_order_relaxed);
    });
    m_clock.setTimerType(Qt::PreciseTimer);
    m_clock.setInterval(ClockMs);
    m_clock.callOnTimeout([this] {
        const Clock::time_point now = Clock::now();
        note(0, msBetween(m_lastClockStep, now));
        m_lastClockStep = now;
    });
    m_tick.start();
    m_clock.start();
    m_looking = std::jthread([this](std::stop_token stop) { lookForStalls(stop); });
}

LoopWatch::Figures LoopWatch::take()
{
    const Figures figures = m_figures;
    m_figures = {};
    return figures;
}

void LoopWatch::note(double busyMs, double clockStepMs)
{
    const bool longer = (busyMs > m_figures.busyMs && busyMs > m_reportAboveMs)
        || (clockStepMs > m_figures.clockStepMs && clockStepMs > ClockMs + m_reportAboveMs);
    m_figures.busyMs = std::max(m_figures.busyMs, busyMs);
    m_figures.clockStepMs = std::max(m_figures.clockStepMs, clockStepMs);
    if (longer && m_onStretch)
        m_onStretch(m_figures);
}

void LoopWatch::lookForStalls(std::stop_token stop)
{
    std::mutex lock;
    std::condition_variable_any wake;
    std::unique_lock held(lock);
    while (!wake.wait_for(held, stop, LookEvery, [] { return false; }) && !stop.stop_requested()) {
        const Clock::time_point last{Clock::duration(m_lastTickAt.load(std::memory_order_relaxed))};
        const double soFar = msBetween(last, Clock::now()) - TickMs;
        if (soFar > m_reportAboveMs && m_onStalled)
            m_onStalled(soFar);
    }
}
