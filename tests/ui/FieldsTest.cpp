// SPDX-License-Identifier: MIT
// What the five fields accept, what they select, and what entering or
// choosing in a modifier list does to the results and the Modified frame.
#include <dice/RollEngine.h>

#include "FormTesting.h"
#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

class FieldsTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    QString textOf(QWidget* field) const
    {
        if (auto* list = qobject_cast<QComboBox*>(field))
            return list->currentText();
        return static_cast<QLineEdit*>(field)->text();
    }
    QLineEdit* editorOf(QWidget* field) const
    {
        if (auto* list = qobject_cast<QComboBox*>(field))
            return list->lineEdit();
        return static_cast<QLineEdit*>(field);
    }

    void showSomeResults() const
    {
        Dice::RollResult result;
        result.IndivRollsText = result.ModRollsText = result.TotalResultText = "1";
        f.window->ShowRollResult(result);
    }

private slots:
    void init()
    {
        QVERIFY(f.start());
        f.chooseDieType(11); // every field on screen
    }
    void cleanup() { f.stop(); }

    // Whichever way a character is typed (a key, an Alt combination, a dead
    // key, an input method), it gets in only if the field's filter takes it.
    void keyFilters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("inserted");
        const QStringList textBoxes{"txtNumDice", "txtCustomDieLow", "txtCustomDieHigh"};
        const QStringList lists{"cmbRollModifier", "cmbDieModifier"};
        struct Typing
        {
            const char* name;
            const char* how;
            const char* what;
            bool textBox;
            bool list;
        };
        const Typing typings[] = {
            {"letter", "key", "q", false, false},
            {"plus", "key", "+", false, false},
            {"point", "key", ".", false, false},
            {"space", "key", " ", false, false},
            {"minus", "key", "-", false, true},
            {"digit", "key", "7", true, true},
            {"ctrl v", "ctrl", "v", false, false},
            {"alt q", "alt", "q", false, false},
            {"alt plus", "alt", "+", false, false},
            {"alt point", "alt", ".", false, false},
            {"alt minus", "alt", "-", false, false},
            {"alt 7, no access key", "alt", "7", false, false},
            {"dead key and e", "dead key", "\xc3\xa9", false, false},
            {"composed digit", "input method", "7", true, true},
            {"composed minus", "input method", "-", false, true},
            {"composed letters", "input method", "ab", false, false},
        };
        for (const Typing& t : typings) {
            for (const QString& name : textBoxes)
                QTest::addRow("%s in %s", t.name, qPrintable(name))
                    << name << t.how << QString::fromUtf8(t.what) << t.textBox;
            for (const QString& name : lists)
                QTest::addRow("%s in %s", t.name, qPrintable(name))
                    << name << t.how << QString::fromUtf8(t.what) << t.list;
        }
    }
    void keyFilters()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, what);
        QFETCH(bool, inserted);
        QApplication::clipboard()->setText(QStringLiteral("55"));
        QWidget* w = f.find(field.toLatin1().constData());
        QLineEdit* editor = editorOf(w);
        editor->setText(QStringLiteral("12"));
        w->setFocus(Qt::OtherFocusReason);
        editor->setCursorPosition(2);
        const char key = what.at(0).toLatin1();
        if (how == QLatin1String("key"))
            QTest::keyClick(w, key);
        else if (how == QLatin1String("ctrl"))
            QTest::keyClick(w, key, Qt::ControlModifier);
        else if (how == QLatin1String("alt"))
            QTest::keyClick(w, key, Qt::AltModifier);
        else if (how == QLatin1String("dead key")) {
            FormTesting::compose(QStringLiteral("\u00b4"), w);
            FormTesting::commit(what, w);
        } else
            FormTesting::commit(what, w);
        QCOMPARE(textOf(w), inserted ? QStringLiteral("12") + what : QStringLiteral("12"));
    }

    void backspaceWorksEverywhere_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* name : {"txtNumDice", "txtCustomDieLow", "txtCustomDieHigh",
                                 "cmbRollModifier", "cmbDieModifier"})
            QTest::newRow(name) << name;
    }
    void backspaceWorksEverywhere()
    {
        QFETCH(QString, field);
        QWidget* w = f.find(field.toLatin1().constData());
        editorOf(w)->setText(QStringLiteral("12"));
        w->setFocus(Qt::OtherFocusReason);
        editorOf(w)->setCursorPosition(2);
        QTest::keyClick(w, Qt::Key_Backspace);
        QCOMPARE(textOf(w), QStringLiteral("1"));
    }

    void enterInAFieldRollsInsteadOfTyping()
    {
        f.chooseDieType(4);
        QTest::keyClick(f.list("cmbDieModifier"), Qt::Key_Return);
        QCOMPARE(f.list("cmbDieModifier")->currentText(), QStringLiteral("0"));
        QCOMPARE(f.list("cmbDieModifier")->count(), 21);
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1"));
    }

    void typedDigitsNeverBecomeAnEntry()
    {
        f.chooseDieType(4);
        // "-" would complete to "-1", the first entry it begins.
        f.typeInto(f.list("cmbRollModifier"), QStringLiteral("-"));
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("-"));
        QCOMPARE(f.list("cmbRollModifier")->lineEdit()->selectedText(), QString());
        f.list("cmbRollModifier")->lineEdit()->selectAll();
        QTest::keyClicks(f.list("cmbRollModifier"), QStringLiteral("12"));
        QTest::keyClick(f.list("cmbRollModifier"), Qt::Key_Return);
        QCOMPARE(f.list("cmbRollModifier")->count(), 26);
        QCOMPARE(f.list("cmbRollModifier")->currentText(), QStringLiteral("12"));
        QCOMPARE(f.edit("txtTotalResult")->text(), QStringLiteral("13"));
    }

    void textBoxesSelectAllOnEntryAndOnEveryClick_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* name : {"txtNumDice", "txtCustomDieLow", "txtCustomDieHigh"})
            QTest::newRow(name) << name;
    }
    void textBoxesSelectAllOnEntryAndOnEveryClick()
    {
        QFETCH(QString, field);
        QLineEdit* box = f.edit(field.toLatin1().constData());
        box->setText(QStringLiteral("12"));
        f.button("cmdRoll")->setFocus(Qt::OtherFocusReason);

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), QStringLiteral("12"));

        box->setCursorPosition(1); // a caret inside, as the arrow keys leave it
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QCOMPARE(box->selectedText(), QStringLiteral("12"));

        // A drag that selects part of the text still ends with all of it.
        const QPoint from(4, box->height() / 2);
        QTest::mousePress(box, Qt::LeftButton, {}, from);
        QTest::mouseMove(box, from + QPoint(6, 0));
        QTest::mouseRelease(box, Qt::LeftButton, {}, from + QPoint(6, 0));
        QCOMPARE(box->selectedText(), QStringLiteral("12"));

        QTest::keyClick(box, Qt::Key_3);
        QCOMPARE(box->text(), QStringLiteral("3"));

        f.button("cmdRoll")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.button("cmdRoll"), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        box->setText(QStringLiteral("456"));
        box->setFocus(Qt::TabFocusReason);
        QCOMPARE(box->selectedText(), QStringLiteral("456"));
    }

    void enteringAListEmptiesTheResultsButATextBoxDoesNot_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("empties");
        QTest::newRow("number of dice") << "txtNumDice" << false;
        QTest::newRow("lower limit") << "txtCustomDieLow" << false;
        QTest::newRow("upper limit") << "txtCustomDieHigh" << false;
        QTest::newRow("roll modifier") << "cmbRollModifier" << true;
        QTest::newRow("die modifier") << "cmbDieModifier" << true;
    }
    void enteringAListEmptiesTheResultsButATextBoxDoesNot()
    {
        QFETCH(QString, field);
        QFETCH(bool, empties);
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("30"));
        f.button("cmdRoll")->click();
        QVERIFY(!f.find("txtIndivRollsMulti")->isHidden());
        QWidget* w = f.find(field.toLatin1().constData());
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
        QCOMPARE(f.focusName(), field);
        QCOMPARE(f.resultsEmpty(), empties);
        QVERIFY(!f.find("txtIndivRollsMulti")->isHidden()); // which box shows stays
    }

    void tabbingIntoAListEmptiesTheResults()
    {
        f.chooseDieType(4);
        f.button("cmdRoll")->click();
        f.edit("txtCustomDieHigh")->setFocus(Qt::OtherFocusReason);
        QVERIFY(!f.resultsEmpty());
        QTest::keyClick(f.edit("txtCustomDieHigh"), Qt::Key_Tab);
        QCOMPARE(f.focusName(), QStringLiteral("cmbRollModifier"));
        QVERIFY(f.resultsEmpty());
    }

    void arrowKeysChooseAnEntry()
    {
        f.chooseDieType(4);
        f.list("cmbDieModifier")->setFocus(Qt::OtherFocusReason);
        f.button("cmdRoll")->click();
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
        f.list("cmbDieModifier")->setFocus(Qt::OtherFocusReason);
        f.window->cmdRoll_Click(); // results, with the focus moved away and back
        f.list("cmbDieModifier")->setFocus(Qt::OtherFocusReason);
        QVERIFY(f.resultsEmpty());
        showSomeResults();
        f.list("cmbDieModifier")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.list("cmbDieModifier"), Qt::Key_Up);
        QCOMPARE(f.list("cmbDieModifier")->currentText(), QStringLiteral("+1"));
        QVERIFY(f.resultsEmpty());
        QVERIFY(!f.find("fraModified")->isHidden());
        QTest::keyClick(f.list("cmbDieModifier"), Qt::Key_Down);
        QCOMPARE(f.list("cmbDieModifier")->currentText(), QStringLiteral("0"));
        QVERIFY(f.find("fraModified")->isHidden());
    }

    void modifiedFrameFollowsAChosenEntry_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("shown");
        QTest::newRow("+10") << 0 << true;
        QTest::newRow("+1") << 9 << true;
        QTest::newRow("0") << 10 << false;
        QTest::newRow("-1") << 11 << true;
        QTest::newRow("-10") << 20 << true;
    }
    void modifiedFrameFollowsAChosenEntry()
    {
        QFETCH(int, index);
        QFETCH(bool, shown);
        QComboBox* list = f.list("cmbDieModifier");
        list->setFocus(Qt::OtherFocusReason);
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(!f.find("fraModified")->isHidden(), shown);
    }

    void modifiedFrameFollowsATypedValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("shown");
        QTest::newRow("5") << "5" << true;
        QTest::newRow("-3") << "-3" << true;
        QTest::newRow("5-") << "5-" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("-") << "-" << false;
        QTest::newRow("--3") << "--3" << false;
        QTest::newRow("00") << "00" << false;
        QTest::newRow("+1 (the plus is refused)") << "+1" << true;
    }
    void modifiedFrameFollowsATypedValue()
    {
        QFETCH(QString, typed);
        QFETCH(bool, shown);
        QComboBox* list = f.list("cmbDieModifier");
        list->setFocus(Qt::OtherFocusReason);
        list->lineEdit()->selectAll();
        QTest::keyClick(list, Qt::Key_Backspace);
        QVERIFY(f.find("fraModified")->isHidden()); // empty text
        showSomeResults();
        QTest::keyClicks(list, typed);
        QCOMPARE(!f.find("fraModified")->isHidden(), shown);
        QVERIFY(!f.resultsEmpty()); // typing is no choice
    }

    void leavingAListAfterTypingIsNoChoice_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("roll modifier") << "cmbRollModifier";
        QTest::newRow("die modifier") << "cmbDieModifier";
    }
    void leavingAListAfterTypingIsNoChoice()
    {
        QFETCH(QString, list);
        QComboBox* box = f.list(list.toLatin1().constData());
        f.typeInto(box, QStringLiteral("-3")); // the text of an entry
        showSomeResults();
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!f.resultsEmpty());
        QCOMPARE(box->currentText(), QStringLiteral("-3"));
    }

    void rollModifierNeverTouchesTheModifiedFrame()
    {
        f.list("cmbDieModifier")->setCurrentIndex(7);
        f.window->cmbDieModifier_Click();
        QVERIFY(!f.find("fraModified")->isHidden());
        QComboBox* list = f.list("cmbRollModifier");
        list->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClicks(list, QStringLiteral("0"));
        QVERIFY(!f.find("fraModified")->isHidden());
    }

    void pastedTextIsReadByTheRoll()
    {
        f.chooseDieType(4);
        QApplication::clipboard()->setText(QStringLiteral("3 dice please"));
        QLineEdit* box = f.edit("txtNumDice");
        box->setFocus(Qt::TabFocusReason); // selects the whole text
        FormTesting::withContextMenu(box, FormTesting::pastTheEnd(box),
                                     [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_P); });
        QCOMPARE(box->text(), QStringLiteral("3 dice please"));
        f.button("cmdRoll")->click();
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1, 1, 1"));
    }

    // The context menu and a menu of the menu bar take the focus for a
    // while; coming back from them is no entry into the field.
    void pasteGoesInAtTheCaret_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* name : {"txtNumDice", "txtCustomDieLow", "txtCustomDieHigh",
                                 "cmbRollModifier", "cmbDieModifier"})
            QTest::newRow(name) << name;
    }
    void pasteGoesInAtTheCaret()
    {
        QFETCH(QString, field);
        QWidget* w = f.find(field.toLatin1().constData());
        QLineEdit* editor = editorOf(w);
        w->setFocus(Qt::TabFocusReason);
        editor->setText(QStringLiteral("12"));
        editor->setCursorPosition(2);
        QApplication::clipboard()->setText(QStringLiteral("55"));
        FormTesting::withContextMenu(w, FormTesting::pastTheEnd(w),
                                     [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_P); });
        QCOMPARE(textOf(w), QStringLiteral("1255"));
    }

    void cancellingTheActionMenuLeavesTheCaret_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("byKeyboard");
        for (const char* name : {"txtNumDice", "cmbDieModifier"}) {
            QTest::addRow("%s, keyboard", name) << name << true;
            QTest::addRow("%s, mouse", name) << name << false;
        }
    }
    void cancellingTheActionMenuLeavesTheCaret()
    {
        QFETCH(QString, field);
        QFETCH(bool, byKeyboard);
        QWidget* w = f.find(field.toLatin1().constData());
        QLineEdit* editor = editorOf(w);
        w->setFocus(Qt::TabFocusReason);
        editor->setText(QStringLiteral("12"));
        editor->setCursorPosition(1);
        f.edit("txtTotalResult")->setText(QStringLiteral("42"));
        QMenuBar* bar = f.window->menuBar();
        if (byKeyboard)
            QTest::keyClick(w, Qt::Key_A, Qt::AltModifier);
        else
            QTest::mouseClick(
                bar, Qt::LeftButton, {},
                bar->actionGeometry(f.find<QMenu>("mnuAction")->menuAction()).center());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QCOMPARE(editor->cursorPosition(), 1);
        QVERIFY(!editor->hasSelectedText());
        QCOMPARE(f.edit("txtTotalResult")->text(),
                 QStringLiteral("42")); // the list was not entered again
    }
};

QTEST_MAIN(FieldsTest)
#include "FieldsTest.moc"
