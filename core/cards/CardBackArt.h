#pragma once
// The four card-back designs, as a single back and as deck stacks.
#include <QRectF>

class QPainter;

namespace cardart {

enum class BackDesign { PalmTree, MagicHands, NightCastle, HotCards };

// One card back filling `card`.
void paintCardBack(QPainter& p, const QRectF& card, BackDesign design);
// A stack of cards with this back on top, its edges showing down and to the right, fitting in `target`.
void paintDeckStack(QPainter& p, const QRectF& target, BackDesign design, bool full);

} // namespace cardart
