#pragma once
// The 52 card faces.
#include <QRectF>

class QPainter;

namespace cardart {

// Rank 1 (ace) to 13 (king) of suit 0 spades, 1 hearts, 2 clubs, 3 diamonds, filling `card`.
void paintCardFace(QPainter& p, const QRectF& card, int rank, int suit);

} // namespace cardart
