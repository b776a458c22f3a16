#include "platform/StatusBar.h"

#include <QLabel>

namespace platform {

StatusBar::StatusBar(QWidget* parent, int panels) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int i = 0; i < panels; ++i) {
        auto* label = new QLabel(this);
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
