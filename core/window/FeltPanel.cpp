#include "core/window/FeltPanel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

FeltPanel::FeltPanel(QWidget* parent)
    : FeltPanel(parent, {{0.0, QColor(0x1f, 0x6e, 0x43)}, {1.0, QColor(0x0f, 0x4a, 0x2c)}}, Lighting::TopDown)
{
}

FeltPanel::FeltPanel(QWidget* parent, const QGradientStops& stops, Lighting lighting)
    : QWidget(parent), m_stops(stops), m_lighting(lighting)
{
}

void FeltPanel::setLightAt(qreal x, qreal y)
{
    m_lightX = x;
    m_lightY = y;
    update();
}

void FeltPanel::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void FeltPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintFelt(p, rect());
}

void FeltPanel::paintFelt(QPainter& p, const QRectF& area) const
{
    const QRectF r = rect();
    if (m_lighting == Lighting::Spotlight) {
        QRadialGradient felt(r.width() * m_lightX, r.height() * m_lightY, std::max(r.width(), r.height()) * 0.75);
        felt.setStops(m_stops);
        p.fillRect(area, felt);
    } else {
        QLinearGradient felt(0, 0, 0, r.height());
        felt.setStops(m_stops);
        p.fillRect(area, felt);
    }
}
