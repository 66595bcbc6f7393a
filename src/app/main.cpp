#include "Startup.h"

#include <QApplication>

#include <dice/RandomSource.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollwright"));
    QApplication::setApplicationVersion(QStringLiteral(ROLLWRIGHT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Rollwright"));

    dice::EntropySeededSource source;
    startMainWindow(source);
    return QApplication::exec();
}
