#pragma once
// The four suit symbols as vector paths, so they look the same in corners, pips and court panels.
#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace cardart {

// Suit s (0 spades, 1 hearts, 2 clubs, 3 diamonds) drawn in the unit square (0,0)-(1,1).
QPainterPath suitPath(int suit);
QColor suitColour(int suit);
// Fills the suit symbol `size` pixels high centred on `centre`, turned upside down when asked.
void drawSuit(QPainter& p, int suit, QPointF centre, qreal size, bool upsideDown = false);
void drawSuit(QPainter& p, int suit, QPointF centre, qreal size, const QColor& colour, bool upsideDown = false);

} // namespace cardart
