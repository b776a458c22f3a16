#include "core/cards/CourtPanel.h"

#include "core/cards/CardArtKit.h"
#include "core/cards/SuitSymbols.h"

#include <QLinearGradient>
#include <QPainter>

namespace cardart {
namespace {

struct CourtColours {
    QColor deep;  // frame and robe
    QColor light; // panel ground
};

CourtColours coloursOf(int rank)
{
    switch (rank) {
    case 11: return {QColor(0x1d, 0x6b, 0x4f), QColor(0xe6, 0xf4, 0xec)};
    case 12: return {QColor(0x9c, 0x1f, 0x45), QColor(0xfb, 0xe8, 0xee)};
    default: return {QColor(0x23, 0x41, 0x8f), QColor(0xe8, 0xed, 0xfb)};
    }
}

QBrush goldIn(const QRectF& box)
{
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0xff, 0xe8, 0x8a));
    g.setColorAt(1, QColor(0xd4, 0x98, 0x18));
    return g;
}

// Headwear in a box `w` wide whose top-left corner is the origin; about 0.55 w high.
QPainterPath kingsCrown()
{
    QPainterPath c;
    c.moveTo(0.0, 0.44);
    c.lineTo(0.0, 0.10);
    c.lineTo(0.25, 0.30);
    c.lineTo(0.5, 0.02);
    c.lineTo(0.75, 0.30);
    c.lineTo(1.0, 0.10);
    c.lineTo(1.0, 0.44);
    c.closeSubpath();
    c.addRect(QRectF(0.0, 0.42, 1.0, 0.14));
    for (QPointF tip : {QPointF(0.0, 0.10), QPointF(0.5, 0.03), QPointF(1.0, 0.10)})
        c.addEllipse(tip, 0.075, 0.075);
    return c.simplified();
}

QPainterPath queensCrown()
{
    QPainterPath c;
    c.moveTo(0.06, 0.44);
    c.lineTo(0.06, 0.20);
    c.quadTo(0.18, 0.34, 0.28, 0.14);
    c.quadTo(0.39, 0.30, 0.5, 0.06);
    c.quadTo(0.61, 0.30, 0.72, 0.14);
    c.quadTo(0.82, 0.34, 0.94, 0.20);
    c.lineTo(0.94, 0.44);
    c.closeSubpath();
    c.addRoundedRect(QRectF(0.02, 0.42, 0.96, 0.14), 0.06, 0.06);
    for (QPointF tip : {QPointF(0.06, 0.19), QPointF(0.28, 0.13), QPointF(0.5, 0.06), QPointF(0.72, 0.13),
                        QPointF(0.94, 0.19)})
        c.addEllipse(tip, 0.055, 0.055);
    return c.simplified();
}

QPainterPath jacksCap()
{
    // A soft cap whose crown flops forward over the band.
    QPainterPath c;
    c.moveTo(0.10, 0.48);
    c.cubicTo(0.04, 0.06, 0.74, -0.08, 1.00, 0.30);
    c.quadTo(0.90, 0.26, 0.80, 0.30);
    c.cubicTo(0.86, 0.36, 0.90, 0.42, 0.90, 0.48);
    c.closeSubpath();
    QPainterPath band;
    band.addRoundedRect(QRectF(0.04, 0.40, 0.92, 0.16), 0.06, 0.06);
    return c.united(band);
}

QPainterPath jacksFeather()
{
    QPainterPath f;
    f.moveTo(0.26, 0.40);
    f.cubicTo(0.18, 0.18, 0.04, 0.04, -0.10, 0.00);
    f.cubicTo(0.00, 0.14, 0.10, 0.30, 0.18, 0.44);
    f.closeSubpath();
    return f;
}

void paintHeadwear(QPainter& p, int rank, QPointF topLeft, qreal width, const CourtColours& colours, qreal u)
{
    p.save();
    p.translate(topLeft);
    p.scale(width, width);
    const qreal line = 0.6 * u / width;
    const QRectF box(0, 0, 1, 0.56);
    if (rank == 11) {
        p.setPen(QPen(QColor(0x7a, 0x52, 0x00), line));
        p.setBrush(goldIn(box));
        p.drawPath(jacksFeather());
        p.setPen(QPen(colours.deep.darker(150), line));
        p.setBrush(colours.deep);
        p.drawPath(jacksCap());
        p.setPen(Qt::NoPen);
        p.setBrush(goldIn(box));
        p.drawRoundedRect(QRectF(0.10, 0.42, 0.80, 0.12), 0.05, 0.05);
    } else {
        p.setPen(QPen(QColor(0x7a, 0x52, 0x00), line));
        p.setBrush(goldIn(box));
        p.drawPath(rank == 13 ? kingsCrown() : queensCrown());
        // Jewels on the band.
        p.setPen(Qt::NoPen);
        p.setBrush(colours.deep);
        for (qreal x : {0.22, 0.5, 0.78})
            p.drawEllipse(QPointF(x, 0.49), 0.05, 0.05);
    }
    p.restore();
}

QString letterOf(int rank) { return rank == 11 ? QStringLiteral("J") : rank == 12 ? QStringLiteral("Q") : QStringLiteral("K"); }

// Shoulders in the court's robe, with a gold collar, on which the letter stands as the figure's head.
void paintShoulders(QPainter& p, const QRectF& half, const CourtColours& colours, qreal u)
{
    const qreal top = half.top() + 30.6 * u;
    const qreal cx = half.center().x();
    QPainterPath robe;
    robe.moveTo(cx - 13.5 * u, half.bottom());
    robe.cubicTo(QPointF(cx - 13.5 * u, top + 2.5 * u), QPointF(cx - 10 * u, top), QPointF(cx - 4.5 * u, top));
    robe.lineTo(cx + 4.5 * u, top);
    robe.cubicTo(QPointF(cx + 10 * u, top), QPointF(cx + 13.5 * u, top + 2.5 * u), QPointF(cx + 13.5 * u, half.bottom()));
    robe.closeSubpath();
    p.save();
    p.setPen(QPen(QColor(0xc9, 0x9a, 0x2e), 0.7 * u));
    p.setBrush(colours.deep);
    p.drawPath(robe);
    QPainterPath collar;
    collar.moveTo(cx - 4.5 * u, top + 0.2 * u);
    collar.lineTo(cx, top + 4.0 * u);
    collar.lineTo(cx + 4.5 * u, top + 0.2 * u);
    p.setPen(QPen(QColor(0xf0, 0xc8, 0x48), 1.1 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(collar);
    p.restore();
}

// One head of the panel, in its upper half `half`.
void paintHalf(QPainter& p, const QRectF& half, int rank, int suit, const CourtColours& colours, qreal u)
{
    paintShoulders(p, half, colours, u);
    const qreal crownWidth = 21.0 * u;
    paintHeadwear(p, rank, QPointF(half.center().x() - crownWidth / 2, half.top() + 2.6 * u), crownWidth, colours, u);

    const QPainterPath letter = textPath(letterOf(rank), Typeface::Serif, 14.5 * u);
    const QPointF letterCentre(half.center().x(), half.top() + 22.6 * u);
    p.save();
    p.translate(letterCentre - letter.boundingRect().center());
    p.setPen(QPen(Qt::white, 1.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letter);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(letter);
    p.restore();

    drawSuit(p, suit, QPointF(half.left() + 5.0 * u, half.top() + 5.8 * u), 5.6 * u);
    drawSuit(p, suit, QPointF(half.right() - 5.0 * u, half.top() + 5.8 * u), 5.6 * u);
}

} // namespace

void paintCourtPanel(QPainter& p, const QRectF& card, int rank, int suit)
{
    const qreal u = unitFor(card);
    const CourtColours colours = coloursOf(rank);
    const QRectF panel(at(card, 0.235, 0.075), at(card, 0.765, 0.925));

    p.save();
    QLinearGradient ground(panel.topLeft(), panel.bottomLeft());
    ground.setColorAt(0, colours.light);
    ground.setColorAt(0.5, colours.light.darker(112));
    ground.setColorAt(1, colours.light);
    p.setPen(QPen(colours.deep, 1.2 * u));
    p.setBrush(ground);
    p.drawRoundedRect(panel, 2.0 * u, 2.0 * u);
    p.setPen(QPen(QColor(0xc9, 0x9a, 0x2e), 0.6 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(1.8 * u, 1.8 * u, -1.8 * u, -1.8 * u), 1.2 * u, 1.2 * u);

    // The two heads meet at a band across the middle, as on a classic double-headed court card.
    const qreal midY = panel.center().y();
    p.setPen(QPen(colours.deep, 0.8 * u));
    p.drawLine(QPointF(panel.left() + 1.8 * u, midY), QPointF(panel.right() - 1.8 * u, midY));
    p.restore();

    const QRectF half(panel.left(), panel.top(), panel.width(), panel.height() / 2);
    paintHalf(p, half, rank, suit, colours, u);
    p.save();
    p.translate(panel.center());
    p.rotate(180);
    p.translate(-panel.center());
    paintHalf(p, half, rank, suit, colours, u);
    p.restore();

    // A small pip rides on the middle band.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colours.light);
    p.drawEllipse(panel.center(), 4.0 * u, 4.0 * u);
    p.restore();
    drawSuit(p, suit, panel.center(), 5.5 * u);
}

} // namespace cardart
