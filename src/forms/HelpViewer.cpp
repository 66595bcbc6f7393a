// SPDX-License-Identifier: MIT
#include <forms/ActivationToken.h>
#include <forms/HelpViewer.h>
#include <forms/Program.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>
#include <utility>

namespace HelpViewer {

namespace {

void startDetached(const Request& request)
{
    const QFileInfo info(request.program);
    if (!info.exists())
        throw std::runtime_error(
            QCoreApplication::translate("HelpViewer", "The help viewer %1 was not found.")
                .arg(request.program)
                .toStdString());
    QProcess process;
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    // Only a token asked for this request: one this program was started
    // with is spent.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    if (!request.activationToken.isEmpty())
        environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), request.activationToken);
    process.setProcessEnvironment(environment);
    if (!process.startDetached())
        throw std::runtime_error(
            QCoreApplication::translate("HelpViewer", "The help viewer %1 could not be started: %2")
                .arg(request.program, process.errorString())
                .toStdString());
}

Starter& starter()
{
    static Starter instance = startDetached;
    return instance;
}

} // namespace

QString viewerProgram()
{
    const QString name = QStringLiteral("rollwright-help");
    const QString found = QStandardPaths::findExecutable(name, {Program::directory()});
    // Named even when missing, so that the message says where it was looked for.
    return found.isEmpty() ? QDir(Program::directory()).filePath(name) : found;
}

Request requestFor(const QString& helpFile, Command command, const QString& keyword)
{
    Request r;
    r.program = viewerProgram();
    if (command == PartialKey)
        r.arguments = {QStringLiteral("--partial-key"), keyword};
    else
        r.arguments = {QStringLiteral("--contents")};
    r.arguments << QStringLiteral("--") << helpFile;
    return r;
}

void request(const QString& helpFile, Command command, const QString& keyword)
{
    Request r = requestFor(helpFile, command, keyword);
    r.activationToken = ActivationToken::requestFor(QApplication::activeWindow());
    starter()(r);
}

void setStarter(Starter s)
{
    starter() = s ? std::move(s) : Starter(startDetached);
}

} // namespace HelpViewer
