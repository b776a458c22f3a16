#pragma once
// The framed picture panel of the jack, queen and king.
#include <QRectF>

class QPainter;

namespace cardart {

// Rank 11, 12 or 13 of `suit`: a two-headed panel with a crown or cap above a large letter.
void paintCourtPanel(QPainter& p, const QRectF& card, int rank, int suit);

} // namespace cardart
