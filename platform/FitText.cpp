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
    QFont font = w->font();
    const bool inPixels = font.pixelSize() > 0;
    qreal size = inPixels ? font.pixelSize() : font.pointSizeF();
    while (size > 4 && w->sizeHint().width() > room) {
        size -= inPixels ? 1 : 0.5;
        if (inPixels)
            font.setPixelSize(int(size));
        else
            font.setPointSizeF(size);
        w->setFont(font);
    }
}
} // namespace

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
