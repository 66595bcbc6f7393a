// SPDX-License-Identifier: MIT
// The yardstick for start-up time and memory: one empty Qt Widgets window,
// built the same way as the program. With --label it shows one line of text,
// which makes Qt load its font database as every window with text must.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        new QLabel(QStringLiteral("Minimal"), &window);
    window.show();
    return QApplication::exec();
}
