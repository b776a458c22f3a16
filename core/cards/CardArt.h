#pragma once
// Our own artwork for every picture of the image list, drawn as vectors so it stays crisp at any size.
#include <QRectF>
#include <QSize>

class QPainter;

// Paints list image `index` (1..68) to fill `target`.
void paintListImage(QPainter& painter, const QRectF& target, int index);

// The size in pixels the window layouts were made for.
QSize nominalImageSize(int index);
