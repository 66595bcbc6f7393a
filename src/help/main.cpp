#include "HelpCommandLine.h"
#include "HelpFileLoader.h"
#include "HelpInstance.h"
#include "HelpWindow.h"
#include "Identity.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

void printDiagnostics(QTextStream& stream, const help::HelpFile& file)
{
    for (const help::HelpDiagnostic& diagnostic : file.diagnostics)
        stream << help::formatDiagnostic(file.path, diagnostic) << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program =
        QFileInfo(arguments.value(0, QStringLiteral("rollwright-help"))).fileName();
    const help::HelpCommandLine commandLine = help::parseHelpCommandLine(arguments);

    QTextStream out(stdout);
    QTextStream err(stderr);
    using Action = help::HelpCommandLine::Action;
    switch (commandLine.action) {
    case Action::Invalid:
        err << program << ": " << commandLine.error << "\n\n" << help::helpUsageText(program);
        return 2;
    case Action::Usage:
        out << help::helpUsageText(program);
        return 0;
    case Action::Version:
        out << program << ' ' << Identity::Version << '\n';
        return 0;
    case Action::Check: {
        const help::HelpFile file = help::loadHelpFile(commandLine.request.file);
        printDiagnostics(out, file);
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

    help::HelpRequest request = commandLine.request;
    request.file = help::canonicalHelpPath(request.file);

    help::quitOnTerminationSignals();
    help::HelpInstanceServer server(request.file);
    const help::SocketFolder folder = help::privateSocketFolder();
    help::Claim claim{help::InstanceRole::Alone, folder.problem};
    if (!folder.path.isEmpty())
        claim = help::claimInstance(server, help::instanceServerName(folder.path, request.file),
                                    request);
    if (claim.role == help::InstanceRole::Forwarded)
        return 0;
    if (claim.role == help::InstanceRole::Alone) {
        err << program << ": warning: " << claim.reason
            << "; this window opens on its own, and later requests will open further windows\n";
        err.flush();
    }

    help::HelpWindow window;
    QObject::connect(&server, &help::HelpInstanceServer::requestReceived, &window,
                     &help::HelpWindow::performForwardedRequest);
    window.performRequest(request);
    printDiagnostics(err, window.helpFile());
    err.flush();
    window.show();
    return QApplication::exec();
}
