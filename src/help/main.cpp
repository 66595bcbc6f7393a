// SPDX-License-Identifier: MIT
#include <help/HelpCommandLine.h>
#include <help/HelpFileLoader.h>
#include <help/HelpInstance.h>
#include <help/HelpWindow.h>
#include <help/TerminationSignals.h>
#include <settings/Identity.h>
#include <settings/Translations.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>

#include <cstdio>

namespace {

// The file's name is written as the system spells it, so that it can be found.
void printDiagnostics(FILE* stream, const Help::HelpFile& file)
{
    for (const Help::HelpDiagnostic& diagnostic : file.diagnostics) {
        const QByteArray line = Help::formatDiagnostic(file.path, diagnostic) + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stream);
    }
    std::fflush(stream);
}

} // namespace

int main(int argc, char* argv[])
{
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const QString program =
        QFileInfo(QFile::decodeName(arguments.value(0, QByteArrayLiteral("rollwright-help"))))
            .fileName();
    const Help::HelpCommandLine commandLine = Help::parseHelpCommandLine(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    using Action = Help::HelpCommandLine::Action;
    switch (commandLine.action) {
    case Action::Invalid:
        err << program << ": " << commandLine.error << "\n\n" << Help::helpUsageText(program);
        return 2;
    case Action::Usage:
        out << Help::helpUsageText(program);
        return 0;
    case Action::Version:
        out << program << ' ' << Identity::Version << '\n';
        return 0;
    case Action::Check: {
        const Help::HelpFile file = Help::loadHelpFile(commandLine.request.file);
        out.flush();
        printDiagnostics(stdout, file);
        return file.diagnostics.isEmpty() ? 0 : 1;
    }
    case Action::Show:
        break;
    }

    // Qt sees no arguments: the command line above is all this program takes.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("rollwright-help"));
    QApplication::setApplicationVersion(QString::fromUtf8(Identity::Version));
    Translations::load();
    // The Wayland app id: docks find the viewer's name and icon in this entry.
    QApplication::setDesktopFileName(QString::fromUtf8(Identity::HelpAppId));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/help-icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    Help::HelpRequest request = commandLine.request;
    request.file = Help::canonicalHelpPath(request.file);
    // The token the asking program got for this request: the running viewer
    // needs it to come forward, or this process does for its own window.
    request.activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");

    Help::quitOnTerminationSignals();
    Help::HelpInstanceServer server(request.file);
    const Help::SocketFolder folder = Help::privateSocketFolder();
    Help::Claim claim{Help::InstanceRole::Alone, folder.problem};
    if (!folder.path.isEmpty())
        claim = Help::claimInstance(server, Help::instanceServerName(folder.path, request.file),
                                    request);
    if (claim.role == Help::InstanceRole::Forwarded)
        return 0;
    if (claim.role == Help::InstanceRole::Alone) {
        err << program << ": warning: " << claim.reason
            << "; this window opens on its own, and later requests will open further windows\n";
        err.flush();
    }

    Help::HelpWindow window;
    QObject::connect(&server, &Help::HelpInstanceServer::requestReceived, &window,
                     &Help::HelpWindow::performForwardedRequest);
    window.performRequest(request);
    err.flush();
    printDiagnostics(stderr, window.helpFile());
    window.show();
    if (!request.activationToken.isEmpty())
        window.activateWindow(); // with the token, which Qt takes from the environment
    return QApplication::exec();
}
