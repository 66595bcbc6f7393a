// SPDX-License-Identifier: MIT
#include <forms/ActivationToken.h>
#include <forms/HelpViewer.h>
#include <forms/Program.h>

#include <QApplication>
#include <QFile>

#include <stdexcept>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>
#else
#include <QProcess>
#include <QStringList>
#endif

namespace HelpViewer {

namespace {

const char ViewerName[] = "rollwright-help";

[[noreturn]] void fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

[[noreturn]] void notFound(const QByteArray& program)
{
    if (program.isEmpty())
        fail(QCoreApplication::translate(
                 "HelpViewer", "The help viewer %1 was not found: the folder of this program "
                               "cannot be told.")
                 .arg(QString::fromLatin1(ViewerName)));
    fail(QCoreApplication::translate("HelpViewer", "The help viewer %1 was not found.")
             .arg(QFile::decodeName(program)));
}

QString shown(const QByteArray& path)
{
    return QFile::decodeName(path);
}

#ifdef Q_OS_UNIX

// Started by its bytes: QProcess takes names as text, and a name that is not
// valid UTF-8 would not survive the way there and back.
void startDetached(const Request& request)
{
    struct stat status = {};
    if (request.program.isEmpty() || ::stat(request.program.constData(), &status) != 0 ||
        !S_ISREG(status.st_mode))
        notFound(request.program);

    // Everything the child needs is made before the fork: after it, only
    // calls that are safe between fork and exec may run.
    QList<QByteArray> arguments = request.arguments;
    QByteArray program = request.program;
    std::vector<char*> argv{program.data()};
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    // The token that lets the viewer come forward travels in its environment.
    std::vector<QByteArray> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (!QByteArrayView(*variable).startsWith("XDG_ACTIVATION_TOKEN="))
            variables.emplace_back(*variable);
    }
    if (!request.activationToken.isEmpty())
        variables.push_back("XDG_ACTIVATION_TOKEN=" + request.activationToken.toUtf8());
    std::vector<char*> envp;
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    int report[2] = {-1, -1};
    if (nothing < 0 || ::pipe2(report, O_CLOEXEC) != 0) {
        const int error = errno;
        if (nothing >= 0)
            ::close(nothing);
        fail(
            QCoreApplication::translate("HelpViewer", "The help viewer %1 could not be started: %2")
                .arg(shown(request.program), QString::fromLocal8Bit(std::strerror(error))));
    }

    // The viewer outlives the program: a middle process starts it and ends
    // at once, so that the viewer is nobody's child here.
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::signal(SIGPIPE, SIG_DFL);
            ::dup2(nothing, STDIN_FILENO);
            ::execve(argv[0], argv.data(), envp.data());
            const int error = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        ::_exit(0);
    }
    const int forkError = errno;
    ::close(report[1]);
    ::close(nothing);
    if (middle > 0) {
        while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    // Nothing comes through the pipe once exec has closed it; an error number
    // comes when exec failed.
    int error = middle < 0 ? forkError : 0;
    if (middle > 0) {
        ssize_t got = 0;
        while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        if (got != sizeof error)
            error = 0;
    }
    ::close(report[0]);
    if (error != 0)
        fail(
            QCoreApplication::translate("HelpViewer", "The help viewer %1 could not be started: %2")
                .arg(shown(request.program), QString::fromLocal8Bit(std::strerror(error))));
}

#else

void startDetached(const Request& request)
{
    const QString program = shown(request.program);
    if (request.program.isEmpty() || !QFile::exists(program))
        notFound(request.program);
    QStringList arguments;
    for (const QByteArray& argument : request.arguments)
        arguments << QFile::decodeName(argument);
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    // Only a token asked for this request: one this program was started
    // with is spent.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    if (!request.activationToken.isEmpty())
        environment.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), request.activationToken);
    process.setProcessEnvironment(environment);
    if (!process.startDetached())
        fail(
            QCoreApplication::translate("HelpViewer", "The help viewer %1 could not be started: %2")
                .arg(program, process.errorString()));
}

#endif

Starter& starter()
{
    static Starter instance = startDetached;
    return instance;
}

QByteArray viewerProgram()
{
    // Only the program's own folder: never the working folder, nor the PATH.
    const QByteArray folder = Program::directory();
    return folder.isEmpty() ? QByteArray() : folder + '/' + ViewerName;
}

} // namespace

Request requestFor(const QByteArray& helpFile, Command command, const QString& keyword)
{
    Request r;
    r.program = viewerProgram();
    if (command == PartialKey)
        r.arguments = {QByteArrayLiteral("--partial-key"), keyword.toUtf8()};
    else
        r.arguments = {QByteArrayLiteral("--contents")};
    r.arguments << QByteArrayLiteral("--") << helpFile;
    return r;
}

void request(const QByteArray& helpFile, Command command, const QString& keyword)
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
