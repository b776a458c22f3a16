#include "platform/Label.h"

#include "platform/Colors.h"

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
    QFont shown = font();
    if (!m_shrinkToFit || wordWrap())
        return shown;
    const int room = textRoom();
    // Whole lines of the caption each have to fit.
    auto widest = [this](const QFont& f) {
        const QFontMetricsF metrics(f);
        qreal w = 0;
        for (const QString& line : text().split(QLatin1Char('\n')))
            w = std::max(w, metrics.horizontalAdvance(line));
        return w;
    };
    const bool inPixels = shown.pixelSize() > 0;
    const qreal smallest = inPixels ? 7 : 5;
    qreal size = inPixels ? shown.pixelSize() : shown.pointSizeF();
    while (size > smallest && widest(shown) > room) {
        size = std::max(smallest, size - (inPixels ? 1 : 0.5));
        if (inPixels)
            shown.setPixelSize(int(size));
        else
            shown.setPointSizeF(size);
    }
    return shown;
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
