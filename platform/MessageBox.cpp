#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

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
} // namespace

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
