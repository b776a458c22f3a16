// The floor the suite's start-up is measured against: an empty Qt window of the launcher's size.
// With --text it shows one line of text, which costs the font set-up any window with text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(449, 319);
    window.setWindowTitle(QStringLiteral("Empty window"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Select your game"), &window);
    window.show();
    return QApplication::exec();
}
