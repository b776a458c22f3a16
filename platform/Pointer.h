#pragma once
class QWidget;
class QPixmap;

namespace platform {

// The original's MousePointer values that the suite uses.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

void setMousePointer(QWidget* w, MousePointer pointer);
// A custom pointer drawn from a picture, with its hot spot at the top left.
void setMouseIcon(QWidget* w, const QPixmap& icon);

} // namespace platform
