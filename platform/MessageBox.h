#pragma once
// Message boxes in the original's terms: a style made of buttons plus icon, a caption, and a numbered answer.
#include <QString>
#include <functional>

class QFontMetrics;
class QWidget;

namespace platform {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

struct MessageBoxCall {
    QString prompt;
    int style = 0;
    QString title; // empty: the application's default caption
    int buttons() const { return style & 0x0F; }
    int icon() const { return style & 0x70; }
};

// Shows a modal message box and returns the button pressed.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {});

// Caption used when a box is shown without one.
QString defaultCaption();

// The prompt broken into lines of even length, none wider than `limit` pixels in `metrics` where a
// word allows: a box left to wrap a long prompt at its own width can strand the last word on a line
// of its own. Lines the prompt breaks itself are kept.
QString balancedLines(const QString& prompt, const QFontMetrics& metrics, int limit);

// Tests answer boxes through this hook; while set, no real box is shown.
using MessageBoxHandler = std::function<int(const MessageBoxCall&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
