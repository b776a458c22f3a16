#include "ClippedTexts.h"

#include "platform/Label.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace {
QRect inside(const QWidget* parent)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
    }
    return parent->rect();
}
int rightEdgeInside(const QWidget* parent) { return inside(parent).right() + 1; }
} // namespace

QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    for (const QWidget* w : window->findChildren<const QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const int room = std::min(w->width(), rightEdgeInside(w->parentWidget()) - w->x());
        const bool isText = qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
                            qobject_cast<const QRadioButton*>(w);
        if (isText && w->y() + w->height() > inside(w->parentWidget()).bottom() + 1) {
            clipped << (qobject_cast<const QLabel*>(w) ? qobject_cast<const QLabel*>(w)->text()
                                                       : static_cast<const QAbstractButton*>(w)->text());
            continue;
        }
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
