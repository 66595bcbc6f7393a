// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

class QWidget;

// On Wayland a program may bring a window forward only with a token from the
// compositor (xdg-activation), asked for by the window the user is working
// in. Another program hands the token on: in XDG_ACTIVATION_TOKEN when it
// starts, or with its request, and activates its window with it.
namespace ActivationToken {

// A token for the window, or an empty string where the window system needs
// none (X11) or the compositor offers no activation (weston 10). Waits at
// most a moment for the compositor's answer.
QString requestFor(const QWidget* window);

// Whether a token may be used and passed on: real ones are a few dozen
// printable ASCII characters. A compositor drops the client that hands it a
// token of thousands, so such a token, or one with other bytes, is ignored.
bool isSound(QByteArrayView token);

} // namespace ActivationToken
