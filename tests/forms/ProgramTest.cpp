// SPDX-License-Identifier: MIT
// Handlers, ending the program, and modal windows that unload themselves.
#include <forms/MessageBox.h>
#include <forms/Program.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class ProgramTest : public QObject
{
    Q_OBJECT

    QList<MessageBox::Shown> boxes;
    int quitStatus = -1;

private slots:
    void init()
    {
        boxes.clear();
        quitStatus = -1;
        MessageBox::setRecorder([this](const MessageBox::Shown& box) { boxes << box; });
        Program::setHost({.quit = [this](int status) { quitStatus = status; }});
        QCoreApplication::setApplicationName(QStringLiteral("Dice"));
    }
    void cleanup()
    {
        MessageBox::setRecorder({});
        Program::setHost({});
    }

    void aFailureEscapingAHandlerEndsTheProgram_data()
    {
        QTest::addColumn<bool>("standard");
        QTest::newRow("standard exception") << true;
        QTest::newRow("anything else") << false;
    }
    void aFailureEscapingAHandlerEndsTheProgram()
    {
        QFETCH(bool, standard);
        Program::runHandler([standard] {
            if (standard)
                throw std::runtime_error("disk on fire");
            throw 42;
        });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("Dice"));
        QCOMPARE(boxes[0].style, int(MessageBox::Critical));
        QCOMPARE(boxes[0].text.contains(QStringLiteral("disk on fire")), standard);
        QCOMPARE(quitStatus, 1);
        int later = 0;
        Program::runHandler([&] { ++later; });
        QCOMPARE(later, 0);
    }

    void endStopsTheHandlerAndEveryOneAfterIt()
    {
        bool reachedAfterEnd = false;
        Program::runHandler([&] {
            Program::end(3);
            reachedAfterEnd = true;
        });
        QVERIFY(!reachedAfterEnd);
        QCOMPARE(quitStatus, 3);
        QVERIFY(boxes.isEmpty());
        int later = 0;
        Program::runHandler([&] { ++later; });
        QCOMPARE(later, 0);
    }

    // Shown modally: loaded first, the owner takes no input meanwhile, and
    // the call returns once the window has unloaded itself, destroyed.
    void aModalWindowReturnsOnceUnloaded()
    {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QPointer<QDialog> window = new QDialog;
        auto* ok = new QPushButton(QStringLiteral("OK"), window);
        connect(ok, &QPushButton::clicked, window, [&] { Program::unload(window); });

        QStringList steps;
        QTimer::singleShot(0, [&] {
            steps << QStringLiteral("shown");
            QCOMPARE(QApplication::activeModalWidget(), window.data());
            QCOMPARE(window->parentWidget(), &owner);
            QVERIFY(!owner.isEnabled() || QApplication::activeModalWidget() != &owner);
            ok->click();
        });
        Program::showModal(window, &owner,
                           [&] { steps << (window->isVisible() ? "visible" : "loaded"); });
        steps << QStringLiteral("returned");
        QCOMPARE(steps, (QStringList{"loaded", "shown", "returned"}));
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
