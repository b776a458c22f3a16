#include "core/cards/CardArtKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <algorithm>

namespace cardart {

qreal unitFor(const QRectF& card) { return std::min(card.width() / DesignWidth, card.height() / DesignHeight); }

QPainterPath cardOutline(const QRectF& card)
{
    const qreal radius = std::min(card.width(), card.height()) * 0.075;
    QPainterPath path;
    path.addRoundedRect(card, radius, radius);
    return path;
}

void paintBlankCard(QPainter& p, const QRectF& card, const QColor& border)
{
    // Keep the hairline inside the card so neighbouring cards never clip it.
    const qreal pen = std::max(0.8, unitFor(card));
    const QRectF inside = card.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    p.save();
    p.setPen(QPen(border, pen));
    p.setBrush(Qt::white);
    p.drawPath(cardOutline(inside));
    p.restore();
}

QPainterPath textPath(const QString& text, Typeface face, qreal capHeight, bool bold, bool italic)
{
    QFont font(face == Typeface::Serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    if (face == Typeface::SansCondensed)
        font.setStretch(QFont::Condensed);
    font.setPixelSize(100);
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(true);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    // Scale from the font's own capital height so every typeface lines up at the same size.
    const qreal fontCap = QFontMetricsF(font).capHeight();
    const qreal scale = capHeight / (fontCap > 0 ? fontCap : 73.0);
    const QRectF box = raw.boundingRect();
    QTransform t;
    t.scale(scale, scale);
    t.translate(-box.center().x(), 0);
    return t.map(raw);
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points, qreal turnDegrees)
{
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = qDegreesToRadians(turnDegrees + i * 180.0 / points);
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF pt(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

} // namespace cardart
