#include "KeyAscii.h"

#include <QKeyEvent>

int keyAsciiOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier) || mods.testFlag(Qt::MetaModifier);
    const int key = event.key();

    switch (key) {
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    if (alt && !ctrl)
        return 0; // access keys and menus, not typing
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        return 0;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}
