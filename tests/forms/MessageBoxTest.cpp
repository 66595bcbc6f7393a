// SPDX-License-Identifier: MIT
// The real message box for each style, and the recorder tests use instead.
#include <forms/MessageBox.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBox::setRecorder({}); }

    void eachStyleShowsItsIconAndOneOkButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("plain") << int(MessageBox::Plain) << int(QMessageBox::NoIcon);
        QTest::newRow("critical") << int(MessageBox::Critical) << int(QMessageBox::Critical);
        QTest::newRow("exclamation") << int(MessageBox::Exclamation) << int(QMessageBox::Warning);
        QTest::newRow("information")
            << int(MessageBox::Information) << int(QMessageBox::Information);
    }
    void eachStyleShowsItsIconAndOneOkButton()
    {
        QFETCH(int, style);
        QFETCH(int, icon);
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        bool seen = false;
        QTimer::singleShot(0, [&] {
            const QPointer<QMessageBox> box =
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(int(box->icon()), icon);
            QCOMPARE(box->windowTitle(), QStringLiteral("Dice"));
            QCOMPARE(box->text(), QStringLiteral("Something to say."));
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            QVERIFY(box->isModal());
            QCOMPARE(box->parentWidget(), &owner);
            seen = true;
            // The user's answer: Enter, on the one button there is.
            QTest::keyClick(box, Qt::Key_Return);
        });
        MessageBox::show(&owner, QStringLiteral("Something to say."), style,
                         QStringLiteral("Dice"));
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aRecorderTakesTheBoxInstead()
    {
        QList<MessageBox::Shown> shown;
        MessageBox::setRecorder([&](const MessageBox::Shown& box) { shown << box; });
        MessageBox::show(nullptr, QStringLiteral("Text"), MessageBox::Exclamation,
                         QStringLiteral("Title"));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Text"));
        QCOMPARE(shown[0].style, int(MessageBox::Exclamation));
        QCOMPARE(shown[0].title, QStringLiteral("Title"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
