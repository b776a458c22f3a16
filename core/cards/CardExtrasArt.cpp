#include "core/cards/CardExtrasArt.h"

#include "core/cards/CardArtKit.h"
#include "core/cards/SuitSymbols.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>

namespace cardart {

void paintEmptyPlace(QPainter& p, const QRectF& target, bool dashed)
{
    const qreal u = unitFor(target);
    const QRectF place = target.adjusted(1.5 * u, 1.5 * u, -1.5 * u, -1.5 * u);
    p.save();
    p.setBrush(QColor(255, 255, 255, 46));
    p.setPen(QPen(QColor(255, 255, 255, 190), 1.2 * u, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cardOutline(place));
    // A faint ring marks the middle of the place.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.6 * u));
    p.drawEllipse(place.center(), 11 * u, 11 * u);
    if (!dashed)
        p.drawPath(cardOutline(place.adjusted(3.5 * u, 3.5 * u, -3.5 * u, -3.5 * u)));
    p.restore();
}

void paintPointerIcon(QPainter& p, const QRectF& target)
{
    // Designed on a 32 x 32 grid, anchored at the top left where a pointer's hot spot is.
    const qreal s = std::min(target.width(), target.height()) / 32.0;
    p.save();
    p.translate(target.topLeft());
    p.scale(s, s);

    p.save();
    p.translate(20.5, 19.5);
    p.rotate(14);
    const QRectF card(-8.5, -11.5, 17, 23);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 2.2, 2.2);
    drawSuit(p, 1, QPointF(0.5, 1.0), 9.0);
    p.restore();

    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 22.0);
    arrow.lineTo(6.4, 17.4);
    arrow.lineTo(9.8, 25.2);
    arrow.lineTo(13.0, 23.8);
    arrow.lineTo(9.6, 16.2);
    arrow.lineTo(16.2, 16.2);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

namespace {

// Four upright strokes crossed by a fifth, as a tally is kept in chalk.
void paintTallyMarks(QPainter& p, QPointF centre, qreal u)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(QColor(0xfb, 0xf6, 0xe4), 2.4 * u, Qt::SolidLine, Qt::RoundCap));
    const qreal xs[] = {-9.0, -3.2, 2.6, 8.4};
    const qreal tilt[] = {-0.8, 0.6, -0.4, 0.9};
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF((xs[i] - tilt[i]) * u, -10.5 * u), QPointF((xs[i] + tilt[i]) * u, 10.5 * u));
    p.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 2.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-13.5 * u, 7.5 * u), QPointF(13.0 * u, -7.0 * u));
    p.restore();
}

} // namespace

void paintTalliesLogo(QPainter& p, const QRectF& card)
{
    const qreal u = unitFor(card);
    paintBlankCard(p, card);
    const QRectF inner = card.adjusted(4 * u, 4 * u, -4 * u, -4 * u);
    QRadialGradient felt(at(inner, 0.5, 0.45), inner.height() * 0.7);
    felt.setColorAt(0, QColor(0x2c, 0x8a, 0x58));
    felt.setColorAt(1, QColor(0x0c, 0x44, 0x2a));
    p.save();
    p.setPen(QPen(QColor(0xc9, 0x9a, 0x2e), 1.0 * u));
    p.setBrush(felt);
    p.drawRoundedRect(inner, 3 * u, 3 * u);
    p.setPen(QPen(QColor(0xc9, 0x9a, 0x2e, 160), 0.5 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(1.8 * u, 1.8 * u, -1.8 * u, -1.8 * u), 2 * u, 2 * u);
    p.restore();

    paintTallyMarks(p, at(inner, 0.5, 0.42), u);

    QPainterPath word = textPath(QStringLiteral("Tallies"), Typeface::Serif, 9.5 * u, true, true);
    const qreal room = inner.width() - 8 * u;
    if (word.boundingRect().width() > room) {
        QTransform fit;
        fit.scale(room / word.boundingRect().width(), room / word.boundingRect().width());
        word = fit.map(word);
    }
    const QPointF wordCentre = at(inner, 0.5, 0.80);
    p.save();
    p.translate(wordCentre - word.boundingRect().center());
    p.setPen(QPen(QColor(0x3a, 0x22, 0x00), 1.4 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient gold(word.boundingRect().topLeft(), word.boundingRect().bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xec, 0x9a));
    gold.setColorAt(1, QColor(0xe0, 0xa0, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(word);
    p.restore();

    // The four suits in the top corners of the felt, small.
    const qreal pip = 5.0 * u;
    drawSuit(p, 0, inner.topLeft() + QPointF(6 * u, 6 * u), pip, QColor(0xfb, 0xf6, 0xe4));
    drawSuit(p, 1, inner.topRight() + QPointF(-6 * u, 6 * u), pip, QColor(0xff, 0xb0, 0xa8));
    drawSuit(p, 2, inner.bottomLeft() + QPointF(6 * u, -6 * u), pip, QColor(0xfb, 0xf6, 0xe4));
    drawSuit(p, 3, inner.bottomRight() + QPointF(-6 * u, -6 * u), pip, QColor(0xff, 0xb0, 0xa8));
}

} // namespace cardart
