#include "platform/Label.h"

#include "platform/Colors.h"
#include "platform/FitText.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <algorithm>

namespace platform {

Label::Label(QWidget* parent, const QString& caption) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (onChange)
        onChange();
}

void Label::setForeColor(long bgr)
{
    m_foreColor = bgr;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    setPalette(p);
}

void Label::setShrinkToFit(bool shrink)
{
    m_shrinkToFit = shrink;
    update();
}

int Label::textRoom() const { return contentsRect().width() - 2 * margin() - 2 * std::max(indent(), 0); }

QFont Label::shownFont() const
{
    if (!m_shrinkToFit || wordWrap())
        return font();
    const int room = textRoom();
    const QStringList lines = text().split(QLatin1Char('\n'));
    // Whole lines of the caption each have to fit.
    return fittingFont(font(), font().pixelSize() > 0 ? 7 : 5, 0.5, [&lines, room](const QFont& f) {
        const QFontMetricsF metrics(f);
        return std::all_of(lines.begin(), lines.end(),
                           [&metrics, room](const QString& line) { return metrics.horizontalAdvance(line) <= room; });
    });
}

QString Label::shownText() const
{
    if (!m_shrinkToFit || wordWrap())
        return text();
    const QFont shown = shownFont();
    QStringList lines = text().split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (QFontMetricsF(shown).horizontalAdvance(line) > textRoom())
            line = QFontMetrics(shown).elidedText(line, Qt::ElideRight, textRoom());
    return lines.join(QLatin1Char('\n'));
}

void Label::paintEvent(QPaintEvent* event)
{
    if (!m_shrinkToFit || wordWrap() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const QFont shown = shownFont();
    const QString drawn = shownText();
    if (shown == font() && drawn == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(shown);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), drawn, foregroundRole());
}

} // namespace platform
