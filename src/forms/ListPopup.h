// SPDX-License-Identifier: MIT
#pragma once

class QComboBox;

// A list's popup: a column of entries below the list, at most VisibleEntries
// tall, that scrolls through the rest. Styles that lay the popup over the list
// (Fusion, Breeze) show every entry instead, as many as the screen holds, and
// on Wayland, where the program cannot tell where its window is, past the
// screen's edge.
namespace ListPopup {

inline constexpr int VisibleEntries = 8;

void bound(QComboBox* list);

} // namespace ListPopup
