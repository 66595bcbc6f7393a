// SPDX-License-Identifier: MIT
#include <forms/WindowFrame.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef ROLLWRIGHT_HAVE_XCB
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace WindowFrame {

namespace {

constexpr const char* AnswerProperty = "_rollwright_frame_answer";

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The window's native window, made if need be. Never by winId(): on a window
// with a parent that turns the parent's children into native windows, which
// on Wayland stop showing what they paint.
void makeNative(const QWidget* window)
{
    if (!window->internalWinId())
        const_cast<QWidget*>(window)->createWinId();
}

QMargins platformMargins(const QWidget* window)
{
    makeNative(window);
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

#ifdef ROLLWRIGHT_HAVE_XCB

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool rootHas(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t list, xcb_atom_t wanted)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, list, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

// The window's _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t property)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

// Asks the window manager for the frame it will give the unmapped window
// (_NET_REQUEST_FRAME_EXTENTS), and waits a little for its answer. Null
// when it does not answer.
QMargins askWindowManager(const QWidget* window)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return {};
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!rootHas(connection, root, atom(connection, "_NET_SUPPORTED"), request))
        return {};
    const xcb_atom_t extentsAtom = atom(connection, "_NET_FRAME_EXTENTS");
    makeNative(window);
    const auto id = static_cast<xcb_window_t>(window->internalWinId());

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // A window manager that offers this answers at once; a busy one may
    // take a moment, and the window is placed again once shown if it misses.
    const QDeadlineTimer deadline(300);
    for (;;) {
        if (const auto extents = frameExtents(connection, id, extentsAtom))
            return *extents;
        if (deadline.hasExpired())
            return {};
        QThread::msleep(2);
    }
}

#endif

// The frame of another window of the program that is shown already, the
// owner first: the window manager frames the windows of one program alike.
QMargins standIn(const QWidget* window)
{
    QList<QWidget*> candidates;
    if (QWidget* owner = window->parentWidget())
        candidates << owner->window();
    candidates << QApplication::topLevelWidgets();
    for (QWidget* other : std::as_const(candidates)) {
        if (other == window || !other->isVisible() || !other->windowHandle())
            continue;
        const QMargins margins = other->windowHandle()->frameMargins();
        if (!margins.isNull())
            return margins;
    }
    return {};
}

// Watches a shown window until its frame is known, then places it again.
class Watcher : public QObject
{
public:
    Watcher(QWidget* window, std::function<void()> place)
        : QObject(window), m_window(window), m_place(std::move(place))
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            break;
        default:
            return false;
        }
        const QMargins now = platformMargins(m_window);
        if (now.isNull())
            return false;
        m_window->windowHandle()->removeEventFilter(this);
        // Again even with the frame expected: some window managers put the
        // frame, not the inside, where a new window asks to be. Once Qt has
        // taken in the geometry this event brings.
        QMetaObject::invokeMethod(m_window, m_place, Qt::QueuedConnection);
        deleteLater();
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_place;
};

// What the window manager answered before the first show, asked once.
QMargins answered(const QWidget* window)
{
    const QVariant cached = window->property(AnswerProperty);
    if (cached.isValid())
        return cached.value<QMargins>();
    QMargins answer;
#ifdef ROLLWRIGHT_HAVE_XCB
    answer = askWindowManager(window);
#endif
    const_cast<QWidget*>(window)->setProperty(AnswerProperty,
                                              QVariant::fromValue(answer)); // a cache
    return answer;
}

} // namespace

bool isKnown(const QWidget* window)
{
    // Only X11 frames a window after the program has placed it.
    if (!window->isWindow() || !onX11() || window->isVisible())
        return true;
    return !platformMargins(window).isNull() || !answered(window).isNull();
}

QMargins of(const QWidget* window)
{
    if (!window->isWindow())
        return {};
    const QMargins platform = platformMargins(window);
    if (!platform.isNull() || !onX11() || window->isVisible())
        return platform;
    if (const QMargins answer = answered(window); !answer.isNull())
        return answer;
    return standIn(window);
}

bool windowSystemPlaces()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void place(QWidget* window, const std::function<void()>& place)
{
    if (windowSystemPlaces())
        return;
    place();
    if (isKnown(window))
        return;
    new Watcher(window, place);
}

} // namespace WindowFrame
