// SPDX-License-Identifier: MIT
#include <forms/ActivationToken.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef ROLLWRIGHT_HAVE_WAYLAND
#include <QDeadlineTimer>
// Qt 6.5 has the connection in public API; before it only Qt's private API
// has it (the build links Qt6::GuiPrivate and the package depends on
// exactly this Qt). Drop the private path with Qt 6.4.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <qpa/qplatformnativeinterface.h>
#endif

#include <wayland-client.h>
#include <xdg-activation-v1-client-protocol.h>

#include <cstring>
#endif

namespace ActivationToken {

#ifdef ROLLWRIGHT_HAVE_WAYLAND

namespace {

// What the compositor offers and answers, on a queue of this module's own
// beside Qt's.
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

QString ask(const QWindow* window)
{
    const Connection qt = connection(window);
    wl_display* display = qt.display;
    if (!display)
        return {};

    Session session;
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &registryListener, &session);
    wl_display_roundtrip_queue(display, queue);
    if (session.activation) {
        xdg_activation_token_v1* request =
            xdg_activation_v1_get_activation_token(session.activation);
        xdg_activation_token_v1_add_listener(request, &tokenListener, &session);
        // The input event that asked for help shows the compositor that the
        // user, not the program, wants the viewer forward. Asked only here:
        // Qt has no seat to answer with on a compositor without input.
        const LastInput input = lastInput();
        if (input.seat && input.serial)
            xdg_activation_token_v1_set_serial(request, input.serial, input.seat);
        if (qt.surface)
            xdg_activation_token_v1_set_surface(request, qt.surface);
        xdg_activation_token_v1_commit(request);
        const QDeadlineTimer deadline(500);
        while (!session.answered && !deadline.hasExpired() &&
               wl_display_roundtrip_queue(display, queue) >= 0) {
        }
        xdg_activation_token_v1_destroy(request);
        xdg_activation_v1_destroy(session.activation);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
    return session.token;
}

} // namespace

QString requestFor(const QWidget* window)
{
    if (!window || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return {};
    const QWindow* handle = window->window()->windowHandle();
    return handle ? ask(handle) : QString();
}

#else

QString requestFor(const QWidget*)
{
    return {};
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
