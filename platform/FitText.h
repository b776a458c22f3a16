#pragma once
// Fixed layouts were drawn for a narrower font than the one the system may give; these keep a
// control's text whole by shrinking the font where the control's room is too small for it.
#include <QFont>
#include <functional>

class QWidget;

namespace platform {

// `font` stepped down from its own size (by `pointStep` points, or by one pixel for a font sized in
// pixels) until `fits` holds, but never below `smallest`, given in the font's own unit.
QFont fittingFont(QFont font, qreal smallest, qreal pointStep, const std::function<bool(const QFont&)>& fits);

// Every single-line label, check box and option button inside `container` keeps to its own width
// and to its parent's inside edge, shrinking its font as far as needed; labels of ours shrink as
// they are drawn, so later captions fit too.
void fitTexts(QWidget* container);

} // namespace platform
