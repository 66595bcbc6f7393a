#pragma once

class QWidget;

// Centres a window over the main window by both windows' outer sizes in
// twips: top first, then left, in single precision, not kept on the screen.
void CenterOverMainWindow(QWidget* window);
