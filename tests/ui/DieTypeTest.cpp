// SPDX-License-Identifier: MIT
// Choosing a die type: its sides, the Custom frame, the result frames' place,
// the roll modifier's lock for Percentile, and the buttons seen on every theme.
#include <forms/Twips.h>

#include "MainWindowFixture.h"
#include "WindowChecks.h"

#include <QScopeGuard>

#include <support/PaintedContrast.h>

class DieTypeTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup() { f.stop(); }

    void stateOfEachDieType_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("sides");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<bool>("rollModifierEnabled");
        const int sides[] = {2, 3, 4, 5, 6, 8, 10, 12, 20, 30, 100, 999};
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%d sides", sides[i]) << i << sides[i] << (i == 11) << (i != 10);
    }
    void stateOfEachDieType()
    {
        QFETCH(int, index);
        QFETCH(int, sides);
        QFETCH(bool, custom);
        QFETCH(bool, rollModifierEnabled);
        // From every other state, so each transition is covered.
        for (int from : {0, 10, 11}) {
            f.chooseDieType(from);
            f.chooseDieType(index);
            QCOMPARE(f.window->Sides(), sides);
            QCOMPARE(f.find("fraCustom")->isVisible(), custom);
            QCOMPARE(Twips::left(f.find("fraActual")), custom ? 3420 : 1920);
            QCOMPARE(Twips::left(f.find("fraModified")), custom ? 3420 : 1920);
            QCOMPARE(f.list("cmbRollModifier")->isEnabled(), rollModifierEnabled);
            QCOMPARE(f.find("lblRollModifier")->isEnabled(), rollModifierEnabled);
            for (int other = 0; other < 12; ++other)
                QCOMPARE(f.dieType(other)->isChecked(), other == index);
        }
    }

    void percentileResetsTheRollModifierAndEmptiesTheResults()
    {
        f.chooseDieType(4);
        f.list("cmbRollModifier")->setCurrentIndex(10); // "+5"
        f.button("cmdRoll")->click();
        QVERIFY(!f.resultsEmpty());
        f.chooseDieType(10);
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("0"));
        QVERIFY(f.resultsEmpty());

        f.button("cmdRoll")->click();
        QVERIFY(!f.box("txtIndivRolls")->toPlainText().isEmpty());
        f.chooseDieType(4); // enabled again, still "0", results left alone
        QVERIFY(f.list("cmbRollModifier")->isEnabled());
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("0"));
        QVERIFY(!f.box("txtIndivRolls")->toPlainText().isEmpty());
    }

    void customLimitsSurviveOtherDieTypes()
    {
        f.chooseDieType(11);
        f.edit("txtCustomDieLow")->setText(QStringLiteral("7"));
        f.edit("txtCustomDieHigh")->setText(QStringLiteral("70"));
        f.chooseDieType(4);
        QVERIFY(!f.find("fraCustom")->isVisible());
        f.chooseDieType(11);
        QCOMPARE(f.edit("txtCustomDieLow")->text(), QStringLiteral("7"));
        QCOMPARE(f.edit("txtCustomDieHigh")->text(), QStringLiteral("70"));
    }

    void choosingADieTypeMovesNoFocusAndKeepsResults()
    {
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        const QStringList results = f.results();
        f.window->SelectDieType(7);
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
        QCOMPARE(f.results(), results);
        QCOMPARE(f.window->Sides(), 12);
    }

    void anIndexOutsideTheRangeKeepsTheSides()
    {
        f.chooseDieType(4);
        f.window->SelectDieType(12);
        QCOMPARE(f.window->Sides(), 6);
        f.window->SelectDieType(-1);
        QCOMPARE(f.window->Sides(), 6);
    }

    // Each button's circle stands out 3:1 from the group around it, chosen
    // or not, on a light theme and on a dark one (Adwaita's dark colours).
    void eachCircleStandsOutOnTheTheme_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x31, 0x31, 0x31));
        dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xee, 0xee, 0xec));
        QTest::newRow("dark") << dark;
    }
    void eachCircleStandsOutOnTheTheme()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(palette);
        f.chooseDieType(4);
        const QImage shot = f.window->grab().toImage();
        QStringList faint;
        for (const auto& [option, area] : WindowChecks::indicators(f.window, shot)) {
            // The circle's top, where the rim runs and a chosen button's dot
            // does not reach; the group's colour just above the button.
            const QRect rim(area.topLeft(), QSize(area.width(), int(4 * shot.devicePixelRatio())));
            const double contrast =
                strongestContrast(shot, rim, shot.pixelColor(rim.left(), rim.top() - 2));
            if (contrast < 3.0)
                faint
                    << QStringLiteral("%1 %2:1").arg(option->objectName()).arg(contrast, 0, 'f', 1);
        }
        QCOMPARE(faint, QStringList());
    }
};

QTEST_MAIN(DieTypeTest)
#include "DieTypeTest.moc"
