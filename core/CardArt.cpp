#include "core/CardArt.h"

#include <QPainter>

// Placeholder artwork until the real designs land.
void paintListImage(QPainter& painter, const QRectF& target, int index)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(index >= 14 && index <= 65 ? Qt::white : Qt::darkGreen);
    painter.setPen(Qt::black);
    painter.drawRoundedRect(target.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.drawText(target, Qt::AlignCenter, QString::number(index));
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
