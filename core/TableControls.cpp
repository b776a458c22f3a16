#include "core/TableControls.h"

#include "core/ClockSurface.h"
#include "core/LineControl.h"
#include "core/ShapeControl.h"
#include "platform/Label.h"

#include <QPushButton>

namespace tablecontrols {
platform::Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, int pointSize, bool bold)
{
    auto* label = new platform::Label(parent, caption);
    label->setObjectName(name);
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    label->adjustSize();
    return label;
}

ShapeControl* makeBox(QWidget* parent, const QString& name)
{
    auto* box = new ShapeControl(parent, Cream, PanelBorder, 1.5, 5);
    box->setObjectName(name);
    return box;
}

LineControl* makeLine(QWidget* parent, const QString& name, const QColor& color)
{
    auto* line = new LineControl(parent, color, 2);
    line->setObjectName(name);
    return line;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    // Space and Enter must not press a button that merely has the focus after a click elsewhere.
    button->setAutoDefault(false);
    return button;
}

ClockSurface* makeClockSurface(QWidget* parent, const QString& tip)
{
    auto* surface = new ClockSurface(parent);
    surface->setObjectName(QStringLiteral("Surface"));
    surface->setToolTip(tip);
    QPalette palette = surface->palette();
    palette.setColor(QPalette::Window, Cream);
    surface->setPalette(palette);
    return surface;
}
} // namespace tablecontrols
