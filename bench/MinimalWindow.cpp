// The yardstick for start-up time and memory: one empty Qt Widgets window,
// built the same way as the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.show();
    return QApplication::exec();
}
