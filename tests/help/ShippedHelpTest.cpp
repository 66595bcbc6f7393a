// SPDX-License-Identifier: MIT
#include <dice/RollInput.h>
#include <help/HelpFileLoader.h>
#include <help/HelpFileParser.h>
#include <help/HelpIndex.h>
#include <ui/info/frmReadMe.h>
#include <ui/main/frmDice.h>

#include <QTest>

// The help file that ships beside the programs.
class ShippedHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_file = Help::loadHelpFile(ROLLWRIGHT_HELP_FILE); }

    void parsesWithoutProblemsAndEveryLinkResolves()
    {
        QStringList problems;
        for (const Help::HelpDiagnostic& d : m_file.diagnostics)
            problems.append(QString::fromUtf8(Help::formatDiagnostic(m_file.path, d)));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(m_file.topics.size() > 20);
    }

    void explainsEveryMessageOfTheProgram_data()
    {
        QTest::addColumn<QString>("message");

        // Each refusal of a roll, the missing help file and the missing read-me.
        for (const char* refusal : Dice::Refusals::All)
            QTest::newRow(refusal) << QString::fromUtf8(refusal);
        for (const QString& message : {frmDice::HelpMissingText, frmReadMe::NotFoundText.trimmed()})
            QTest::newRow(qPrintable(message)) << message;
    }

    void explainsEveryMessageOfTheProgram()
    {
        QFETCH(QString, message);
        // Each message has a topic of its own, titled with the message.
        const auto it = std::find_if(m_file.topics.begin(), m_file.topics.end(),
                                     [&](const Help::HelpTopic& t) { return t.title == message; });
        QVERIFY(it != m_file.topics.end());
        QVERIFY(it->body.contains(message));
        QVERIFY(it->body.contains(QStringLiteral("What to do")) ||
                it->body.contains(QStringLiteral("What it means")));
    }

    void indexFindsEveryFieldCommandAndWindow_data()
    {
        QTest::addColumn<QString>("keyword");

        for (const char* keyword :
             {"Die Type",      "Number of Dice", "Lower Limit",        "Upper Limit",
              "Roll Modifier", "Die Modifier",   "Actual Die Rolls",   "Modified Die Rolls",
              "Total Result",  "Roll Dice",      "Clear Results",      "About",
              "Exit",          "Help Contents",  "Search for Help On", "About Rollwright",
              "Action menu",   "Help menu",      "Read Me First",      "Percentile",
              "Custom Die",    "keyboard",       "access keys",        "fairness",
              "never below 1", "messages"})
            QTest::newRow(keyword) << QString::fromUtf8(keyword);
    }

    void indexFindsEveryFieldCommandAndWindow()
    {
        QFETCH(QString, keyword);
        QVERIFY(Help::HelpIndex(m_file).find(keyword) >= 0);
    }

private:
    Help::HelpFile m_file;
};

QTEST_GUILESS_MAIN(ShippedHelpTest)
#include "ShippedHelpTest.moc"
