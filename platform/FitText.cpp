#include "platform/FitText.h"

#include "platform/Label.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace platform {

namespace {
// The width a child may use without crossing its parent's frame.
int roomInParent(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    int right = parent ? parent->width() : w->x() + w->width();
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        right = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame).right() + 1;
    }
    return std::min(w->width(), right - w->x());
}

void shrinkUntilFits(QWidget* w, int room)
{
    w->setFont(fittingFont(w->font(), 4, 0.5, [w, room](const QFont& f) {
        w->setFont(f);
        return w->sizeHint().width() <= room;
    }));
}
} // namespace

QFont fittingFont(QFont font, qreal smallest, qreal pointStep, const std::function<bool(const QFont&)>& fits)
{
    const bool inPixels = font.pixelSize() > 0;
    qreal size = inPixels ? font.pixelSize() : font.pointSizeF();
    while (size > smallest && !fits(font)) {
        size = std::max(smallest, size - (inPixels ? 1 : pointStep));
        if (inPixels)
            font.setPixelSize(int(size));
        else
            font.setPointSizeF(size);
    }
    return font;
}

void fitTexts(QWidget* container)
{
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<Label*>(w)) {
            if (!label->wordWrap())
                label->setShrinkToFit(true);
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(w);
        const bool fits = (label && !label->wordWrap() && !label->text().isEmpty()) || qobject_cast<QCheckBox*>(w) ||
                          qobject_cast<QRadioButton*>(w);
        if (!fits)
            continue;
        const int room = roomInParent(w);
        if (room < w->width())
            w->resize(std::max(room, 1), w->height());
        shrinkUntilFits(w, room);
    }
}

} // namespace platform
