// SPDX-License-Identifier: MIT
// The runtime rules as the main window relies on them: handlers raised from
// code, failures escaping a handler, and ending the program.
#include "MainWindowFixture.h"

#include <stdexcept>

class PlatformTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

private slots:
    void cleanup()
    {
        if (f.window)
            f.stop();
    }

    void selectingTheSelectedEntryFromCodeRunsItsClickHandler()
    {
        QVERIFY(f.start());
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        QVERIFY(!f.resultsEmpty());
        QCOMPARE(f.list("cmbRollModifier")->currentIndex(), 15);
        // Percentile selects entry 15, already selected: the Click handler
        // still runs and empties the results.
        f.chooseDieType(10);
        QVERIFY(f.resultsEmpty());
    }

    void selectingFromCodeRestoresATypedText()
    {
        QVERIFY(f.start());
        f.typeInto(f.list("cmbRollModifier"), QStringLiteral("250"));
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("250"));
        f.chooseDieType(10);
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("0"));
    }

    void focusFromCodeRaisesGotFocusAlsoInAnInactiveWindow()
    {
        QVERIFY(f.start());
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!f.window->isActiveWindow());

        // A refused roll moves the focus to the roll modifier, whose entry
        // empties the results even though the window is not active.
        f.list("cmbRollModifier")->setEditText(QStringLiteral("5000"));
        f.window->cmdRoll_Click();
        QCOMPARE(f.boxes.size(), 1);
        QVERIFY(f.resultsEmpty());
        QCOMPARE(f.window->focusWidget()->objectName(), QStringLiteral("cmbRollModifier"));

        // Coming back to the window is no new entry: results stay.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QCOMPARE(f.focusName(), QStringLiteral("cmbRollModifier"));
        f.edit("txtTotalResult")->setText(QStringLiteral("42"));
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QCOMPARE(f.focusName(), QStringLiteral("cmbRollModifier"));
        QCOMPARE(f.edit("txtTotalResult")->text(), QStringLiteral("42"));
    }

    void clearingADieTypeFromCodeRunsNoHandler()
    {
        QVERIFY(f.start());
        f.chooseDieType(10);
        QVERIFY(!f.list("cmbRollModifier")->isEnabled());
        f.button("cmdClear")->click();
        for (int i = 0; i < 12; ++i)
            QVERIFY(!f.dieType(i)->isChecked());
        // No die-type handler ran: the roll modifier is still locked.
        QVERIFY(!f.list("cmbRollModifier")->isEnabled());
        QCOMPARE(f.window->Sides(), 0);
    }

    void aFailureEscapingAHandlerIsShownAndEndsTheProgram()
    {
        QVERIFY(f.start());
        int later = 0;
        Program::runHandler([] { throw std::runtime_error("disk on fire"); });
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].title, QStringLiteral("Rollwright"));
        QVERIFY(f.boxes[0].text.contains(QStringLiteral("disk on fire")));
        QCOMPARE(f.boxes[0].style, int(MessageBox::Critical));
        QCOMPARE(f.quitStatus, 1);
        QVERIFY(Program::isEnding());
        Program::runHandler([&] { ++later; });
        QCOMPARE(later, 0);
    }

    void exitEndsAtOnceAndNoHandlerRunsAfterIt()
    {
        QVERIFY(f.start());
        f.chooseDieType(4);
        f.button("cmdExit")->click();
        QCOMPARE(f.quitStatus, 0);
        QVERIFY(f.boxes.isEmpty());
        f.button("cmdRoll")->click();
        QVERIFY(f.resultsEmpty());
    }

    void exitFromTheMenuEndsTheSameWay()
    {
        QVERIFY(f.start());
        f.find<QAction>("mnuActionExit")->trigger();
        QCOMPARE(f.quitStatus, 0);
    }

    void theRealQuitClosesTheWindows()
    {
        QVERIFY(f.start());
        // Without a hook of the test's, the real ending closes every window.
        Program::setHost({});
        f.button("cmdExit")->click();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
