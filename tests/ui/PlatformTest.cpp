// The runtime rules the windows rely on: character codes of keys, handlers
// raised from code, failures escaping a handler, and ending the program.
#include "FormEvents.h"
#include "KeyAscii.h"
#include "MainWindowFixture.h"
#include "Twips.h"

#include <QKeyEvent>

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

    void keyAscii_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << int('7');
        QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << int('a');
        QTest::newRow("minus") << int(Qt::Key_Minus) << none << "-" << int('-');
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("ctrl backspace") << int(Qt::Key_Backspace) << ctrl << "" << 127;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("ctrl enter") << int(Qt::Key_Return) << ctrl << "" << 10;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("ctrl v without text") << int(Qt::Key_V) << ctrl << "" << 22;
        QTest::newRow("ctrl c with text") << int(Qt::Key_C) << ctrl << "\x03" << 3;
        QTest::newRow("ctrl z") << int(Qt::Key_Z) << ctrl << "" << 26;
        QTest::newRow("ctrl shift z") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier) << "" << 26;
        QTest::newRow("alt letter") << int(Qt::Key_R) << int(Qt::AltModifier) << "r" << 0;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << 0;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "" << 0;
        QTest::newRow("left") << int(Qt::Key_Left) << none << "" << 0;
        QTest::newRow("euro sign") << int(Qt::Key_unknown) << none << QString(QChar(0x20AC)) << 0x20AC;
    }
    void keyAscii()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(keyAsciiOf(event), expected);
    }

    void twipsRoundToWholePixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("exact") << 1920.0 << 128;
        QTest::newRow("below half") << 22.0 << 1;
        QTest::newRow("half") << 7.5 << 1;
        QTest::newRow("negative") << -3022.5 << -202;
        QTest::newRow("zero") << 0.0 << 0;
    }
    void twipsRoundToWholePixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips), pixels);
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
        Program::setQuitHook({});
        f.button("cmdExit")->click();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
