#pragma once
// The window's placement as the games' settings files keep it, captured and applied in one place so
// every game saves and restores its window alike.
#include <optional>

class QWidget;

namespace settingsfile {

// 0 normal, 1 minimised, 2 maximised; size in twips.
struct WindowPlacement {
    int state = 0;
    int widthTw = 0;
    int heightTw = 0;
};

WindowPlacement PlacementOf(const QWidget& window);

// Resizes the window to a size read from a file, no larger than the screen's available area: a size
// beyond it would cost the memory of a window no player can see, and be written back every time.
void RestoreWindowSizeTw(QWidget& window, int widthTw, int heightTw);

// Sets a state read from a file (0 normal, 1 minimised, 2 maximised). A window not shown yet takes it as
// it is shown: a window system may drop a state given before the window's size and place.
void RestoreWindowState(QWidget& window, int state);

// Sets the window's size unless the state read (or else the window's own) is maximised, then the state
// when one was read; a size read without the other keeps the window's own.
void ApplyWindowPlacement(QWidget& window, const std::optional<int>& state, const std::optional<int>& widthTw,
                          const std::optional<int>& heightTw);

} // namespace settingsfile
