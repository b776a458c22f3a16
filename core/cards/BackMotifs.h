#pragma once
// The pictures inside the white border of each card back. Each fills `r`; `u` is one design pixel.
#include <QRectF>

class QPainter;

namespace cardart {

void paintPalmTreeMotif(QPainter& p, const QRectF& r, qreal u);
void paintMagicHandsMotif(QPainter& p, const QRectF& r, qreal u);
void paintNightCastleMotif(QPainter& p, const QRectF& r, qreal u);
void paintHotCardsMotif(QPainter& p, const QRectF& r, qreal u);

} // namespace cardart
