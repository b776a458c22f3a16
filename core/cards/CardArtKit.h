#pragma once
// Small drawing helpers shared by the card faces, backs and the other pictures.
#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace cardart {

// Pictures are designed for a 69 x 94 card; `unit` scales a design pixel to the target, keeping shapes round.
constexpr qreal DesignWidth = 69.0;
constexpr qreal DesignHeight = 94.0;
qreal unitFor(const QRectF& card);

// Rounded outline of a card filling `card`.
QPainterPath cardOutline(const QRectF& card);
// A white card with a thin border, the base of every face and back.
void paintBlankCard(QPainter& p, const QRectF& card, const QColor& border = QColor(0x8a, 0x8a, 0x8a));

enum class Typeface { Sans, SansCondensed, Serif };
// Text as a path whose capital letters are `capHeight` high, with its baseline centre at (0,0).
QPainterPath textPath(const QString& text, Typeface face, qreal capHeight, bool bold = true, bool italic = false);

// A star of `points` points around `centre`.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5, qreal turnDegrees = -90);

// A point at fractions (fx, fy) of `r`.
inline QPointF at(const QRectF& r, qreal fx, qreal fy) { return {r.left() + fx * r.width(), r.top() + fy * r.height()}; }

} // namespace cardart
