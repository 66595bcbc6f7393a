// SPDX-License-Identifier: MIT
// The read-me viewer as the user meets it: its frame and layout, a box that
// scrolls but takes no typing, Enter that closes and Esc that does not.
#include <forms/Twips.h>

#include "FormTesting.h"
#include "InfoTesting.h"

#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace InfoTesting;

namespace {

QPlainTextEdit* box()
{
    return LoadedWindows::readMe->findChild<QPlainTextEdit*>(QStringLiteral("txtReadMe"));
}
QPushButton* okButton()
{
    return LoadedWindows::readMe->findChild<QPushButton*>(QStringLiteral("cmdOk"));
}

const QString Sample = QStringLiteral("Rollwright rolls dice.\nLine two.\n");

} // namespace

class ReadMeWindowTest : public QObject
{
    Q_OBJECT

    MainWindow m_main;
    QTemporaryDir m_dir;

    bool write(const QByteArray& bytes) const
    {
        QFile file(m_dir.filePath(frmReadMe::FileName));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    bool whileViewerOpen(const std::function<void()>& check) const
    {
        return whileReadMeOpen(check);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        Program::setHost({.directory = QFile::encodeName(m_dir.path())});
        QVERIFY(write("Rollwright rolls dice.\r\nLine two.\r\n"));
        QVERIFY(m_main.start());
    }
    void cleanup()
    {
        m_main.stop();
        Program::setHost({});
    }

    void frame()
    {
        QVERIFY(whileViewerOpen([] {
            frmReadMe* viewer = LoadedWindows::readMe;
            QCOMPARE(viewer->windowTitle(), QStringLiteral("Rollwright - Read Me First.txt "));
            QCOMPARE(viewer->size(), QSize(Twips::toPixels(7875), Twips::toPixels(4485)));
            QVERIFY(viewer->minimumSize() != viewer->maximumSize()); // sizable
            QVERIFY(viewer->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QCOMPARE(viewer->windowModality(), Qt::ApplicationModal);

            // No icon of its own, and none borrowed from its owner.
            const QImage icon = viewer->windowIcon().pixmap(16, 16).toImage();
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    QCOMPARE(qAlpha(icon.pixel(x, y)), 0);

            QCOMPARE(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(box()->verticalScrollBar()->isVisible());
            QCOMPARE(box()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(box()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QVERIFY(!box()->isReadOnly());
            QCOMPARE(box()->font().pointSizeF(), 9.75);
            QVERIFY(okButton()->isDefault());
            QCOMPARE(okButton()->text(), QStringLiteral("OK"));
        }));
    }

    // Nothing follows the window's size: both controls stay where they are.
    void resizing()
    {
        QVERIFY(whileViewerOpen([] {
            const QRect boxPlace = box()->geometry();
            const QRect okPlace = okButton()->geometry();
            for (const QSize size : {QSize(900, 700), QSize(200, 120), QSize(600, 250)}) {
                LoadedWindows::readMe->resize(size);
                QCOMPARE(LoadedWindows::readMe->size(), size);
                QCOMPARE(box()->geometry(), boxPlace);
                QCOMPARE(okButton()->geometry(), okPlace);
            }
        }));
    }

    // The focus starts in the box, at the first line; the scroll bar reaches the end.
    void startsAtTheTop()
    {
        QByteArray longText;
        for (int i = 1; i <= 300; ++i)
            longText += "Line " + QByteArray::number(i) + "\r\n";
        QVERIFY(write(longText));
        QVERIFY(whileViewerOpen([] {
            QCOMPARE(focusName(), QStringLiteral("txtReadMe"));
            QCOMPARE(box()->textCursor().position(), 0);
            QScrollBar* bar = box()->verticalScrollBar();
            QCOMPARE(bar->value(), 0);
            QVERIFY(bar->maximum() > 0);
            for (int page = 0; page < 100 && bar->value() < bar->maximum(); ++page)
                press(Qt::Key_PageDown);
            QCOMPARE(bar->value(), bar->maximum());
            QVERIFY(box()->viewport()->rect().contains(box()->cursorRect()));
            press(Qt::Key_Home, Qt::ControlModifier);
            QCOMPARE(bar->value(), 0);
        }));
    }

    void typingChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        const int none = Qt::NoModifier;
        QTest::newRow("letter") << "key" << int(Qt::Key_A) << none << "";
        QTest::newRow("capital letter") << "key" << int(Qt::Key_A) << int(Qt::ShiftModifier) << "";
        QTest::newRow("digit") << "key" << int(Qt::Key_7) << none << "";
        QTest::newRow("space") << "key" << int(Qt::Key_Space) << none << "";
        QTest::newRow("Backspace") << "key" << int(Qt::Key_Backspace) << none << "";
        QTest::newRow("Ctrl+Backspace")
            << "key" << int(Qt::Key_Backspace) << int(Qt::ControlModifier) << "";
        QTest::newRow("Ctrl+Enter")
            << "key" << int(Qt::Key_Return) << int(Qt::ControlModifier) << "";
        QTest::newRow("Ctrl+V") << "key" << int(Qt::Key_V) << int(Qt::ControlModifier) << "";
        QTest::newRow("Ctrl+X") << "key" << int(Qt::Key_X) << int(Qt::ControlModifier) << "";
        QTest::newRow("Ctrl+C") << "key" << int(Qt::Key_C) << int(Qt::ControlModifier) << "";
        QTest::newRow("Tab") << "key" << int(Qt::Key_Tab) << none << "";
        QTest::newRow("Alt+Q") << "alt" << 0 << 0 << "q";
        QTest::newRow("Alt++") << "alt" << 0 << 0 << "+";
        QTest::newRow("AltGr+@") << "altgr" << 0 << 0 << "@";
        QTest::newRow("dead key and e") << "dead key" << 0 << 0 << "\u00e9";
        QTest::newRow("input method") << "input method" << 0 << 0 << "abc";
    }

    // With part of the text selected, so that any edit would show; the
    // clipboard keeps what it held.
    void typingChangesNothing()
    {
        QFETCH(QString, how);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("on the clipboard"));
        QVERIFY(whileViewerOpen([&] {
            QTextCursor cursor = box()->textCursor();
            cursor.setPosition(4);
            cursor.setPosition(14, QTextCursor::KeepAnchor);
            box()->setTextCursor(cursor);
            if (how == QLatin1String("key"))
                press(key, Qt::KeyboardModifiers(modifiers));
            else if (how == QLatin1String("alt"))
                QTest::keyClick(box(), text.at(0).toLatin1(), Qt::AltModifier);
            else if (how == QLatin1String("altgr"))
                QTest::keyClick(box(), text.at(0).toLatin1(),
                                Qt::ControlModifier | Qt::AltModifier);
            else if (how == QLatin1String("dead key")) {
                // To the box, which has the focus: the offscreen platform
                // leaves its focus window on the main window.
                FormTesting::compose(QStringLiteral("\u00b4"), box());
                FormTesting::commit(text, box());
            } else
                FormTesting::commit(text, box());
            QCOMPARE(box()->toPlainText(), Sample);
            QCOMPARE(box()->textCursor().selectedText(), Sample.mid(4, 10));
            QCOMPARE(clipboard->text(), QStringLiteral("on the clipboard"));
            QVERIFY(LoadedWindows::readMe); // and the window is still open
        }));
    }

    // The box is not locked: what is not typed still edits the shown text,
    // and never the file.
    void editsThatAreNotTypedShowUntilClosed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("context menu paste") << "paste";
        QTest::newRow("drop") << "drop";
    }
    void editsThatAreNotTypedShowUntilClosed()
    {
        QFETCH(QString, how);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted "));
        QVERIFY(whileViewerOpen([&] {
            if (how == QLatin1String("paste"))
                FormTesting::withContextMenu(box(), QPoint(2, 2),
                                             [](QMenu* menu) { QTest::keyClick(menu, Qt::Key_P); });
            else
                FormTesting::drop(box(), QPoint(2, 2), QStringLiteral("pasted "));
            QCOMPARE(box()->toPlainText(), QStringLiteral("pasted ") + Sample);
        }));
        QFile file(m_dir.filePath(frmReadMe::FileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Rollwright rolls dice.\r\nLine two.\r\n"));
        QVERIFY(whileViewerOpen([] { QCOMPARE(box()->toPlainText(), Sample); }));
    }

    void tabMovesOnToOk()
    {
        QVERIFY(whileViewerOpen([] {
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), QStringLiteral("cmdOk"));
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), QStringLiteral("txtReadMe"));
        }));
    }

    // Keys that type no character act as usual; Ctrl+Z cannot undo them.
    void keysThatTypeNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("Right") << int(Qt::Key_Right) << int(Qt::NoModifier) << 1 << Sample;
        QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier) << 23 << Sample;
        QTest::newRow("End") << int(Qt::Key_End) << int(Qt::NoModifier) << 22 << Sample;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 33 << Sample;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << 0 << Sample.mid(1);
    }

    void keysThatTypeNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, position);
        QFETCH(QString, text);
        QVERIFY(whileViewerOpen([&] {
            press(key, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(box()->textCursor().position(), position);
            QCOMPARE(box()->toPlainText(), text);
            press(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(box()->toPlainText(), text);
        }));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("onOk");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter in the box")
            << false << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("keypad Enter in the box")
            << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Enter on OK") << true << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("Space on OK") << true << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
        QTest::newRow("Ctrl+Enter in the box")
            << false << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
        QTest::newRow("Esc in the box")
            << false << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
        QTest::newRow("Esc on OK") << true << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    }

    void closing()
    {
        QFETCH(bool, onOk);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        bool closed = false;
        QVERIFY(whileViewerOpen([&] {
            if (onOk)
                press(Qt::Key_Tab);
            QCOMPARE(focusName(), onOk ? QStringLiteral("cmdOk") : QStringLiteral("txtReadMe"));
            press(key, Qt::KeyboardModifiers(modifiers));
            QTest::qWait(0);
            closed = !LoadedWindows::readMe->isVisible();
            if (!closed)
                QCOMPARE(box()->toPlainText(), Sample);
        }));
        QCOMPARE(closed, closes);
        QVERIFY(!LoadedWindows::readMe); // unloaded either way once closed
    }

    void closeBoxAndOkButton_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("OK clicked") << false;
        QTest::newRow("close box") << true;
    }

    void closeBoxAndOkButton()
    {
        QFETCH(bool, closeBox);
        bool closed = false;
        QVERIFY(whileViewerOpen([&] {
            if (closeBox)
                LoadedWindows::readMe->close();
            else
                QTest::mouseClick(okButton(), Qt::LeftButton);
            closed = !LoadedWindows::readMe->isVisible();
        }));
        QVERIFY(closed);
        QVERIFY(!LoadedWindows::readMe);
    }

    // Centred over the main window even when the About window that owns it
    // has been dragged elsewhere.
    void placedOverTheMainWindow()
    {
        m_main.window->move(150, 120);
        QVERIFY(whileModal(openAbout, [] {
            LoadedWindows::about->move(LoadedWindows::about->pos() + QPoint(170, 90));
            QVERIFY(whileModal(openReadMeFromAbout, [] {
                QCOMPARE(LoadedWindows::readMe->parentWidget(),
                         static_cast<QWidget*>(LoadedWindows::about));
                const QRect main = LoadedWindows::dice->frameGeometry();
                const QRect viewer = LoadedWindows::readMe->frameGeometry();
                QVERIFY(qAbs(main.center().x() - viewer.center().x()) <= 1);
                QVERIFY(qAbs(main.center().y() - viewer.center().y()) <= 1);
                // Wider than the main window: past both its edges by the same.
                QVERIFY(viewer.left() < main.left() && viewer.right() > main.right());
            }));
        }));
    }
};

QTEST_MAIN(ReadMeWindowTest)
#include "ReadMeWindowTest.moc"
