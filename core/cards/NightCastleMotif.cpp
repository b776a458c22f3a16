#include "core/cards/BackMotifs.h"
#include "core/cards/CardArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace cardart {
namespace {

const QColor Stone(0x0b, 0x10, 0x2a);
const QColor Lamp(0xff, 0xd7, 0x6a);

void paintStars(QPainter& p, const QRectF& r, qreal u)
{
    const QPointF dots[] = {{0.10, 0.08}, {0.26, 0.05}, {0.42, 0.12}, {0.18, 0.22}, {0.08, 0.36}, {0.34, 0.30},
                            {0.52, 0.04}, {0.90, 0.40}, {0.60, 0.24}, {0.94, 0.08}, {0.46, 0.40}, {0.24, 0.44}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xf0, 0xff, 220));
    int i = 0;
    for (QPointF d : dots) {
        const qreal radius = (0.45 + 0.2 * (i++ % 3)) * u;
        p.drawEllipse(at(r, d.x(), d.y()), radius, radius);
    }
    // A few brighter ones twinkle.
    p.setBrush(QColor(0xff, 0xfa, 0xe0));
    for (QPointF d : {QPointF(0.16, 0.14), QPointF(0.91, 0.24), QPointF(0.38, 0.20)})
        p.drawPath(starPath(at(r, d.x(), d.y()), 2.2 * u, 0.5 * u, 4));
}

void paintMoon(QPainter& p, QPointF centre, qreal radius)
{
    QRadialGradient glow(centre, radius * 3);
    glow.setColorAt(0, QColor(255, 246, 200, 110));
    glow.setColorAt(1, QColor(255, 246, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 3, radius * 3);
    QPainterPath disc, bite;
    disc.addEllipse(centre, radius, radius);
    bite.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.25), radius * 0.9, radius * 0.9);
    p.setBrush(QColor(0xff, 0xf3, 0xc4));
    p.drawPath(disc.subtracted(bite));
}

// A tower from `left` to `right` standing on the ground, its wall top at `top`, with a pointed roof.
QPainterPath tower(const QRectF& r, qreal left, qreal right, qreal top, qreal roofTop)
{
    QPainterPath t;
    t.addRect(QRectF(at(r, left, top), at(r, right, 1.02)));
    QPainterPath roof;
    const qreal overhang = (right - left) * 0.12;
    roof.moveTo(at(r, left - overhang, top + 0.01));
    roof.lineTo(at(r, (left + right) / 2, roofTop));
    roof.lineTo(at(r, right + overhang, top + 0.01));
    roof.closeSubpath();
    return t.united(roof);
}

QPainterPath battlements(const QRectF& r, qreal left, qreal right, qreal top, int merlons)
{
    QPainterPath b;
    b.addRect(QRectF(at(r, left, top + 0.03), at(r, right, 1.02)));
    const qreal step = (right - left) / (2 * merlons - 1);
    for (int i = 0; i < merlons; ++i)
        b.addRect(QRectF(at(r, left + 2 * i * step, top), at(r, left + (2 * i + 1) * step, top + 0.04)));
    return b.simplified();
}

void paintCastle(QPainter& p, const QRectF& r, qreal u)
{
    QPainterPath castle = battlements(r, 0.14, 0.86, 0.72, 7);
    castle = castle.united(battlements(r, 0.34, 0.66, 0.56, 5));
    castle = castle.united(tower(r, 0.12, 0.28, 0.52, 0.36));
    castle = castle.united(tower(r, 0.72, 0.88, 0.52, 0.36));
    castle = castle.united(tower(r, 0.43, 0.57, 0.40, 0.20));
    p.setPen(Qt::NoPen);
    p.setBrush(Stone);
    p.drawPath(castle);

    // Pennants on the three roofs.
    p.setPen(QPen(Stone, 0.5 * u));
    p.setBrush(QColor(0xc8, 0x2a, 0x3a));
    for (QPointF tip : {at(r, 0.20, 0.36), at(r, 0.80, 0.36), at(r, 0.50, 0.20)}) {
        p.drawLine(tip, tip - QPointF(0, 4.0 * u));
        QPainterPath flag;
        flag.moveTo(tip - QPointF(0, 4.0 * u));
        flag.lineTo(tip + QPointF(3.0 * u, -3.2 * u));
        flag.lineTo(tip - QPointF(0, 2.4 * u));
        flag.closeSubpath();
        p.drawPath(flag);
    }

    // Lit windows and the gate.
    p.setPen(Qt::NoPen);
    p.setBrush(Lamp);
    auto window = [&](qreal fx, qreal fy) {
        QPainterPath w;
        const QPointF c = at(r, fx, fy);
        w.addRoundedRect(QRectF(c.x() - 0.9 * u, c.y() - 1.6 * u, 1.8 * u, 3.2 * u), 0.9 * u, 0.9 * u);
        p.drawPath(w);
    };
    window(0.20, 0.60);
    window(0.80, 0.60);
    window(0.50, 0.48);
    window(0.42, 0.66);
    window(0.58, 0.66);
    window(0.20, 0.78);
    QPainterPath gate;
    const QPointF g = at(r, 0.5, 1.0);
    gate.addRoundedRect(QRectF(g.x() - 3.2 * u, g.y() - 9.0 * u, 6.4 * u, 12 * u), 3.2 * u, 3.2 * u);
    QRadialGradient warm(g, 9 * u);
    warm.setColorAt(0, QColor(0xff, 0xc2, 0x4a));
    warm.setColorAt(1, QColor(0xb8, 0x6a, 0x1a));
    p.setBrush(warm);
    p.drawPath(gate);
}

} // namespace

void paintNightCastleMotif(QPainter& p, const QRectF& r, qreal u)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x06, 0x0e, 0x2e));
    sky.setColorAt(0.6, QColor(0x16, 0x2c, 0x6a));
    sky.setColorAt(1, QColor(0x2c, 0x4c, 0x96));
    p.fillRect(r, sky);
    paintStars(p, r, u);
    paintMoon(p, at(r, 0.72, 0.17), 6.5 * u);

    // Far hills behind the castle.
    QPainterPath hills;
    hills.moveTo(at(r, -0.05, 0.80));
    hills.cubicTo(at(r, 0.2, 0.66), at(r, 0.5, 0.74), at(r, 0.7, 0.70));
    hills.cubicTo(at(r, 0.85, 0.67), at(r, 0.95, 0.72), at(r, 1.05, 0.70));
    hills.lineTo(at(r, 1.05, 1.05));
    hills.lineTo(at(r, -0.05, 1.05));
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x3a, 0x78));
    p.drawPath(hills);
    paintCastle(p, r, u);
}

} // namespace cardart
