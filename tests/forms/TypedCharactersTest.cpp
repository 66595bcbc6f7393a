// SPDX-License-Identifier: MIT
// Every character that reaches a control with a KeyPress handler passes it
// first, whichever way it is typed; text that is not typed (pasted, dropped)
// goes in as it is.
#include "FormTesting.h"
#include "TestForm.h"

#include <QAccessible>

using namespace FormTesting;

namespace {

// One step of typing, written "how:what".
void perform(QWidget* control, const QString& step)
{
    const QString how = step.section(QLatin1Char(':'), 0, 0);
    const QString what = step.section(QLatin1Char(':'), 1);
    auto* target = qobject_cast<QWidget*>(focusObject());
    QVERIFY(target);
    if (how == QLatin1String("keys"))
        QTest::keyClicks(target, what);
    else if (how == QLatin1String("alt"))
        QTest::keyClick(target, what.at(0).toLatin1(), Qt::AltModifier);
    else if (how == QLatin1String("ctrl"))
        QTest::keyClick(target, what.at(0).toLatin1(), Qt::ControlModifier);
    else if (how == QLatin1String("altgr"))
        QTest::keyClick(target, what.at(0).toLatin1(), Qt::ControlModifier | Qt::AltModifier);
    else if (how == QLatin1String("keypad"))
        QTest::keyClick(target, what.at(0).toLatin1(), Qt::KeypadModifier);
    else if (how == QLatin1String("text"))
        keyWithText(what);
    else if (how == QLatin1String("compose"))
        compose(what);
    else if (how == QLatin1String("commit"))
        commit(what);
    else if (how == QLatin1String("backspace"))
        QTest::keyClick(target, Qt::Key_Backspace);
    else if (how == QLatin1String("alt-backspace"))
        QTest::keyClick(target, Qt::Key_Backspace, Qt::AltModifier);
    else if (how == QLatin1String("ctrl-enter"))
        QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
    else if (how == QLatin1String("delete"))
        QTest::keyClick(target, Qt::Key_Delete);
    else
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    Q_UNUSED(control);
}

} // namespace

class TypedCharactersTest : public QObject
{
    Q_OBJECT

    TestForm* form = nullptr;

    QWidget* control(const QString& name) const { return form->findChild<QWidget*>(name); }

    // The KeyPress codes the control's handler saw.
    QList<int> keyPresses(const QString& name) const
    {
        QList<int> codes;
        const QString prefix = QStringLiteral("KeyPress %1 ").arg(name);
        for (const QString& entry : form->log)
            if (entry.startsWith(prefix))
                codes << entry.mid(prefix.size()).toInt();
        return codes;
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

    void fieldsTakeOnlyWhatTheirHandlerPasses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("field"); // "12" with the caret at its end, then the steps
        QTest::addColumn<QString>("list");  // the same in the list, which takes "-" too
        QTest::addColumn<QList<int>>("codes");

        const auto row = [](const char* tag, QStringList steps, const char* field, const char* list,
                            QList<int> codes) {
            for (const char* name : {"txtDigits", "cmbList"}) {
                QTest::addRow("%s: %s", name, tag)
                    << QString::fromLatin1(name) << steps << QString::fromUtf8(field)
                    << QString::fromUtf8(list) << codes;
            }
        };
        row("digit", {"keys:7"}, "127", "127", {'7'});
        row("letter and blank", {"keys:a ."}, "12", "12", {'a', ' ', '.'});
        row("minus", {"keys:-"}, "12", "12-", {'-'});
        row("backspace", {"backspace:"}, "1", "1", {8});
        row("ctrl h is backspace", {"ctrl:h"}, "1", "1", {8});
        row("alt backspace undoes the last edit", {"keys:7", "alt-backspace:"}, "12", "12", {'7'});
        row("alt backspace after backspace", {"backspace:", "alt-backspace:"}, "12", "12", {8});
        row("keypad digit", {"keypad:4"}, "124", "124", {'4'});
        row("alt letter is no typing", {"alt:q"}, "12", "12", {});
        row("alt plus", {"alt:+"}, "12", "12", {});
        row("alt dot and alt minus", {"alt:.", "alt:-"}, "12", "12", {});
        row("ctrl digit types nothing", {"ctrl:1"}, "12", "12", {});
        row("ctrl v is a control character", {"ctrl:v"}, "12", "12", {22});
        row("ctrl enter", {"ctrl-enter:"}, "12", "12", {10});
        row("altgr types", {"altgr:7", "altgr:@"}, "127", "127", {'7', '@'});
        row("one key, several characters", {"text:3a4"}, "1234", "1234", {'3', 'a', '4'});
        row("dead key then letter", {"compose:\xc2\xb4", "commit:\xc3\xa9"}, "12", "12", {0xE9});
        row("composed digits", {"commit:34"}, "1234", "1234", {'3', '4'});
        row("composed mix", {"commit:3\xc3\xa9-4"}, "1234", "123-4", {'3', 0xE9, '-', '4'});
        row("character beyond 16 bits", {"commit:\xf0\x9f\x8e\xb2"}, "12", "12", {0x1F3B2});
    }
    void fieldsTakeOnlyWhatTheirHandlerPasses()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, steps);
        QFETCH(QString, field);
        QFETCH(QString, list);
        QFETCH(QList<int>, codes);
        QWidget* target = control(name);
        target->setFocus(Qt::TabFocusReason);
        setText(target, QStringLiteral("12"));
        placeCaret(target, 2);
        form->log.clear();
        for (const QString& step : steps)
            perform(target, step);
        QCOMPARE(textOf(target), name == QLatin1String("cmbList") ? list : field);
        QCOMPARE(keyPresses(name), codes);
    }

    // A dropped character leaves the selection as it was; a passed one
    // replaces it, as typing over a selection does.
    void aDroppedCharacterKeepsTheSelection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        for (const char* name : {"txtDigits", "cmbList"}) {
            QTest::addRow("%s letter", name) << name << "keys:x"
                                             << "12"
                                             << "12";
            QTest::addRow("%s composed letter", name) << name << "commit:\xc3\xa9"
                                                      << "12"
                                                      << "12";
            QTest::addRow("%s composition shows nothing", name) << name << "compose:\xc2\xb4"
                                                                << "12"
                                                                << "12";
            QTest::addRow("%s alt letter", name) << name << "alt:q"
                                                 << "12"
                                                 << "12";
            QTest::addRow("%s digit", name) << name << "keys:7"
                                            << "7"
                                            << "";
            QTest::addRow("%s composed digit", name) << name << "commit:7"
                                                     << "7"
                                                     << "";
        }
    }
    void aDroppedCharacterKeepsTheSelection()
    {
        QFETCH(QString, name);
        QFETCH(QString, step);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QWidget* target = control(name);
        target->setFocus(Qt::TabFocusReason);
        setText(target, QStringLiteral("12"));
        selectAll(target);
        perform(target, step);
        QCOMPARE(textOf(target), text);
        QCOMPARE(selectedTextOf(target), selected);
    }

    void aBoxThatTakesNoTypedCharacter_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::newRow("letters, digits and blanks") << QStringList{"keys:ab 7"} << "Some text";
        QTest::newRow("backspace") << QStringList{"backspace:"} << "Some text";
        QTest::newRow("ctrl enter") << QStringList{"ctrl-enter:"} << "Some text";
        QTest::newRow("ctrl v and ctrl x") << QStringList{"ctrl:v", "ctrl:x"} << "Some text";
        QTest::newRow("alt combinations") << QStringList{"alt:q", "alt:+"} << "Some text";
        QTest::newRow("altgr") << QStringList{"altgr:@"} << "Some text";
        QTest::newRow("dead key") << QStringList{"compose:\xc2\xb4", "commit:\xc3\xa9"}
                                  << "Some text";
        QTest::newRow("input method") << QStringList{"commit:abc"} << "Some text";
        QTest::newRow("delete is no typing") << QStringList{"delete:"} << "ome text";
    }
    void aBoxThatTakesNoTypedCharacter()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        QWidget* box = control(QStringLiteral("txtNoTyping"));
        box->setFocus(Qt::TabFocusReason);
        placeCaret(box, 0);
        for (const QString& step : steps)
            perform(box, step);
        QCOMPARE(textOf(box), text);
    }

    // Pasted and dropped text is not typed: it goes in whole, unfiltered,
    // and returning from the context menu is no entry into the control.
    void textThatIsNotTypedGoesInAsItIs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString text = QStringLiteral("5a5");
        for (const char* how : {"context menu", "drop", "middle click", "screen reader"}) {
            QTest::addRow("txtDigits %s", how) << "txtDigits" << how << "12" << text << "125a5";
            QTest::addRow("cmbList %s", how) << "cmbList" << how << "12" << text << "125a5";
            QTest::addRow("txtNoTyping %s", how) << "txtNoTyping" << how << "ab" << text << "ab5a5";
        }
        // Text boxes have no length limit.
        const QString longText = QString(40000, QLatin1Char('0')) + QLatin1Char('5');
        QTest::addRow("txtDigits longer than 32767 characters")
            << "txtDigits"
            << "context menu"
            << "12" << longText << "12" + longText;
        QTest::addRow("cmbList longer than 32767 characters")
            << "cmbList"
            << "screen reader"
            << "12" << longText << "12" + longText;
    }
    void textThatIsNotTypedGoesInAsItIs()
    {
        QFETCH(QString, name);
        QFETCH(QString, how);
        QFETCH(QString, start);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (how == QLatin1String("middle click") && !clipboard->supportsSelection())
            QSKIP("this platform has no selection to paste with the middle button");
        QWidget* target = control(name);
        target->setFocus(Qt::TabFocusReason);
        setText(target, start);
        placeCaret(target, 2);
        form->log.clear();
        if (how == QLatin1String("context menu")) {
            clipboard->setText(text);
            withContextMenu(target, pastTheEnd(target),
                            [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_P); });
        } else if (how == QLatin1String("drop")) {
            drop(target, pastTheEnd(target), text);
        } else if (how == QLatin1String("screen reader")) {
            // What an assistive technology writes through AT-SPI's editable
            // text, as on Windows its value is set: no keystroke is typed.
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
                name == QLatin1String("cmbList") ? static_cast<QObject*>(form->cmbList->lineEdit())
                                                 : target);
            QVERIFY(accessible && accessible->editableTextInterface());
            accessible->editableTextInterface()->insertText(2, text);
        } else {
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(surface(target), Qt::MiddleButton, {}, pastTheEnd(target));
        }
        QCOMPARE(textOf(target), expected);
        QCOMPARE(form->log, QStringList());
    }
};

QTEST_MAIN(TypedCharactersTest)
#include "TypedCharactersTest.moc"
