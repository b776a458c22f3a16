#pragma once
#include <QString>

class QWidget;

// The maker's web site, opened by the launcher.
extern const QString MakerWebSite;

// Opens URL in the default browser; tells the player when there is none or it fails.
void OpenWebPage(QWidget* Form, const QString& URL);
