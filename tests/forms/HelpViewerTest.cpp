// SPDX-License-Identifier: MIT
// Help requests handed to Qt Assistant, a stand-in in its place.
#include <forms/ActivationToken.h>
#include <forms/HelpViewer.h>
#include <forms/MessageBox.h>

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <csignal>

class HelpViewerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QList<MessageBox::Shown> boxes;
    QWidget owner;
    // In a folder whose name is not valid UTF-8.
    const QByteArray collection = QFile::encodeName(dir.path()) + "/f\xe9/Rollwright.hlp";

    // The processes this one has started and not yet reaped.
    static int children()
    {
        QFile file(QStringLiteral("/proc/self/task/%1/children").arg(::getpid()));
        return file.open(QIODevice::ReadOnly) ? int(file.readAll().count(' ')) : -1;
    }

    QString log() const
    {
        QFile file(dir.filePath(QStringLiteral("log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(QFile::decodeName(collection.left(collection.lastIndexOf('/')))));
        QFile(QFile::decodeName(collection)).open(QIODevice::WriteOnly);
        qputenv("STAND_IN_LOG", QFile::encodeName(dir.filePath(QStringLiteral("log"))));
        HelpViewer::setProgram(ROLLWRIGHT_STAND_IN);
        MessageBox::setRecorder([this](const MessageBox::Shown& box) { boxes << box; });
        QCoreApplication::setApplicationName(QStringLiteral("Dice"));
    }
    void cleanup()
    {
        // Closed as the user closes it; gone once the runtime has seen it end.
        const auto started =
            QRegularExpression(QStringLiteral("started (\\d+)")).globalMatch(log());
        for (auto match = started; match.hasNext();) {
            const pid_t pid = match.next().captured(1).toInt();
            ::kill(pid, SIGTERM);
            for (int i = 0; i < 500 && ::kill(pid, 0) == 0; ++i)
                QTest::qWait(10);
        }
        QFile::remove(dir.filePath(QStringLiteral("log")));
        qunsetenv("STAND_IN_SAYS");
        boxes.clear();
    }

    // A token from outside or from the compositor is used and passed on only
    // when it looks like one.
    void onlyASoundActivationTokenIsUsed_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<bool>("sound");
        QTest::newRow("as sway gives it")
            << QByteArray("8f0c4a1e-2b3d-4c5e-9f60-7a8b9c0d1e2f") << true;
        QTest::newRow("256 characters") << QByteArray(256, 'x') << true;
        QTest::newRow("257 characters") << QByteArray(257, 'x') << false;
        QTest::newRow("a line break") << QByteArray("abc\ndef") << false;
        QTest::newRow("not ASCII") << QByteArray("abc\xc3\xa9") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void onlyASoundActivationTokenIsUsed()
    {
        QFETCH(QByteArray, token);
        QFETCH(bool, sound);
        QCOMPARE(ActivationToken::isSound(token), sound);
    }

    void aSecondRequestGoesToTheViewerAlreadyOpen()
    {
        qputenv("XDG_ACTIVATION_TOKEN", "spent-at-start");
        HelpViewer::request(&owner, collection, HelpViewer::Contents);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        HelpViewer::request(&owner, collection, HelpViewer::PartialKey);
        QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("command show index")), 5000);
        const QString seen = log();
        QCOMPARE(seen.count(QStringLiteral("started")), 1);
        QVERIFY(!seen.contains(QStringLiteral("spent-at-start")));
        QVERIFY(seen.contains(QStringLiteral("arg -activate\narg contents\ncollection readable")));
        // A session of its own: the terminal's signals to this one pass it by.
        QVERIFY(!seen.contains(QStringLiteral(" session %1 ").arg(::getsid(0))));

        cleanup(); // the user closes it: the next request starts it afresh
        HelpViewer::request(&owner, collection, HelpViewer::PartialKey);
        QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("arg index")), 5000);
        QVERIFY(boxes.isEmpty());
    }

    // Where the compositor hands out activation tokens (sway), the viewer
    // starts with one, asked for the window that made the request. The
    // program goes on meanwhile: an event posted before the request is
    // handled before the viewer is started.
    void aTokenFromTheCompositorReachesTheViewer()
    {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            QSKIP("needs a Wayland compositor (test_forms_help_viewer_sway)");
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int childrenWhenHandled = -1;
        QTimer::singleShot(0, &window, [&] { childrenWhenHandled = children(); });
        HelpViewer::request(&window, collection, HelpViewer::Contents);
        QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("arg contents")), 5000);
        QCOMPARE(childrenWhenHandled, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("token=\\S+\n")).match(log()).hasMatch(),
                 qPrintable(log()));
    }

    void theViewersOwnWordsAreShown()
    {
        qputenv("STAND_IN_SAYS", "The collection file 'x' does not exist.");
        HelpViewer::request(&owner, collection, HelpViewer::Contents);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 1, 5000);
        QCOMPARE(boxes[0].text, QStringLiteral("The collection file 'x' does not exist."));
        QCOMPARE(boxes[0].style, MessageBox::Plain);
        QCOMPARE(boxes[0].title, QStringLiteral("Dice"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
