#include "core/window/ShapeControl.h"

#include <QPainter>

ShapeControl::ShapeControl(QWidget* parent, const QColor& fill, const QColor& border, qreal borderWidth, qreal radius)
    : QWidget(parent), m_fill(fill), m_border(border), m_borderWidth(borderWidth), m_radius(radius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setFillColor(const QColor& color)
{
    m_fill = color;
    update();
}

void ShapeControl::setBorderColor(const QColor& color)
{
    m_border = color;
    update();
}

void ShapeControl::setBorderWidth(qreal width)
{
    m_borderWidth = width;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The border lies wholly inside the control.
    const qreal inset = m_borderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    if (m_radius > 0)
        p.drawRoundedRect(box, m_radius, m_radius);
    else
        p.drawRect(box);
}
