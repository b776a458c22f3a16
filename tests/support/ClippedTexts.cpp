#include "ClippedTexts.h"

#include "platform/Label.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace {
int rightEdgeInside(const QWidget* parent)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame).right() + 1;
    }
    return parent->width();
}
} // namespace

QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    for (const QWidget* w : window->findChildren<const QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const int room = std::min(w->width(), rightEdgeInside(w->parentWidget()) - w->x());
        if (const auto* label = qobject_cast<const platform::Label*>(w)) {
            if (!label->wordWrap() &&
                QFontMetrics(label->shownFont()).horizontalAdvance(label->text()) > label->contentsRect().width())
                clipped << label->text();
            if (label->x() + label->width() > rightEdgeInside(label->parentWidget()))
                clipped << label->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (!label->wordWrap() && !label->text().isEmpty() && label->sizeHint().width() > room)
                clipped << label->text();
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            if (box->sizeHint().width() > room)
                clipped << box->text();
        } else if (const auto* option = qobject_cast<const QRadioButton*>(w)) {
            if (option->sizeHint().width() > room)
                clipped << option->text();
        }
    }
    return clipped;
}
