#include "help/HelpCommandLine.h"

#include <QTest>

using help::HelpCommandLine;
using help::HelpRequest;
using Action = help::HelpCommandLine::Action;
using Mode = help::HelpRequest::Mode;

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
        QTest::addColumn<qint64>("owner"); // -1: none

        QTest::newRow("contents") << QStringList{"--contents", "R.hlp"} << Action::Show
                                  << Mode::Contents << "" << "R.hlp" << qint64(-1);
        QTest::newRow("partial key") << QStringList{"--partial-key", "ro", "R.hlp"} << Action::Show
                                     << Mode::Index << "ro" << "R.hlp" << qint64(-1);
        QTest::newRow("empty keyword") << QStringList{"--partial-key", "", "R.hlp"} << Action::Show
                                       << Mode::Index << "" << "R.hlp" << qint64(-1);
        QTest::newRow("keyword like an option")
            << QStringList{"--partial-key", "-x", "R.hlp"} << Action::Show << Mode::Index << "-x"
            << "R.hlp" << qint64(-1);
        QTest::newRow("owner first, decimal")
            << QStringList{"--owner", "4711", "--contents", "R.hlp"} << Action::Show
            << Mode::Contents << "" << "R.hlp" << qint64(4711);
        QTest::newRow("owner last, hex")
            << QStringList{"--partial-key", "a b", "/x/R.hlp", "--owner", "0x3A00007"}
            << Action::Show << Mode::Index << "a b" << "/x/R.hlp" << qint64(0x3A00007);
        QTest::newRow("file after --") << QStringList{"--contents", "--", "-odd.hlp"} << Action::Show
                                       << Mode::Contents << "" << "-odd.hlp" << qint64(-1);
        QTest::newRow("check") << QStringList{"--check", "R.hlp"} << Action::Check << Mode::Contents
                               << "" << "R.hlp" << qint64(-1);
        QTest::newRow("help") << QStringList{"--contents", "--help"} << Action::Usage
                              << Mode::Contents << "" << "" << qint64(-1);
        QTest::newRow("version") << QStringList{"--version"} << Action::Version << Mode::Contents
                                 << "" << "" << qint64(-1);
    }

    void acceptsGoodLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(Mode, mode);
        QFETCH(QString, keyword);
        QFETCH(QString, file);
        QFETCH(qint64, owner);

        arguments.prepend(QStringLiteral("rollwright-help"));
        const HelpCommandLine line = help::parseHelpCommandLine(arguments);
        QCOMPARE(line.error, QString());
        QCOMPARE(line.action, action);
        QCOMPARE(line.request.mode, mode);
        QCOMPARE(line.request.keyword, keyword);
        QCOMPARE(line.request.file, file);
        QCOMPARE(line.request.owner.has_value(), owner >= 0);
        if (owner >= 0)
            QCOMPARE(*line.request.owner, static_cast<quint64>(owner));
    }

    void refusesBadLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");

        QTest::newRow("nothing") << QStringList{} << "--contents or --partial-key";
        QTest::newRow("file only") << QStringList{"R.hlp"} << "--contents or --partial-key";
        QTest::newRow("no file") << QStringList{"--contents"} << "no help file";
        QTest::newRow("keyword but no file") << QStringList{"--partial-key", "ro"} << "no help file";
        QTest::newRow("no keyword") << QStringList{"--partial-key"} << "needs a keyword";
        QTest::newRow("two files") << QStringList{"--contents", "a.hlp", "b.hlp"} << "only one";
        QTest::newRow("both requests") << QStringList{"--contents", "--partial-key", "x", "a.hlp"}
                                       << "cannot be combined";
        QTest::newRow("contents twice") << QStringList{"--contents", "--contents", "a.hlp"}
                                        << "cannot be combined";
        QTest::newRow("unknown option") << QStringList{"--index", "a.hlp"} << "unknown option";
        QTest::newRow("owner not a number") << QStringList{"--owner", "main", "--contents", "a.hlp"}
                                            << "window id";
        QTest::newRow("owner negative") << QStringList{"--contents", "a.hlp", "--owner", "-5"}
                                        << "window id";
        QTest::newRow("owner missing") << QStringList{"--contents", "a.hlp", "--owner"}
                                       << "needs a window id";
        QTest::newRow("owner twice")
            << QStringList{"--owner", "1", "--owner", "2", "--contents", "a.hlp"} << "twice";
        QTest::newRow("empty file name") << QStringList{"--contents", ""} << "empty";
    }

    void refusesBadLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);

        arguments.prepend(QStringLiteral("rollwright-help"));
        const HelpCommandLine line = help::parseHelpCommandLine(arguments);
        QCOMPARE(line.action, Action::Invalid);
        QVERIFY2(line.error.contains(error), qPrintable(line.error));
    }

    void requestSurvivesTheWire()
    {
        const HelpRequest request{Mode::Index, QStringLiteral("Würfel"), QStringLiteral("/a/R.hlp"),
                                  std::nullopt};
        QCOMPARE(help::decodeRequest(help::encodeRequest(request)), request);
    }

    void garbageIsNoRequest_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray good = help::encodeRequest({Mode::Contents, {}, QStringLiteral("x"), {}});
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
        QVERIFY(!help::decodeRequest(bytes));
    }
};

QTEST_GUILESS_MAIN(HelpCommandLineTest)
#include "HelpCommandLineTest.moc"
