#include "core/settings/WindowPlacement.h"

#include "platform/Twips.h"

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

void ApplyWindowPlacement(QWidget& window, const std::optional<int>& state, const std::optional<int>& widthTw,
                          const std::optional<int>& heightTw)
{
    if (state) {
        Qt::WindowStates states = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        if (*state == 1)
            states |= Qt::WindowMinimized;
        else if (*state == 2)
            states |= Qt::WindowMaximized;
        window.setWindowState(states);
    }
    if ((widthTw || heightTw) && !(window.windowState() & Qt::WindowMaximized))
        RestoreWindowSizeTw(window, widthTw.value_or(platform::widthTw(&window)),
                           heightTw.value_or(platform::heightTw(&window)));
}

} // namespace settingsfile
