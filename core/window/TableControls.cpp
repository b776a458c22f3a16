#include "core/window/TableControls.h"

#include "core/window/ClockSurface.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "platform/Label.h"

#include <QEvent>
#include <QPointer>
#include <QPushButton>

namespace tablecontrols {

namespace {
// Watches a figure and its box and pulls the figure back inside whenever either moves or resizes.
class BoxFit : public QObject {
public:
    BoxFit(platform::Label* figure, QWidget* box) : QObject(figure), m_figure(figure), m_box(box)
    {
        figure->installEventFilter(this);
        box->installEventFilter(this);
        fit();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fit()
    {
        if (m_busy || !m_figure || !m_box || m_figure->parentWidget() != m_box->parentWidget())
            return;
        m_busy = true;
        const QRect inside = insideOf(m_box);
        // A figure narrowed once follows its box; one narrower than the box is the game's to place.
        if (m_figure->width() >= inside.width() && m_figure->geometry() != QRect(inside.x(), m_figure->y(), inside.width(), m_figure->height())) {
            m_figure->setGeometry(inside.x(), m_figure->y(), inside.width(), m_figure->height());
            m_figure->setAlignment((m_figure->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter);
        }
        m_busy = false;
    }

    QPointer<platform::Label> m_figure;
    QPointer<QWidget> m_box;
    bool m_busy = false;
};
} // namespace

QRect insideOf(const QWidget* box)
{
    // The rim and the bevel lines take about three pixels on each side.
    constexpr int Rim = 4;
    return box->geometry().adjusted(Rim, Rim, -Rim, -Rim);
}

void keepInBox(platform::Label* figure, QWidget* box)
{
    figure->setShrinkToFit(true);
    new BoxFit(figure, box);
}

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
