// The floor the suite's start-up is measured against: an empty Qt window of the launcher's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(449, 319);
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.show();
    return QApplication::exec();
}
