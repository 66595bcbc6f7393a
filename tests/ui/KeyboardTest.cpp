// SPDX-License-Identifier: MIT
// Tab order, access keys, Enter and Escape in the main window.
#include "MainWindowFixture.h"

#include <QMenu>
#include <QMenuBar>

class KeyboardTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    QStringList tabCycle(Qt::Key key, int steps)
    {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            names << f.focusName();
        }
        return names;
    }

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup() { f.stop(); }

    void startsInNumberOfDiceWithItsTextSelected()
    {
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
        QCOMPARE(f.edit("txtNumDice")->selectedText(), QStringLiteral("1"));
    }

    void tabOrderSkipsTheHiddenCustomFrame()
    {
        const QStringList expected{
            "optDieType_0", "cmbRollModifier", "cmbDieModifier", "cmdRoll",       "cmdClear",
            "cmdAbout",     "cmdExit",         "txtTotalResult", "txtIndivRolls", "txtNumDice"};
        QCOMPARE(tabCycle(Qt::Key_Tab, static_cast<int>(expected.size())), expected);
    }

    void tabOrderWithCustomAndLongResults()
    {
        f.chooseDieType(11);
        f.find("txtIndivRollsMulti")->show();
        f.find("fraModified")->show();
        f.find("txtModRollsMulti")->show();
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
        const QStringList expected{"optDieType_11",   "txtCustomDieLow",  "txtCustomDieHigh",
                                   "cmbRollModifier", "cmbDieModifier",   "cmdRoll",
                                   "cmdClear",        "cmdAbout",         "cmdExit",
                                   "txtTotalResult",  "txtIndivRolls",    "txtIndivRollsMulti",
                                   "txtModRolls",     "txtModRollsMulti", "txtNumDice"};
        QCOMPARE(tabCycle(Qt::Key_Tab, static_cast<int>(expected.size())), expected);
    }

    void backtabRunsTheOtherWay()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
        const QStringList expected{
            "txtIndivRolls", "txtTotalResult", "cmdExit",         "cmdAbout",     "cmdClear",
            "cmdRoll",       "cmbDieModifier", "cmbRollModifier", "optDieType_4", "txtNumDice"};
        QCOMPARE(tabCycle(Qt::Key_Backtab, static_cast<int>(expected.size())), expected);
    }

    // The arrow keys choose the previous or next die type in the list's
    // order, round from the last to the first, as a click would.
    void arrowKeysMoveTheChoiceWithinTheGroup_data()
    {
        QTest::addColumn<int>("chosen"); // -1: none, as at start
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("6-sided, down") << 4 << int(Qt::Key_Down) << 5;
        QTest::newRow("6-sided, left") << 4 << int(Qt::Key_Left) << 3;
        QTest::newRow("12-sided, right") << 7 << int(Qt::Key_Right) << 8;
        QTest::newRow("12-sided, up") << 7 << int(Qt::Key_Up) << 6;
        QTest::newRow("custom, down wraps") << 11 << int(Qt::Key_Down) << 0;
        QTest::newRow("2-sided, up wraps") << 0 << int(Qt::Key_Up) << 11;
        QTest::newRow("none chosen, down") << -1 << int(Qt::Key_Down) << 1;
        QTest::newRow("none chosen, right") << -1 << int(Qt::Key_Right) << 1;
    }
    void arrowKeysMoveTheChoiceWithinTheGroup()
    {
        QFETCH(int, chosen);
        QFETCH(int, key);
        QFETCH(int, expected);
        if (chosen >= 0)
            f.chooseDieType(chosen);
        // Tab enters the group at the chosen button, or the first.
        f.edit("txtNumDice")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_Tab);
        QCOMPARE(f.focusName(), QStringLiteral("optDieType_%1").arg(qMax(chosen, 0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(f.dieType(expected)->isChecked());
        QCOMPARE(f.focusName(), QStringLiteral("optDieType_%1").arg(expected));
        QCOMPARE(f.window->Sides(), Dice::sidesOfDieType(expected));
        // The choice ran the die-type handler: Custom shows its frame.
        QCOMPARE(f.find("fraCustom")->isHidden(), expected != 11);
    }

    void anArrowKeyChoiceRolls()
    {
        f.button("cmdClear")->click();
        f.edit("txtNumDice")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1"));
    }

    // Inside a menu, Enter chooses the highlighted item and Escape closes it.
    void menusKeepTheirEnterAndEscape()
    {
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        f.edit("txtNumDice")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QWidget* menu = QApplication::activePopupWidget();
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(f.window->menuBar(), Qt::Key_Escape);
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
        QVERIFY(!f.resultsEmpty());

        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        menu = QApplication::activePopupWidget();
        QTest::keyClick(menu, Qt::Key_Down); // from Roll Dice to Clear Results
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_COMPARE(f.window->Sides(), 0);
        QVERIFY(f.resultsEmpty());
    }

    void dieTypeAccessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("index");
        const int keys[] = {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_8,
                            Qt::Key_0, Qt::Key_1, Qt::Key_S, Qt::Key_D, Qt::Key_P, Qt::Key_T};
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%d", i) << keys[i] << i;
    }
    void dieTypeAccessKeys()
    {
        QFETCH(int, key);
        QFETCH(int, index);
        QTest::keyClick(f.edit("txtNumDice"), static_cast<Qt::Key>(key), Qt::AltModifier);
        QVERIFY(f.dieType(index)->isChecked());
        QCOMPARE(f.window->Sides(), Dice::sidesOfDieType(index));
    }

    void numberOfDiceAccessKeyEntersAndSelects()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("12"));
        QTest::keyClick(f.dieType(4), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));
        QCOMPARE(f.edit("txtNumDice")->selectedText(), QStringLiteral("12"));
    }

    void limitAccessKeysOnlyWhileCustomIsShown()
    {
        f.edit("txtCustomDieLow")->setText(QStringLiteral("3"));
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(f.focusName(), QStringLiteral("txtNumDice"));

        f.chooseDieType(11);
        QTest::keyClick(f.dieType(11), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(f.focusName(), QStringLiteral("txtCustomDieLow"));
        QCOMPARE(f.edit("txtCustomDieLow")->selectedText(), QStringLiteral("3"));
        QTest::keyClick(f.edit("txtCustomDieLow"), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(f.focusName(), QStringLiteral("txtCustomDieHigh"));
    }

    void commandAccessKeys()
    {
        f.chooseDieType(4);
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_R, Qt::AltModifier);
        QVERIFY(!f.box("txtIndivRolls")->toPlainText().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(f.window->Sides(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        QCOMPARE(f.quitStatus, 0);
    }

    void altAOpensTheActionMenu()
    {
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuAction"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                          : f.window->menuBar(),
                        Qt::Key_Escape);
        QVERIFY(f.boxes.isEmpty()); // the About button was not pressed
    }

    void enterRollsFromFieldsAndOptionButtons_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("number of dice") << "txtNumDice";
        QTest::newRow("die type") << "optDieType_4";
        QTest::newRow("roll modifier") << "cmbRollModifier";
        QTest::newRow("die modifier") << "cmbDieModifier";
        QTest::newRow("total") << "txtTotalResult";
    }
    void enterRollsFromFieldsAndOptionButtons()
    {
        QFETCH(QString, control);
        f.chooseDieType(4);
        QWidget* w = f.find(control.toLatin1().constData());
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1"));
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
        QCOMPARE(f.list("cmbRollModifier")->count(), 26);
        QCOMPARE(f.list("cmbDieModifier")->count(), 21);
    }

    void enterPressesTheFocusedCommandButton()
    {
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
        QTest::keyClick(f.button("cmdClear"), Qt::Key_Return);
        QCOMPARE(f.window->Sides(), 0);
        QVERIFY(f.resultsEmpty());
        QVERIFY(f.boxes.isEmpty());
    }

    void enterInAMultiLineBoxDoesNothing()
    {
        f.chooseDieType(4);
        f.box("txtIndivRolls")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.box("txtIndivRolls"), Qt::Key_Return);
        QVERIFY(f.resultsEmpty());
        QCOMPARE(f.focusName(), QStringLiteral("txtIndivRolls"));
    }

    void escapeDoesNothing()
    {
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        const QStringList before = f.results();
        for (const char* name : {"txtNumDice", "cmdClear", "cmbDieModifier"}) {
            f.find(name)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(f.find(name), Qt::Key_Escape);
        }
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->Sides(), 6);
        QCOMPARE(f.quitStatus, -1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
