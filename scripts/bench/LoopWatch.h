#pragma once
// How long the thread that runs this event loop was kept from it: a tick every 5 ms, whose longest
// gap less its interval is the longest busy stretch, and a 1 s clock like a round's, whose longest
// step is what a player would see of it. Both timers live on the thread that makes the watch.
//
// A stretch is only known once it ends; while one lasts, a thread of the watch's own tells how long
// it has lasted so far, so that a run that never gets its loop back still says so before it is cut off.
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

class LoopWatch {
public:
    using Clock = std::chrono::steady_clock;
    struct Figures {
        double busyMs = 0;      // longest stretch without a tick, less the tick's interval
        double clockStepMs = 0; // longest step of the 1 s clock
    };

    // `onStretch` hears of each new longest stretch, or clock step, more than `reportAboveMs` over
    // what it should be, once it ends; `onStalled`, from another thread, of a stretch still going
    // on, every quarter second once it has lasted `reportAboveMs`.
    LoopWatch(double reportAboveMs, std::function<void(const Figures&)> onStretch,
              std::function<void(double soFarMs)> onStalled);

    // The figures since the last take, which starts them again.
    Figures take();

private:
    void note(double busyMs, double clockStepMs);
    void lookForStalls(std::stop_token stop);

    QTimer m_tick;
    QTimer m_clock;
    Clock::time_point m_lastTick;
    Clock::time_point m_lastClockStep;
    std::atomic<Clock::rep> m_lastTickAt; // m_lastTick, for the looking thread
    Figures m_figures;
    double m_reportAboveMs;
    std::function<void(const Figures&)> m_onStretch;
    std::function<void(double)> m_onStalled;
    std::jthread m_looking; // last, so that it stops before the rest goes
};
