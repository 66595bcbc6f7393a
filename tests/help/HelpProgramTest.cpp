#include "HelpTestFiles.h"

#include <QProcess>
#include <QTest>

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
        QTest::newRow("bad owner") << QStringList{"--contents", "R.hlp", "--owner", "x"};
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
        QCOMPARE(run.out, (bad + QStringLiteral(":3: error: unknown directive \"@oops\"\n")).toUtf8());
    }

    void checkPassesTheShippedFile()
    {
        const Run run = start({QStringLiteral("--check"), QStringLiteral(ROLLWRIGHT_HELP_FILE)});
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.exitCode, 0);
    }

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Run start(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(ROLLWRIGHT_HELP_PROGRAM), arguments);
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
};

QTEST_GUILESS_MAIN(HelpProgramTest)
#include "HelpProgramTest.moc"
