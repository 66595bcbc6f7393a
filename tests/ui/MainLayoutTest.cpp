// SPDX-License-Identifier: MIT
// The main window's static definition as a user meets it: size, captions that
// fit their boxes, lists, menus, fonts and the names a screen reader reads.
#include <forms/Twips.h>

#include "MainWindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>

class MainLayoutTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    static QString withoutAccessMarker(QString text) { return text.remove(QLatin1Char('&')); }

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup() { f.stop(); }

    void fixedSizeClientAreaWithoutMaximise()
    {
        QWidget* client = f.window->centralWidget();
        QCOMPARE(Twips::width(client), 6540);
        QCOMPARE(Twips::height(client), 5205);
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QVERIFY(!(f.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Rollwright"));
        QVERIFY(!f.window->windowIcon().isNull());
    }

    void everyCaptionFitsItsBox()
    {
        QStringList clipped;
        for (auto* label : f.window->findChildren<QLabel*>()) {
            const int needed =
                label->fontMetrics().horizontalAdvance(withoutAccessMarker(label->text()));
            if (needed > label->width() || label->sizeHint().height() > label->height() + 4)
                clipped << label->objectName();
        }
        for (auto* button : f.window->findChildren<QAbstractButton*>()) {
            if (button->sizeHint().width() > button->width() + 2 &&
                !qobject_cast<QPushButton*>(button))
                clipped << button->objectName();
            const int text =
                button->fontMetrics().horizontalAdvance(withoutAccessMarker(button->text()));
            if (text + 8 > button->width())
                clipped << button->objectName();
        }
        for (auto* frame : f.window->findChildren<QGroupBox*>()) {
            const int text =
                frame->fontMetrics().horizontalAdvance(withoutAccessMarker(frame->title()));
            if (text + 8 > frame->width())
                clipped << frame->objectName();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
    }

    void fieldsUseArialAndCaptionsTheSmallSansSerif()
    {
        const QFontInfo field(f.edit("txtNumDice")->font());
        QCOMPARE(field.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(f.edit("txtNumDice")->font().pointSizeF(), 14.25);
        QCOMPARE(f.list("cmbDieModifier")->font().pointSizeF(), 14.25);
        QCOMPARE(f.button("cmdRoll")->font().pointSizeF(), 8.25);
        QCOMPARE(f.find<QGroupBox>("fraDieType")->font().pointSizeF(), 8.25);
    }

    void listsHoldExactlyTheirEntries()
    {
        QStringList roll;
        for (int i = 15; i >= 1; --i)
            roll << QStringLiteral("+%1").arg(i);
        roll << QStringLiteral("0");
        for (int i = 1; i <= 10; ++i)
            roll << QStringLiteral("-%1").arg(i);
        const QStringList die = roll.mid(5);
        for (auto [name, expected] :
             {std::pair{"cmbRollModifier", roll}, std::pair{"cmbDieModifier", die}}) {
            QStringList items;
            for (int i = 0; i < f.list(name)->count(); ++i)
                items << f.list(name)->itemText(i);
            QCOMPARE(items, expected);
        }
    }

    void menusHoldTheirItemsInOrder()
    {
        auto captions = [](const char* menuName, QWidget* window) {
            QStringList items;
            for (QAction* action :
                 window->findChild<QMenu*>(QString::fromLatin1(menuName))->actions())
                items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            return items;
        };
        QCOMPARE(captions("mnuAction", f.window),
                 (QStringList{"&Roll Dice", "&Clear Results", "-", "&Exit"}));
        QCOMPARE(captions("mnuHelp", f.window),
                 (QStringList{"&Contents", "&Search for Help On...", "-", "&About Rollwright"}));
        QStringList bar;
        for (QAction* action : f.window->menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar, (QStringList{"&Action", "&Help"}));
        for (QAction* action : f.window->findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
    }

    void everyControlHasAnAccessibleName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("txtNumDice") << "txtNumDice"
                                    << "Number of Dice";
        QTest::newRow("txtCustomDieLow") << "txtCustomDieLow"
                                         << "Lower Limit";
        QTest::newRow("txtCustomDieHigh") << "txtCustomDieHigh"
                                          << "Upper Limit";
        QTest::newRow("cmbRollModifier") << "cmbRollModifier"
                                         << "Roll Modifier";
        QTest::newRow("cmbDieModifier") << "cmbDieModifier"
                                        << "Die Modifier";
        QTest::newRow("txtTotalResult") << "txtTotalResult"
                                        << "Total Result";
        QTest::newRow("txtIndivRolls") << "txtIndivRolls"
                                       << "Actual Die Rolls";
        QTest::newRow("txtIndivRollsMulti") << "txtIndivRollsMulti"
                                            << "Actual Die Rolls";
        QTest::newRow("txtModRolls") << "txtModRolls"
                                     << "Modified Die Rolls";
        QTest::newRow("txtModRollsMulti") << "txtModRollsMulti"
                                          << "Modified Die Rolls";
        QTest::newRow("cmdRoll") << "cmdRoll"
                                 << "Roll Dice";
        QTest::newRow("cmdClear") << "cmdClear"
                                  << "Clear Results";
        QTest::newRow("cmdAbout") << "cmdAbout"
                                  << "About";
        QTest::newRow("cmdExit") << "cmdExit"
                                 << "Exit";
        QTest::newRow("optDieType_6") << "optDieType_6"
                                      << "10-Sided";
        QTest::newRow("optDieType_11") << "optDieType_11"
                                       << "Custom";
    }
    void everyControlHasAnAccessibleName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* w = f.window->findChild<QWidget*>(control);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            // A list is named by its label's relation and its edit part.
            QStringList labels;
            for (const auto& [other, relation] : iface->relations())
                if (relation & QAccessible::Label)
                    labels << other->text(QAccessible::Name);
            QVERIFY2(labels.contains(name), qPrintable(labels.join(", ")));
            iface = QAccessible::queryAccessibleInterface(list->lineEdit());
        }
        QCOMPARE(withoutAccessMarker(iface->text(QAccessible::Name)), name);
        if (control.startsWith(QLatin1String("optDieType")))
            QCOMPARE(iface->role(), QAccessible::RadioButton);
    }
};

QTEST_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
