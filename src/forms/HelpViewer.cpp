// SPDX-License-Identifier: MIT
#include <forms/ActivationToken.h>
#include <forms/HelpViewer.h>
#include <forms/MessageBox.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QProcess>
#include <QWidget>

#include <stdexcept>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#endif

namespace HelpViewer {

namespace {

QByteArray& standIn()
{
    static QByteArray program;
    return program;
}

// The viewer this program started, kept for its remote control. It is never
// deleted while it may run: deleting a QProcess ends the process.
QProcess* viewer = nullptr;
QPointer<QWidget> asker;
QByteArray said;
// While the viewer waits for its activation token: the requests made
// meanwhile, handed to it once it runs.
bool starting = false;
QByteArray meanwhile;

QString tr(const char* text)
{
    return QCoreApplication::translate("HelpViewer", text);
}

QByteArray assistant()
{
    if (!standIn().isEmpty())
        return standIn();
    // Where Qt keeps its programs: never the PATH, nor the working folder.
    return QFile::encodeName(QLibraryInfo::path(QLibraryInfo::BinariesPath) +
                             QStringLiteral("/assistant"));
}

void report(const QString& text)
{
    // Shown after the process's own signal has returned: a box runs a loop.
    QMetaObject::invokeMethod(
        qApp,
        [text, owner = asker] {
            if (owner)
                MessageBox::show(owner, text, MessageBox::Plain,
                                 QCoreApplication::applicationName());
        },
        Qt::QueuedConnection);
}

void ended(QProcess* process, int status, QProcess::ExitStatus how)
{
    if (how != QProcess::NormalExit || status == 0)
        return;
    // Assistant's own words come before the usage it prints after them.
    QString words = QString::fromLocal8Bit(said).section(QStringLiteral("Usage:"), 0, 0).trimmed();
    if (words.isEmpty())
        words = tr("The help viewer %1 ended with status %2.")
                    .arg(process->program(), QString::number(status));
    report(words);
}

// The name Assistant is given for `collection`: Qt's string arguments cannot
// carry a folder whose name is not valid UTF-8, so such a folder is opened
// and reached through the descriptor the viewer inherits.
QString handedOver(const QByteArray& collection, int* folder)
{
    *folder = -1;
#ifdef Q_OS_LINUX
    const qsizetype slash = collection.lastIndexOf('/');
    if (QFile::encodeName(QFile::decodeName(collection)) != collection && slash >= 0) {
        *folder = ::open(collection.left(slash).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (*folder >= 0)
            return QStringLiteral("/proc/self/fd/%1/").arg(*folder) +
                   QFile::decodeName(collection.mid(slash + 1));
    }
#endif
    return QFile::decodeName(collection);
}

void start(QWidget* owner, const QByteArray& collection, Command command)
{
    const QString program = QFile::decodeName(assistant());
    const QFileInfo found(program);
    if (!found.isFile() || !found.isExecutable())
        throw std::runtime_error(
            tr("The help viewer %1 was not found.").arg(program).toStdString());

    int folder = -1;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(
        {QStringLiteral("-collectionFile"), handedOver(collection, &folder),
         QStringLiteral("-enableRemoteControl"), QStringLiteral("-activate"),
         command == PartialKey ? QStringLiteral("index") : QStringLiteral("contents")});
    process->setStandardOutputFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Only the viewer's own words reach its standard error, and only a sound
    // token asked for this request lets it come forward.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*=false"));
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
#ifdef Q_OS_UNIX
    // A session of its own: the terminal's or the group's SIGHUP and SIGINT
    // leave it alone, and writing to a standard error nobody reads any more
    // does not end it.
    process->setChildProcessModifier([folder] {
        ::setsid();
        ::signal(SIGPIPE, SIG_IGN);
        if (folder >= 0)
            ::fcntl(folder, F_SETFD, 0);
    });
#endif
    QObject::connect(process, &QProcess::readyReadStandardError, process,
                     [process] { said = (said + process->readAllStandardError()).right(4096); });
    QObject::connect(
        process, &QProcess::finished, process,
        [process](int status, QProcess::ExitStatus how) { ended(process, status, how); });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             report(tr("The help viewer %1 could not be started: %2")
                                        .arg(process->program(), process->errorString()));
                     });

    if (viewer)
        viewer->deleteLater();
    viewer = process;
    said.clear();
    starting = true;
    ActivationToken::request(owner, [process, environment, folder](const QString& token) mutable {
        if (ActivationToken::isSound(token.toUtf8()))
            environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token);
        process->setProcessEnvironment(environment);
        process->start(QIODevice::ReadWrite);
#ifdef Q_OS_UNIX
        if (folder >= 0)
            ::close(folder);
#endif
        starting = false;
        if (!meanwhile.isEmpty())
            process->write(std::exchange(meanwhile, QByteArray()));
    });
}

QByteArray remoteCommand(Command command)
{
    // Focusing the Index selects what its Look-for field holds, so that
    // typing starts afresh; Assistant comes forward after each command.
    return command == PartialKey ? "show index\n" : "show contents;setSource index.html\n";
}

} // namespace

void request(QWidget* owner, const QByteArray& collection, Command command)
{
    asker = owner;
    if (starting) {
        meanwhile += remoteCommand(command);
        return;
    }
    if (viewer && viewer->state() != QProcess::NotRunning) {
        viewer->write(remoteCommand(command));
        // Written at once where the viewer already reads, without waiting, so
        // that an Exit right after the request does not drop it.
        viewer->waitForBytesWritten(0);
        return;
    }
    start(owner, collection, command);
}

void setProgram(const QByteArray& program)
{
    standIn() = program;
}

} // namespace HelpViewer
