#include "FormEvents.h"

#include "KeyAscii.h"
#include "Program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWidget>

#include <utility>

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
    const bool windowActive = control->window()->isActiveWindow();
    const bool hadFocus = QApplication::focusWidget() == control;
    control->setFocus(Qt::OtherFocusReason);
    // An inactive window takes note of its focus control without a focus
    // event; the handler must run all the same.
    if ((!windowActive || QApplication::focusWidget() != control) && !hadFocus) {
        if (const auto it = gotFocus_.constFind(control); it != gotFocus_.cend())
            Program::runHandler(*it);
    }
}

void FormEvents::deliver(QObject* watched, QEvent* event)
{
    redelivering_ = watched;
    QCoreApplication::sendEvent(watched, event);
    redelivering_ = nullptr;
}

void FormEvents::deliverThenRun(QObject* watched, QEvent* event, const Handler& handler)
{
    deliver(watched, event);
    Program::runHandler(handler);
}

bool FormEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == redelivering_)
        return false;

    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Coming back to an active window or from a list's popup is no entry.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (const auto it = gotFocus_.constFind(watched); it != gotFocus_.cend()) {
            deliverThenRun(watched, event, *it);
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
        deliverThenRun(watched, event, *it);
        return true;
    }
    case QEvent::KeyPress:
        return handleKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool FormEvents::handleKey(QWidget* control, QKeyEvent* event)
{
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
    int keyAscii = keyAsciiOf(*event);
    if (keyAscii == 0)
        return false; // no character: cursor keys, Delete and the like act as usual
    Program::runHandler([&] { (*it)(keyAscii); });
    return keyAscii == 0;
}
