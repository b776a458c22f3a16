#include "core/launcher/WebPage.h"

#include "core/SuiteGlobals.h"
#include "platform/Browser.h"
#include "platform/MessageBox.h"

const QString MakerWebSite = QStringLiteral("https://corvanta.example/parlour/");

void OpenWebPage(QWidget* /*Form*/, const QString& URL)
{
    switch (platform::openInBrowser(URL)) {
    case platform::BrowserResult::Opened:
        break;
    case platform::BrowserResult::NoBrowser:
        platform::MsgBox(QStringLiteral("Unable to find default web Browser"), platform::vbExclamation, gGameTitle);
        break;
    case platform::BrowserResult::Failed:
        platform::MsgBox(QStringLiteral("Unable to open web page '") + URL + QStringLiteral("'."),
                         platform::vbExclamation, gGameTitle);
        break;
    }
}
