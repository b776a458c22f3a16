#pragma once
#include <QString>

class QWidget;

// Saves a grab of the widget as <name>.png into $PARLOUR_SCREENSHOT_DIR when that is set, for a look by eye.
void saveScreenshot(QWidget* w, const QString& name);
