// SPDX-License-Identifier: MIT
#include <forms/AccessKeys.h>
#include <forms/KeyOrder.h>
#include <forms/KeyboardLayout.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

bool isAlt(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Alt || key == Qt::Key_Meta;
}

} // namespace

void AccessKeys::install()
{
    KeyOrder::install();
    static QPointer<AccessKeys> filter; // gone with the application
    if (!filter) {
        filter = new AccessKeys(qApp);
        qApp->installEventFilter(filter);
    }
}

bool AccessKeys::pressAtOnce(QObject* watched, const QShortcutEvent* event)
{
    // Qt would click 100 ms later, from a timer: a key typed meanwhile would
    // be handled before the button's Click.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || event->isAmbiguous() || event->key() != button->shortcut())
        return false; // two controls with one key: Qt moves between them
    if (!button->isEnabled())
        return true;
    if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
        button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

bool AccessKeys::pressDigitOfKey(QObject* watched, const QKeyEvent* event)
{
    // Only a key that no access key took arrives here. On AZERTY the digits
    // are the shifted level of their keys, yet Alt+6 means the key with 6 on
    // it, Shift or not.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier) ||
        watched != QApplication::focusWidget() ||
        (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9))
        return false; // once, at the control, not again as it goes up to its window
    const int digit = KeyboardLayout::digitOnKey(*event);
    if (digit < 0)
        return false;
    // Sent again as Alt and its digit: the application tries its shortcuts on
    // a key press that does not come from the keyboard before delivering it.
    QKeyEvent again(QEvent::KeyPress, Qt::Key_0 + digit, Qt::AltModifier, QString::number(digit));
    m_digitAgain = &again;
    QCoreApplication::sendEvent(watched, &again);
    const bool pressed = m_digitAgain != nullptr;
    m_digitAgain = nullptr;
    return pressed;
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (QGuiApplication::keyboardModifiers() & Qt::AltModifier)
            m_altSpent = true;
        return pressAtOnce(watched, static_cast<QShortcutEvent*>(event));
    case QEvent::KeyPress:
        if (event == m_digitAgain) {
            m_digitAgain = nullptr; // no access key on that digit either
            return true;
        }
        // Alt reached the controls: nothing will hand it back later.
        if (isAlt(event) && (watched->isWidgetType() || !event->spontaneous()))
            m_altHeldBack = false;
        return pressDigitOfKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        // A held-back press comes back before its release does, but perhaps
        // after the real release: the spent Alt lasts until then.
        if (isAlt(event) && !m_altHeldBack)
            m_altSpent = false;
        return false;
    case QEvent::ShortcutOverride:
        if (!isAlt(event))
            return false;
        // A press from the keyboard itself is a new Alt; one delivered again
        // after its access key is the old one, and the control takes it.
        if (event->spontaneous()) {
            m_altSpent = false;
            m_altHeldBack = true;
            return false;
        }
        if (m_altSpent) {
            event->accept();
            return true;
        }
        return false;
    default:
        return false;
    }
}
