#include "platform/Pointer.h"

#include <QCursor>
#include <QPixmap>
#include <QWidget>

namespace platform {

void setMousePointer(QWidget* w, MousePointer pointer)
{
    switch (pointer) {
    case MousePointer::Default: w->unsetCursor(); break;
    case MousePointer::Hourglass: w->setCursor(Qt::WaitCursor); break;
    case MousePointer::Custom: break; // set through setMouseIcon
    }
}

void setMouseIcon(QWidget* w, const QPixmap& icon) { w->setCursor(QCursor(icon, 0, 0)); }

} // namespace platform
