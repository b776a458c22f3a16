#include "core/window/LineControl.h"

#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>

LineControl::LineControl(QWidget* parent, const QColor& color, int widthPx)
    : QWidget(parent), m_color(color), m_width(std::max(widthPx, 1))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(int x1, int y1, int x2, int y2)
{
    m_x1 = x1, m_y1 = y1, m_x2 = x2, m_y2 = y2;
    using platform::toPixels;
    // Room for the thickness on every side, so a thick line is not clipped at its ends.
    const int margin = m_width;
    const int left = std::min(toPixels(x1), toPixels(x2)) - margin;
    const int top = std::min(toPixels(y1), toPixels(y2)) - margin;
    const int right = std::max(toPixels(x1), toPixels(x2)) + margin;
    const int bottom = std::max(toPixels(y1), toPixels(y2)) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineControl::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    using platform::toPixels;
    QPainter p(this);
    const QPoint origin = pos();
    const QPoint from = QPoint(toPixels(m_x1), toPixels(m_y1)) - origin;
    const QPoint to = QPoint(toPixels(m_x2), toPixels(m_y2)) - origin;
    if (from.x() == to.x() || from.y() == to.y()) {
        // Across or down: a solid band of the thickness, straddling the line, square at the ends.
        const int half = m_width / 2;
        const QPoint topLeft(std::min(from.x(), to.x()) - half, std::min(from.y(), to.y()) - half);
        const QPoint farEnd(std::max(from.x(), to.x()) - half + m_width - 1, std::max(from.y(), to.y()) - half + m_width - 1);
        const QRect band(topLeft, farEnd);
        p.fillRect(band, m_color);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(from, to);
}
