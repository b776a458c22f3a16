#include "platform/StatusBar.h"

#include "platform/FitText.h"

#include <QHBoxLayout>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace platform {

namespace {
// A message panel asks for its text but settles for much less, so no message can widen the window it
// sits in; short of room it draws its text a little smaller and then cuts it. The blanks that pad the
// end of a message take no room.
class StatusPanel : public QLabel {
public:
    StatusPanel(QWidget* parent, bool message) : QLabel(parent), m_message(message) {}

    QSize sizeHint() const override
    {
        QSize hint = QLabel::sizeHint();
        // Two pixels spare: the elision measures finer than the advance rounds.
        hint.setWidth(2 * frameWidth() + fontMetrics().horizontalAdvance(shown()) + Padding + 2);
        return hint;
    }

    // A message gives up room down to the size its text can shrink to; the row it sits in asks for
    // none of it (see PanelRow), so this only shares a short bar out fairly.
    QSize minimumSizeHint() const override
    {
        if (!m_message)
            return sizeHint();
        QSize hint = QLabel::minimumSizeHint();
        hint.setWidth(2 * frameWidth() + int(fontMetrics().horizontalAdvance(shown()) * SmallestScale) + Padding + 2);
        return hint;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect room = contentsRect().adjusted(Padding / 2, 0, -Padding / 2, 0);
        const QFont& own = font();
        const qreal full = own.pixelSize() > 0 ? own.pixelSize() : own.pointSizeF();
        const QFont f = fittingFont(own, full * SmallestScale, 0.25, [this, &room](const QFont& candidate) {
            return QFontMetricsF(candidate).horizontalAdvance(shown()) <= room.width();
        });
        painter.setFont(f);
        const QString drawn = QFontMetricsF(f).horizontalAdvance(shown()) <= room.width()
                                  ? shown()
                                  : QFontMetrics(f).elidedText(shown(), Qt::ElideRight, room.width());
        style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                              isEnabled(), drawn, foregroundRole());
    }

private:
    static constexpr int Padding = 6;
    static constexpr double SmallestScale = 0.8;
    QString shown() const
    {
        QString t = text();
        while (t.endsWith(QLatin1Char(' ')))
            t.chop(1);
        return t;
    }

    bool m_message;
};

// The row of panels lets the window be as narrow as the player likes: it asks for no width of its own.
class PanelRow : public QWidget {
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override { return {0, QWidget::minimumSizeHint().height()}; }
};
} // namespace

StatusBar::StatusBar(QWidget* parent, int panels) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    // The panels share one row of their own, which takes the whole bar: no room is left to the bar's
    // message area, and the panels divide the bar by their texts alone.
    auto* strip = new PanelRow(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (int i = 0; i < panels; ++i) {
        auto* label = new StatusPanel(strip, i < 2);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // Each panel first gets the room its text asks for; the two message panels then share what
        // is left, or give up room alike when there is not enough. The clock and date keep to their text.
        label->setSizePolicy(i < 2 ? QSizePolicy::Expanding : QSizePolicy::Preferred, QSizePolicy::Preferred);
        row->addWidget(label);
        m_panels.push_back(label);
    }
    addPermanentWidget(strip, 1);
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
