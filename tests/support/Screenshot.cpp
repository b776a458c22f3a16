#include "support/Screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

void saveScreenshot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("PARLOUR_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
