#include "core/cards/BackMotifs.h"
#include "core/cards/CardArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace cardart {
namespace {

const QColor GloveLine(0x5a, 0x4a, 0x78);

// A capsule from the palm (origin side) reaching `length` upwards, turned by `angle` degrees.
QPainterPath finger(QPointF base, qreal angle, qreal length, qreal width)
{
    QPainterPath f;
    f.addRoundedRect(QRectF(-width / 2, -length, width, length + width / 2), width / 2, width / 2);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    return t.map(f);
}

// A white glove, palm towards us, fingers up, thumb to the right, in a box about 1 wide and 1.45 high
// whose cuff's bottom centre is the origin.
void paintGlove(QPainter& p, qreal line)
{
    QLinearGradient cloth(QPointF(0, -1.4), QPointF(0, 0));
    cloth.setColorAt(0, Qt::white);
    cloth.setColorAt(1, QColor(0xdc, 0xd8, 0xea));
    p.setPen(QPen(GloveLine, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cloth);

    const struct {
        qreal x, angle, length;
    } fingers[] = {{-0.27, -10, 0.50}, {-0.09, -3, 0.60}, {0.09, 3, 0.57}, {0.26, 10, 0.44}};
    for (const auto& f : fingers)
        p.drawPath(finger(QPointF(f.x, -0.70), f.angle, f.length, 0.19));
    p.drawPath(finger(QPointF(0.30, -0.42), 52, 0.42, 0.21));

    QPainterPath palm;
    palm.addRoundedRect(QRectF(-0.38, -0.80, 0.76, 0.62), 0.2, 0.2);
    p.drawPath(palm);
    // The cuff, turned back like a magician's.
    QPainterPath cuff;
    cuff.moveTo(-0.34, -0.24);
    cuff.lineTo(0.34, -0.24);
    cuff.lineTo(0.40, 0.0);
    cuff.lineTo(-0.40, 0.0);
    cuff.closeSubpath();
    p.drawPath(cuff);
    p.drawLine(QPointF(-0.36, -0.12), QPointF(0.36, -0.12));
    // Palm creases.
    p.setBrush(Qt::NoBrush);
    QPainterPath crease;
    crease.moveTo(-0.22, -0.56);
    crease.quadTo(0.0, -0.48, 0.16, -0.60);
    p.drawPath(crease);
}

void paintSparkles(QPainter& p, const QRectF& r, qreal u)
{
    struct Spark {
        qreal x, y, size;
        bool gold;
    };
    const Spark sparks[] = {{0.14, 0.10, 2.2, true}, {0.86, 0.14, 2.6, false}, {0.30, 0.26, 1.4, false},
                            {0.72, 0.30, 1.6, true}, {0.10, 0.44, 1.5, false}, {0.90, 0.46, 1.8, true},
                            {0.55, 0.08, 1.3, false}, {0.22, 0.60, 1.2, true}, {0.80, 0.62, 1.2, false},
                            {0.40, 0.52, 1.0, true}, {0.62, 0.54, 1.1, false}};
    p.setPen(Qt::NoPen);
    for (const Spark& s : sparks) {
        p.setBrush(s.gold ? QColor(0xff, 0xd8, 0x5a) : QColor(0xf4, 0xee, 0xff));
        p.drawPath(starPath(at(r, s.x, s.y), s.size * u, s.size * 0.42 * u));
    }
}

// Sparks rising from the fingertips to the star.
void paintMagicTrails(QPainter& p, const QRectF& r, qreal u)
{
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        const QPointF from = at(r, 0.5 + side * 0.25, 0.58);
        const QPointF bend = at(r, 0.5 + side * 0.32, 0.42);
        const QPointF to = at(r, 0.5 + side * 0.08, 0.38);
        for (int i = 0; i < 6; ++i) {
            const qreal t = (i + 0.5) / 6.0;
            const QPointF pt = (1 - t) * (1 - t) * from + 2 * (1 - t) * t * bend + t * t * to;
            const qreal radius = (0.35 + 0.12 * i) * u;
            p.setBrush(QColor(0xff, 0xe4, 0x8a, 120 + 20 * i));
            p.drawEllipse(pt, radius, radius);
        }
    }
}

void paintBigStar(QPainter& p, QPointF centre, qreal u)
{
    QRadialGradient glow(centre, 16 * u);
    glow.setColorAt(0, QColor(255, 236, 150, 200));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 16 * u, 16 * u);
    QRadialGradient gold(centre, 8 * u);
    gold.setColorAt(0, QColor(0xff, 0xf7, 0xc8));
    gold.setColorAt(1, QColor(0xf2, 0xb2, 0x1c));
    p.setPen(QPen(QColor(0x9a, 0x62, 0x00), 0.5 * u));
    p.setBrush(gold);
    p.drawPath(starPath(centre, 8.0 * u, 3.4 * u));
}

} // namespace

void paintMagicHandsMotif(QPainter& p, const QRectF& r, qreal u)
{
    QRadialGradient night(at(r, 0.5, 0.4), r.height() * 0.75);
    night.setColorAt(0, QColor(0x74, 0x34, 0xa8));
    night.setColorAt(0.55, QColor(0x3a, 0x12, 0x62));
    night.setColorAt(1, QColor(0x18, 0x05, 0x2e));
    p.fillRect(r, night);

    // A faint lattice gives the cloth of a magician's table.
    p.setPen(QPen(QColor(255, 255, 255, 18), 0.5 * u));
    for (qreal d = -r.height(); d < r.width(); d += 6 * u) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.right() - d, r.top()), QPointF(r.right() - d - r.height(), r.bottom()));
    }

    paintSparkles(p, r, u);
    paintMagicTrails(p, r, u);
    paintBigStar(p, at(r, 0.5, 0.36), u);

    const qreal gloveSize = r.width() * 0.39;
    const qreal line = 0.7 * u / gloveSize;
    for (int side : {-1, 1}) {
        p.save();
        p.translate(at(r, 0.5 + side * 0.27, 1.03));
        p.scale(gloveSize, gloveSize);
        p.rotate(-side * 16);
        p.scale(-side, 1); // thumbs towards the star
        paintGlove(p, line);
        p.restore();
    }
}

} // namespace cardart
