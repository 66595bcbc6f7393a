// SPDX-License-Identifier: MIT
// What a screen reader is told after a roll, for rolls made by the real
// engine from scripted draws.
#include <dice/RollEngine.h>
#include <ui/main/RollAnnouncement.h>

#include "RollRequestTesting.h"
#include "ScriptedSource.h"

#include <QTest>

namespace {

// "v, v, ..., v": n copies of one value, as a list reads.
QString repeated(const char* value, int n)
{
    return QStringList(n, QString::fromLatin1(value)).join(QStringLiteral(", "));
}

} // namespace

class RollAnnouncementTest : public QObject
{
    Q_OBJECT

private slots:
    void wording_data()
    {
        QTest::addColumn<int>("dieType");
        QTest::addColumn<int>("sides");
        QTest::addColumn<int>("numDice");
        QTest::addColumn<int>("high"); // custom dice run from 0 to here
        QTest::addColumn<int>("dieModifier");
        QTest::addColumn<int>("rollModifier");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<bool>("modifiedShown");
        QTest::addColumn<QString>("expected");

        const QList<float> fourSixTwo{0.5f, 0.99f, 0.2f};
        const QList<float> percentile{0.36f, 0.815f}; // 37, 82
        QTest::newRow("short") << 4 << 6 << 3 << 0 << 0 << 0 << fourSixTwo << false
                               << "Total 12. Dice: 4, 6, 2.";
        QTest::newRow("one die") << 4 << 6 << 1 << 0 << 0 << 0 << QList<float>{0.5f} << false
                                 << "Total 4. Die: 4.";
        QTest::newRow("modified shown") << 4 << 6 << 3 << 0 << 2 << 0 << fourSixTwo << true
                                        << "Total 18. Dice: 4, 6, 2. Modified dice: 6, 8, 4.";
        QTest::newRow("modified hidden")
            << 4 << 6 << 3 << 0 << 2 << 0 << fourSixTwo << false << "Total 18. Dice: 4, 6, 2.";
        QTest::newRow("one modified die") << 4 << 6 << 1 << 0 << 2 << 0 << QList<float>{0.5f}
                                          << true << "Total 6. Die: 4. Modified die: 6.";
        QTest::newRow("modifiers raise to 1")
            << 4 << 6 << 2 << 0 << -100 << -1000 << fourSixTwo << true
            << "Total 1. Dice: 4, 6. Modified dice: 1, 1.";
        QTest::newRow("percentile") << 10 << 100 << 2 << 0 << 0 << 0 << percentile << false
                                    << "Percentile dice have no total. Dice: 37, 82.";
        QTest::newRow("percentile, modified") << 10 << 100 << 2 << 0 << 3 << 0 << percentile << true
                                              << "Percentile dice have no total. Dice: 37, 82. "
                                                 "Modified dice: 40, 85.";
        QTest::newRow("no dice") << 4 << 6 << 0 << 0 << 0 << 5 << fourSixTwo << true
                                 << "Total 5. No dice were rolled.";
        QTest::newRow("no percentile dice")
            << 10 << 100 << 0 << 0 << 0 << 0 << percentile << false
            << "Percentile dice have no total. No dice were rolled.";
        QTest::newRow("16 dice fill the box")
            << 4 << 6 << 16 << 0 << 0 << 0 << QList<float>{0.0f} << false
            << "Total 16. Dice: " + repeated("1", 16) + ".";
        QTest::newRow("17 dice need the scroll bar")
            << 4 << 6 << 17 << 0 << 0 << 0 << QList<float>{0.0f} << false
            << "Total 17. 17 dice: " + repeated("1", 16) + ", and 1 more.";
        QTest::newRow("long, two digits")
            << 8 << 20 << 1000 << 0 << 0 << 0 << QList<float>{0.5f} << false
            << "Total 11000. 1000 dice: " + repeated("11", 12) + ", and 988 more.";
        QTest::newRow("long, four digits, modified")
            << 11 << 999 << 1000 << 1000 << 100 << 0 << QList<float>{0.9999f} << true
            << "Total 1100000. 1000 dice: " + repeated("1000", 8) +
                   ", and 992 more. 1000 modified dice: " + repeated("1100", 8) + ", and 992 more.";
        QTest::newRow("only the modified list long")
            << 4 << 6 << 12 << 0 << 100 << 0 << QList<float>{0.5f} << true
            << "Total 1248. Dice: " + repeated("4", 12) +
                   ". 12 modified dice: " + repeated("104", 9) + ", and 3 more.";
        QTest::newRow("long percentile")
            << 10 << 100 << 30 << 0 << 0 << 0 << QList<float>{0.36f} << false
            << "Percentile dice have no total. 30 dice: " + repeated("37", 12) + ", and 18 more.";
    }

    void wording()
    {
        QFETCH(int, dieType);
        QFETCH(int, sides);
        QFETCH(int, numDice);
        QFETCH(int, high);
        QFETCH(int, dieModifier);
        QFETCH(int, rollModifier);
        QFETCH(QList<float>, draws);
        QFETCH(bool, modifiedShown);
        QFETCH(QString, expected);
        ScriptedSource source({draws.begin(), draws.end()});
        const Dice::RollResult result = Dice::RollDice(
            makeRequest(dieType, sides, numDice, 0, high, dieModifier, rollModifier), source);
        QCOMPARE(rollAnnouncement(result, modifiedShown), expected);
    }
};

QTEST_GUILESS_MAIN(RollAnnouncementTest)
#include "RollAnnouncementTest.moc"
