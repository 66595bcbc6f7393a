// SPDX-License-Identifier: MIT
#include <forms/KeyOrder.h>

#ifdef ROLLWRIGHT_HAVE_QT_PRIVATE_API

#include <QGuiApplication>
#include <QKeyEvent>
#include <QThread>
#include <QWindow>

// A waiting key goes on through Qt's platform interface, as the keyboard's
// own keys do, so that the bridge lets the screen reader hear it and an
// access key acts on it. It ties the build to this very Qt (the build links
// Qt6::GuiPrivate and the package depends on exactly this Qt).
#include <qpa/qwindowsysteminterface.h>

namespace {

KeyOrder* gate = nullptr;

// QKeyEvent::modifiers() turns a modifier key's own modifier over, and a
// copy made from it (the bridge's) holds that: the base class's are as sent.
Qt::KeyboardModifiers sentModifiers(const QKeyEvent& event)
{
    return static_cast<const QInputEvent&>(event).modifiers();
}

Qt::KeyboardModifiers ownModifier(int key)
{
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

KeyOrder::Key KeyOrder::Key::of(QWindow* window, const QKeyEvent& event)
{
    Key key;
    key.window = window;
    key.type = event.type();
    key.key = event.key();
    key.modifiers = sentModifiers(event);
    key.scanCode = event.nativeScanCode();
    key.virtualKey = event.nativeVirtualKey();
    key.nativeModifiers = event.nativeModifiers();
    key.text = event.text();
    key.autoRepeat = event.isAutoRepeat();
    key.count = static_cast<ushort>(event.count());
    key.since.start();
    return key;
}

bool KeyOrder::Key::sameKey(const QKeyEvent& event) const
{
    const Qt::KeyboardModifiers others = ~ownModifier(key);
    return event.type() == type && event.key() == key &&
           (sentModifiers(event) & others) == (modifiers & others) &&
           event.nativeScanCode() == scanCode && event.text() == text;
}

void KeyOrder::install()
{
    if (!gate)
        gate = new KeyOrder(qApp); // gone with the application
}

KeyOrder::KeyOrder(QObject* parent) : QObject(parent)
{
    m_bound.setSingleShot(true);
    connect(&m_bound, &QTimer::timeout, this, &KeyOrder::sendNext);
    // Ahead of every event filter, the bridge's included, whenever it is
    // installed.
    QInternal::registerCallback(QInternal::EventNotifyCallback, &KeyOrder::notified);
}

KeyOrder::~KeyOrder()
{
    QInternal::unregisterCallback(QInternal::EventNotifyCallback, &KeyOrder::notified);
    gate = nullptr;
}

bool KeyOrder::notified(void** data)
{
    auto* event = static_cast<QEvent*>(data[1]);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        break;
    default:
        return false;
    }
    if (!gate || QThread::currentThread() != gate->thread() ||
        !gate->arrives(static_cast<QObject*>(data[0]), event))
        return false;
    *static_cast<bool*>(data[2]) = true;
    return true;
}

bool KeyOrder::arrives(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // The key sent on was an access key; its handler may open a modal
        // window, whose keys are new ones.
        m_sending = false;
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!receiver->isWindowType()) {
        // A window hands each key on to its focus widget: nothing took it.
        if (event == m_last)
            m_lastPassedOn = true;
        return false;
    }
    const bool overrideOnly = event->type() == QEvent::ShortcutOverride;
    if (!event->spontaneous()) {
        // The bridge hands back a key, to the window it came to; keys it
        // held before it and not handed back the screen reader kept.
        if (overrideOnly)
            return false;
        settleLastKey();
        for (qsizetype i = 0; i < m_held.size(); ++i) {
            if (m_held[i].sameKey(*key)) {
                m_held.remove(0, i + 1);
                scheduleNext();
                break;
            }
        }
        return false;
    }

    auto* window = static_cast<QWindow*>(receiver);
    settleLastKey();
    dropExpired();
    if (m_sending || (m_held.isEmpty() && m_waiting.isEmpty())) {
        if (!overrideOnly) {
            m_sending = false;
            m_last = event;
            m_lastKey = Key::of(window, *key);
            m_lastPassedOn = false;
        }
        return false;
    }
    // Behind a held key. Accepting the override keeps access keys and the
    // menu bar's Alt from acting now; the key press itself follows and waits.
    event->accept();
    if (!overrideOnly)
        m_waiting.append(Key::of(window, *key));
    return true;
}

void KeyOrder::settleLastKey()
{
    if (m_last && !m_lastPassedOn) {
        m_held.append(m_lastKey);
        m_bound.start(HoldBound);
    }
    m_last = nullptr;
}

void KeyOrder::dropExpired()
{
    while (!m_held.isEmpty() && m_held.first().since.hasExpired(HoldBound))
        m_held.removeFirst();
    if (m_held.isEmpty())
        m_bound.stop();
    else
        m_bound.start(static_cast<int>(HoldBound - m_held.first().since.elapsed()));
}

void KeyOrder::scheduleNext()
{
    if (m_nextScheduled || !m_held.isEmpty() || m_waiting.isEmpty())
        return;
    m_nextScheduled = true;
    // After the key being delivered now has been handled.
    QMetaObject::invokeMethod(this, &KeyOrder::sendNext, Qt::QueuedConnection);
}

void KeyOrder::sendNext()
{
    m_nextScheduled = false;
    for (;;) {
        settleLastKey();
        dropExpired();
        if (!m_held.isEmpty() || m_waiting.isEmpty())
            return;
        const Key key = m_waiting.takeFirst();
        // Scheduled before this key acts: a modal window it opens takes the
        // keys typed after it.
        scheduleNext();
        // To the window that has the keyboard now, as the key would have
        // gone had it been typed now: a modal window its access key opened.
        QWindow* window = QGuiApplication::focusWindow();
        if (!window)
            window = key.window;
        if (!window)
            continue;
        m_sending = true;
        QWindowSystemInterface::setSynchronousWindowSystemEvents(true);
        QWindowSystemInterface::handleExtendedKeyEvent(
            window, static_cast<QEvent::Type>(key.type), key.key, key.modifiers, key.scanCode,
            key.virtualKey, key.nativeModifiers, key.text, key.autoRepeat, key.count);
        QWindowSystemInterface::setSynchronousWindowSystemEvents(false);
        m_sending = false;
    }
}

#else

// Without Qt's private API keys go on as Qt delivers them.
void KeyOrder::install() {}
KeyOrder::~KeyOrder() = default;

#endif
