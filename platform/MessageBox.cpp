#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <algorithm>

namespace platform {

namespace {
MessageBoxHandler& handler()
{
    static MessageBoxHandler h;
    return h;
}

QMessageBox::Icon qtIcon(int icon)
{
    switch (icon) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Greedy lines of at most `width` pixels (a word wider than that stands alone).
QStringList wrapAt(const QStringList& words, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines;
}

QString balancedParagraph(const QString& paragraph, const QFontMetrics& metrics, int limit)
{
    if (metrics.horizontalAdvance(paragraph) <= limit)
        return paragraph;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    const qsizetype count = wrapAt(words, metrics, limit).size();
    // The narrowest width that still needs no more lines spreads the words evenly.
    int low = 1, high = limit;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (wrapAt(words, metrics, mid).size() <= count)
            high = mid;
        else
            low = mid + 1;
    }
    return wrapAt(words, metrics, high).join(QLatin1Char('\n'));
}
} // namespace

QString balancedLines(const QString& prompt, const QFontMetrics& metrics, int limit)
{
    QStringList paragraphs = prompt.split(QLatin1Char('\n'));
    for (QString& p : paragraphs) {
        const bool cr = p.endsWith(QLatin1Char('\r'));
        p = balancedParagraph(cr ? p.chopped(1) : p, metrics, limit) + (cr ? QStringLiteral("\r") : QString());
    }
    return paragraphs.join(QLatin1Char('\n'));
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

QString defaultCaption() { return QApplication::applicationName(); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const MessageBoxCall call{prompt, style, title};
    if (handler())
        return handler()(call);

    QMessageBox box(qtIcon(call.icon()), title.isEmpty() ? defaultCaption() : title, prompt,
                    QMessageBox::NoButton, QApplication::activeWindow());
    // Prompts carry names and texts from files; markup in them is shown, never followed.
    box.setTextFormat(Qt::PlainText);
    // The box wraps its text by itself past about half the screen; lines made here stay under that.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QScreen* screen = box.screen();
        const int softLimit = std::min(screen ? screen->availableGeometry().width() / 2 : 500, 500);
        box.setText(balancedLines(prompt, label->fontMetrics(), softLimit - 90));
    }
    switch (call.buttons()) {
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vbYesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return call.buttons() == vbYesNo ? vbNo : vbOK;
    }
}

} // namespace platform
