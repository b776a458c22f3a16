#pragma once
// The texts of a window that its controls cut: a single-line label, check box or option button whose
// text needs more room than the control has, or than its frame leaves it, or that reaches below its
// frame's inside.
#include <QStringList>

class QWidget;

QStringList clippedTexts(const QWidget* window);
