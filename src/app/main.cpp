// SPDX-License-Identifier: MIT
#include <app/Startup.h>
#include <dice/RandomSource.h>
#include <settings/Identity.h>
#include <settings/Translations.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(Identity::Title));
    QApplication::setApplicationVersion(QString::fromUtf8(Identity::Version));
    QApplication::setDesktopFileName(QString::fromUtf8(Identity::AppId));
    Translations::load();

    Dice::EntropySeededSource source;
    startMainWindow(source);
    return QApplication::exec();
}
