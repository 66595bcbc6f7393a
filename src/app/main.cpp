// SPDX-License-Identifier: MIT
#include <app/Startup.h>
#include <dice/RandomSource.h>
#include <forms/ActivationToken.h>
#include <settings/Identity.h>
#include <settings/Translations.h>

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Qt aborts without a window system to show on; a display named by the
// environment or the command line is left for Qt to try.
bool displayNamed(int argc, char* argv[])
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayNamed(argc, argv)) {
        const QCoreApplication app(argc, argv);
        Translations::load();
        const QString line =
            QCoreApplication::translate(
                "main", "%1 needs an X11 or Wayland desktop: no display is set (DISPLAY, "
                        "WAYLAND_DISPLAY).")
                .arg(QString::fromUtf8(Identity::Title));
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return 1;
    }
    // Qt's Wayland plugin hands the token of whoever started the program to
    // the compositor, which drops a client whose token is thousands of
    // characters long.
    if (!ActivationToken::isSound(qgetenv("XDG_ACTIVATION_TOKEN")))
        qunsetenv("XDG_ACTIVATION_TOKEN");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(Identity::Title));
    QApplication::setApplicationVersion(QString::fromUtf8(Identity::Version));
    QApplication::setDesktopFileName(QString::fromUtf8(Identity::AppId));
    Translations::load();

    Dice::EntropySeededSource source;
    startMainWindow(source);
    return QApplication::exec();
}
