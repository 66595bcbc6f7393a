#include "FormEvents.h"

#include "KeyAscii.h"
#include "Program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWidget>

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

} // namespace

FormEvents::FormEvents(QWidget* form) : QObject(form), form_(form)
{
    // Enter and Escape are the window's wherever the focus is.
    watch(form);
    for (QWidget* child : form->findChildren<QWidget*>())
        watch(child);
}

void FormEvents::watch(QWidget* control)
{
    if (!watched_.contains(control)) {
        watched_.insert(control);
        control->installEventFilter(this);
    }
}

void FormEvents::onGotFocus(QWidget* control, Handler handler)
{
    watch(control);
    gotFocus_.insert(control, std::move(handler));
}

void FormEvents::onClick(QWidget* control, Handler handler)
{
    watch(control);
    click_.insert(control, std::move(handler));
}

void FormEvents::onKeyPress(QWidget* control, KeyHandler handler)
{
    watch(control);
    keyPress_.insert(control, std::move(handler));
}

void FormEvents::makeEditableList(QComboBox* list)
{
    list->setEditable(true);
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    watch(list);
    editableLists_.insert(list);
}

void FormEvents::moveFocus(QWidget* control)
{
    // Qt raises no focus event for a control that has the focus already, nor
    // in an inactive window; the handler runs here instead, exactly once.
    focusMovedByCode_ = control;
    control->setFocus(Qt::OtherFocusReason);
    focusMovedByCode_ = nullptr;
    if (control->window()->focusWidget() != control)
        return; // hidden or disabled: the focus stays where it was
    if (const auto it = gotFocus_.constFind(control); it != gotFocus_.cend())
        Program::runHandler(*it);
}

void FormEvents::deliver(QObject* watched, QEvent* event)
{
    QObject* const outer = redelivering_;
    redelivering_ = watched;
    QCoreApplication::sendEvent(watched, event);
    redelivering_ = outer;
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
            QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
            deliver(control, &backspace);
        } else if (c.category() != QChar::Other_Control) {
            run.append(c);
        }
    }
    flush();
}

bool FormEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == redelivering_)
        return false;

    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back to an active window, or from a list's popup, a context
        // menu or the menu bar, is no entry: the focus never left in spirit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            reason == Qt::MenuBarFocusReason || watched == focusMovedByCode_)
            return false;
        if (const auto it = gotFocus_.constFind(watched); it != gotFocus_.cend()) {
            deliver(watched, event);
            Program::runHandler(*it);
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        if (editableLists_.contains(watched)) {
            const QSignalBlocker quiet(watched);
            deliver(watched, event);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto it = click_.constFind(watched);
        if (it == click_.cend() || mouse->button() != Qt::LeftButton)
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
        if (const auto it = keyPress_.constFind(watched); it != keyPress_.cend())
            return filterInputMethod(static_cast<QWidget*>(watched), static_cast<QInputMethodEvent*>(event), *it);
        return false;
    default:
        return false;
    }
}

bool FormEvents::handleKey(QWidget* control, QKeyEvent* event)
{
    // Menus and list popups are windows of their own, and the menu bar takes
    // Enter and Escape while it has the keyboard: their keys are theirs.
    if (control->window() != form_ || qobject_cast<QMenuBar*>(control))
        return false;
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));

    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != form_)
            focus = control;
        if (keepsEnter_.contains(focus))
            return true;
        auto* pressed = qobject_cast<QPushButton*>(focus);
        if (!pressed)
            pressed = qobject_cast<QPushButton*>(defaultButton_);
        if (pressed && pressed->isEnabled() && pressed->isVisible())
            pressed->click();
        return true;
    }
    if (key == Qt::Key_Escape && plain) {
        if (cancelButton_ && cancelButton_->isEnabled())
            cancelButton_->click();
        return true;
    }

    const auto it = keyPress_.constFind(control);
    if (it == keyPress_.cend())
        return false;
    return filterTypedKey(control, event, *it);
}

bool FormEvents::filterTypedKey(QWidget* control, QKeyEvent* event, const KeyHandler& handler)
{
    const KeyTyping typing = typingOf(*event);
    if (typing.typesNothing)
        return true;
    if (typing.controlCode != 0) {
        int keyAscii = typing.controlCode;
        Program::runHandler([&] { handler(keyAscii); });
        if (keyAscii == typing.controlCode && !Program::isEnding())
            return false; // the control acts on the key as usual
        if (keyAscii > 0 && !Program::isEnding())
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

bool FormEvents::filterInputMethod(QWidget* control, QInputMethodEvent* event, const KeyHandler& handler)
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
