#include "MenuEntry.h"

#include <QAction>
#include <QMenu>
#include <QObject>

QAction* menuEntry(const QObject& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QStringList entryCaptions(const QMenu* menu)
{
    QStringList shown;
    for (const QAction* a : menu->actions())
        shown << (a->isSeparator() ? QStringLiteral("-")
                                   : a->text() + (a->shortcut().isEmpty() ? QString()
                                                                          : QLatin1Char('\t') + a->shortcut().toString()));
    return shown;
}
