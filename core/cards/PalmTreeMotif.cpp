#include "core/cards/BackMotifs.h"
#include "core/cards/CardArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace cardart {
namespace {

const QColor Silhouette(0x2a, 0x16, 0x30);

// A drooping frond from `base`, leaving at `angle` degrees (0 = right, -90 = up).
QPainterPath frond(QPointF base, qreal angle, qreal length, qreal width, qreal droop)
{
    const qreal a = qDegreesToRadians(angle);
    const QPointF dir(qCos(a), qSin(a));
    const QPointF tip = base + dir * length + QPointF(0, droop);
    const QPointF mid = base + dir * (length * 0.55) - QPointF(0, droop * 0.35);
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath leaf;
    leaf.moveTo(base);
    leaf.quadTo(mid + normal * width, tip);
    leaf.quadTo(mid - normal * (width * 0.25), base);
    leaf.closeSubpath();
    return leaf;
}

void paintSky(QPainter& p, const QRectF& r, qreal horizon)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), horizon));
    sky.setColorAt(0.0, QColor(0x2b, 0x1d, 0x5c));
    sky.setColorAt(0.35, QColor(0x8c, 0x2f, 0x6e));
    sky.setColorAt(0.7, QColor(0xec, 0x63, 0x4a));
    sky.setColorAt(1.0, QColor(0xff, 0xc4, 0x5e));
    p.fillRect(QRectF(r.topLeft(), QPointF(r.right(), horizon)), sky);

    const QPointF sun(r.center().x() + 0.08 * r.width(), horizon);
    const qreal radius = 0.24 * r.width();
    QRadialGradient glow(sun, radius * 2.4);
    glow.setColorAt(0, QColor(255, 230, 140, 170));
    glow.setColorAt(1, QColor(255, 160, 90, 0));
    p.fillRect(QRectF(r.topLeft(), QPointF(r.right(), horizon)), glow);
    QRadialGradient disc(sun, radius);
    disc.setColorAt(0, QColor(0xff, 0xf6, 0xc0));
    disc.setColorAt(1, QColor(0xff, 0xb6, 0x4a));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.save();
    p.setClipRect(QRectF(r.topLeft(), QPointF(r.right(), horizon)), Qt::IntersectClip);
    p.drawEllipse(sun, radius, radius);
    p.restore();
}

void paintSea(QPainter& p, const QRectF& r, qreal horizon, qreal u)
{
    const QRectF sea(QPointF(r.left(), horizon), r.bottomRight());
    QLinearGradient water(sea.topLeft(), sea.bottomLeft());
    water.setColorAt(0, QColor(0x2b, 0xb5, 0xaa));
    water.setColorAt(1, QColor(0x0a, 0x4d, 0x5a));
    p.fillRect(sea, water);
    // The sun's glitter on the water, narrowing towards the shore.
    p.setPen(QPen(QColor(255, 226, 150, 200), 0.9 * u, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = r.center().x() + 0.08 * r.width();
    for (int i = 0; i < 5; ++i) {
        const qreal y = horizon + (1.8 + i * 3.2) * u;
        const qreal half = (9.0 - i * 1.4) * u;
        p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
    }
}

void paintIslandAndPalm(QPainter& p, const QRectF& r, qreal u)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Silhouette);
    QPainterPath island;
    island.moveTo(r.left() - 2 * u, r.bottom() + 1 * u);
    island.cubicTo(at(r, 0.05, 0.86), at(r, 0.5, 0.84), at(r, 0.85, 1.02));
    island.lineTo(r.left() - 2 * u, r.bottom() + 1 * u);
    p.drawPath(island);

    // Trunk: a tapered curve leaning to the right.
    const QPointF foot = at(r, 0.30, 0.90);
    const QPointF crown = at(r, 0.58, 0.30);
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-2.6 * u, 0));
    trunk.cubicTo(at(r, 0.30, 0.62) + QPointF(-1.6 * u, 0), at(r, 0.42, 0.40), crown + QPointF(-1.0 * u, 0));
    trunk.lineTo(crown + QPointF(1.2 * u, 0.4 * u));
    trunk.cubicTo(at(r, 0.46, 0.42), at(r, 0.36, 0.62) + QPointF(1.6 * u, 0), foot + QPointF(2.6 * u, 0));
    trunk.closeSubpath();
    p.drawPath(trunk);

    const qreal w = r.width();
    struct Leaf {
        qreal angle, length, droop;
    };
    const Leaf leaves[] = {{-160, 0.48, 0.20}, {-125, 0.36, 0.08}, {-80, 0.30, 0.06}, {-40, 0.40, 0.10},
                           {-10, 0.50, 0.22}, {160, 0.38, 0.26},  {25, 0.34, 0.28}};
    for (const Leaf& leaf : leaves)
        p.drawPath(frond(crown, leaf.angle, leaf.length * w, 3.2 * u, leaf.droop * w));
    p.setBrush(QColor(0x4a, 0x26, 0x3a));
    for (QPointF nut : {QPointF(-1.4, 1.8), QPointF(1.2, 2.2), QPointF(0, 3.0)})
        p.drawEllipse(crown + nut * u, 1.3 * u, 1.3 * u);
}

void paintBirds(QPainter& p, const QRectF& r, qreal u)
{
    p.setPen(QPen(QColor(0x2a, 0x16, 0x30, 200), 0.7 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (QPointF at0 : {at(r, 0.22, 0.16), at(r, 0.33, 0.22), at(r, 0.78, 0.12)}) {
        QPainterPath bird;
        bird.moveTo(at0 + QPointF(-2.4 * u, -0.6 * u));
        bird.quadTo(at0 + QPointF(-1.2 * u, -1.4 * u), at0);
        bird.quadTo(at0 + QPointF(1.2 * u, -1.4 * u), at0 + QPointF(2.4 * u, -0.6 * u));
        p.drawPath(bird);
    }
}

} // namespace

void paintPalmTreeMotif(QPainter& p, const QRectF& r, qreal u)
{
    const qreal horizon = r.top() + 0.64 * r.height();
    paintSky(p, r, horizon);
    paintSea(p, r, horizon, u);
    paintBirds(p, r, u);
    paintIslandAndPalm(p, r, u);
}

} // namespace cardart
