#include "core/cards/CardArt.h"

#include "core/cards/CardBackArt.h"
#include "core/cards/CardExtrasArt.h"
#include "core/cards/CardFaces.h"

#include <QPainter>

void paintListImage(QPainter& painter, const QRectF& target, int index)
{
    using namespace cardart;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    if (index >= 1 && index <= 12) {
        // Each design holds three pictures in a row: full stack, single back, half stack.
        const auto design = BackDesign((index - 1) / 3);
        switch ((index - 1) % 3) {
        case 0: paintDeckStack(painter, target, design, true); break;
        case 1: paintCardBack(painter, target, design); break;
        default: paintDeckStack(painter, target, design, false); break;
        }
    } else if (index >= 14 && index <= 65) {
        const int face = index - 14;
        paintCardFace(painter, target, face % 13 + 1, face / 13);
    } else if (index == 13 || index == 67) {
        paintEmptyPlace(painter, target, index == 13);
    } else if (index == 66) {
        paintPointerIcon(painter, target);
    } else if (index == 68) {
        paintTalliesLogo(painter, target);
    }
    painter.restore();
}

QSize nominalImageSize(int index)
{
    switch (index) {
    case 1: return {76, 98};
    case 2: case 13: case 68: return {71, 96};
    case 3: return {74, 97};
    case 4: case 7: case 10: return {75, 97};
    case 6: case 9: case 12: return {73, 97};
    case 66: return {32, 32};
    case 67: return {76, 100};
    default: return {69, 94};
    }
}
