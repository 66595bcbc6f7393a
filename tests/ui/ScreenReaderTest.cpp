// SPDX-License-Identifier: MIT
// What a screen reader finds in the real window: the outcome of a roll on
// the control the focus moves to, gone as soon as the results are, and the
// modifier lists named by their labels.
#include "MainWindowFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>

namespace {

QAccessibleInterface* readerView(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control);
}

const QString ThreeDice = QStringLiteral("Total 12. Dice: 4, 6, 2.");

// The description a control had as the focus reached it: a screen reader
// speaks at that moment.
class HeardAtFocus : public QObject
{
public:
    QStringList heard;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            heard.append(readerView(watched)->text(QAccessible::Description));
        return false;
    }
};

} // namespace

class ScreenReaderTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    QString outcome() const
    {
        return readerView(f.button("cmdClear"))->text(QAccessible::Description);
    }

    // Three six-sided dice showing 4, 6 and 2, rolled by the caller.
    void setUpThreeDice()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("3"));
        f.source = ScriptedSource({0.5f, 0.99f, 0.2f});
    }

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup() { f.stop(); }

    void everyRollTellsItsOutcomeAtTheFocus_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Roll Dice button") << "button";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Alt+R") << "alt+r";
        QTest::newRow("Action menu") << "menu";
    }
    void everyRollTellsItsOutcomeAtTheFocus()
    {
        QFETCH(QString, way);
        setUpThreeDice();
        QLineEdit* number = f.edit("txtNumDice");
        number->setFocus(Qt::OtherFocusReason);
        if (way == "button")
            QTest::mouseClick(f.button("cmdRoll"), Qt::LeftButton);
        else if (way == "enter")
            QTest::keyClick(number, Qt::Key_Return);
        else if (way == "alt+r")
            QTest::keyClick(number, Qt::Key_R, Qt::AltModifier);
        else
            f.find<QAction>("mnuActionRollDice")->trigger();

        QTRY_COMPARE(f.focusName(), QStringLiteral("cmdClear")); // access keys arrive queued
        QAccessibleInterface* focus = readerView(QApplication::focusWidget());
        QCOMPARE(focus->text(QAccessible::Name), QStringLiteral("Clear Results"));
        QCOMPARE(focus->text(QAccessible::Description), ThreeDice);
    }

    void theOutcomeIsThereWhenTheFocusArrives()
    {
        HeardAtFocus listener;
        f.button("cmdClear")->installEventFilter(&listener);
        setUpThreeDice();
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_Return);
        QCOMPARE(listener.heard, QStringList{ThreeDice});
    }

    void emptyingTheResultsSilencesTheOutcome_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("tabbing into Roll Modifier") << "roll modifier";
        QTest::newRow("clicking into Die Modifier") << "die modifier";
        QTest::newRow("choosing Percentile") << "percentile";
        QTest::newRow("Clear Results") << "clear";
        QTest::newRow("Action menu Clear Results") << "menu clear";
    }
    void emptyingTheResultsSilencesTheOutcome()
    {
        QFETCH(QString, how);
        setUpThreeDice();
        f.button("cmdRoll")->click();
        QCOMPARE(outcome(), ThreeDice);

        if (how == "roll modifier") {
            f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // to the 6-Sided button
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(f.focusName(), QStringLiteral("cmbRollModifier"));
        } else if (how == "die modifier") {
            QTest::mouseClick(f.list("cmbDieModifier"), Qt::LeftButton, {}, QPoint(6, 6));
            QCOMPARE(f.focusName(), QStringLiteral("cmbDieModifier"));
        } else if (how == "percentile") {
            f.chooseDieType(10);
        } else if (how == "clear") {
            QTest::keyClick(f.button("cmdClear"), Qt::Key_Return);
        } else {
            f.find<QAction>("mnuActionClearResults")->trigger();
        }
        QVERIFY(f.resultsEmpty());
        QCOMPARE(outcome(), QString());
    }

    // A refused roll shows its message and leaves the results, and with them
    // the outcome, alone; only moving into a list empties them.
    void aRefusedRoll_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("too many dice") << "txtNumDice"
                                       << "1001" << ThreeDice;
        QTest::newRow("roll modifier 1001, focus moved into it") << "cmbRollModifier"
                                                                 << "1001" << QString();
    }
    void aRefusedRoll()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        setUpThreeDice();
        f.button("cmdRoll")->click();
        const QByteArray name = field.toLatin1();
        if (QComboBox* list = f.list(name.constData()))
            list->setEditText(text);
        else
            f.edit(name.constData())->setText(text);
        f.button("cmdRoll")->click();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(outcome(), expected);
    }

    void theListsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("label");
        QTest::newRow("roll modifier") << "cmbRollModifier"
                                       << "Roll Modifier";
        QTest::newRow("die modifier") << "cmbDieModifier"
                                      << "Die Modifier";
    }
    void theListsAreNamedByTheirLabels()
    {
        QFETCH(QString, list);
        QFETCH(QString, label);
        QComboBox* box = f.list(list.toLatin1().constData());
        QAccessibleInterface* view = readerView(box);
        QCOMPARE(view->role(), QAccessible::ComboBox);
        QCOMPARE(view->text(QAccessible::Name), label);
        QCOMPARE(view->text(QAccessible::Value), QStringLiteral("0"));

        // The edit part, by the same name, and the list of entries.
        QCOMPARE(view->childCount(), 2);
        QCOMPARE(view->child(1)->object(), box->lineEdit());
        QCOMPARE(view->child(1)->text(QAccessible::Name), label);
        QCOMPARE(view->indexOfChild(view->child(1)), 1);
        QCOMPARE(view->child(0)->object(), box->view());
        QCOMPARE(view->child(1)->parent(), view);

        // A reader can open the list, and hears the value the user chose.
        QVERIFY(!view->state().expanded);
        view->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(box->view()->isVisible());
        QVERIFY(view->state().expanded);
        QTest::keyClick(box->view(), Qt::Key_Up);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(view->text(QAccessible::Value), box->currentText());
        QCOMPARE(view->text(QAccessible::Name), label);
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "ScreenReaderTest.moc"
