#pragma once
// Fixed layouts were drawn for a narrower font than the one the system may give; these keep a
// control's text whole by shrinking the font where the control's room is too small for it.
class QWidget;

namespace platform {

// Every single-line label, check box and option button inside `container` keeps to its own width
// and to its parent's inside edge, shrinking its font as far as needed; labels of ours shrink as
// they are drawn, so later captions fit too.
void fitTexts(QWidget* container);

} // namespace platform
