// SPDX-License-Identifier: MIT
#include <help/HelpCommandLine.h>

#include <QTest>

using Help::HelpCommandLine;
using Help::HelpRequest;
using Action = Help::HelpCommandLine::Action;
using Mode = Help::HelpRequest::Mode;

class HelpCommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptsGoodLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("file");

        QTest::newRow("contents") << QStringList{"--contents", "R.hlp"} << Action::Show
                                  << Mode::Contents << ""
                                  << "R.hlp";
        QTest::newRow("partial key")
            << QStringList{"--partial-key", "ro", "R.hlp"} << Action::Show << Mode::Index << "ro"
            << "R.hlp";
        QTest::newRow("empty keyword")
            << QStringList{"--partial-key", "", "R.hlp"} << Action::Show << Mode::Index << ""
            << "R.hlp";
        QTest::newRow("keyword like an option")
            << QStringList{"--partial-key", "-x", "R.hlp"} << Action::Show << Mode::Index << "-x"
            << "R.hlp";
        QTest::newRow("file first") << QStringList{"/x/R.hlp", "--partial-key", "a b"}
                                    << Action::Show << Mode::Index << "a b"
                                    << "/x/R.hlp";
        QTest::newRow("short help") << QStringList{"-h"} << Action::Usage << Mode::Contents << ""
                                    << "";
        QTest::newRow("file after --")
            << QStringList{"--contents", "--", "-odd.hlp"} << Action::Show << Mode::Contents << ""
            << "-odd.hlp";
        QTest::newRow("check") << QStringList{"--check", "R.hlp"} << Action::Check << Mode::Contents
                               << ""
                               << "R.hlp";
        QTest::newRow("help") << QStringList{"--contents", "--help"} << Action::Usage
                              << Mode::Contents << ""
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << Action::Version << Mode::Contents
                                 << ""
                                 << "";
    }

    void acceptsGoodLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(Mode, mode);
        QFETCH(QString, keyword);
        QFETCH(QString, file);

        arguments.prepend(QStringLiteral("rollwright-help"));
        const HelpCommandLine line = Help::parseHelpCommandLine(arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, action);
        QCOMPARE(line.request.mode, mode);
        QCOMPARE(line.request.keyword, keyword);
        QCOMPARE(QFile::decodeName(line.request.file), file);
    }

    void refusesBadLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");

        QTest::newRow("nothing") << QStringList{} << "--contents or --partial-key";
        QTest::newRow("file only") << QStringList{"R.hlp"} << "--contents or --partial-key";
        QTest::newRow("no file") << QStringList{"--contents"} << "no help file";
        QTest::newRow("keyword but no file")
            << QStringList{"--partial-key", "ro"} << "no help file";
        QTest::newRow("no keyword") << QStringList{"--partial-key"} << "needs a keyword";
        QTest::newRow("two files") << QStringList{"--contents", "a.hlp", "b.hlp"} << "only one";
        QTest::newRow("both requests")
            << QStringList{"--contents", "--partial-key", "x", "a.hlp"} << "cannot be combined";
        QTest::newRow("contents twice")
            << QStringList{"--contents", "--contents", "a.hlp"} << "cannot be combined";
        QTest::newRow("unknown option") << QStringList{"--index", "a.hlp"} << "unknown option";
        QTest::newRow("an owner is no option")
            << QStringList{"--owner", "1", "--contents", "a.hlp"} << "unknown option \"--owner\"";
        QTest::newRow("unknown short option")
            << QStringList{"-x", "--contents", "a.hlp"} << "unknown option \"-x\"";
        QTest::newRow("empty file name") << QStringList{"--contents", ""} << "empty";
    }

    void refusesBadLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);

        arguments.prepend(QStringLiteral("rollwright-help"));
        const HelpCommandLine line = Help::parseHelpCommandLine(arguments);
        QCOMPARE(line.action, Action::Invalid);
        QVERIFY2(line.error.contains(error), qPrintable(line.error));
    }

    void fileNamesKeepTheirBytes_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("keyword");

        const QByteArray invalid = "/opt/inst-\xff\xfe/Rollwright.hlp";
        const QByteArray latin1 = "/opt/inst-\xe9t\xe9/Rollwright.hlp";
        QTest::newRow("not UTF-8")
            << QList<QByteArray>{"--contents", "--", invalid} << invalid << "";
        QTest::newRow("Latin-1, with a keyword")
            << QList<QByteArray>{"--partial-key", "d\xe9", latin1} << latin1
            << QStringLiteral(u"d\uFFFD");
        QTest::newRow("UTF-8 and spaces")
            << QList<QByteArray>{"--contents", "/a b/W\xc3\xbcrfel \"1\".hlp"}
            << QByteArray("/a b/W\xc3\xbcrfel \"1\".hlp") << "";
        // Bytes that are no text are never an option: they name the file.
        QTest::newRow("no option")
            << QList<QByteArray>{"--contents", "--\xff"} << QByteArray("--\xff") << "";
        QTest::newRow("text that looks like a mark")
            << QList<QByteArray>{"--contents", "\xef\xbf\xbf"
                                               "0"}
            << QByteArray("\xef\xbf\xbf"
                          "0")
            << "";
    }

    void fileNamesKeepTheirBytes()
    {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QByteArray, file);
        QFETCH(QString, keyword);

        arguments.prepend("rollwright-help");
        const HelpCommandLine line = Help::parseHelpCommandLine(arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, Action::Show);
        QCOMPARE(line.request.file, file);
        QCOMPARE(line.request.keyword, keyword);
    }

    void requestSurvivesTheWire()
    {
        const HelpRequest request{Mode::Index, QStringLiteral("Würfel"), "/a/R\xff\xe9.hlp"};
        QCOMPARE(Help::decodeRequest(Help::encodeRequest(request)), request);
        // With the token that lets the running viewer come forward.
        HelpRequest activating = request;
        activating.activationToken = QStringLiteral("kwin-42");
        QCOMPARE(Help::decodeRequest(Help::encodeRequest(activating)), activating);
    }

    void garbageIsNoRequest_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray good = Help::encodeRequest({Mode::Contents, {}, "x"});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << good.left(good.size() - 1);
        QTest::newRow("trailing bytes") << good + "x";
        QTest::newRow("other magic") << QByteArray("XXXX") + good.mid(4);
        QByteArray badMode = good;
        badMode[4] = 7;
        QTest::newRow("unknown mode") << badMode;
    }

    void garbageIsNoRequest()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!Help::decodeRequest(bytes));
    }
};

QTEST_GUILESS_MAIN(HelpCommandLineTest)
#include "HelpCommandLineTest.moc"
