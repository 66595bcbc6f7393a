#include "HelpTestFiles.h"
#include "help/HelpInstance.h"
#include "help/HelpWindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QUuid>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using help::HelpRequest;
using Mode = help::HelpRequest::Mode;

namespace {

// A name of our own, so that no real viewer answers.
QString uniqueName()
{
    return QStringLiteral("rollwright-help-test-") +
           QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Runs a blocking call on a thread of its own, so the server on this thread can answer.
template <typename Call>
auto runElsewhere(Call call)
{
    using Result = decltype(call());
    Result result{};
    std::unique_ptr<QThread> thread(QThread::create([&] { result = call(); }));
    thread->start();
    while (!thread->wait(QDeadlineTimer(10)))
        QCoreApplication::processEvents();
    return result;
}

// What a crashed viewer leaves behind: a socket file that nobody listens on.
bool leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    std::memcpy(address.sun_path, encoded.constData(),
                std::min(sizeof(address.sun_path) - 1, static_cast<size_t>(encoded.size())));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class HelpInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void serverNamesSeparateFilesNotRequests()
    {
        const QString a = help::instanceServerName(QStringLiteral("/a/Rollwright.hlp"));
        QCOMPARE(help::instanceServerName(QStringLiteral("/a/Rollwright.hlp")), a);
        QVERIFY(help::instanceServerName(QStringLiteral("/b/Rollwright.hlp")) != a);
        QVERIFY(a.startsWith(QStringLiteral("rollwright-help-")));
        QVERIFY(!a.contains(QLatin1Char('/')));
    }

    void forwardedRequestReachesTheServer()
    {
        const QString name = uniqueName();
        help::HelpInstanceServer server;
        QVERIFY(server.listen(name));
        QSignalSpy received(&server, &help::HelpInstanceServer::requestReceived);

        const HelpRequest request{Mode::Index, QStringLiteral("ro"), QStringLiteral("/x/R.hlp"), {}};
        QCOMPARE(runElsewhere([&] { return help::forwardRequest(name, request); }),
                 help::ForwardResult::Delivered);
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].value<HelpRequest>(), request);
    }

    void nobodyToForwardTo()
    {
        const HelpRequest request{Mode::Contents, {}, QStringLiteral("/x/R.hlp"), {}};
        QCOMPARE(help::forwardRequest(uniqueName(), request), help::ForwardResult::NoViewer);
    }

    void claimServesOrForwards()
    {
        const QString name = uniqueName();
        const HelpRequest request{Mode::Contents, {}, QStringLiteral("/x/R.hlp"), {}};
        help::HelpInstanceServer first;
        QCOMPARE(help::claimInstance(first, name, request), help::InstanceRole::Serving);

        QSignalSpy received(&first, &help::HelpInstanceServer::requestReceived);
        const auto role = runElsewhere([&] {
            help::HelpInstanceServer second;
            return help::claimInstance(second, name, request);
        });
        QCOMPARE(role, help::InstanceRole::Forwarded);
        QTRY_COMPARE(received.size(), 1);
    }

    void staleNameIsTakenOver()
    {
        const QString name = uniqueName();
        const QString socketPath = QDir(QDir::tempPath()).filePath(name);
        QVERIFY(leaveStaleSocket(socketPath));
        help::HelpInstanceServer blocked;
        QVERIFY(!blocked.listen(name)); // the stale file is really in the way

        help::HelpInstanceServer server;
        const HelpRequest request{Mode::Contents, {}, QStringLiteral("/x/R.hlp"), {}};
        QCOMPARE(help::claimInstance(server, name, request), help::InstanceRole::Serving);
        QCOMPARE(runElsewhere([&] { return help::forwardRequest(name, request); }),
                 help::ForwardResult::Delivered);
    }

    void secondRequestSwitchesTheOpenWindowToTheIndex()
    {
        QTemporaryDir dir;
        const QString path =
            help::canonicalHelpPath(writeHelpFile(dir, QStringLiteral("R.hlp"), sampleHelp));
        help::HelpWindow window;
        window.performRequest({Mode::Contents, {}, path, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        help::HelpInstanceServer server;
        const QString name = help::instanceServerName(path) + QStringLiteral("-test");
        QVERIFY(server.listen(name));
        connect(&server, &help::HelpInstanceServer::requestReceived, &window,
                &help::HelpWindow::performForwardedRequest);

        const HelpRequest second{Mode::Index, QStringLiteral("RO"), path, {}};
        QCOMPARE(runElsewhere([&] { return help::forwardRequest(name, second); }),
                 help::ForwardResult::Delivered);
        auto* panes = window.findChild<QTabWidget*>("panes");
        QTRY_COMPARE(panes->currentIndex(), 1);
        QCOMPARE(window.findChild<QLineEdit*>("keywordEdit")->text(), QStringLiteral("RO"));
        QCOMPARE(window.findChild<QListWidget*>("indexList")->currentItem()->text(),
                 QStringLiteral("Roll"));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(HelpInstanceTest)
#include "HelpInstanceTest.moc"
