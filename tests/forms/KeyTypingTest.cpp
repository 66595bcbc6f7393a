// SPDX-License-Identifier: MIT
// What a key press types, and how twips become pixels.
#include <forms/KeyAscii.h>
#include <forms/Twips.h>

#include <QKeyEvent>
#include <QTest>

class KeyTypingTest : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("controlCode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("typesNothing");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << 0 << "7" << false;
        QTest::newRow("shifted letter")
            << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 0 << "A" << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8 << "" << false;
        QTest::newRow("ctrl backspace")
            << int(Qt::Key_Backspace) << ctrl << "" << 127 << "" << false;
        QTest::newRow("ctrl alt backspace is no undo")
            << int(Qt::Key_Backspace) << (ctrl | alt) << "" << 127 << "" << false;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << "\r" << 13 << "" << false;
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13 << "" << false;
        QTest::newRow("ctrl enter") << int(Qt::Key_Return) << ctrl << "" << 10 << "" << false;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27 << "" << false;
        QTest::newRow("ctrl v") << int(Qt::Key_V) << ctrl << "" << 22 << "" << false;
        QTest::newRow("ctrl shift z")
            << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier) << "" << 26 << ""
            << false;
        QTest::newRow("ctrl digit") << int(Qt::Key_1) << ctrl << "1" << 0 << "" << true;
        QTest::newRow("alt letter") << int(Qt::Key_Q) << alt << "q" << 0 << "" << true;
        QTest::newRow("meta letter")
            << int(Qt::Key_Q) << int(Qt::MetaModifier) << "q" << 0 << "" << true;
        QTest::newRow("altgr") << int(Qt::Key_At) << int(Qt::ControlModifier | Qt::AltModifier)
                               << "@" << 0 << "@" << false;
        QTest::newRow("alt cursor key") << int(Qt::Key_Down) << alt << "" << 0 << "" << false;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << 0 << "" << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << "\x7f" << 0 << "" << false;
        QTest::newRow("euro sign") << int(Qt::Key_unknown) << none << QString(QChar(0x20AC)) << 0
                                   << QString(QChar(0x20AC)) << false;
        QTest::newRow("several characters")
            << int(Qt::Key_unknown) << none << "ab" << 0 << "ab" << false;
    }
    void typing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, controlCode);
        QFETCH(QString, typed);
        QFETCH(bool, typesNothing);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const KeyTyping typing = typingOf(event);
        QCOMPARE(typing.controlCode, controlCode);
        QCOMPARE(typing.text, typed);
        QCOMPARE(typing.typesNothing, typesNothing);
    }

    void twipsRoundToWholePixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("exact") << 1920.0 << 128;
        QTest::newRow("below half") << 22.0 << 1;
        QTest::newRow("half") << 7.5 << 1;
        QTest::newRow("negative") << -3022.5 << -202;
        QTest::newRow("zero") << 0.0 << 0;
    }
    void twipsRoundToWholePixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips), pixels);
    }
};

QTEST_MAIN(KeyTypingTest)
#include "KeyTypingTest.moc"
