// SPDX-License-Identifier: MIT
// The start state the window opens in, and Clear Results bringing it back.
#include <forms/Twips.h>

#include "MainWindowFixture.h"

#include <QMenu>
#include <QMenuBar>

// An access key arrives queued, within a few turns of the event loop; a row
// that fails waits no longer than this for it. Menus open and run their
// commands at once.
constexpr int QueuedMs = 1000;

class ResetTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    void verifyStartSettings()
    {
        for (int i = 0; i < 12; ++i)
            QVERIFY(!f.dieType(i)->isChecked());
        QCOMPARE(f.window->Sides(), 0);
        QCOMPARE(f.edit("txtNumDice")->text(), QStringLiteral("1"));
        QCOMPARE(f.edit("txtCustomDieLow")->text(), QStringLiteral("0"));
        QCOMPARE(f.edit("txtCustomDieHigh")->text(), QStringLiteral("0"));
        QVERIFY(f.find("fraCustom")->isHidden());
        QVERIFY(f.find("fraModified")->isHidden());
        QCOMPARE(Twips::left(f.find("fraActual")), 1920);
        QCOMPARE(Twips::left(f.find("fraModified")), 1920);
        QVERIFY(f.resultsEmpty());
        QVERIFY(!f.find("txtIndivRolls")->isHidden());
        QVERIFY(!f.find("txtModRolls")->isHidden());
        QVERIFY(f.find("txtIndivRollsMulti")->isHidden());
        QVERIFY(f.find("txtModRollsMulti")->isHidden());
        QCOMPARE(f.list("cmbRollModifier")->currentIndex(), 15);
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("0"));
        QCOMPARE(f.list("cmbDieModifier")->currentIndex(), 10);
        QCOMPARE(f.list("cmbDieModifier")->currentText(), QStringLiteral("0"));
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
        QCOMPARE(f.edit("txtNumDice")->selectedText(), QStringLiteral("1"));
    }

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup()
    {
        // A row that failed with a menu open does not leave it to the next.
        for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        f.stop();
    }

    void opensInTheStartState()
    {
        verifyStartSettings();
        QVERIFY(f.list("cmbRollModifier")->isEnabled());
        QCOMPARE(f.list("cmbRollModifier")->count(), 26);
        QCOMPARE(f.list("cmbDieModifier")->count(), 21);
    }

    void opensCentredOnTheScreen()
    {
        const QSize screen = Program::screenSizeTwips();
        const float top = (float(screen.height()) - float(Twips::outerHeight(f.window))) / 2.0f;
        const float left = (float(screen.width()) - float(Twips::outerWidth(f.window))) / 2.0f;
        QCOMPARE(f.window->frameGeometry().topLeft(),
                 QPoint(Twips::toPixels(left), Twips::toPixels(top)));
    }

    void aScreenSmallerThanTheWindowGivesANegativePosition()
    {
        Program::Host smallScreen = Program::host();
        smallScreen.screenSizeTwips = QSize(3000, 1500);
        Program::setHost(smallScreen);
        ScriptedSource source({0.0f});
        frmDice window(source);
        window.Form_Load();
        QVERIFY(window.pos().x() < 0);
        QVERIFY(window.pos().y() < 0);
        QCOMPARE(window.pos().x(),
                 Twips::toPixels((3000.0f - float(Twips::outerWidth(&window))) / 2.0f));
    }

    void clearResultsAfterRolls_data()
    {
        QTest::addColumn<int>("dieType");
        QTest::addColumn<QString>("numDice");
        QTest::addColumn<int>("dieModifierIndex");
        QTest::newRow("custom") << 11 << "4" << 10;
        QTest::newRow("long, scrolling boxes") << 4 << "200" << 0;
        QTest::newRow("with +3 chosen") << 7 << "2" << 7;
        QTest::newRow("percentile") << 10 << "3" << 10;
    }
    void clearResultsAfterRolls()
    {
        QFETCH(int, dieType);
        QFETCH(QString, numDice);
        QFETCH(int, dieModifierIndex);
        f.chooseDieType(dieType);
        f.edit("txtCustomDieLow")->setText(QStringLiteral("3"));
        f.edit("txtCustomDieHigh")->setText(QStringLiteral("9"));
        f.edit("txtNumDice")->setText(numDice);
        f.list("cmbDieModifier")->setCurrentIndex(dieModifierIndex);
        f.window->cmbDieModifier_Click();
        f.button("cmdRoll")->click();
        QVERIFY(f.boxes.isEmpty());
        QVERIFY(!f.box("txtIndivRolls")->toPlainText().isEmpty());
        const QPoint position = f.window->pos();

        QTest::keyClick(f.button("cmdClear"), Qt::Key_Space);
        verifyStartSettings();
        QCOMPARE(f.window->pos(), position);
        // The roll modifier keeps the lock a Percentile choice gave it.
        QCOMPARE(f.list("cmbRollModifier")->isEnabled(), dieType != 10);
        QCOMPARE(f.find("lblRollModifier")->isEnabled(), dieType != 10);

        f.button("cmdRoll")->click();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, QStringLiteral("You must select a Die Type."));
    }

    void clearResultsRestoresTypedModifiers()
    {
        f.typeInto(f.list("cmbDieModifier"), QStringLiteral("-7"));
        f.typeInto(f.list("cmbRollModifier"), QStringLiteral("300"));
        QVERIFY(!f.find("fraModified")->isHidden());
        f.window->cmdClear_Click();
        verifyStartSettings();
    }

    // However it is invoked, and wherever the focus was, the reset ends with
    // the whole number of dice selected: the next digit replaces it.
    void clearResultsEndsWithTheNumberOfDiceSelected_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        for (const char* how : {"button", "access key", "menu by keyboard", "menu by mouse"}) {
            QTest::addRow("%s, from the number of dice", how) << how << "txtNumDice";
            QTest::addRow("%s, from the die modifier", how) << how << "cmbDieModifier";
        }
    }
    void clearResultsEndsWithTheNumberOfDiceSelected()
    {
        QFETCH(QString, how);
        QFETCH(QString, focus);
        f.chooseDieType(4);
        QWidget* start = f.find(focus.toLatin1().constData());
        start->setFocus(Qt::TabFocusReason);
        if (focus == QLatin1String("txtNumDice"))
            f.edit("txtNumDice")->setCursorPosition(1); // the caret after "1"
        if (how == QLatin1String("button")) {
            QTest::mouseClick(f.button("cmdClear"), Qt::LeftButton);
        } else if (how == QLatin1String("access key")) {
            QTest::keyClick(start, Qt::Key_C, Qt::AltModifier);
            QVERIFY(QTest::qWaitFor([this] { return f.window->Sides() == 0; }, QueuedMs));
        } else if (how == QLatin1String("menu by keyboard")) {
            QTest::keyClick(start, Qt::Key_A, Qt::AltModifier);
            QVERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        } else {
            QMenuBar* bar = f.window->menuBar();
            auto* menu = f.find<QMenu>("mnuAction");
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(menu->menuAction()).center());
            QVERIFY(QApplication::activePopupWidget());
            QTest::mouseClick(
                menu, Qt::LeftButton, {},
                menu->actionGeometry(f.find<QAction>("mnuActionClearResults")).center());
        }
        QCOMPARE(f.window->Sides(), 0);
        QVERIFY(!QApplication::activePopupWidget());
        verifyStartSettings();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(f.edit("txtNumDice")->text(), QStringLiteral("7"));
    }

    void aTabAfterClearResultsEntersTheGroupAtItsFirstButton()
    {
        f.chooseDieType(9);
        f.window->cmdClear_Click();
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_Tab);
        QCOMPARE(f.focusName(), QStringLiteral("optDieType_0"));
    }
};

QTEST_MAIN(ResetTest)
#include "ResetTest.moc"
