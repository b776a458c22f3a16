#include "app/GameRegistration.h"
#include "core/frmSelect.h"

#include <QApplication>
#include <fontconfig/fontconfig.h>
#include <thread>

int main(int argc, char* argv[])
{
    // Reading the font configuration and caches is the largest part of the launcher's start-up that
    // an empty window does not pay; it runs while Qt connects to the display, and is done before the
    // first text needs it.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QStringLiteral("Corvanta's Parlour"));
    registerGames();
    auto* launcher = new frmSelect;
    launcher->show();
    return QApplication::exec();
}
