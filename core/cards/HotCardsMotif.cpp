#include "core/cards/BackMotifs.h"
#include "core/cards/CardArtKit.h"
#include "core/cards/SuitSymbols.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace cardart {
namespace {

// One tongue of flame standing on `bottom`, its tip bent sideways by `lean`.
QPainterPath tongue(qreal x, qreal bottom, qreal width, qreal height, qreal lean)
{
    QPainterPath f;
    f.moveTo(x - width / 2, bottom);
    f.cubicTo(x - width * 0.62, bottom - height * 0.45, x + lean * 0.1 - width * 0.30, bottom - height * 0.62,
              x + lean, bottom - height);
    f.cubicTo(x + lean * 0.2 + width * 0.42, bottom - height * 0.58, x + width * 0.62, bottom - height * 0.38,
              x + width / 2, bottom);
    f.closeSubpath();
    return f;
}

struct Tongue {
    qreal x, width, height, lean; // fractions of the picture
};

// A row of tongues, drawn as three nested layers from red outside to yellow inside.
void paintFlames(QPainter& p, const QRectF& r, const Tongue* tongues, int count)
{
    const struct {
        qreal scale;
        QColor colour;
    } layers[] = {{1.0, QColor(0xf0, 0x3c, 0x10)}, {0.72, QColor(0xff, 0x8c, 0x14)}, {0.44, QColor(0xff, 0xe0, 0x5a)}};
    p.setPen(Qt::NoPen);
    for (const auto& layer : layers) {
        p.setBrush(layer.colour);
        for (int i = 0; i < count; ++i) {
            const Tongue& t = tongues[i];
            p.drawPath(tongue(r.left() + t.x * r.width(), r.bottom() + 0.02 * r.height(),
                              t.width * r.width() * layer.scale, t.height * r.height() * layer.scale,
                              t.lean * r.width() * layer.scale));
        }
    }
}

void paintFan(QPainter& p, const QRectF& r, qreal u)
{
    // Held from below like a hand of cards, each showing its corner.
    const QPointF pivot = at(r, 0.5, 0.66);
    const QSizeF size(15 * u, 21 * u);
    const int suits[] = {3, 0, 1};
    const qreal angles[] = {-28, 0, 28};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(angles[i]);
        const QRectF card(QPointF(-size.width() / 2, -size.height() - 6 * u), size);
        p.setPen(QPen(QColor(0x7a, 0x1a, 0x00), 0.6 * u));
        p.setBrush(QColor(0xff, 0xfb, 0xf0));
        p.drawRoundedRect(card, 1.6 * u, 1.6 * u);
        drawSuit(p, suits[i], card.topLeft() + QPointF(3.4 * u, 3.8 * u), 4.2 * u);
        drawSuit(p, suits[i], card.center(), 8.0 * u);
        p.restore();
    }
}

void paintEmbers(QPainter& p, const QRectF& r, qreal u)
{
    const QPointF sparks[] = {{0.14, 0.18}, {0.82, 0.12}, {0.30, 0.08}, {0.70, 0.26}, {0.12, 0.42},
                              {0.88, 0.40}, {0.56, 0.10}, {0.40, 0.30}};
    p.setPen(Qt::NoPen);
    int i = 0;
    for (QPointF s : sparks) {
        const qreal radius = (0.5 + 0.25 * (i++ % 3)) * u;
        p.setBrush(i % 2 ? QColor(0xff, 0xd0, 0x5a, 220) : QColor(0xff, 0x8a, 0x2a, 220));
        p.drawEllipse(at(r, s.x(), s.y()), radius, radius);
    }
}

} // namespace

void paintHotCardsMotif(QPainter& p, const QRectF& r, qreal u)
{
    QLinearGradient heat(r.topLeft(), r.bottomLeft());
    heat.setColorAt(0, QColor(0x4a, 0x04, 0x08));
    heat.setColorAt(0.5, QColor(0xa0, 0x0e, 0x0c));
    heat.setColorAt(1, QColor(0xe8, 0x40, 0x12));
    p.fillRect(r, heat);
    QRadialGradient glow(at(r, 0.5, 0.62), r.width() * 0.7);
    glow.setColorAt(0, QColor(255, 190, 60, 150));
    glow.setColorAt(1, QColor(255, 120, 30, 0));
    p.fillRect(r, glow);
    paintEmbers(p, r, u);

    const Tongue back[] = {{0.10, 0.34, 0.62, 0.06}, {0.38, 0.36, 0.78, -0.08}, {0.64, 0.36, 0.82, 0.07},
                           {0.92, 0.34, 0.60, -0.06}};
    paintFlames(p, r, back, 4);
    paintFan(p, r, u);
    const Tongue front[] = {{0.0, 0.30, 0.36, 0.05}, {0.24, 0.30, 0.44, -0.05}, {0.50, 0.32, 0.40, 0.04},
                            {0.76, 0.30, 0.46, -0.05}, {1.0, 0.30, 0.34, -0.04}};
    paintFlames(p, r, front, 5);
}

} // namespace cardart
