// SPDX-License-Identifier: MIT
#include <help/HelpFileParser.h>

#include "HelpTestFiles.h"

#include <QTest>

using Help::HelpDiagnostic;
using Help::HelpFile;
using Severity = Help::HelpDiagnostic::Severity;

namespace {

// The pattern repeated count times, its %1 standing for 0, 1, 2...
QByteArray numbered(const char* pattern, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QString::fromLatin1(pattern).arg(i).toLatin1();
    return text;
}

QList<HelpDiagnostic> ofSeverity(const HelpFile& file, Severity severity)
{
    QList<HelpDiagnostic> found;
    for (const HelpDiagnostic& d : file.diagnostics) {
        if (d.severity == severity)
            found.append(d);
    }
    return found;
}

} // namespace

class HelpFileParserTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTopicsInFileOrder()
    {
        const HelpFile file = Help::parseHelpText(sampleHelp, "sample.hlp");
        QVERIFY(file.diagnostics.isEmpty());
        QCOMPARE(file.topics.size(), 3);
        QCOMPARE(file.topics[0].id, QStringLiteral("intro"));
        QCOMPARE(file.topics[0].title, QStringLiteral("Introduction"));
        QCOMPARE(file.topics[0].keywords, QStringList({"start", "overview"}));
        QCOMPARE(file.topics[0].body,
                 QStringLiteral("Welcome. See [Rolling the dice](topic:rolling)."));
        QCOMPARE(file.topics[0].line, 1);
        QCOMPARE(file.topics[1].id, QStringLiteral("rolling"));
        QCOMPARE(file.topics[1].line, 7);
        QCOMPARE(file.topics[2].title, QStringLiteral("Results"));
        QCOMPARE(file.topic(QStringLiteral("results")), &file.topics[2]);
        QCOMPARE(file.topic(QStringLiteral("nope")), nullptr);
    }

    void bodyKeepsInnerBlankLinesAndEscapedAt()
    {
        const QByteArray text = "\xEF\xBB\xBF@topic a\r\n@title A\r\n\r\n# Head\r\n\r\n"
                                "@@home is an address\r\nlast\r\n\r\n\r\n";
        const HelpFile file = Help::parseHelpText(text, "a.hlp");
        QVERIFY(file.diagnostics.isEmpty());
        QCOMPARE(file.topics[0].body, QStringLiteral("# Head\n\n@home is an address\nlast"));
    }

    void keywordsAreTrimmedMergedAndRepeatable()
    {
        const QByteArray text = "@topic a\n@title A\n@keywords  one ;two;; one\n\n"
                                "@keywords three   words\ntext\n";
        const HelpFile file = Help::parseHelpText(text, "a.hlp");
        QVERIFY(file.diagnostics.isEmpty());
        QCOMPARE(file.topics[0].keywords, QStringList({"one", "two", "three words"}));
    }

    void reportsErrorsWithLineNumbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");

        QTest::newRow("empty file") << QByteArray() << 0 << "empty";
        QTest::newRow("only blank lines") << QByteArray("\n  \n\n") << 0 << "no topics";
        QTest::newRow("text before first topic")
            << QByteArray("\nhello\nmore\n@topic a\n@title A\nx\n") << 2
            << "text before the first @topic";
        QTest::newRow("unknown directive") << QByteArray("@topic a\n@title A\n@tilte B\nx\n") << 3
                                           << "unknown directive \"@tilte\"";
        QTest::newRow("topic without id")
            << QByteArray("@topic a\n@title A\nx\n@topic\n@title B\ny\n") << 4 << "needs an id";
        QTest::newRow("id with a slash")
            << QByteArray("@topic roll/dice\n@title A\nx\n") << 1 << "may hold only";
        QTest::newRow("id starting with a hyphen")
            << QByteArray("@topic -roll\n@title A\nx\n") << 1 << "may hold only";
        QTest::newRow("duplicate id")
            << QByteArray("@topic a\n@title A\nx\n@topic a\n@title B\ny\n") << 4
            << "duplicate topic id \"a\" (first used on line 1)";
        QTest::newRow("topic without title")
            << QByteArray("@topic a\n@title A\nx\n\n@topic b\n@keywords k\ny\n") << 5
            << "topic \"b\" has no @title";
        QTest::newRow("second title")
            << QByteArray("@topic a\n@title A\n@title B\nx\n") << 3 << "second @title";
        QTest::newRow("empty title")
            << QByteArray("@topic a\n@title   \nx\n") << 2 << "@title needs a text";
        QTest::newRow("keywords without keywords")
            << QByteArray("@topic a\n@title A\n@keywords ; ;\nx\n") << 3 << "at least one keyword";
        QTest::newRow("title after body text") << QByteArray("@topic a\n@title A\ntext\n@title B\n")
                                               << 4 << "must come before the text";
        QTest::newRow("keywords before first topic")
            << QByteArray("@keywords k\n@topic a\n@title A\nx\n") << 1 << "before the first @topic";
        QTest::newRow("invalid UTF-8")
            << QByteArray("@topic a\n@title A\nok\nbad \xC3\x28 byte\n") << 4 << "not valid UTF-8";
        QTest::newRow("line cut inside a UTF-8 sequence")
            << QByteArray("@topic a\n@title A\nok \xE2\x82\nmore\n") << 3 << "not valid UTF-8";
        QTest::newRow("last line cut inside a UTF-8 sequence")
            << QByteArray("@topic a\n@title A\nok \xF0\x9F\x8E") << 3 << "not valid UTF-8";
        QTest::newRow("encoded surrogate")
            << QByteArray("@topic a\n@title A\n\xED\xA0\x80\n") << 3 << "not valid UTF-8";
        QTest::newRow("line too long")
            << QByteArray("@topic a\n@title A\n" + QByteArray(4001, 'x') + "\n") << 3
            << "longer than 4000 characters";
        QTest::newRow("line of 300 KB")
            << QByteArray("@topic a\n@title A\n" + QByteArray(300 * 1024, 'x')) << 3
            << "longer than 4000 characters";
        QTest::newRow("one @keywords line of 100,000 keywords")
            << QByteArray("@topic a\n@title A\n@keywords " + numbered("k%1; ", 100'000) + "\nx\n")
            << 3 << "longer than 4000 characters";
        QTest::newRow("too many body lines")
            << QByteArray("@topic a\n@title A\n\n" + QByteArray("x\n").repeated(1001)) << 1004
            << "more than 1000 lines of text";
        QTest::newRow("too much body text")
            << QByteArray("@topic a\n@title A\n" + QByteArray(4000, 'x').append('\n').repeated(9))
            << 5 << "more than 10000 characters of text";
        QTest::newRow("too many keywords in a topic")
            << QByteArray("@topic a\n@title A\n" + numbered("@keywords k%1\n", 100) +
                          "@keywords k100; k0\nx\n")
            << 103 << "topic \"a\" lists more than 100 keywords";
        QTest::newRow("keyword of too many topics")
            << numbered("@topic t%1\n@title T\n@keywords Dice\nx\n", 101) << 403
            << "keyword \"Dice\" is listed by more than 100 topics";
    }

    void reportsErrorsWithLineNumbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, message);

        const HelpFile file = Help::parseHelpText(text, "bad.hlp");
        const QList<HelpDiagnostic> errors = ofSeverity(file, Severity::Error);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors[0].line, line);
        QVERIFY2(errors[0].message.contains(message), qPrintable(errors[0].message));
        QVERIFY(file.hasErrors());
        QVERIFY(file.topics.isEmpty());
    }

    void reportsWarningsButKeepsTopics_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");

        QTest::newRow("link to unknown topic")
            << QByteArray("@topic a\n@title A\n\nfine [x](topic:a)\nsee [y](topic:b).\n") << 5
            << "unknown topic \"b\"";
        QTest::newRow("link that is not a topic or web address")
            << QByteArray("@topic a\n@title A\nsee [y](other.html)\n") << 3
            << "neither a topic: link";
        QTest::newRow("topic without text")
            << QByteArray("@topic a\n@title A\n\n@topic b\n@title B\nx\n") << 1
            << "topic \"a\" has no text";
    }

    void reportsWarningsButKeepsTopics()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, message);

        const HelpFile file = Help::parseHelpText(text, "w.hlp");
        QVERIFY(!file.hasErrors());
        QVERIFY(!file.topics.isEmpty());
        QCOMPARE(file.diagnostics.size(), 1);
        QCOMPARE(file.diagnostics[0].severity, Severity::Warning);
        QCOMPARE(file.diagnostics[0].line, line);
        QVERIFY2(file.diagnostics[0].message.contains(message),
                 qPrintable(file.diagnostics[0].message));
    }

    void blankLinesEndingATopicDoNotCountAgainstItsLimits()
    {
        const QByteArray text = "@topic a\n@title A\n" + QByteArray("x\n").repeated(1000) +
                                QByteArray("  \n").repeated(50) + "@topic b\n@title B\ny\n";
        const HelpFile file = Help::parseHelpText(text, "a.hlp");
        QVERIFY(file.diagnostics.isEmpty());
        QCOMPARE(file.topics[0].body.size(), 1999);
    }

    void warningsNameTheirLineWhateverWasDroppedBefore_data()
    {
        QTest::addColumn<QByteArray>("dropped");

        QTest::newRow("misspelt directive") << QByteArray("@tilte B");
        QTest::newRow("invalid UTF-8") << QByteArray("bad \xC3\x28 byte");
        QTest::newRow("line too long") << QByteArray(5000, 'x');
        QTest::newRow("nothing dropped") << QByteArray("fine text");
    }

    void warningsNameTheirLineWhateverWasDroppedBefore()
    {
        QFETCH(QByteArray, dropped);

        const QByteArray text =
            "@topic a\n@title A\n\nfirst\n" + dropped + "\n\nsee [y](topic:b)\n";
        const HelpFile file = Help::parseHelpText(text, "w.hlp");
        const QList<HelpDiagnostic> warnings = ofSeverity(file, Severity::Warning);
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(warnings[0].line, 7);
        QVERIFY(warnings[0].message.contains(QStringLiteral("unknown topic \"b\"")));
    }

    void aFileOfNothingButProblemsListsTheFirstAndCountsTheRest()
    {
        // 5,000 errors on lines 4 to 5003, then two warnings on every third line from 5006.
        const QByteArray text =
            "@topic a\n@title A\nx\n" + QByteArray("@\n").repeated(5000) +
            numbered("@topic t%1\n@title T\n[y](topic:gone) [z](topic:gone)\n", 750);
        const HelpFile file = Help::parseHelpText(text, "m.hlp");
        QCOMPARE(ofSeverity(file, Severity::Error).size(), 1001);
        QCOMPARE(ofSeverity(file, Severity::Warning).size(), 1000);
        QCOMPARE(file.diagnostics[0].line, 0);
        QVERIFY2(file.diagnostics[0].message.startsWith(QStringLiteral("4500 more problems")),
                 qPrintable(file.diagnostics[0].message));
        // The listed ones are the first by line.
        QCOMPARE(file.diagnostics[1].line, 4);
        QCOMPARE(ofSeverity(file, Severity::Error).constLast().line, 1003);
        QCOMPARE(ofSeverity(file, Severity::Warning).constFirst().line, 5006);
        QCOMPARE(ofSeverity(file, Severity::Warning).constLast().line, 5006 + 3 * 499);
    }

    void linkTargetsAreFoundAsMarkdownWritesThem_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("targets");

        QTest::newRow("none") << "no links [here] (at all)" << QStringList{};
        QTest::newRow("plain") << "[a](topic:x) and [b](https://e.org \"t\")"
                               << QStringList{"topic:x", "https://e.org"};
        QTest::newRow("angle brackets") << "[a](<topic:y>)" << QStringList{"topic:y"};
        QTest::newRow("blanks before")
            << "[a](  \t mailto:m@e.org)" << QStringList{"mailto:m@e.org"};
        QTest::newRow("empty") << "[a]() [b]( )" << QStringList{};
        QTest::newRow("lone angle bracket") << "[a](<)" << QStringList{"<"};
        QTest::newRow("image") << "![pic](file.png)" << QStringList{"file.png"};
    }

    void linkTargetsAreFoundAsMarkdownWritesThem()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, targets);
        QCOMPARE(Help::linkTargets(line), targets);
    }

    void everyProblemIsReportedInLineOrder()
    {
        const QByteArray text = "@topic a\n@bogus\n@topic a\n@title B\nx\n";
        const HelpFile file = Help::parseHelpText(text, "m.hlp");
        QList<int> lines;
        for (const HelpDiagnostic& d : file.diagnostics)
            lines.append(d.line);
        // "a" has no title (line 1), @bogus (2), the second "a" (3).
        QCOMPARE(lines, QList<int>({1, 1, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(HelpFileParserTest)
#include "HelpFileParserTest.moc"
