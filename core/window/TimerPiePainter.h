#pragma once
#include "core/window/TimerPieDial.h"

class QPainter;

// Paints the dial in the painter's pixel coordinates (twips scaled down), antialiased,
// so it stays round and crisp at any surface size and pixel density.
void paintPiePicture(QPainter& painter, const PiePicture& picture);
