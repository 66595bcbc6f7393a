// SPDX-License-Identifier: MIT
#include <forms/AccessKeys.h>
#include <forms/FormEvents.h>
#include <forms/KeyAscii.h>
#include <forms/ListPopup.h>
#include <forms/Program.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWidget>

#include <limits>
#include <utility>

namespace {

// Runs each character of `text` through the handler, one code point at a
// time, and returns what passes, replacements included.
QString passThrough(const QString& text, const FormEvents::KeyHandler& handler)
{
    QString passed;
    for (const char32_t character : text.toUcs4()) {
        int keyAscii = static_cast<int>(character);
        Program::runHandler([&] { handler(keyAscii); });
        if (Program::isEnding())
            return {};
        if (keyAscii > 0 && keyAscii <= 0x10FFFF) {
            const auto code = static_cast<char32_t>(keyAscii);
            passed.append(QString::fromUcs4(&code, 1));
        }
    }
    return passed;
}

// Text boxes have no length limit: Qt's 32767 characters would cut a paste
// or a text set through the accessibility interface.
void unlimit(QLineEdit* box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace

FormEvents::FormEvents(QWidget* form) : QObject(form), m_form(form)
{
    AccessKeys::install();
    // Enter and Escape are the window's wherever the focus is.
    watch(form);
    for (QWidget* child : form->findChildren<QWidget*>())
        watch(child);
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        unlimit(box);
}

void FormEvents::watch(QWidget* control)
{
    if (!m_watched.contains(control)) {
        m_watched.insert(control);
        control->installEventFilter(this);
    }
}

void FormEvents::onGotFocus(QWidget* control, Handler handler)
{
    watch(control);
    m_gotFocus.insert(control, std::move(handler));
}

void FormEvents::onClick(QWidget* control, Handler handler)
{
    watch(control);
    m_click.insert(control, std::move(handler));
}

void FormEvents::onKeyPress(QWidget* control, KeyHandler handler)
{
    watch(control);
    m_keyPress.insert(control, std::move(handler));
}

void FormEvents::makeEditableList(QComboBox* list)
{
    list->setEditable(true);
    unlimit(list->lineEdit());
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    ListPopup::bound(list);
    watch(list);
    m_editableLists.insert(list);
}

void FormEvents::moveFocus(QWidget* control)
{
    // Qt raises no focus event for a control that has the focus already, nor
    // in an inactive window; the handler runs here instead, exactly once.
    m_focusMovedByCode = control;
    control->setFocus(Qt::OtherFocusReason);
    m_focusMovedByCode = nullptr;
    if (control->window()->focusWidget() != control)
        return; // hidden or disabled: the focus stays where it was
    if (const auto it = m_gotFocus.constFind(control); it != m_gotFocus.cend())
        Program::runHandler(*it);
}

void FormEvents::deliver(QObject* watched, QEvent* event)
{
    QObject* const outer = m_redelivering;
    m_redelivering = watched;
    QCoreApplication::sendEvent(watched, event);
    m_redelivering = outer;
}

void FormEvents::type(QWidget* control, const QString& text)
{
    // As key presses the control inserts them exactly as typed ones, through
    // its own editing, signals and undo. A handler may have turned a
    // character into Backspace.
    QString run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, run);
        deliver(control, &typed);
        run.clear();
    };
    for (const QChar c : text) {
        if (c == u'\b') {
            flush();
            QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                                QStringLiteral("\b"));
            deliver(control, &backspace);
        } else if (c.category() != QChar::Other_Control) {
            run.append(c);
        }
    }
    flush();
}

bool FormEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_redelivering)
        return false;

    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back to an active window, or from a list's popup, a context
        // menu or the menu bar, is no entry: the focus never left in spirit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason || watched == m_focusMovedByCode)
            return false;
        if (const auto it = m_gotFocus.constFind(watched); it != m_gotFocus.cend()) {
            deliver(watched, event);
            Program::runHandler(*it);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        if (m_editableLists.contains(watched)) {
            const QSignalBlocker quiet(watched);
            deliver(watched, event);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto it = m_click.constFind(watched);
        if (it == m_click.cend() || mouse->button() != Qt::LeftButton)
            return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (!widget->rect().contains(mouse->position().toPoint()))
            return false;
        // Qt's own release handling would undo a selection made before it.
        deliver(watched, event);
        Program::runHandler(*it);
        return true;
    }
    case QEvent::KeyPress:
        return handleKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        if (const auto it = m_keyPress.constFind(watched); it != m_keyPress.cend())
            return filterInputMethod(static_cast<QWidget*>(watched),
                                     static_cast<QInputMethodEvent*>(event), *it);
        return false;
    default:
        return false;
    }
}

bool FormEvents::handleKey(QWidget* control, QKeyEvent* event)
{
    // Menus and list popups are windows of their own, and the menu bar takes
    // Enter and Escape while it has the keyboard: their keys are theirs.
    if (control->window() != m_form || qobject_cast<QMenuBar*>(control))
        return false;
    const int key = event->key();
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));

    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != m_form)
            focus = control;
        if (m_keepsEnter.contains(focus))
            return true;
        auto* pressed = qobject_cast<QPushButton*>(focus);
        if (!pressed)
            pressed = qobject_cast<QPushButton*>(m_defaultButton);
        if (pressed && pressed->isEnabled() && pressed->isVisible())
            pressed->click();
        return true;
    }
    if (key == Qt::Key_Escape && plain) {
        if (m_cancelButton && m_cancelButton->isEnabled())
            m_cancelButton->click();
        return true;
    }

    const auto it = m_keyPress.constFind(control);
    if (it == m_keyPress.cend())
        return false;
    return filterTypedKey(control, event, *it);
}

bool FormEvents::filterTypedKey(QWidget* control, QKeyEvent* event, const KeyHandler& handler)
{
    const KeyTyping typing = typingOf(*event);
    if (typing.typesNothing)
        return true;
    if (typing.undo) {
        QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
        deliver(control, &undo);
        return true;
    }
    if (typing.controlCode != 0) {
        int keyAscii = typing.controlCode;
        Program::runHandler([&] { handler(keyAscii); });
        if (Program::isEnding())
            return true;
        if (keyAscii == typing.controlCode && typing.ownKey)
            return false; // the control acts on the key as usual
        // A passed code acts as that code, however it was typed (Ctrl+H).
        if (keyAscii > 0)
            type(control, QString(QChar(char16_t(keyAscii))));
        return true;
    }
    if (typing.text.isEmpty())
        return false; // no character: cursor keys, Delete and the like act as usual

    const QString passed = passThrough(typing.text, handler);
    if (passed == typing.text && passed == event->text())
        return false; // the control inserts the key's own text
    type(control, passed);
    return true;
}

bool FormEvents::filterInputMethod(QWidget* control, QInputMethodEvent* event,
                                   const KeyHandler& handler)
{
    // A composition in progress is not shown in the control: showing it
    // would replace the selection before any character had passed. What the
    // input method commits is typed, character by character; it replaces
    // nothing but the selection, as a typed key does.
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return true;
    type(control, passThrough(commit, handler));
    return true;
}
