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
    // The characters it types otherwise, each one KeyPress code.
    QString text;
    // The key carries characters but types none: an Alt combination that is
    // no access key, or Ctrl with a key that is no letter. The control must
    // not see it, or it would insert them.
    bool typesNothing = false;
};

// Cursor keys, Delete, function keys and Tab type nothing and carry nothing:
// they reach the control as they are.
KeyTyping typingOf(const QKeyEvent& event);
