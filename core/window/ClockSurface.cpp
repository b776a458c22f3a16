#include "core/window/ClockSurface.h"

#include "core/window/TimerPiePainter.h"

#include <QPainter>

ClockSurface::ClockSurface(QWidget* parent) : QWidget(parent) {}

void ClockSurface::showPicture(const PiePicture& picture)
{
    m_picture = picture;
    repaint();
}

void ClockSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole())); // each draw starts from a clear surface
    paintPiePicture(painter, m_picture);
}
