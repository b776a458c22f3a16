#include "core/settings/WindowPlacement.h"

#include "platform/Twips.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace settingsfile {

WindowPlacement PlacementOf(const QWidget& window)
{
    WindowPlacement p;
    p.state = window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0;
    p.widthTw = platform::widthTw(&window);
    p.heightTw = platform::heightTw(&window);
    return p;
}

void RestoreWindowSizeTw(QWidget& window, int widthTw, int heightTw)
{
    platform::resizeTw(&window, std::clamp(widthTw, 0, platform::screenWidthTw()),
                       std::clamp(heightTw, 0, platform::screenHeightTw()));
}

namespace {
Qt::WindowStates statesFor(const QWidget& window, int state)
{
    Qt::WindowStates states = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == 1)
        states |= Qt::WindowMinimized;
    else if (state == 2)
        states |= Qt::WindowMaximized;
    return states;
}

// Gives the window its state at the show event, after every size and move of its load and just
// before the window system first sees it.
class StateOnShow : public QObject {
public:
    StateOnShow(QWidget& window, int state) : QObject(&window), m_state(state)
    {
        setObjectName(Name);
        window.installEventFilter(this);
    }

    static inline const QString Name = QStringLiteral("stateOnShow");

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto& window = *static_cast<QWidget*>(watched);
            window.removeEventFilter(this);
            deleteLater();
            window.setWindowState(statesFor(window, m_state));
        }
        return false;
    }

private:
    int m_state;
};
} // namespace

void RestoreWindowState(QWidget& window, int state)
{
    delete window.findChild<QObject*>(StateOnShow::Name, Qt::FindDirectChildrenOnly);
    if (window.isVisible())
        window.setWindowState(statesFor(window, state));
    else
        new StateOnShow(window, state);
}

void ApplyWindowPlacement(QWidget& window, const std::optional<int>& state, const std::optional<int>& widthTw,
                          const std::optional<int>& heightTw)
{
    // The size first: it is the normal size a window opened maximised or minimised comes back to.
    const bool maximised = state ? *state == 2 : bool(window.windowState() & Qt::WindowMaximized);
    if ((widthTw || heightTw) && !maximised)
        RestoreWindowSizeTw(window, widthTw.value_or(platform::widthTw(&window)),
                            heightTw.value_or(platform::heightTw(&window)));
    if (state)
        RestoreWindowState(window, *state);
}

} // namespace settingsfile
