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

    // Runs the handler as one tick would; tests drive the game clocks with it.
    void fire();

    std::function<void()> onTimer;

private:
    void restart();
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace platform
