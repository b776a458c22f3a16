#include "core/cards/CardFaces.h"

#include "core/cards/CardArtKit.h"
#include "core/cards/CourtPanel.h"
#include "core/cards/SuitSymbols.h"

#include <QPainter>
#include <vector>

namespace cardart {
namespace {

QString rankText(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

// Rank and small suit in the top-left corner, in design pixels from the corner.
void paintCornerIndex(QPainter& p, const QRectF& card, int rank, int suit)
{
    const qreal u = unitFor(card);
    const QPointF corner = card.topLeft();
    const Typeface face = rank == 10 ? Typeface::SansCondensed : Typeface::Sans;
    QPainterPath text = textPath(rankText(rank), face, 9.2 * u);
    if (rank == 10 && text.boundingRect().width() > 10.5 * u) {
        // Squeeze the two digits rather than let them run into the pips.
        QTransform squeeze;
        squeeze.scale(10.5 * u / text.boundingRect().width(), 1.0);
        text = squeeze.map(text);
    }
    const qreal centreX = corner.x() + 7.4 * u;
    p.save();
    p.translate(centreX - text.boundingRect().center().x(), corner.y() + 12.6 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(text);
    p.restore();
    drawSuit(p, suit, QPointF(centreX, corner.y() + 18.8 * u), 7.2 * u);
}

struct Pip {
    qreal column; // 0 left, 0.5 centre, 1 right
    qreal row;    // 0 top .. 1 bottom
};

std::vector<Pip> pipLayout(int rank)
{
    const qreal third = 1.0 / 3.0;
    std::vector<Pip> pips;
    auto sides = [&](std::initializer_list<qreal> rows) {
        for (qreal r : rows) {
            pips.push_back({0, r});
            pips.push_back({1, r});
        }
    };
    auto middle = [&](std::initializer_list<qreal> rows) {
        for (qreal r : rows)
            pips.push_back({0.5, r});
    };
    switch (rank) {
    case 2: middle({0, 1}); break;
    case 3: middle({0, 0.5, 1}); break;
    case 4: sides({0, 1}); break;
    case 5: sides({0, 1}); middle({0.5}); break;
    case 6: sides({0, 0.5, 1}); break;
    case 7: sides({0, 0.5, 1}); middle({0.25}); break;
    case 8: sides({0, 0.5, 1}); middle({0.25, 0.75}); break;
    case 9: sides({0, third, 2 * third, 1}); middle({0.5}); break;
    case 10: sides({0, third, 2 * third, 1}); middle({third / 2, 1 - third / 2}); break;
    default: break;
    }
    return pips;
}

void paintPips(QPainter& p, const QRectF& card, int rank, int suit)
{
    const qreal u = unitFor(card);
    const QRectF area(at(card, 0.325, 0.2), at(card, 0.675, 0.8));
    for (const Pip& pip : pipLayout(rank)) {
        const QPointF centre = at(area, pip.column, pip.row);
        drawSuit(p, suit, centre, 12.0 * u, pip.row > 0.5);
    }
}

void paintAce(QPainter& p, const QRectF& card, int suit)
{
    const qreal u = unitFor(card);
    const QPointF centre = card.center();
    if (suit == 0) {
        // The ace of spades carries the deck's flourish: a ring of fine dots round a larger pip.
        p.save();
        p.setPen(QPen(QColor(0x16, 0x16, 0x1c, 110), 0.7 * u, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 22.0 * u, 22.0 * u);
        p.restore();
        drawSuit(p, suit, centre, 34.0 * u);
        return;
    }
    drawSuit(p, suit, centre, 28.0 * u);
}

} // namespace

void paintCardFace(QPainter& p, const QRectF& card, int rank, int suit)
{
    paintBlankCard(p, card);
    if (rank == 1)
        paintAce(p, card, suit);
    else if (rank >= 11)
        paintCourtPanel(p, card, rank, suit);
    else
        paintPips(p, card, rank, suit);

    paintCornerIndex(p, card, rank, suit);
    p.save();
    p.translate(card.center());
    p.rotate(180);
    p.translate(-card.center());
    paintCornerIndex(p, card, rank, suit);
    p.restore();
}

} // namespace cardart
