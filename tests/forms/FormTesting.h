// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

// Ways text reaches a control besides plain keys, driven as the window
// system drives them. Shared by the tests of the windows.
namespace FormTesting {

// The object the window system hands keys and input-method text to.
inline QObject* focusObject()
{
    return QGuiApplication::focusObject();
}

// An input method commits text, as after a dead key or a composition, to
// the control with the focus.
inline void commit(const QString& text, QObject* target = focusObject())
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(target, &event);
}

// An input method shows a composition in progress.
inline void compose(const QString& preedit, QObject* target = focusObject())
{
    QInputMethodEvent event(preedit, {});
    QCoreApplication::sendEvent(target, &event);
}

// One key press carrying several characters, as some input methods send.
inline void keyWithText(const QString& text)
{
    QTest::sendKeyEvent(QTest::Press, qobject_cast<QWidget*>(focusObject()), Qt::Key_unknown, text,
                        Qt::NoModifier);
}

// The widget that shows the text and its context menu: the edit part of a
// list, the viewport of a multi-line box.
inline QWidget* surface(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->lineEdit();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        return box->viewport();
    return control;
}

// Opens the control's own context menu at `pos` and runs `inMenu` on it
// while it is open; a menu still open afterwards is closed.
inline void withContextMenu(QWidget* control, QPoint pos, const std::function<void(QMenu*)>& inMenu)
{
    QWidget* target = surface(control);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QCoreApplication::sendEvent(target, &event);
    const QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    inMenu(menu);
    if (menu && menu->isVisible())
        menu->close();
}

// Drops text onto the control at `pos`, as a drag from another program.
inline void drop(QWidget* control, QPoint pos, const QString& text)
{
    QWidget* target = surface(control);
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent dropped(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
}

inline QString textOf(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        return box->toPlainText();
    return qobject_cast<QLineEdit*>(control)->text();
}

inline QString selectedTextOf(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->lineEdit()->selectedText();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        return box->textCursor().selectedText();
    return qobject_cast<QLineEdit*>(control)->selectedText();
}

// Puts the caret at `position`, with nothing selected.
inline void placeCaret(QWidget* control, int position)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->lineEdit()->setCursorPosition(position);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(position);
        box->setTextCursor(cursor);
    } else
        qobject_cast<QLineEdit*>(control)->setCursorPosition(position);
}

inline void selectAll(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->lineEdit()->selectAll();
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->selectAll();
    else
        qobject_cast<QLineEdit*>(control)->selectAll();
}

inline void setText(QWidget* control, const QString& text)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setEditText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
        box->setPlainText(text);
    else
        qobject_cast<QLineEdit*>(control)->setText(text);
}

// Where a click lands after the last character of a one-line text.
inline QPoint pastTheEnd(QWidget* control)
{
    QWidget* target = surface(control);
    return {target->width() - 3, target->height() / 2};
}

} // namespace FormTesting
