#pragma once
// The controls the six felt tables share, made one way for all: the house colours, captioned labels,
// cream score boxes, shadow lines, command buttons and the round clock's dial.
#include <QColor>
#include <QRect>
#include <QString>

class ClockSurface;
class LineControl;
class QPushButton;
class QWidget;
class ShapeControl;
namespace platform {
class Label;
}

namespace tablecontrols {
inline const QColor Cream(0xfb, 0xf6, 0xe6);
inline const QColor PanelBorder(0x8a, 0x6d, 0x2b);
inline const QColor Shadow(0x9c, 0x93, 0x7a);
inline const QColor FeltLine(0xd9, 0xc2, 0x7a);

// Sized to its caption in the given point size.
platform::Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, int pointSize, bool bold);
// Cream with a brass rim, rounded.
ShapeControl* makeBox(QWidget* parent, const QString& name);
LineControl* makeLine(QWidget* parent, const QString& name, const QColor& color = Shadow);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip = {});
// Keeps a figure within the box it sits on, wherever the game places or sizes either of them: a
// figure wider than the box's inside is narrowed to it, and its caption drawn small enough to fit.
void keepInBox(platform::Label* figure, QWidget* box);
// The room inside a box, clear of its rim and bevels, in its parent's coordinates.
QRect insideOf(const QWidget* box);
// The round clock's dial "Surface", on cream like the boxes.
ClockSurface* makeClockSurface(QWidget* parent, const QString& tip = {});
} // namespace tablecontrols
