#include "platform/Wait.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {
std::function<void(int)>& handler()
{
    static std::function<void(int)> h;
    return h;
}

std::function<void(int)>& observer()
{
    static std::function<void(int)> o;
    return o;
}

double& scale()
{
    static double s = 1.0;
    return s;
}

bool isPlayerInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// Swallows the player's input to the windows that were open when the innermost running wait began.
class InputDiscard : public QObject {
public:
    std::vector<QPointer<QWidget>> held;

    bool heldWindow(const QWidget* w) const
    {
        const QWidget* top = w->window();
        return std::any_of(held.begin(), held.end(), [top](const QPointer<QWidget>& h) { return h == top; });
    }

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!isPlayerInput(event->type()))
            return false;
        if (auto* widget = qobject_cast<QWidget*>(receiver)) {
            if (!heldWindow(widget))
                return false;
            // A button pressed before the wait must not stay drawn down into the next round.
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (event->type() == QEvent::MouseButtonRelease && button && button->isDown())
                button->setDown(false);
            return true;
        }
        if (auto* action = qobject_cast<QAction*>(receiver)) {
            const QList<QObject*> owners = action->associatedObjects();
            if (owners.isEmpty())
                return true;
            return std::any_of(owners.begin(), owners.end(), [this](QObject* o) {
                auto* w = qobject_cast<QWidget*>(o);
                return w && heldWindow(w);
            });
        }
        return false;
    }
};

int& depth()
{
    static int d = 0;
    return d;
}

InputDiscard& discard()
{
    static InputDiscard* d = new InputDiscard; // lives as long as the program
    return *d;
}

struct PendingEnd {
    QPointer<QObject> context;
    std::function<void()> then;
};

std::vector<PendingEnd>& pendingEnds()
{
    static std::vector<PendingEnd> p;
    return p;
}

void queueEnds()
{
    std::vector<PendingEnd> ends;
    ends.swap(pendingEnds());
    for (PendingEnd& end : ends) {
        if (!end.context)
            continue;
        QMetaObject::invokeMethod(
            end.context.data(),
            [context = end.context, then = std::move(end.then)]() mutable {
                if (isWaiting())
                    whenWaitsEnd(context.data(), std::move(then));
                else
                    then();
            },
            Qt::QueuedConnection);
    }
}

// Holds the input of the windows open now for as long as it lives.
class WaitScope {
public:
    WaitScope() : m_saved(discard().held)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            discard().held.emplace_back(w);
        if (depth()++ == 0)
            QCoreApplication::instance()->installEventFilter(&discard());
    }
    ~WaitScope()
    {
        discard().held = std::move(m_saved);
        if (--depth() == 0) {
            QCoreApplication::instance()->removeEventFilter(&discard());
            queueEnds();
        }
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    std::vector<QPointer<QWidget>> m_saved;
};
} // namespace

void setWaitHandler(std::function<void(int)> h) { handler() = std::move(h); }

void setWaitObserver(std::function<void(int)> o) { observer() = std::move(o); }

void setWaitScale(double s) { scale() = s > 0 ? s : 1.0; }

bool isWaiting() { return depth() > 0; }

void whenWaitsEnd(QObject* context, std::function<void()> then)
{
    pendingEnds().push_back({context, std::move(then)});
    if (!isWaiting())
        queueEnds();
}

void DoEvents()
{
    if (!QCoreApplication::instance())
        return;
    WaitScope scope;
    QCoreApplication::processEvents();
}

void Sleep(int ms)
{
    if (handler()) {
        handler()(ms);
        return;
    }
    if (!QCoreApplication::instance())
        return;
    WaitScope scope;
    if (observer())
        observer()(ms);
    const int real = std::max(0, int(std::lround(ms * scale())));
    if (real == 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(real, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace platform
