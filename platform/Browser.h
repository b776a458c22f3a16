#pragma once
#include <QString>
#include <functional>

namespace platform {

enum class BrowserResult { Opened, NoBrowser, Failed };

// Opens a web address in the desktop's default browser.
BrowserResult openInBrowser(const QString& url);

// Tests replace the desktop with this hook; nothing real is opened while it is set.
void setBrowserHandler(std::function<BrowserResult(const QString&)> handler);

} // namespace platform
