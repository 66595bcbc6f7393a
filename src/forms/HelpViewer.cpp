#include "HelpViewer.h"

#include "Program.h"

#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace HelpViewer {

namespace {

QString& programOverride()
{
    static QString path;
    return path;
}

void startDetached(const Request& request)
{
    const QFileInfo info(request.program);
    if (!info.exists())
        throw std::runtime_error(
            QStringLiteral("The help viewer %1 was not found.").arg(request.program).toStdString());
    QProcess process;
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw std::runtime_error(QStringLiteral("The help viewer %1 could not be started: %2")
                                     .arg(request.program, process.errorString())
                                     .toStdString());
}

Starter& starter()
{
    static Starter instance = startDetached;
    return instance;
}

} // namespace

Request requestFor(QWidget* owner, const QString& helpFile, int command, const QString& keyword)
{
    Request r;
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("/rollwright-help.exe");
#else
    const QString name = QStringLiteral("/rollwright-help");
#endif
    r.program = programOverride().isEmpty() ? Program::directory() + name : programOverride();
    if (command == PartialKey)
        r.arguments = {QStringLiteral("--partial-key"), keyword};
    else
        r.arguments = {QStringLiteral("--contents")};
    if (owner)
        r.arguments << QStringLiteral("--owner") << QString::number(owner->window()->winId());
    r.arguments << QStringLiteral("--") << helpFile;
    return r;
}

void request(QWidget* owner, const QString& helpFile, int command, const QString& keyword)
{
    starter()(requestFor(owner, helpFile, command, keyword));
}

void setStarterForTests(Starter s) { starter() = s ? std::move(s) : Starter(startDetached); }
void setProgramForTests(const QString& program) { programOverride() = program; }

} // namespace HelpViewer
