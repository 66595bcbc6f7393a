// SPDX-License-Identifier: MIT
#include <forms/WindowFrame.h>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#ifdef ROLLWRIGHT_HAVE_XCB
#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#endif

namespace WindowFrame {

namespace {

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

// Shown by the window system, not merely about to be: Qt says a window is
// visible while it announces the show, before it maps the window.
bool shown(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle && handle->isVisible();
}

QMargins platformMargins(const QWidget* window)
{
    makeNative(window);
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

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
        // Only once shown: on X11 Qt may learn the frame before.
        const QMargins now = platformMargins(m_window);
        if (!shown(m_window) || now.isNull())
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

#ifdef ROLLWRIGHT_HAVE_XCB

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t* x11Connection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// What the window manager was asked about one window before its first show,
// what it answered, and the placement to make again once it has.
class Frame : public QObject
{
    Q_OBJECT

public:
    explicit Frame(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    QWidget* window() const { return m_window; }

    // The native window asked about: new flags give the window a new one,
    // and an answer about the old one no longer holds.
    xcb_window_t asked() const { return m_asked; }
    void askedAbout(xcb_window_t native)
    {
        m_asked = native;
        m_answer.reset();
    }

    const std::optional<QMargins>& answer() const { return m_answer; }
    void answered(const QMargins& extents) { m_answer = extents; }

    // Makes `placement` just before the first show.
    void placeAtShow(std::function<void()> placement) { m_placement = std::move(placement); }

protected:
    bool eventFilter(QObject*, QEvent* event) override;

private:
    QWidget* m_window;
    xcb_window_t m_asked = XCB_WINDOW_NONE;
    std::optional<QMargins> m_answer;
    std::function<void()> m_placement;
};

Frame* frameOf(const QWidget* window)
{
    return window->findChild<Frame*>(QString(), Qt::FindDirectChildrenOnly);
}

// Sends _NET_REQUEST_FRAME_EXTENTS and takes the window manager's answer
// from the PropertyNotify that Qt reads among its other X events: nobody
// waits for a window manager, which may answer late or never. One per
// program, as its connection to the X server is.
class Answers : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit Answers(xcb_connection_t* connection) : QObject(qApp), m_connection(connection)
    {
        // Interned together, in one round trip.
        const char* names[] = {"_NET_REQUEST_FRAME_EXTENTS", "_NET_FRAME_EXTENTS"};
        xcb_intern_atom_cookie_t cookies[2];
        for (int i = 0; i < 2; ++i)
            cookies[i] = xcb_intern_atom(connection, 0,
                                         static_cast<uint16_t>(std::strlen(names[i])), names[i]);
        xcb_atom_t* found[] = {&m_request, &m_extents};
        for (int i = 0; i < 2; ++i) {
            const Reply<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(connection, cookies[i], nullptr));
            *found[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        }
        qApp->installNativeEventFilter(this);
    }

    static Answers* of(xcb_connection_t* connection)
    {
        auto* answers = qApp->findChild<Answers*>(QString(), Qt::FindDirectChildrenOnly);
        return answers ? answers : new Answers(connection);
    }

    void ask(Frame* frame, xcb_window_t window)
    {
        frame->askedAbout(window);
        m_waiting.removeAll(nullptr);
        if (!m_waiting.contains(frame))
            m_waiting << frame;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = m_request;
        xcb_send_event(m_connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(m_connection);
    }

    // The answer if the window manager has given it by now: the X server
    // tells what the window holds, without waiting for the window manager.
    void look(Frame* frame)
    {
        if (frame->answer() || frame->asked() == XCB_WINDOW_NONE)
            return;
        if (const auto extents = read(frame->asked()))
            take(frame, *extents);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notify->atom != m_extents || notify->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        const QList<QPointer<Frame>> waiting = m_waiting;
        for (Frame* frame : waiting) {
            if (frame && frame->asked() == notify->window && !frame->answer()) {
                if (const auto extents = read(notify->window))
                    take(frame, *extents);
            }
        }
        return false; // Qt takes the new frame in as well
    }

private:
    // The window's _NET_FRAME_EXTENTS: left, right, top, bottom.
    std::optional<QMargins> read(xcb_window_t window) const
    {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, m_extents, XCB_ATOM_CARDINAL, 0, 4),
            nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
            return std::nullopt;
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
        return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                        static_cast<int>(v[3]));
    }

    void take(Frame* frame, const QMargins& extents)
    {
        frame->answered(extents);
        m_waiting.removeAll(frame);
    }

    xcb_connection_t* m_connection;
    xcb_atom_t m_request = XCB_ATOM_NONE;
    xcb_atom_t m_extents = XCB_ATOM_NONE;
    QList<QPointer<Frame>> m_waiting;
};

bool Frame::eventFilter(QObject*, QEvent* event)
{
    // Qt announces the show before it maps the window: placed now, with what
    // the window manager has answered by then, the window appears where it
    // is meant to be. A window not yet mapped is not placed before: the
    // window manager may set its place back meanwhile, and Qt learns that.
    if (event->type() == QEvent::Show && m_window->isWindow()) {
        if (const std::function<void()> placement = std::exchange(m_placement, nullptr)) {
            xcb_connection_t* connection = x11Connection();
            if (connection && m_asked == static_cast<xcb_window_t>(m_window->internalWinId()))
                Answers::of(connection)->look(this);
            placement();
            if (!isKnown(m_window))
                new Watcher(m_window, placement);
        }
    }
    return false;
}

#endif

// What the window manager has answered so far for the unmapped window; it is
// asked now if it was not asked about the native window the window has.
// Null while no answer has come, or where none will.
QMargins answered(const QWidget* window)
{
#ifdef ROLLWRIGHT_HAVE_XCB
    prepare(const_cast<QWidget*>(window));
    const Frame* frame = frameOf(window);
    return frame && frame->answer() ? *frame->answer() : QMargins();
#else
    Q_UNUSED(window);
    return {};
#endif
}

} // namespace

void prepare(QWidget* window)
{
#ifdef ROLLWRIGHT_HAVE_XCB
    if (!window->isWindow() || !onX11() || shown(window))
        return;
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    makeNative(window);
    const auto native = static_cast<xcb_window_t>(window->internalWinId());
    Frame* frame = frameOf(window);
    if (!frame)
        frame = new Frame(window);
    if (frame->asked() != native)
        Answers::of(connection)->ask(frame, native);
#else
    Q_UNUSED(window);
#endif
}

bool isKnown(const QWidget* window)
{
    // Only X11 frames a window after the program has placed it.
    if (!window->isWindow() || !onX11() || shown(window))
        return true;
    return !platformMargins(window).isNull() || !answered(window).isNull();
}

QMargins of(const QWidget* window)
{
    if (!window->isWindow())
        return {};
    const QMargins platform = platformMargins(window);
    if (!platform.isNull() || !onX11() || shown(window))
        return platform;
    if (const QMargins answer = answered(window); !answer.isNull())
        return answer;
    return standIn(window);
}

bool windowSystemPlaces()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {

// Whether Qt draws the window's title bar: only on Wayland, and there unless
// the compositor draws it, as a window of the program already shown tells by
// the frame Qt gave it. Before any is shown Qt is taken to draw it: a box a
// little wider than it needs is better than a cut caption.
bool toolkitDrawsTitleBar(const QWidget* window)
{
    if (!windowSystemPlaces() ||
        qEnvironmentVariableIntValue("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        return false;
    QList<QWidget*> candidates{const_cast<QWidget*>(window)};
    if (QWidget* owner = window->parentWidget())
        candidates << owner->window();
    candidates << QApplication::topLevelWidgets();
    for (const QWidget* other : std::as_const(candidates)) {
        if (other->isVisible() && other->windowHandle())
            return other->windowHandle()->frameMargins().top() > 0;
    }
    return true;
}

// Qt 6.4's title bar on Wayland: Minimise, Maximise and Close, 18 pixels wide
// and 5 apart, 8 from the right edge, and 5 more before the caption's clip;
// the caption centred on the whole bar, in 14-pixel type.
constexpr int TitleBarButtons = 3 * 18 + 2 * 5 + 8 + 5;
constexpr int CaptionPixels = 14;

} // namespace

int captionWidth(const QWidget* window)
{
    const QString caption = window->windowTitle();
    if (caption.isEmpty() || !toolkitDrawsTitleBar(window))
        return 0;
    QFont font = QGuiApplication::font();
    const int laidOut = QFontMetrics(font).horizontalAdvance(caption);
    font.setPixelSize(CaptionPixels);
    const int drawn = QFontMetrics(font).horizontalAdvance(caption);
    // The caption is centred by the width it had in the type it was first
    // laid out in, so the larger type reaches that much further right.
    const int bar = drawn + std::max(0, drawn - laidOut) + 2 * TitleBarButtons;
    const QMargins frame = of(window);
    return bar - frame.left() - frame.right();
}

void fitCaption(QWidget* window)
{
    const int width = captionWidth(window);
    if (width <= window->width())
        return;
    if (window->minimumWidth() == window->maximumWidth())
        window->setFixedWidth(width);
    else
        window->setMinimumWidth(width);
    window->resize(width, window->height());
}

void place(QWidget* window, const std::function<void()>& place)
{
    if (windowSystemPlaces()) {
        fitCaption(window);
        return;
    }
#ifdef ROLLWRIGHT_HAVE_XCB
    if (window->isWindow() && onX11() && !shown(window)) {
        prepare(window);
        if (Frame* frame = frameOf(window)) {
            frame->placeAtShow(place);
            return;
        }
    }
#endif
    place();
    if (!isKnown(window))
        new Watcher(window, place);
}

} // namespace WindowFrame

#ifdef ROLLWRIGHT_HAVE_XCB
#include "WindowFrame.moc"
#endif
