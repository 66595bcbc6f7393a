// SPDX-License-Identifier: MIT
// The floor for start-up time and memory: the smallest Qt Widgets program
// that shows a main window with a menu bar, built the same way as the
// program and about the size of its main window, so that both put as many
// pixels on the screen.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&Action"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.setFixedSize(436, 366);
    window.show();
    return QApplication::exec();
}
