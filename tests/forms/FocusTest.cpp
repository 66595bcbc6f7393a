// SPDX-License-Identifier: MIT
// When GotFocus and Click run, and what Enter and Escape press.
#include "FormTesting.h"
#include "TestForm.h"

#include <QPointer>

#include <utility>

using namespace FormTesting;

// Holds key presses and releases back and hands them back on demand, in the
// order they came, as Qt's accessibility bridge does while a screen reader
// listens. Installed before any window, so that the program's own filters
// see each key first.
class KeyHoldingBridge : public QObject
{
public:
    bool holding = false;
    QList<std::pair<QPointer<QObject>, QKeyEvent*>> held;

    // The screen reader answers the oldest key held, if any.
    void handBack()
    {
        QCoreApplication::processEvents();
        if (!held.isEmpty()) {
            const auto [target, event] = held.takeFirst();
            QCoreApplication::postEvent(target, event);
        }
        QCoreApplication::processEvents();
    }
    // It answers every key, also those the program sends on meanwhile.
    void answerAll()
    {
        for (int answers = 0; answers < 50; ++answers) {
            QCoreApplication::processEvents();
            if (held.isEmpty())
                return;
            handBack();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!holding || !event->spontaneous() ||
            (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        held.append(
            {watched, new QKeyEvent(key->type(), key->key(), key->modifiers(), key->text())});
        return true;
    }
};

class FocusTest : public QObject
{
    Q_OBJECT

    TestForm* form = nullptr;
    KeyHoldingBridge* bridge = nullptr;

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
    void initTestCase()
    {
        bridge = new KeyHoldingBridge;
        qApp->installEventFilter(bridge);
    }
    void cleanupTestCase() { delete bridge; }
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
    // the access key put it, also while a screen reader's bridge holds keys
    // back and hands them back late, in the order they came: Alt's press
    // before its release, but perhaps after the real release. Alt alone
    // still reaches the menu bar afterwards.
    void altThatPressedAnAccessKeyLeavesTheMenuBarAlone_data()
    {
        // "alt", "d" and "-alt", "-d" press and release keys; "'" hands back
        // the oldest key the bridge holds.
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("screenReader");
        QTest::newRow("no screen reader") << QStringList{"alt", "d", "-alt", "-d"} << false;
        QTest::newRow("handed back before the access key")
            << QStringList{"alt", "'", "d", "-alt", "-d", "'", "'"} << true;
        QTest::newRow("handed back after the access key")
            << QStringList{"alt", "d", "'", "-alt", "-d", "'", "'"} << true;
        QTest::newRow("handed back after the access key's release")
            << QStringList{"alt", "d", "-d", "'", "-alt", "'", "'"} << true;
        QTest::newRow("handed back after Alt's release")
            << QStringList{"alt", "d", "-alt", "-d", "'", "'", "'"} << true;
    }
    void altThatPressedAnAccessKeyLeavesTheMenuBarAlone()
    {
        QFETCH(QStringList, keys);
        QFETCH(bool, screenReader);
        caretInsideTheField();
        // Keys as the window system delivers them; D without QTest's own
        // press of its modifier.
        QWindow* window = form->windowHandle();
        const auto send = [window](QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
            qt_handleKeyEvent(window, type, key, modifiers);
        };
        bridge->holding = screenReader;
        for (const QString& key : keys) {
            if (key == QLatin1String("alt"))
                QTest::keyPress(window, Qt::Key_Alt);
            else if (key == QLatin1String("d"))
                send(QEvent::KeyPress, Qt::Key_D, Qt::AltModifier);
            else if (key == QLatin1String("-alt"))
                QTest::keyRelease(window, Qt::Key_Alt);
            else if (key == QLatin1String("-d"))
                send(QEvent::KeyRelease, Qt::Key_D, Qt::NoModifier);
            else
                bridge->handBack();
        }
        bridge->answerAll();
        bridge->holding = false;
        QVERIFY(bridge->held.isEmpty());
        QCOMPARE(QApplication::focusWidget(), form->options[3]);
        QVERIFY(form->options[3]->isChecked());
        QVERIFY(!form->menuBar()->activeAction());

        QTest::keyClick(window, Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), form->menuBar());
    }

    // Keys typed while the bridge still holds an earlier one act in the
    // order typed: "alt+o" is a chord, "alt" a tap of Alt alone.
    void keysActInTheOrderTypedWhileAScreenReaderListens_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keyboardAt");
        QTest::newRow("keys sent back to back")
            << QStringList{"alt+o", "5", "alt+b"}
            << QStringList{"Click cmdOther", "GotFocus txtDigits", "KeyPress txtDigits 53",
                           "Option 1"}
            << "5"
            << "opt_1";
        QTest::newRow("a typed key, then an access key")
            << QStringList{"7", "alt+g"} << QStringList{"KeyPress txtDigits 55", "Click cmdDefault"}
            << "172"
            << "txtDigits";
        QTest::newRow("an instant Alt+F") << QStringList{"alt+f"} << QStringList{} << "12"
                                          << "mnuFile";
        QTest::newRow("an instant Alt tap") << QStringList{"alt"} << QStringList{} << "12"
                                            << "menu bar";
    }
    void keysActInTheOrderTypedWhileAScreenReaderListens()
    {
#ifndef ROLLWRIGHT_HAVE_QT_PRIVATE_API
        QSKIP("built without Qt's private API (ROLLWRIGHT_QT_PRIVATE_API)");
#endif
        QFETCH(QStringList, keys);
        QFETCH(QStringList, log);
        QFETCH(QString, field);
        QFETCH(QString, keyboardAt);
        connect(form->cmdOther, &QPushButton::clicked, form,
                [this] { form->events->moveFocus(form->txtDigits); });
        caretInsideTheField();
        QWindow* window = form->windowHandle();
        bridge->holding = true;
        for (const QString& key : keys) {
            if (key == QLatin1String("alt"))
                QTest::keyClick(window, Qt::Key_Alt);
            else if (key.startsWith(QLatin1String("alt+")))
                QTest::keyClick(window, key.back().toLatin1(), Qt::AltModifier);
            else
                QTest::keyClick(window, key.front().toLatin1());
        }
        // The screen reader answers once every key has been typed.
        bridge->answerAll();
        bridge->holding = false;
        QVERIFY(bridge->held.isEmpty());
        QCOMPARE(form->log, log);
        QCOMPARE(form->txtDigits->text(), field);
        QWidget* at = QApplication::activePopupWidget();
        if (!at)
            at = QApplication::focusWidget();
        QCOMPARE(qobject_cast<QMenuBar*>(at) ? QStringLiteral("menu bar") : at->objectName(),
                 keyboardAt);
    }

    // An access key's Click runs before the next key is read, also when the
    // keys come back to back, as from a fast typist or a macro tool.
    void accessKeysActBeforeTheNextKey_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("field");
        QTest::newRow("option, then Enter")
            << QStringList{"alt+b", "enter"} << QStringList{"Option 1", "Click cmdDefault"} << "12";
        QTest::newRow("the same button twice")
            << QStringList{"alt+g", "alt+g"} << QStringList{"Click cmdDefault", "Click cmdDefault"}
            << "12";
        QTest::newRow("a button that enters the field, then a digit")
            << QStringList{"alt+o", "7"}
            << QStringList{"Click cmdOther", "GotFocus txtDigits", "KeyPress txtDigits 55"} << "7";
    }
    void accessKeysActBeforeTheNextKey()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, log);
        QFETCH(QString, field);
        connect(form->cmdOther, &QPushButton::clicked, form,
                [this] { form->events->moveFocus(form->txtDigits); });
        caretInsideTheField();
        for (const QString& key : keys) {
            QWidget* target = QApplication::focusWidget();
            if (key.startsWith(QLatin1String("alt+")))
                QTest::keyClick(target, key.back().toLatin1(), Qt::AltModifier);
            else if (key == QLatin1String("enter"))
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::keyClicks(target, key);
        }
        QCOMPARE(form->log, log);
        QCOMPARE(form->txtDigits->text(), field);
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
