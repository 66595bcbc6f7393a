// SPDX-License-Identifier: MIT
// When GotFocus and Click run, and what Enter and Escape press.
#include "FormTesting.h"
#include "TestForm.h"

using namespace FormTesting;

class FocusTest : public QObject
{
    Q_OBJECT

    TestForm* form = nullptr;

    int count(const QString& entry) const { return static_cast<int>(form->log.count(entry)); }

    // "12" in the field with the caret between the digits, entered already.
    void caretInsideTheField()
    {
        form->txtDigits->setFocus(Qt::TabFocusReason);
        form->txtDigits->setText(QStringLiteral("12"));
        form->txtDigits->setCursorPosition(1);
        form->log.clear();
    }

private slots:
    void init()
    {
        form = new TestForm;
        QVERIFY(form->showActive());
    }
    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    void enteringRunsGotFocusOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("tab") << "tab";
        QTest::newRow("backtab") << "backtab";
        QTest::newRow("mouse") << "mouse";
        QTest::newRow("code") << "code";
    }
    void enteringRunsGotFocusOnce()
    {
        QFETCH(QString, how);
        form->cmbList->setFocus(Qt::TabFocusReason);
        if (how == QLatin1String("backtab"))
            form->txtNoTyping->setFocus(Qt::TabFocusReason);
        form->log.clear();
        if (how == QLatin1String("tab"))
            QTest::keyClick(form->cmbList, Qt::Key_Backtab);
        else if (how == QLatin1String("backtab"))
            QTest::keyClick(form->txtNoTyping, Qt::Key_Backtab),
                QTest::keyClick(form->cmbList, Qt::Key_Backtab);
        else if (how == QLatin1String("mouse"))
            QTest::mouseClick(form->txtDigits, Qt::LeftButton);
        else
            form->events->moveFocus(form->txtDigits);
        QCOMPARE(count(QStringLiteral("GotFocus txtDigits")), 1);
        QCOMPARE(form->txtDigits->selectedText(), QStringLiteral("12"));
    }

    // Moving the focus from code ends in the control's entered state, also
    // when it has the focus already or the window is not active.
    void focusFromCodeRunsGotFocusOnce_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("another control") << "cmbList";
        QTest::newRow("the control itself") << "txtDigits";
        QTest::newRow("another window") << "window";
    }
    void focusFromCodeRunsGotFocusOnce()
    {
        QFETCH(QString, from);
        QWidget other;
        if (from == QLatin1String("window")) {
            caretInsideTheField();
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        } else {
            form->findChild<QWidget*>(from)->setFocus(Qt::TabFocusReason);
            form->txtDigits->setCursorPosition(1);
            form->log.clear();
        }
        form->events->moveFocus(form->txtDigits);
        QCOMPARE(count(QStringLiteral("GotFocus txtDigits")), 1);
        QCOMPARE(form->txtDigits->selectedText(), QStringLiteral("12"));
        QCOMPARE(form->focusWidget(), form->txtDigits);

        // Coming back to the window is no new entry.
        if (from == QLatin1String("window")) {
            form->txtDigits->setCursorPosition(1);
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            QCOMPARE(count(QStringLiteral("GotFocus txtDigits")), 1);
            QVERIFY(!form->txtDigits->hasSelectedText());
        }
    }

    void focusFromCodeOnAHiddenControlStaysPut()
    {
        form->cmbList->setFocus(Qt::TabFocusReason);
        form->txtDigits->hide();
        form->log.clear();
        form->events->moveFocus(form->txtDigits);
        QVERIFY(form->log.isEmpty());
        QCOMPARE(QApplication::focusWidget(), form->cmbList);
    }

    // A menu or a context menu hands the focus back; the caret and the
    // selection stay as they were.
    void returningFromAMenuIsNoEntry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu by keyboard, cancelled") << "keyboard";
        QTest::newRow("menu by mouse, cancelled") << "mouse";
        QTest::newRow("context menu, cancelled") << "context";
        QTest::newRow("menu bar entered with alt, left again") << "alt";
    }
    void returningFromAMenuIsNoEntry()
    {
        QFETCH(QString, how);
        caretInsideTheField();
        if (how == QLatin1String("keyboard")) {
            QTest::keyClick(form->txtDigits, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (how == QLatin1String("mouse")) {
            QMenuBar* bar = form->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(form->mnuFile->menuAction()).center());
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            // The menu bar keeps the keyboard until a second Escape.
            if (QApplication::focusWidget() == bar)
                QTest::keyClick(bar, Qt::Key_Escape);
        } else if (how == QLatin1String("context")) {
            withContextMenu(form->txtDigits, pastTheEnd(form->txtDigits),
                            [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); });
        } else {
            QTest::keyClick(form->txtDigits, Qt::Key_Alt);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::focusWidget(), form->txtDigits);
        QCOMPARE(form->txtDigits->cursorPosition(), 1);
        QVERIFY(!form->txtDigits->hasSelectedText());
        QCOMPARE(count(QStringLiteral("GotFocus txtDigits")), 0);
        QTest::keyClicks(form->txtDigits, QStringLiteral("5"));
        QCOMPARE(form->txtDigits->text(), QStringLiteral("152"));
    }

    // An access key spends its Alt: releasing Alt leaves the keyboard where
    // the access key put it, also when a screen reader's bridge hands the Alt
    // press back late, after the access key. Alt alone still reaches the
    // menu bar afterwards.
    void altThatPressedAnAccessKeyLeavesTheMenuBarAlone_data()
    {
        QTest::addColumn<QString>("altAgain");
        QTest::newRow("not handed back") << "never";
        QTest::newRow("handed back before the access key") << "before";
        QTest::newRow("handed back after the access key") << "after";
    }
    void altThatPressedAnAccessKeyLeavesTheMenuBarAlone()
    {
        QFETCH(QString, altAgain);
        caretInsideTheField();
        // As the bridge does it: the same press, posted to the control that
        // had the keyboard, not coming from the keyboard itself.
        const auto handBackAlt = [] {
            QCoreApplication::postEvent(
                QApplication::focusWidget(),
                new QKeyEvent(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier));
            QCoreApplication::processEvents();
        };
        QTest::keyPress(form->txtDigits, Qt::Key_Alt, Qt::AltModifier);
        if (altAgain == QLatin1String("before"))
            handBackAlt();
        QTest::keyPress(form->txtDigits, Qt::Key_D, Qt::AltModifier);
        if (altAgain == QLatin1String("after"))
            handBackAlt();
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_D);
        QCOMPARE(QApplication::focusWidget(), form->options[3]);
        QTRY_VERIFY(form->options[3]->isChecked());
        QVERIFY(!form->menuBar()->activeAction());

        QTest::keyClick(form->options[3], Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), form->menuBar());
    }

    // A menu item that moves the focus to the control that had it before
    // the menu opened ends with the control entered, its text selected.
    void aMenuItemMovingTheFocusBackEntersTheControl_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("keyboard") << true;
        QTest::newRow("mouse") << false;
    }
    void aMenuItemMovingTheFocusBackEntersTheControl()
    {
        QFETCH(bool, byKeyboard);
        caretInsideTheField();
        if (byKeyboard) {
            QTest::keyClick(form->txtDigits, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
        } else {
            QMenuBar* bar = form->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(form->mnuFile->menuAction()).center());
            QTRY_VERIFY(QApplication::activePopupWidget());
            QTest::mouseClick(form->mnuFile, Qt::LeftButton, {},
                              form->mnuFile->actionGeometry(form->mnuFileReset).center());
        }
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(count(QStringLiteral("GotFocus txtDigits")), 1);
        QCOMPARE(form->txtDigits->selectedText(), QStringLiteral("1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(form->txtDigits->text(), QStringLiteral("7"));
    }

    void clickSelectsAfterTheMouseIsReleased()
    {
        caretInsideTheField();
        // A second click, in a control that has the focus already.
        QTest::mouseClick(form->txtDigits, Qt::LeftButton, {},
                          QPoint(4, form->txtDigits->height() / 2));
        QCOMPARE(count(QStringLiteral("Click txtDigits")), 1);
        QCOMPARE(form->txtDigits->selectedText(), QStringLiteral("12"));
        // Only the left button clicks.
        form->txtDigits->setCursorPosition(1);
        QTest::mouseClick(form->txtDigits, Qt::RightButton);
        QCOMPARE(count(QStringLiteral("Click txtDigits")), 1);
    }

    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clicked");
        const int none = Qt::NoModifier;
        QTest::newRow("enter in a field presses the default button")
            << "txtDigits" << int(Qt::Key_Return) << none << "cmdDefault";
        QTest::newRow("keypad enter")
            << "cmbList" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "cmdDefault";
        QTest::newRow("enter on another button presses it")
            << "cmdOther" << int(Qt::Key_Return) << none << "cmdOther";
        QTest::newRow("enter in a multi-line box does nothing")
            << "txtNoTyping" << int(Qt::Key_Return) << none << "";
        QTest::newRow("enter on an option button")
            << "opt_0" << int(Qt::Key_Return) << none << "cmdDefault";
        QTest::newRow("escape presses the cancel button")
            << "txtDigits" << int(Qt::Key_Escape) << none << "cmdCancel";
        QTest::newRow("escape in a multi-line box")
            << "txtNoTyping" << int(Qt::Key_Escape) << none << "cmdCancel";
    }
    void enterAndEscape()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clicked);
        QWidget* target = form->findChild<QWidget*>(focus);
        target->setFocus(Qt::TabFocusReason);
        form->log.clear();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QStringList clicks = form->log.filter(QStringLiteral("Click cmd"));
        QCOMPARE(clicks, clicked.isEmpty() ? QStringList()
                                           : QStringList{QStringLiteral("Click ") + clicked});
    }

    void escapeWithoutACancelButtonDoesNothing()
    {
        form->events->setCancelButton(nullptr);
        form->txtDigits->setFocus(Qt::TabFocusReason);
        form->log.clear();
        QTest::keyClick(form->txtDigits, Qt::Key_Escape);
        QVERIFY(form->log.isEmpty());
        QVERIFY(form->isVisible());
    }

    // Leaving an editable list after typing an entry's text chooses nothing;
    // an arrow key chooses.
    void anEditableListIsChosenFromOnly()
    {
        form->cmbList->setFocus(Qt::TabFocusReason);
        form->cmbList->setEditText(QString());
        QTest::keyClicks(form->cmbList, QStringLiteral("-1"));
        QTest::keyClick(form->cmbList, Qt::Key_Tab);
        QCOMPARE(count(QStringLiteral("Click cmbList")), 0);
        QCOMPARE(form->cmbList->count(), 3);
        form->cmbList->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->cmbList, Qt::Key_Up);
        QCOMPARE(count(QStringLiteral("Click cmbList")), 1);
    }
};

QTEST_MAIN(FocusTest)
#include "FocusTest.moc"
