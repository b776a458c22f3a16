#pragma once
// The pictures that are not cards of the deck: the empty place, the pointer icon and the Tallies logo card.
#include <QRectF>

class QPainter;

namespace cardart {

// Where the deck stack was: a faint outlined place on a transparent ground. `dashed` gives the smaller variant.
void paintEmptyPlace(QPainter& p, const QRectF& target, bool dashed);
// An arrow pointer over a small card, its tip at the top-left corner of `target`.
void paintPointerIcon(QPainter& p, const QRectF& target);
// The logo card of Tallies.
void paintTalliesLogo(QPainter& p, const QRectF& card);

} // namespace cardart
