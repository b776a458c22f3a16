#pragma once
// Modal dialogs run their own event loop, so a test answers them from a timer while they are up.
#include <functional>

class QWidget;

// Runs `open`, which shows a modal dialog, and hands the dialog to `answer` once it is up; `answer`
// must close it.
void answerModal(const std::function<void()>& open, const std::function<void(QWidget*)>& answer);
