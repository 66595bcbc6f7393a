// SPDX-License-Identifier: MIT
// Every window at the scale the run is given (QT_SCALE_FACTOR): text boxes
// keep their four borders, captions their whole text and option buttons
// their whole circle.
#include <ui/info/frmAbout.h>
#include <ui/info/frmReadMe.h>

#include "MainWindowFixture.h"
#include "WindowChecks.h"

class ScaleTest : public QObject
{
    Q_OBJECT

    MainWindowFixture m_main;

private slots:
    void init() { QVERIFY(m_main.start()); }
    void cleanup() { m_main.stop(); }

    void mainWindow_data()
    {
        QTest::addColumn<int>("dieType");
        QTest::addColumn<QString>("numDice");
        QTest::newRow("short results") << 4 << QStringLiteral("3");
        QTest::newRow("long results, custom die") << 11 << QStringLiteral("40");
    }

    void mainWindow()
    {
        QFETCH(int, dieType);
        QFETCH(QString, numDice);
        QTest::mouseClick(
            m_main.find<QRadioButton>(qPrintable(QStringLiteral("optDieType_%1").arg(dieType))),
            Qt::LeftButton);
        if (dieType == 11) {
            m_main.edit("txtCustomDieLow")->setText(QStringLiteral("1"));
            m_main.edit("txtCustomDieHigh")->setText(QStringLiteral("1000"));
        }
        m_main.edit("txtNumDice")->setText(numDice);
        QTest::mouseClick(m_main.find<QPushButton>("cmdRoll"), Qt::LeftButton);
        QVERIFY(m_main.boxes.isEmpty());
        QCOMPARE(WindowChecks::missingBorders(m_main.window), QStringList());
        QCOMPARE(WindowChecks::clippedCaptions(m_main.window).join(QLatin1Char(' ')), QString());
        QCOMPARE(WindowChecks::cutIndicators(m_main.window), QStringList());
    }

    void infoWindows()
    {
        frmAbout about(m_main.window);
        about.Form_Load();
        about.show();
        QCOMPARE(WindowChecks::clippedCaptions(&about).join(QLatin1Char(' ')), QString());
        frmReadMe readMe(m_main.window);
        readMe.Form_Load();
        readMe.show();
        QCOMPARE(WindowChecks::missingBorders(&readMe), QStringList());
        QCOMPARE(WindowChecks::clippedCaptions(&readMe).join(QLatin1Char(' ')), QString());
    }
};

QTEST_MAIN(ScaleTest)
#include "ScaleTest.moc"
