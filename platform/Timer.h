#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

// A timer with the original's two properties: Interval in milliseconds and Enabled.
// Enabling (again) restarts the count; an interval of 0 keeps it from ticking.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr, int interval = 0, bool enabled = false);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);

    // A held timer keeps its Enabled but does not tick; letting it go restarts the count when it is
    // enabled. A window holds its round clocks while it is minimised, whoever enables them meanwhile.
    bool held() const { return m_held; }
    // Whether ticks are coming: enabled, not held, with an interval.
    bool running() const { return m_enabled && !m_held && m_interval > 0; }
    void setHeld(bool held);

    // Runs the handler as one tick would, unless the timer is held; tests drive the game clocks with it.
    void fire();

    // A tick due during a blocking wait is held and comes once after it, unless the timer was
    // stopped or restarted meanwhile; timers that only draw (the dial, the splash, the status clock)
    // keep ticking through waits.
    void setRunsDuringWaits(bool on) { m_runsDuringWaits = on; }

    std::function<void()> onTimer;

private:
    void restart();
    void tick();
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_held = false;
    bool m_runsDuringWaits = false;
    bool m_tickHeld = false;
    unsigned m_run = 0; // changes with every restart, so a held tick never reaches a later run
};

} // namespace platform
