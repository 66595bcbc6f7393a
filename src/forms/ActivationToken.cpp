// SPDX-License-Identifier: MIT
#include <forms/ActivationToken.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef ROLLWRIGHT_HAVE_WAYLAND
#include <QTimer>
// Qt 6.5 has the connection in public API; before it only Qt's private API
// has it (the build links Qt6::GuiPrivate and the package depends on
// exactly this Qt). Drop the private path with Qt 6.4.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <qpa/qplatformnativeinterface.h>
#endif

#include <wayland-client.h>
#include <xdg-activation-v1-client-protocol.h>

#include <chrono>
#include <cstring>
#include <utility>
#endif

namespace ActivationToken {

#ifdef ROLLWRIGHT_HAVE_WAYLAND

namespace {

// What the compositor offers and answers.
struct Session
{
    xdg_activation_v1* activation = nullptr;
    QString token;
    bool answered = false;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t /*version*/)
{
    auto* session = static_cast<Session*>(data);
    if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0 && !session->activation)
        session->activation = static_cast<xdg_activation_v1*>(
            wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemoved};

void done(void* data, xdg_activation_token_v1*, const char* token)
{
    auto* session = static_cast<Session*>(data);
    session->token = QString::fromUtf8(token);
    session->answered = true;
}

const xdg_activation_token_v1_listener tokenListener = {done};

// Qt's connection to the compositor, and the window's surface where Qt
// tells it.
struct Connection
{
    wl_display* display = nullptr;
    wl_surface* surface = nullptr;
};

// The seat and the serial of the last input event.
struct LastInput
{
    wl_seat* seat = nullptr;
    uint32_t serial = 0;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

Connection connection(const QWindow* window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return {static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")),
            static_cast<wl_surface*>(
                native->nativeResourceForWindow("surface", const_cast<QWindow*>(window)))};
}

LastInput lastInput()
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return {static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat")),
            static_cast<uint32_t>(
                reinterpret_cast<quintptr>(native->nativeResourceForIntegration("serial")))};
}

#else

const QNativeInterface::QWaylandApplication* wayland()
{
    return qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
}

// Qt keeps the window's surface private; the protocol makes it optional, and
// the seat and the serial show the compositor the user's request.
Connection connection(const QWindow*)
{
    const auto* qt = wayland();
    return {qt ? qt->display() : nullptr, nullptr};
}

LastInput lastInput()
{
    const auto* qt = wayland();
    return qt ? LastInput{qt->lastInputSeat(), qt->lastInputSerial()} : LastInput{};
}

#endif

// One request, on a queue of this module's own beside Qt's. Qt reads the
// connection as it always does, which sorts the compositor's answers into
// this queue; a timer hands them to the listeners above, so that nothing
// waits for the compositor.
class Request : public QObject
{
public:
    Request(const Connection& qt, std::function<void(const QString&)> then)
        : m_display(qt.display), m_surface(qt.surface), m_then(std::move(then))
    {
        m_queue = wl_display_create_queue(m_display);
        m_wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(m_display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(m_wrapped), m_queue);
        m_registry = wl_display_get_registry(m_wrapped);
        wl_registry_add_listener(m_registry, &registryListener, &m_session);
        // Answered once the compositor has named every global.
        m_sync = wl_display_sync(m_wrapped);
        wl_callback_add_listener(m_sync, &syncListener, this);
        wl_display_flush(m_display);

        connect(&m_poll, &QTimer::timeout, this, &Request::dispatch);
        m_poll.start(PollInterval);
        // A compositor that never answers delays the viewer, not the user.
        connect(&m_bound, &QTimer::timeout, this, [this] { finish(); });
        m_bound.setSingleShot(true);
        m_bound.start(AnswerBound);
    }
    // Deleted once it has handed the token on. Without a parent: one still
    // waiting as the program ends outlives Qt's connection, and must not
    // touch it then.
    ~Request() override
    {
        if (m_token)
            xdg_activation_token_v1_destroy(m_token);
        if (m_session.activation)
            xdg_activation_v1_destroy(m_session.activation);
        if (m_sync)
            wl_callback_destroy(m_sync);
        wl_registry_destroy(m_registry);
        wl_proxy_wrapper_destroy(m_wrapped);
        wl_event_queue_destroy(m_queue);
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

private:
    static constexpr std::chrono::milliseconds PollInterval{5};
    static constexpr std::chrono::milliseconds AnswerBound{500};

    static void synced(void* data, wl_callback*, uint32_t) { static_cast<Request*>(data)->ask(); }
    static constexpr wl_callback_listener syncListener = {synced};

    void ask()
    {
        wl_callback_destroy(m_sync);
        m_sync = nullptr;
        if (!m_session.activation) {
            m_session.answered = true; // no activation offered (weston 10)
            return;
        }
        m_token = xdg_activation_v1_get_activation_token(m_session.activation);
        xdg_activation_token_v1_add_listener(m_token, &tokenListener, &m_session);
        // The input event that asked for help shows the compositor that the
        // user, not the program, wants the viewer forward. Asked only here:
        // Qt has no seat to answer with on a compositor without input.
        const LastInput input = lastInput();
        if (input.seat && input.serial)
            xdg_activation_token_v1_set_serial(m_token, input.serial, input.seat);
        if (m_surface)
            xdg_activation_token_v1_set_surface(m_token, m_surface);
        xdg_activation_token_v1_commit(m_token);
        wl_display_flush(m_display);
    }

    // Finished only here, out of the listeners that the queue's dispatch
    // runs.
    void dispatch()
    {
        if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0 || m_session.answered)
            finish();
        else
            wl_display_flush(m_display);
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_poll.stop();
        m_bound.stop();
        deleteLater();
        m_then(m_session.token);
    }

    wl_display* m_display;
    wl_surface* m_surface;
    std::function<void(const QString&)> m_then;
    Session m_session;
    wl_event_queue* m_queue = nullptr;
    wl_display* m_wrapped = nullptr;
    wl_registry* m_registry = nullptr;
    wl_callback* m_sync = nullptr;
    xdg_activation_token_v1* m_token = nullptr;
    QTimer m_poll;
    QTimer m_bound;
    bool m_finished = false;
};

} // namespace

void request(const QWidget* window, std::function<void(const QString& token)> then)
{
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const QWindow* handle = window && wayland ? window->window()->windowHandle() : nullptr;
    const Connection qt = handle ? connection(handle) : Connection{};
    if (!qt.display) {
        then(QString());
        return;
    }
    new Request(qt, std::move(then));
}

#else

void request(const QWidget*, std::function<void(const QString& token)> then)
{
    then(QString());
}

#endif

bool isSound(QByteArrayView token)
{
    constexpr qsizetype Longest = 256;
    if (token.isEmpty() || token.size() > Longest)
        return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

} // namespace ActivationToken
