// SPDX-License-Identifier: MIT
#include <help/HelpInstance.h>

#include "HelpTestFiles.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

#include <csignal>
#include <functional>

// The program's exit codes and output, for what it can do without a window.
class HelpProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void badCommandLinesPrintUsageAndExit2_data()
    {
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("file only") << QStringList{"R.hlp"};
        QTest::newRow("unknown option") << QStringList{"--search", "R.hlp"};
        QTest::newRow("keyword without file") << QStringList{"--partial-key", ""};
        QTest::newRow("owner, no longer an option")
            << QStringList{"--contents", "R.hlp", "--owner", "1"};
    }

    void badCommandLinesPrintUsageAndExit2()
    {
        QFETCH(QStringList, arguments);
        const Run run = start(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains("Usage: rollwright-help --contents FILE"));
    }

    void checkReportsProblemsOfAFile()
    {
        QTemporaryDir dir;
        const QString bad =
            writeHelpFile(dir, QStringLiteral("bad.hlp"), "@topic a\n@title A\n@oops\ntext\n");
        const Run run = start({QStringLiteral("--check"), bad});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out,
                 (bad + QStringLiteral(":3: error: unknown directive \"@oops\"\n")).toUtf8());
    }

    void checkAnswersAtOnceForWhatIsNoHelpFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");

        QTest::newRow("named pipe") << "fifo"
                                    << "this is a named pipe, not a help file";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "this is a device, not a help file";
    }

    void checkAnswersAtOnceForWhatIsNoHelpFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rollwright.hlp"));
        if (kind == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        const Run run = start({QStringLiteral("--check"), path});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out,
                 (path + QStringLiteral(": error: ") + message + QLatin1Char('\n')).toUtf8());
    }

    void checkReadsAHundredThousandTopicsInBoundedTime()
    {
        QTemporaryDir dir;
        const QString path = writeHelpFile(dir, QStringLiteral("big.hlp"), linkedTopics(100'000));
        const Run run = start({QStringLiteral("--check"), path});
        QVERIFY2(run.exitCode == 0, run.out.left(500).constData());
        QVERIFY(run.out.isEmpty());
    }

    void viewerOpensItsOwnWindowWhenTheSocketIsHeldByAStranger()
    {
        Viewer viewer;
        QLocalServer squatter;
        QVERIFY(squatter.listen(viewer.socket));
        QByteArray stolen;
        connect(&squatter, &QLocalServer::newConnection, this, [&] {
            QLocalSocket* socket = squatter.nextPendingConnection();
            connect(socket, &QLocalSocket::readyRead, socket, [&stolen, socket] {
                stolen += socket->readAll();
                socket->write("A");
            });
        });

        QVERIFY(viewer.start());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += viewer.process.readAllStandardError()).contains("no Rollwright help viewer"),
            hangBoundMs);
        QVERIFY2(err.contains("this window opens on its own"), err.constData());
        QTest::qWait(300);
        QCOMPARE(viewer.process.state(), QProcess::Running); // its window is open
        viewer.process.kill();
        viewer.process.waitForFinished();
        QVERIFY(squatter.isListening());
    }

    void terminatedViewerRemovesItsSocket()
    {
        Viewer viewer;
        QVERIFY(viewer.start());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(viewer.socket), hangBoundMs);

        viewer.process.terminate(); // SIGTERM
        QVERIFY(viewer.process.waitForFinished(hangBoundMs));
        QCOMPARE(viewer.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(viewer.process.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(viewer.socket));
    }

    // Under nohup the viewer is started with SIGHUP ignored: it must outlive
    // the terminal, and still answer the requests for its file.
    void aHangupIgnoredAtStartStaysIgnored()
    {
        Viewer viewer;
        QVERIFY(viewer.start([] { ::signal(SIGHUP, SIG_IGN); }));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(viewer.socket), hangBoundMs);

        QCOMPARE(::kill(static_cast<pid_t>(viewer.process.processId()), SIGHUP), 0);
        // A request answered after the signal was sent: the viewer lives on.
        const Run second =
            start({QStringLiteral("--contents"), viewer.path}, withRuntimeFolder(viewer.runtime));
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.err.isEmpty(), second.err.constData());
        QCOMPARE(viewer.process.state(), QProcess::Running);
        QVERIFY(QFileInfo::exists(viewer.socket));
    }

    void checkPassesTheShippedFile()
    {
        const Run run = start({QStringLiteral("--check"), QStringLiteral(ROLLWRIGHT_HELP_FILE)});
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.exitCode, 0);
    }

private:
    // The viewer's socket for path when its runtime folder is runtime.
    static QString socketOf(const QTemporaryDir& runtime, const QString& path)
    {
        return Help::instanceServerName(runtime.path(),
                                        Help::canonicalHelpPath(QFile::encodeName(path)));
    }

    static QProcessEnvironment withRuntimeFolder(const QTemporaryDir& runtime)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        return environment;
    }

    // A viewer of a help file of its own, in a runtime folder of its own;
    // killed, if it still runs, when the test ends.
    struct Viewer
    {
        QTemporaryDir runtime;
        QTemporaryDir dir;
        const QString path = writeHelpFile(dir, QStringLiteral("R.hlp"), sampleHelp);
        const QString socket = socketOf(runtime, path);
        QProcess process;

        Viewer() = default;
        Viewer(const Viewer&) = delete;
        Viewer& operator=(const Viewer&) = delete;
        ~Viewer()
        {
            process.kill();
            process.waitForFinished();
        }

        bool start(const std::function<void()>& beforeExec = {})
        {
            process.setProcessEnvironment(withRuntimeFolder(runtime));
            if (beforeExec)
                process.setChildProcessModifier(beforeExec);
            process.start(QStringLiteral(ROLLWRIGHT_HELP_PROGRAM),
                          {QStringLiteral("--contents"), path});
            return process.waitForStarted();
        }
    };

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Run
    start(const QStringList& arguments,
          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ROLLWRIGHT_HELP_PROGRAM), arguments);
        if (!process.waitForFinished(hangBoundMs)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
};

QTEST_GUILESS_MAIN(HelpProgramTest)
#include "HelpProgramTest.moc"
