// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QKeyEvent;

// What a key press types, as the KeyPress handlers see it.
struct KeyTyping
{
    // The control character the key types: Backspace 8, Enter 13, Ctrl+Enter
    // 10, Escape 27, Ctrl+Backspace 127 and Ctrl+letter 1..26 (Ctrl+V is 22).
    // 0 when it types none.
    int controlCode = 0;
    // The key is its control code's own (Backspace for 8, Ctrl+V for 22): a
    // control given the key acts on it as that code. Ctrl+H is 8 as well,
    // but a control would ignore it.
    bool ownKey = true;
    // The characters it types otherwise, each one KeyPress code.
    QString text;
    // The key carries characters but types none: an Alt combination that is
    // no access key, or Ctrl with a key that is no letter. The control must
    // not see it, or it would insert them.
    bool typesNothing = false;
    // Alt+Backspace types nothing and undoes the last edit.
    bool undo = false;
};

// Cursor keys, Delete, function keys and Tab type nothing and carry nothing:
// they reach the control as they are.
KeyTyping typingOf(const QKeyEvent& event);
