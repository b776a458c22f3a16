#pragma once
// Menu entries are found by their object names, as the windows name them.
#include <QStringList>

class QAction;
class QMenu;
class QObject;

// The window's menu entry of that object name, or null.
QAction* menuEntry(const QObject& window, const char* name);
// The menu's entries as shown: "caption<TAB>shortcut", "-" for a separator.
QStringList entryCaptions(const QMenu* menu);
