#pragma once
#include <functional>

class QObject;

namespace platform {

// Blocks the calling handler for ms milliseconds, as the count-ups and animations expect, while the
// event loop keeps painting, the window manager and the timers still running. Mouse and keyboard
// input aimed at the windows open when the wait began is discarded, neither handled during the wait
// nor delivered after it; a window opened during the wait (a question) still takes its input.
void Sleep(int ms);

// Lets pending painting and timers run at once under the same discipline as a wait.
void DoEvents();

// Whether a wait (or DoEvents) is running.
bool isWaiting();

// Runs `then` from the event loop once no wait is running any more: a request that a wait could not
// answer (closing a window) is answered then. Dropped when `context` is destroyed first.
void whenWaitsEnd(QObject* context, std::function<void()> then);

// Tests make waits instant (and record them) through this hook.
void setWaitHandler(std::function<void(int)> handler);

// Tests watch real waits begin through this hook, to give input at a chosen one.
void setWaitObserver(std::function<void(int)> observer);

// Real waits last ms * scale; tests run them on the event loop quickly with a small scale.
void setWaitScale(double scale);

} // namespace platform
