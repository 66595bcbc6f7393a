// SPDX-License-Identifier: MIT
#include <help/HelpFileParser.h>
#include <help/HelpIndex.h>

#include "HelpTestFiles.h"

#include <QTest>

class HelpIndexTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_index = Help::HelpIndex(Help::parseHelpText(sampleHelp, "s.hlp")); }

    void sortsKeywordsIgnoringCaseAndMergesSpellings()
    {
        QStringList keywords;
        for (const Help::HelpIndex::Entry& entry : m_index.entries())
            keywords.append(entry.keyword);
        QCOMPARE(keywords, QStringList({"dice", "overview", "Results", "Roll", "roll results",
                                        "rolling", "start"}));
        // "dice" and "Dice" are one entry, listing both topics in file order.
        QCOMPARE(m_index.entries()[0].topicIds, QStringList({"rolling", "results"}));
    }

    void firstMatchFindsTheFirstKeywordWithThePrefix_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("keyword"); // empty: no match

        QTest::newRow("ro") << "ro"
                            << "Roll";
        QTest::newRow("upper case") << "RO"
                                    << "Roll";
        QTest::newRow("with a blank") << "roll r"
                                      << "roll results";
        QTest::newRow("longer") << "rollI"
                                << "rolling";
        QTest::newRow("whole keyword") << "start"
                                       << "start";
        QTest::newRow("first entry") << "d"
                                     << "dice";
        QTest::newRow("empty prefix") << ""
                                      << "";
        QTest::newRow("no keyword") << "x"
                                    << "";
        QTest::newRow("longer than any keyword") << "startle"
                                                 << "";
    }

    void firstMatchFindsTheFirstKeywordWithThePrefix()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, keyword);

        const qsizetype row = m_index.firstMatch(prefix);
        QCOMPARE(row < 0 ? QString() : m_index.entries()[row].keyword, keyword);
    }

    void findNeedsTheWholeKeyword()
    {
        QCOMPARE(m_index.find(u"ROLL"), 3);
        QCOMPARE(m_index.find(u"rol"), -1);
    }

private:
    Help::HelpIndex m_index;
};

QTEST_GUILESS_MAIN(HelpIndexTest)
#include "HelpIndexTest.moc"
