// SPDX-License-Identifier: MIT
#include <forms/WindowFrame.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef ROLLWRIGHT_HAVE_XCB
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <chrono>
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

constexpr const char* QuestionProperty = "_rollwright_frame_question";

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Reply = std::unique_ptr<T, FreeDeleter>;

struct Atoms
{
    xcb_atom_t request = XCB_ATOM_NONE, supported = XCB_ATOM_NONE, extents = XCB_ATOM_NONE;
};

// Interned together, in one round trip, and once per connection.
Atoms atoms(xcb_connection_t* connection)
{
    static xcb_connection_t* known = nullptr;
    static Atoms cached;
    if (connection == known)
        return cached;
    const char* names[] = {"_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED", "_NET_FRAME_EXTENTS"};
    xcb_intern_atom_cookie_t cookies[3];
    for (int i = 0; i < 3; ++i)
        cookies[i] =
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    xcb_atom_t found[3];
    for (int i = 0; i < 3; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        found[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    cached = {found[0], found[1], found[2]};
    known = connection;
    return cached;
}

xcb_get_property_cookie_t askExtents(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t property)
{
    return xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4);
}

// The window's _NET_FRAME_EXTENTS: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_get_property_cookie_t cookie)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

xcb_window_t nativeWindow(QWidget* window)
{
    makeNative(window);
    return static_cast<xcb_window_t>(window->internalWinId());
}

// _NET_REQUEST_FRAME_EXTENTS sent for an unmapped window: the window
// manager answers while the program goes on, and the answer is collected
// when the window is placed.
class Question : public QObject
{
public:
    Question(QWidget* window, xcb_connection_t* connection)
        : QObject(window), m_connection(connection), m_window(nativeWindow(window)),
          m_atoms(atoms(connection))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_window;
        message.type = m_atoms.request;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        // Whether it offers to answer at all: a window manager that does
        // not ignores the request.
        m_supported =
            xcb_get_property(connection, 0, root, m_atoms.supported, XCB_ATOM_ATOM, 0, 4096);
        xcb_flush(connection);
        window->setProperty(QuestionProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    }
    ~Question() override
    {
        if (m_supported)
            xcb_discard_reply(m_connection, m_supported->sequence);
    }
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;

    // The answer, waiting a little for it if it has not come yet. Null when
    // the window manager does not answer.
    QMargins answer()
    {
        xcb_get_property_cookie_t poll = askExtents(m_connection, m_window, m_atoms.extents);
        const Reply<xcb_get_property_reply_t> list(
            xcb_get_property_reply(m_connection, *m_supported, nullptr));
        m_supported.reset();
        if (!list || list->format != 32 || !offers(list.get())) {
            xcb_discard_reply(m_connection, poll.sequence);
            return {};
        }
        // A window manager that offers this answers at once, but may be
        // busy: it is asked again soon, then less often. A window manager
        // that misses the deadline costs one correction after the show.
        const QDeadlineTimer deadline(300);
        std::chrono::microseconds pause(250);
        for (;;) {
            if (const auto extents = frameExtents(m_connection, poll))
                return *extents;
            if (deadline.hasExpired())
                return {};
            QThread::usleep(static_cast<unsigned long>(pause.count()));
            pause = std::min(pause * 2, std::chrono::microseconds(2000));
            poll = askExtents(m_connection, m_window, m_atoms.extents);
        }
    }

    bool isAbout(const QWidget* window) const
    {
        return static_cast<xcb_window_t>(window->internalWinId()) == m_window;
    }

private:
    bool offers(xcb_get_property_reply_t* list) const
    {
        const auto* listed = static_cast<const xcb_atom_t*>(xcb_get_property_value(list));
        const int count = xcb_get_property_value_length(list) / 4;
        return std::find(listed, listed + count, m_atoms.request) != listed + count;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    Atoms m_atoms;
    std::optional<xcb_get_property_cookie_t> m_supported;
};

xcb_connection_t* x11Connection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

Question* questionOf(const QWidget* window)
{
    return static_cast<Question*>(window->property(QuestionProperty).value<QObject*>());
}

// The window manager's answer for the unmapped window, asked now if it was
// not asked before. Null when it does not answer.
QMargins askWindowManager(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    Question* question = questionOf(window);
    // New flags give the window a new native window, which was not asked about.
    if (question && !question->isAbout(window)) {
        delete question;
        question = nullptr;
    }
    if (!question)
        question = new Question(window, connection);
    const QMargins answer = question->answer();
    window->setProperty(QuestionProperty, QVariant());
    delete question;
    return answer;
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
    answer = askWindowManager(const_cast<QWidget*>(window));
#endif
    const_cast<QWidget*>(window)->setProperty(AnswerProperty,
                                              QVariant::fromValue(answer)); // a cache
    return answer;
}

} // namespace

void prepare(QWidget* window)
{
#ifdef ROLLWRIGHT_HAVE_XCB
    if (!window->isWindow() || !onX11() || window->isVisible() ||
        window->property(AnswerProperty).isValid() || questionOf(window))
        return;
    if (xcb_connection_t* connection = x11Connection())
        new Question(window, connection);
#else
    Q_UNUSED(window);
#endif
}

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
    place();
    if (isKnown(window))
        return;
    new Watcher(window, place);
}

} // namespace WindowFrame
