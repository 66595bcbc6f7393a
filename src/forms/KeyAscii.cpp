// SPDX-License-Identifier: MIT
#include <forms/KeyAscii.h>

#include <QKeyEvent>

#include <algorithm>

namespace {

bool isPrintable(QChar c)
{
    return c.category() != QChar::Other_Control;
}

} // namespace

KeyTyping typingOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier) || mods.testFlag(Qt::MetaModifier);
    const int key = event.key();

    KeyTyping typing;
    switch (key) {
    case Qt::Key_Backspace:
        if (alt && !ctrl)
            typing.undo = true;
        else
            typing.controlCode = ctrl ? 127 : 8;
        return typing;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        typing.controlCode = ctrl ? 10 : 13;
        return typing;
    case Qt::Key_Escape:
        typing.controlCode = 27;
        return typing;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return typing;
    default:
        break;
    }
    if (ctrl && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
        typing.controlCode = key - Qt::Key_A + 1;
        // Backspace, Tab, line feed and Enter have keys of their own.
        typing.ownKey =
            !(key == Qt::Key_H || key == Qt::Key_I || key == Qt::Key_J || key == Qt::Key_M);
        return typing;
    }

    const QString text = event.text();
    if (std::none_of(text.cbegin(), text.cend(), isPrintable))
        return typing; // cursor keys, Delete and the like
    // Ctrl and Alt together are AltGr on some systems, which types.
    if (ctrl != alt) {
        typing.typesNothing = true;
        return typing;
    }
    for (const QChar c : text) {
        if (isPrintable(c))
            typing.text.append(c);
    }
    return typing;
}
