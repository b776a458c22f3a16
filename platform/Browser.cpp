#include "platform/Browser.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

namespace {
std::function<BrowserResult(const QString&)>& handler()
{
    static std::function<BrowserResult(const QString&)> h;
    return h;
}
} // namespace

void setBrowserHandler(std::function<BrowserResult(const QString&)> h) { handler() = std::move(h); }

BrowserResult openInBrowser(const QString& url)
{
    if (handler())
        return handler()(url);
    // The desktop hands web addresses to xdg-open; without it there is no default browser to ask.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return BrowserResult::NoBrowser;
    return QDesktopServices::openUrl(QUrl(url)) ? BrowserResult::Opened : BrowserResult::Failed;
}

} // namespace platform
