#pragma once
// Colours arrive as the original's Long values in blue-green-red order (255 is red, &HFF0000 blue).
#include <QColor>

namespace platform {

constexpr long ColorBlack = 0;
constexpr long ColorRed = 255;
constexpr long ColorBlue = 0xFF0000;
constexpr long ColorCyan = 0xFFFF00;
constexpr long ColorWhite = 0xFFFFFF;

inline QColor fromBgr(long bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline long toBgr(const QColor& c) { return long(c.red()) | (long(c.green()) << 8) | (long(c.blue()) << 16); }

} // namespace platform
