// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QWidget;

// On Wayland a program may bring a window forward only with a token from the
// compositor (xdg-activation), asked for by the window the user is working
// in. Another program hands the token on: in XDG_ACTIVATION_TOKEN when it
// starts, or with its request, and activates its window with it.
namespace ActivationToken {

// Asks for a token for the window and hands it to `then`: an empty one at
// once where the window system needs none (X11), else the compositor's once
// it answers, or an empty one where it offers no activation (weston 10) or
// has not answered within half a second. Returns at once: the program goes
// on handling events while the compositor answers.
void request(const QWidget* window, std::function<void(const QString& token)> then);

// Whether a token may be used and passed on: real ones are a few dozen
// printable ASCII characters. A compositor drops the client that hands it a
// token of thousands, so such a token, or one with other bytes, is ignored.
bool isSound(QByteArrayView token);

} // namespace ActivationToken
