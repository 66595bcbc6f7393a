#pragma once

class QKeyEvent;

// The character code a key press types into a field, as the fields' key
// handlers see it: printable characters, Backspace 8, Enter 13, Ctrl+Enter 10,
// Escape 27 and Ctrl+letter 1..26 (Ctrl+V is 22). 0 for keys that type no
// character: cursor keys, Delete, function keys, Tab, Alt combinations.
int keyAsciiOf(const QKeyEvent& event);
