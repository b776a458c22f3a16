#include "platform/StatusBar.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace platform {

namespace {
// A panel asks for its whole text but settles for much less and cuts the text to the room it gets,
// so no message can widen the window it sits in.
class StatusPanel : public QLabel {
public:
    explicit StatusPanel(QWidget* parent) : QLabel(parent) {}

    QSize minimumSizeHint() const override
    {
        QSize hint = QLabel::minimumSizeHint();
        hint.setWidth(2 * frameWidth() + fontMetrics().averageCharWidth() * 2);
        return hint;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
        style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                              isEnabled(), shown, foregroundRole());
    }
};
} // namespace

StatusBar::StatusBar(QWidget* parent, int panels) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        auto* label = new StatusPanel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The two message panels share the spare room; the clock and date panels keep to their text.
        addPermanentWidget(label, i < 2 ? 1 : 0);
        m_panels.push_back(label);
    }
}

QLabel* StatusBar::panel(int panel) const
{
    return panel >= 1 && panel <= int(m_panels.size()) ? m_panels[panel - 1] : nullptr;
}

QString StatusBar::panelText(int p) const { return panel(p) ? panel(p)->text() : QString(); }

void StatusBar::setPanelText(int p, const QString& text)
{
    if (QLabel* l = panel(p))
        l->setText(text);
}

} // namespace platform
