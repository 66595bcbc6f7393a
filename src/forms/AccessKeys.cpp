// SPDX-License-Identifier: MIT
#include <forms/AccessKeys.h>

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
    static QPointer<AccessKeys> filter; // gone with the application
    if (!filter) {
        filter = new AccessKeys(qApp);
        qApp->installEventFilter(filter);
    }
}

bool AccessKeys::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (QGuiApplication::keyboardModifiers() & Qt::AltModifier)
            m_altSpent = true;
        return false;
    case QEvent::KeyRelease:
        if (isAlt(event))
            m_altSpent = false;
        return false;
    case QEvent::ShortcutOverride:
        if (!isAlt(event))
            return false;
        // A press from the keyboard itself is a new Alt; one delivered again
        // after its access key is the old one, and the control takes it.
        if (event->spontaneous()) {
            m_altSpent = false;
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
