// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Centres `window` over the program's main window by both windows' outer
// sizes in twips: top first, then left, in single precision, not kept on the
// screen. Without a main window the window stays where it is.
void CenterOverMainWindow(QWidget* window, const QWidget* mainWindow);
