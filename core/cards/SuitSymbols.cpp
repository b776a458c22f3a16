#include "core/cards/SuitSymbols.h"

#include <QPainter>

namespace cardart {
namespace {

QPainterPath heart()
{
    QPainterPath h;
    h.moveTo(0.5, 0.98);
    h.cubicTo(0.38, 0.80, 0.02, 0.60, 0.02, 0.31);
    h.cubicTo(0.02, 0.13, 0.15, 0.02, 0.29, 0.02);
    h.cubicTo(0.40, 0.02, 0.47, 0.09, 0.5, 0.19);
    h.cubicTo(0.53, 0.09, 0.60, 0.02, 0.71, 0.02);
    h.cubicTo(0.85, 0.02, 0.98, 0.13, 0.98, 0.31);
    h.cubicTo(0.98, 0.60, 0.62, 0.80, 0.5, 0.98);
    h.closeSubpath();
    return h;
}

QPainterPath diamond()
{
    // Slightly hollow sides read as a diamond rather than a tilted square.
    QPainterPath d;
    d.moveTo(0.5, 0.0);
    d.quadTo(0.66, 0.30, 0.88, 0.5);
    d.quadTo(0.66, 0.70, 0.5, 1.0);
    d.quadTo(0.34, 0.70, 0.12, 0.5);
    d.quadTo(0.34, 0.30, 0.5, 0.0);
    d.closeSubpath();
    return d;
}

QPainterPath stem()
{
    QPainterPath s;
    s.moveTo(0.46, 0.66);
    s.cubicTo(0.45, 0.84, 0.36, 0.94, 0.24, 1.0);
    s.lineTo(0.76, 1.0);
    s.cubicTo(0.64, 0.94, 0.55, 0.84, 0.54, 0.66);
    s.closeSubpath();
    return s;
}

QPainterPath spade()
{
    QPainterPath b;
    b.moveTo(0.5, 0.0);
    b.cubicTo(0.60, 0.16, 0.98, 0.36, 0.98, 0.60);
    b.cubicTo(0.98, 0.76, 0.87, 0.84, 0.74, 0.84);
    b.cubicTo(0.63, 0.84, 0.55, 0.78, 0.5, 0.68);
    b.cubicTo(0.45, 0.78, 0.37, 0.84, 0.26, 0.84);
    b.cubicTo(0.13, 0.84, 0.02, 0.76, 0.02, 0.60);
    b.cubicTo(0.02, 0.36, 0.40, 0.16, 0.5, 0.0);
    b.closeSubpath();
    return b.united(stem());
}

QPainterPath club()
{
    constexpr qreal r = 0.225;
    QPainterPath c;
    c.addEllipse(QPointF(0.5, 0.25), r, r);
    QPainterPath left, right, middle;
    left.addEllipse(QPointF(0.26, 0.58), r, r);
    right.addEllipse(QPointF(0.74, 0.58), r, r);
    middle.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
    return c.united(left).united(right).united(middle).united(stem());
}

} // namespace

QPainterPath suitPath(int suit)
{
    switch (suit) {
    case 0: return spade();
    case 1: return heart();
    case 2: return club();
    default: return diamond();
    }
}

QColor suitColour(int suit) { return suit == 1 || suit == 3 ? QColor(0xc8, 0x14, 0x2a) : QColor(0x16, 0x16, 0x1c); }

void drawSuit(QPainter& p, int suit, QPointF centre, qreal size, bool upsideDown)
{
    drawSuit(p, suit, centre, size, suitColour(suit), upsideDown);
}

void drawSuit(QPainter& p, int suit, QPointF centre, qreal size, const QColor& colour, bool upsideDown)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(size, size);
    p.translate(-0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(suitPath(suit));
    p.restore();
}

} // namespace cardart
