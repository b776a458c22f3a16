#include "core/window/TimerPiePainter.h"

#include "platform/Colors.h"
#include "platform/Twips.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// Whole twips land on pixel centres, so the one-pixel lines of the cross stay sharp.
double toPx(double twips) { return twips / platform::TwipsPerPixel + 0.5; }

QPen thinPen(long bgr)
{
    QPen pen(platform::fromBgr(bgr));
    pen.setWidthF(1.0);
    return pen;
}
} // namespace

void paintPiePicture(QPainter& painter, const PiePicture& picture)
{
    if (picture.radius <= 0)
        return;
    const QPointF centre(toPx(picture.centerX), toPx(picture.centerY));
    const double r = picture.radius / platform::TwipsPerPixel;
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PieSlice& slice : picture.slices) {
        // Qt counts degrees from three o'clock, counter-clockwise; the dial from twelve, clockwise.
        QPainterPath path(centre);
        path.arcTo(box, 90.0 - slice.fromDegrees, -(slice.toDegrees - slice.fromDegrees));
        path.closeSubpath();
        painter.setPen(thinPen(slice.color));
        painter.setBrush(platform::fromBgr(slice.color));
        painter.drawPath(path);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thinPen(TimerPieDial::Grey));
    painter.drawLine(QPointF(centre.x(), centre.y() - r), QPointF(centre.x(), centre.y() + r));
    painter.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
    painter.setPen(thinPen(TimerPieDial::Black));
    painter.drawEllipse(centre, r, r);
    painter.restore();
}
