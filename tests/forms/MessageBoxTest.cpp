// SPDX-License-Identifier: MIT
// The real message box for each style, and the recorder tests use instead.
#include <forms/MessageBox.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

        // What the box showed is read while it is open, and the box is closed
        // whatever it showed; the checks come once show() has returned, so a
        // failing one never leaves a modal box waiting for the timeout.
        struct Seen
        {
            bool box = false;
            int icon = -1;
            QString title, text;
            qsizetype buttonCount = 0;
            QMessageBox::StandardButtons buttons;
            bool modal = false;
            QWidget* parent = nullptr;
            bool closedByEnter = false;
        } seen;
        QTimer::singleShot(0, &owner, [&] {
            const QPointer<QMessageBox> box =
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
                return;
            }
            seen.box = true;
            seen.icon = int(box->icon());
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.buttonCount = box->buttons().size();
            seen.buttons = box->standardButtons();
            seen.modal = box->isModal();
            seen.parent = box->parentWidget();
            // The user's answer: Enter, on the one button there is.
            QTest::keyClick(box, Qt::Key_Return);
            seen.closedByEnter = !box || !box->isVisible();
            if (!seen.closedByEnter)
                box->done(QMessageBox::Ok);
        });
        MessageBox::show(&owner, QStringLiteral("Something to say."), MessageBox::Style(style),
                         QStringLiteral("Dice"));
        QVERIFY(seen.box);
        QCOMPARE(seen.icon, icon);
        QCOMPARE(seen.title, QStringLiteral("Dice"));
        QCOMPARE(seen.text, QStringLiteral("Something to say."));
        QCOMPARE(seen.buttonCount, 1);
        QCOMPARE(seen.buttons, QMessageBox::Ok);
        QVERIFY(seen.modal);
        QCOMPARE(seen.parent, &owner);
        QVERIFY(seen.closedByEnter);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Where Qt draws the title bar (under weston), the box is wide enough for
    // its caption, centred on the bar as Qt 6.4 centres it, to end before
    // Minimise: three 18-pixel buttons 5 apart, 8 from the edge, 5 before.
    void aLongCaptionStaysWholeBesideTheTitleBarsButtons()
    {
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            QSKIP("Qt draws the title bar on Wayland (test_forms_message_box_wayland)");
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const QString caption = QStringLiteral("Benutzerdefinierter Würfelfehler");
        int width = 0;
        QMargins frame;
        QTimer poll;
        QDeadlineTimer deadline(5000);
        connect(&poll, &QTimer::timeout, &owner, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || (!deadline.hasExpired() && !box->windowHandle()->isExposed()))
                return;
            width = box->width();
            frame = box->windowHandle()->frameMargins();
            box->close();
        });
        poll.start(20);
        MessageBox::show(&owner, QStringLiteral("No."), MessageBox::Plain, caption);
        QVERIFY(frame.top() > 0); // Qt drew the title bar
        QFont font = QApplication::font();
        font.setPixelSize(14);
        const int text = QFontMetrics(font).horizontalAdvance(caption);
        const int bar = width + frame.left() + frame.right();
        const int minimise = bar - (3 * 18 + 2 * 5 + 8 + 5);
        const int captionEnd = (bar + text) / 2;
        QVERIFY2(captionEnd <= minimise,
                 qPrintable(QStringLiteral("the caption ends at %1, Minimise begins at %2")
                                .arg(captionEnd)
                                .arg(minimise)));
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
