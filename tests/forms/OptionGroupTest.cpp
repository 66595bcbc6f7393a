// SPDX-License-Identifier: MIT
// Option buttons as one group: Tab stop, arrow keys in index order, Click.
#include "TestForm.h"

class OptionGroupTest : public QObject
{
    Q_OBJECT

    TestForm* form = nullptr;

    QAbstractButton* option(int index) const { return form->options.at(index); }
    QStringList clicks() const { return form->log.filter(QStringLiteral("Option ")); }

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

    // The buttons stand in two columns (0 1 2 | 3 4), so moving by place on
    // screen and moving by index would differ.
    void arrowKeysMoveTheChoiceInIndexOrder_data()
    {
        QTest::addColumn<int>("chosen"); // -1: none yet
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("unavailable"); // "hidden 2", "disabled 2"
        QTest::addColumn<int>("expected");
        QTest::newRow("down from none chosen") << -1 << 0 << int(Qt::Key_Down) << "" << 1;
        QTest::newRow("right from none chosen") << -1 << 0 << int(Qt::Key_Right) << "" << 1;
        QTest::newRow("down") << 1 << 1 << int(Qt::Key_Down) << "" << 2;
        QTest::newRow("right is next, not beside") << 1 << 1 << int(Qt::Key_Right) << "" << 2;
        QTest::newRow("left is previous, not beside") << 3 << 3 << int(Qt::Key_Left) << "" << 2;
        QTest::newRow("up") << 4 << 4 << int(Qt::Key_Up) << "" << 3;
        QTest::newRow("down from the last wraps") << 4 << 4 << int(Qt::Key_Down) << "" << 0;
        QTest::newRow("up from the first wraps") << 0 << 0 << int(Qt::Key_Up) << "" << 4;
        QTest::newRow("left from none chosen wraps") << -1 << 0 << int(Qt::Key_Left) << "" << 4;
        QTest::newRow("keypad down") << 2 << 2 << int(Qt::Key_Down) << "keypad" << 3;
        QTest::newRow("a hidden button is skipped")
            << 1 << 1 << int(Qt::Key_Down) << "hidden 2" << 3;
        QTest::newRow("a disabled button is skipped")
            << 3 << 3 << int(Qt::Key_Up) << "disabled 2" << 1;
    }
    void arrowKeysMoveTheChoiceInIndexOrder()
    {
        QFETCH(int, chosen);
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(QString, unavailable);
        QFETCH(int, expected);
        if (chosen >= 0)
            option(chosen)->setChecked(true);
        if (unavailable.startsWith(QLatin1String("hidden")))
            option(unavailable.back().digitValue())->hide();
        if (unavailable.startsWith(QLatin1String("disabled")))
            option(unavailable.back().digitValue())->setEnabled(false);
        const auto modifiers =
            unavailable == QLatin1String("keypad") ? Qt::KeypadModifier : Qt::NoModifier;
        option(focus)->setFocus(Qt::TabFocusReason);
        form->log.clear();
        QTest::keyClick(option(focus), Qt::Key(key), modifiers);
        QCOMPARE(form->group->chosen(), expected);
        QCOMPARE(QApplication::focusWidget(), option(expected));
        QCOMPARE(clicks(), QStringList{QStringLiteral("Option %1").arg(expected)});
    }

    void tabEntersAtTheChosenButtonOrTheFirst()
    {
        const auto tabFromTheList = [this] {
            form->cmbList->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form->cmbList, Qt::Key_Tab); // on to the box
            QTest::keyClick(form->txtNoTyping, Qt::Key_Tab);
            return QApplication::focusWidget();
        };
        QCOMPARE(tabFromTheList(), option(0));
        option(3)->setChecked(true);
        QCOMPARE(tabFromTheList(), option(3));
        // Tab leaves the group: its other buttons are no stops.
        QTest::keyClick(option(3), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->cmdDefault);
        form->group->clear();
        QCOMPARE(tabFromTheList(), option(0));
    }

    void everyWayOfChoosingIsAClick_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse") << "mouse";
        QTest::newRow("access key") << "access key";
        QTest::newRow("space") << "space";
        QTest::newRow("from code") << "code";
    }
    void everyWayOfChoosingIsAClick()
    {
        QFETCH(QString, how);
        form->txtDigits->setFocus(Qt::TabFocusReason);
        form->log.clear();
        if (how == QLatin1String("mouse"))
            QTest::mouseClick(option(1), Qt::LeftButton, {}, QPoint(8, option(1)->height() / 2));
        else if (how == QLatin1String("access key"))
            QTest::keyClick(form->txtDigits, Qt::Key_B, Qt::AltModifier);
        else if (how == QLatin1String("space")) {
            option(1)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(option(1), Qt::Key_Space);
        } else
            option(1)->setChecked(true);
        QTRY_COMPARE(form->group->chosen(), 1);
        QCOMPARE(clicks(), QStringList{QStringLiteral("Option 1")});
    }

    void clearingChoosesNothingAndRaisesNoClick()
    {
        option(2)->setChecked(true);
        form->log.clear();
        form->group->clear();
        QCOMPARE(form->group->chosen(), -1);
        for (QAbstractButton* button : form->options)
            QVERIFY(!button->isChecked());
        QVERIFY(form->log.isEmpty());
    }
};

QTEST_MAIN(OptionGroupTest)
#include "OptionGroupTest.moc"
