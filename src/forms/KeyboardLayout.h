// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;

// What the user's keyboard layout puts on a key, beyond what the key typed.
namespace KeyboardLayout {

// The digit 0..9 that the pressed key carries on the active layout, typed
// with or without Shift, or -1 when it carries none or the window system does
// not tell (AZERTY carries 6 on the key that types "-").
int digitOnKey(const QKeyEvent& event);

} // namespace KeyboardLayout
