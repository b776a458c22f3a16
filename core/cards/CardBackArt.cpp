#include "core/cards/CardBackArt.h"

#include "core/cards/BackMotifs.h"
#include "core/cards/CardArtKit.h"

#include <QPainter>

namespace cardart {
namespace {

void paintMotif(QPainter& p, const QRectF& r, qreal u, BackDesign design)
{
    switch (design) {
    case BackDesign::PalmTree: paintPalmTreeMotif(p, r, u); break;
    case BackDesign::MagicHands: paintMagicHandsMotif(p, r, u); break;
    case BackDesign::NightCastle: paintNightCastleMotif(p, r, u); break;
    case BackDesign::HotCards: paintHotCardsMotif(p, r, u); break;
    }
}

} // namespace

void paintCardBack(QPainter& p, const QRectF& card, BackDesign design)
{
    const qreal u = unitFor(card);
    paintBlankCard(p, card);
    const QRectF inner = card.adjusted(4.0 * u, 4.0 * u, -4.0 * u, -4.0 * u);
    const qreal radius = 3.0 * u;
    QPainterPath window;
    window.addRoundedRect(inner, radius, radius);

    p.save();
    p.setClipPath(window, Qt::IntersectClip);
    paintMotif(p, inner, u, design);
    p.restore();

    // A fine light rule inside the picture frames it like a printed back.
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.6 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(1.6 * u, 1.6 * u, -1.6 * u, -1.6 * u), radius * 0.6, radius * 0.6);
    p.setPen(QPen(QColor(0, 0, 0, 70), 0.6 * u));
    p.drawPath(window);
    p.restore();
}

void paintDeckStack(QPainter& p, const QRectF& target, BackDesign design, bool full)
{
    // The top card keeps a card's proportions; the rest of the target shows the edges below it.
    const int edges = full ? 6 : 3;
    const QSizeF spread(target.width() * (full ? 0.09 : 0.055), target.height() * (full ? 0.04 : 0.03));
    const QRectF top(target.topLeft(), QSizeF(target.width() - spread.width(), target.height() - spread.height()));

    for (int i = edges; i >= 1; --i) {
        const qreal f = qreal(i) / edges;
        const QRectF edge = top.translated(spread.width() * f, spread.height() * f);
        paintBlankCard(p, edge, i % 2 ? QColor(0x7a, 0x7a, 0x7a) : QColor(0x9a, 0x9a, 0x9a));
    }
    paintCardBack(p, top, design);
}

} // namespace cardart
