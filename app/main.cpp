#include "app/GameRegistration.h"
#include "core/frmSelect.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta's Parlour"));
    registerGames();
    auto* launcher = new frmSelect;
    launcher->show();
    return QApplication::exec();
}
