// SPDX-License-Identifier: MIT
#include <help/HelpInstance.h>
#include <help/HelpWindow.h>

#include "HelpTestFiles.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QThread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

using Help::ForwardResult;
using Help::HelpRequest;
using Help::InstanceRole;
using Mode = Help::HelpRequest::Mode;

namespace {

const QByteArray servedFile = "/x/R.hlp";

HelpRequest contentsRequest(const QByteArray& file = servedFile)
{
    return {Mode::Contents, {}, file};
}

// Runs a blocking call on a thread of its own, so that servers on this thread can answer.
template <typename Call> auto runElsewhere(Call call)
{
    using Result = decltype(call());
    Result result{};
    std::unique_ptr<QThread> thread(QThread::create([&] { result = call(); }));
    thread->start();
    while (!thread->wait(QDeadlineTimer(10)))
        QCoreApplication::processEvents();
    return result;
}

mode_t modeOf(const QString& path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

bool isSocket(const QString& path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

sockaddr_un addressOf(const QString& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    std::memcpy(address.sun_path, encoded.constData(),
                std::min(sizeof(address.sun_path) - 1, static_cast<size_t>(encoded.size())));
    return address;
}

// A socket bound to path; with a backlog it listens, but never takes a connection.
int boundSocket(const QString& path, int backlog = 0)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        (backlog > 0 && ::listen(fd, backlog) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// What a crashed viewer leaves behind: a socket file that nobody listens on.
bool leaveStaleSocket(const QString& path)
{
    const int fd = boundSocket(path);
    if (fd >= 0)
        ::close(fd);
    return fd >= 0;
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// A process of another user (nobody) tries to connect to path and to hand it a request.
// Returns 0 when it could not connect, 1 when it connected but got no answer, 2 when answered.
int connectAsNobody(const QString& path)
{
    const sockaddr_un address = addressOf(path);
    const QByteArray frame = Help::frameRequest(contentsRequest());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(9);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
            ::_exit(0);
        [[maybe_unused]] const ssize_t sent =
            ::write(fd, frame.constData(), static_cast<size_t>(frame.size()));
        char reply[8];
        ::_exit(::read(fd, reply, sizeof reply) > 0 ? 2 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0)
        QTest::qWait(10);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class HelpInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QCOMPARE(modeOf(m_folder.path()), mode_t(0700));
        // A socket of its own for every test: what one leaves behind cannot mislead the next.
        m_name = m_folder.filePath(QStringLiteral("rollwright-help-test-%1").arg(++m_tests));
    }

    void serverNamesSeparateFilesNotRequests()
    {
        const QString a = Help::instanceServerName(QStringLiteral("/run/user/7"), "/a/R.hlp");
        QCOMPARE(Help::instanceServerName(QStringLiteral("/run/user/7"), "/a/R.hlp"), a);
        QVERIFY(Help::instanceServerName(QStringLiteral("/run/user/7"), "/b/R.hlp") != a);
        QVERIFY(a.startsWith(QStringLiteral("/run/user/7/rollwright-help-")));
    }

    void socketFolderIsPrivate_data()
    {
        QTest::addColumn<QString>("runtime");  // "private", "group", "open", "unset"
        QTest::addColumn<QString>("existing"); // what is already at the fallback folder
        QTest::addColumn<bool>("usable");

        QTest::newRow("private runtime folder") << "private"
                                                << "" << true;
        QTest::newRow("runtime folder its group may enter") << "group"
                                                            << "" << true;
        QTest::newRow("runtime folder others may enter") << "open"
                                                         << "" << true;
        QTest::newRow("no runtime folder") << "unset"
                                           << "" << true;
        QTest::newRow("fallback made earlier") << "unset"
                                               << "private" << true;
        QTest::newRow("fallback others may enter") << "unset"
                                                   << "open" << false;
        QTest::newRow("fallback is a link") << "unset"
                                            << "link" << false;
    }

    void socketFolderIsPrivate()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, existing);
        QFETCH(bool, usable);

        QTemporaryDir temp;
        QDir(temp.path()).mkdir(QStringLiteral("runtime"));
        const QString runtimePath = temp.filePath(QStringLiteral("runtime"));
        const mode_t runtimeMode = runtime == "private" ? 0700 : runtime == "group" ? 0770 : 0777;
        ::chmod(QFile::encodeName(runtimePath).constData(), runtimeMode);
        const QString fallback =
            temp.filePath(QStringLiteral("rollwright-help-%1").arg(::geteuid()));
        if (existing == "private" || existing == "open") {
            QDir().mkdir(fallback);
            ::chmod(QFile::encodeName(fallback).constData(), existing == "private" ? 0700 : 0777);
        } else if (existing == "link") {
            QVERIFY(QFile::link(m_folder.path(), fallback));
        }

        const ScopedEnvironment xdg(
            "XDG_RUNTIME_DIR", runtime == "unset" ? QByteArray() : QFile::encodeName(runtimePath));
        const ScopedEnvironment tmp("TMPDIR", QFile::encodeName(temp.path()));
        const mode_t oldMask = ::umask(0); // the folder is private whatever the umask
        const Help::SocketFolder folder = Help::privateSocketFolder();
        ::umask(oldMask);

        if (!usable) {
            QVERIFY(folder.path.isEmpty());
            QVERIFY2(folder.problem.contains(fallback), qPrintable(folder.problem));
            return;
        }
        QVERIFY2(folder.problem.isEmpty(), qPrintable(folder.problem));
        QCOMPARE(folder.path, runtime == "private" ? runtimePath : fallback);
        QCOMPARE(modeOf(folder.path), mode_t(0700));
    }

    // Beyond about 108 bytes the system takes no socket path: a shorter
    // private folder serves, so that there is still one window per file.
    void aLongRuntimeFolderGivesWayToAShorterOne_data()
    {
        QTest::addColumn<bool>("longTemporary");
        QTest::newRow("runtime folder of 110 characters") << false;
        QTest::newRow("temporary folder as long") << true;
    }

    void aLongRuntimeFolderGivesWayToAShorterOne()
    {
        QFETCH(bool, longTemporary);

        QTemporaryDir temp;
        const auto longFolder = [&](const QString& start) {
            const QString path = temp.filePath(start);
            const QString full = path + QString(110 - path.size(), QLatin1Char('x'));
            return QDir().mkdir(full) && ::chmod(QFile::encodeName(full).constData(), 0700) == 0
                       ? full
                       : QString();
        };
        const QString runtime = longFolder(QStringLiteral("runtime-"));
        QCOMPARE(runtime.size(), 110);
        const QString temporary = longTemporary ? longFolder(QStringLiteral("tmp-")) : temp.path();
        QVERIFY(!temporary.isEmpty());
        const ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const ScopedEnvironment tmp("TMPDIR", QFile::encodeName(temporary));

        const Help::SocketFolder folder = Help::privateSocketFolder();
        QVERIFY2(folder.problem.isEmpty(), qPrintable(folder.problem));
        const QString own = QStringLiteral("rollwright-help-%1").arg(::geteuid());
        QCOMPARE(folder.path,
                 longTemporary ? QStringLiteral("/tmp/") + own : QDir(temporary).filePath(own));

        Help::HelpInstanceServer server(servedFile);
        const QString name = Help::instanceServerName(folder.path, servedFile);
        QCOMPARE(Help::claimInstance(server, name, contentsRequest()).role, InstanceRole::Serving);
        QCOMPARE(runElsewhere([&] { return Help::forwardRequest(name, contentsRequest()).result; }),
                 ForwardResult::Delivered);
    }

    void socketIsTheUsersAloneWhateverTheUmask()
    {
        Help::HelpInstanceServer server(servedFile);
        const mode_t oldMask = ::umask(0);
        const Help::Claim claim = Help::claimInstance(server, m_name, contentsRequest());
        ::umask(oldMask);
        QCOMPARE(claim.role, InstanceRole::Serving);
        QVERIFY(isSocket(m_name));
        QCOMPARE(modeOf(m_name), mode_t(0600));
    }

    void anotherUserReachesNoViewer()
    {
        if (::geteuid() != 0)
            QSKIP("needs root, to act as another user");
        Help::HelpInstanceServer server(servedFile);
        QCOMPARE(Help::claimInstance(server, m_name, contentsRequest()).role,
                 InstanceRole::Serving);
        QCOMPARE(connectAsNobody(m_name), 0);

        // Even through a socket that others could reach, the viewer answers only its user.
        QTemporaryDir open;
        ::chmod(QFile::encodeName(open.path()).constData(), 0777);
        Help::HelpInstanceServer exposed(servedFile);
        const QString name = open.filePath(QStringLiteral("exposed"));
        QVERIFY(exposed.listen(name));
        ::chmod(QFile::encodeName(name).constData(), 0666);
        QSignalSpy received(&exposed, &Help::HelpInstanceServer::requestReceived);
        QCOMPARE(connectAsNobody(name), 1);
        QCOMPARE(received.size(), 0);
    }

    void forwardedRequestReachesTheServer()
    {
        Help::HelpInstanceServer server(servedFile);
        QVERIFY(server.listen(m_name));
        QSignalSpy received(&server, &Help::HelpInstanceServer::requestReceived);

        const HelpRequest request{Mode::Index, QStringLiteral("ro"), servedFile};
        QCOMPARE(runElsewhere([&] { return Help::forwardRequest(m_name, request).result; }),
                 ForwardResult::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].value<HelpRequest>(), request);
    }

    void requestForAnotherFileIsRefused()
    {
        Help::HelpInstanceServer server(servedFile);
        QVERIFY(server.listen(m_name));
        QSignalSpy received(&server, &Help::HelpInstanceServer::requestReceived);
        const auto forwarding = runElsewhere(
            [&] { return Help::forwardRequest(m_name, contentsRequest("/etc/passwd")); });
        QCOMPARE(forwarding.result, ForwardResult::Refused);
        QTest::qWait(50);
        QCOMPARE(received.size(), 0);
    }

    void nobodyToForwardTo()
    {
        QCOMPARE(Help::forwardRequest(m_name, contentsRequest()).result, ForwardResult::NoViewer);
    }

    void claimServesOrForwards()
    {
        Help::HelpInstanceServer first(servedFile);
        QCOMPARE(Help::claimInstance(first, m_name, contentsRequest()).role, InstanceRole::Serving);

        QSignalSpy received(&first, &Help::HelpInstanceServer::requestReceived);
        const auto role = runElsewhere([&] {
            Help::HelpInstanceServer second(servedFile);
            return Help::claimInstance(second, m_name, contentsRequest()).role;
        });
        QCOMPARE(role, InstanceRole::Forwarded);
        QTRY_COMPARE(received.size(), 1);
    }

    void staleSocketIsTakenOver()
    {
        QVERIFY(leaveStaleSocket(m_name));
        Help::HelpInstanceServer blocked(servedFile);
        QVERIFY(!blocked.listen(m_name)); // the stale file is really in the way

        Help::HelpInstanceServer server(servedFile);
        QCOMPARE(Help::claimInstance(server, m_name, contentsRequest()).role,
                 InstanceRole::Serving);
        QCOMPARE(
            runElsewhere([&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
            ForwardResult::Delivered);
    }

    void squatterThatSaysAcceptedIsNotTrusted()
    {
        QLocalServer squatter;
        QVERIFY(squatter.listen(m_name));
        QByteArray stolen;
        connect(&squatter, &QLocalServer::newConnection, this, [&] {
            QLocalSocket* socket = squatter.nextPendingConnection();
            connect(socket, &QLocalSocket::readyRead, socket, [&stolen, socket] {
                stolen += socket->readAll();
                socket->write("A"); // what a viewer used to answer
            });
        });

        const Help::Claim claim = runElsewhere([&] {
            Help::HelpInstanceServer server(servedFile);
            return Help::claimInstance(server, m_name, contentsRequest());
        });
        QCOMPARE(claim.role, InstanceRole::Alone);
        QVERIFY2(claim.reason.contains(QStringLiteral("no Rollwright help viewer")),
                 qPrintable(claim.reason));
        QVERIFY(isSocket(m_name)); // left as it is
        QVERIFY(squatter.isListening());
    }

    void viewerThatDoesNotAnswerKeepsItsSocket_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::newRow("takes the connection, never answers") << "silent";
        QTest::newRow("never takes the connection") << "deaf";
        QTest::newRow("a viewer busy with something else") << "busy";
    }

    void viewerThatDoesNotAnswerKeepsItsSocket()
    {
        QFETCH(QString, holder);

        Help::HelpInstanceServer viewer(servedFile);
        QLocalServer silent;
        int deaf = -1;
        const auto closeDeaf = qScopeGuard([&deaf] {
            if (deaf >= 0)
                ::close(deaf);
        });
        if (holder == "busy") {
            QVERIFY(viewer.listen(m_name));
        } else if (holder == "silent") {
            QVERIFY(silent.listen(m_name));
            connect(&silent, &QLocalServer::newConnection, this,
                    [&] { silent.nextPendingConnection(); });
        } else {
            deaf = boundSocket(m_name, 4);
            QVERIFY(deaf >= 0);
        }
        QSignalSpy received(&viewer, &Help::HelpInstanceServer::requestReceived);

        // The viewer shares this thread, so it is busy while the claim blocks here.
        QElapsedTimer timer;
        timer.start();
        Help::HelpInstanceServer second(servedFile);
        const Help::Claim claim =
            holder == "busy"
                ? Help::claimInstance(second, m_name, contentsRequest(), 300)
                : runElsewhere(
                      [&] { return Help::claimInstance(second, m_name, contentsRequest(), 300); });
        QVERIFY(timer.elapsed() < hangBoundMs);
        QCOMPARE(claim.role, InstanceRole::Alone);
        QVERIFY2(claim.reason.contains(QStringLiteral("did not")), qPrintable(claim.reason));
        QVERIFY(isSocket(m_name));

        if (holder == "busy") {
            // Free again, the viewer still takes requests on its own socket.
            QCOMPARE(runElsewhere(
                         [&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
                     ForwardResult::Delivered);
            QTRY_VERIFY(received.size() >= 1);
        }
    }

    void refusedRequestLeavesTheViewerServing()
    {
        Help::HelpInstanceServer viewer(servedFile);
        QCOMPARE(Help::claimInstance(viewer, m_name, contentsRequest()).role,
                 InstanceRole::Serving);
        QSignalSpy received(&viewer, &Help::HelpInstanceServer::requestReceived);

        const HelpRequest huge{Mode::Index, QString(40000, QLatin1Char('k')), servedFile};
        const Help::Claim claim = runElsewhere([&] {
            Help::HelpInstanceServer second(servedFile);
            return Help::claimInstance(second, m_name, huge);
        });
        QCOMPARE(claim.role, InstanceRole::Alone);
        QVERIFY2(claim.reason.contains(QStringLiteral("refused")), qPrintable(claim.reason));
        QVERIFY(isSocket(m_name));

        QCOMPARE(
            runElsewhere([&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
            ForwardResult::Delivered);
        QTRY_COMPARE(received.size(), 1);
    }

    void everyRequestInTurnIsServed()
    {
        Help::HelpInstanceServer viewer(servedFile);
        QVERIFY(viewer.listen(m_name));
        QSignalSpy received(&viewer, &Help::HelpInstanceServer::requestReceived);
        const int requests = 3 * Help::HelpInstanceServer::MaxConnections;
        for (int i = 0; i < requests; ++i) {
            QCOMPARE(runElsewhere(
                         [&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
                     ForwardResult::Delivered);
        }
        QTRY_COMPARE(received.size(), requests);
        QTRY_COMPARE(viewer.connectionCount(), 0);
    }

    void idleConnectionsAreClosedAndCounted()
    {
        Help::HelpInstanceServer viewer(servedFile);
        viewer.setIdleTimeout(2000);
        QVERIFY(viewer.listen(m_name));

        std::vector<std::unique_ptr<QLocalSocket>> clients;
        const int extra = 3;
        for (int i = 0; i < Help::HelpInstanceServer::MaxConnections + extra; ++i) {
            clients.push_back(std::make_unique<QLocalSocket>());
            clients.back()->connectToServer(m_name);
            QVERIFY(clients.back()->waitForConnected(1000));
            clients.back()->write("\0\0", 2); // half a frame, then nothing
            QTRY_COMPARE(viewer.connectionCount(),
                         std::min(i + 1, Help::HelpInstanceServer::MaxConnections));
        }
        // Those beyond the limit are refused at once ...
        QCOMPARE(
            runElsewhere([&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
            ForwardResult::Refused);
        for (int i = 0; i < extra; ++i) {
            QLocalSocket& client =
                *clients[static_cast<size_t>(Help::HelpInstanceServer::MaxConnections + i)];
            QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 1000);
        }
        // ... the others once they have idled long enough.
        QTRY_COMPARE_WITH_TIMEOUT(viewer.connectionCount(), 0, hangBoundMs);
        for (const auto& client : clients)
            QTRY_COMPARE(client->state(), QLocalSocket::UnconnectedState);

        QCOMPARE(
            runElsewhere([&] { return Help::forwardRequest(m_name, contentsRequest()).result; }),
            ForwardResult::Delivered);
    }

    void secondRequestSwitchesTheOpenWindowToTheIndex()
    {
        QTemporaryDir dir;
        const QByteArray path = Help::canonicalHelpPath(
            QFile::encodeName(writeHelpFile(dir, QStringLiteral("R.hlp"), sampleHelp)));
        Help::HelpWindow window;
        window.performRequest({Mode::Contents, {}, path});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Help::HelpInstanceServer server(path);
        const QString name = Help::instanceServerName(m_folder.path(), path);
        QVERIFY(server.listen(name));
        connect(&server, &Help::HelpInstanceServer::requestReceived, &window,
                &Help::HelpWindow::performForwardedRequest);

        const HelpRequest second{Mode::Index, QStringLiteral("RO"), path};
        QCOMPARE(runElsewhere([&] { return Help::forwardRequest(name, second).result; }),
                 ForwardResult::Delivered);
        auto* panes = window.findChild<QTabWidget*>("panes");
        QTRY_COMPARE(panes->currentIndex(), 1);
        QCOMPARE(window.findChild<QLineEdit*>("keywordEdit")->text(), QStringLiteral("RO"));
        QCOMPARE(window.findChild<QListWidget*>("indexList")->currentItem()->text(),
                 QStringLiteral("Roll"));
        QVERIFY(window.isVisible());
    }

private:
    QTemporaryDir m_folder; // private, as the runtime folder is
    QString m_name;
    int m_tests = 0;
};

QTEST_MAIN(HelpInstanceTest)
#include "HelpInstanceTest.moc"
