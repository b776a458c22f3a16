#pragma once
// What the player does while a handler is busy. Each call only queues the input: it runs at the event
// loop's next turn, which is inside a blocking wait when one is running, or else once the busy handler
// has returned, just as a click made during a real wait would.
#include <functional>

#include <Qt>

class QWidget;

void clickSoon(QWidget* target, int times = 1);
void keySoon(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The title bar's close box.
void closeSoon(QWidget* window);
// Anything else the event loop should run at its next turn.
void soon(QWidget* context, std::function<void()> what);

// Posts a click to the target at once, as the window system queues one: it is delivered when the
// event loop next turns, to the target as it is then. Used from a wait observer, it is a click made
// during that very wait.
void postClick(QWidget* target, int times = 1);

// Lets the event loop run everything queued so far, as it does once a handler returns, including the
// deletion of windows that closed.
void settle(int ms = 30);
