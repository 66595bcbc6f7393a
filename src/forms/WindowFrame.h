// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

#include <functional>

class QWidget;

// A window's frame: the border and title bar that the window system draws
// around it. Windows place themselves by their outer size, frame included,
// but an X11 window manager adds the frame only when the window is shown.
namespace WindowFrame {

// The frame as well as it is known: the window system's own once it knows
// it. Before the first show, an X11 window manager's answer once it has come
// (it is asked if it was not); until then the frame of a window of the
// program that is shown already stands in. Never waits for the window
// manager.
QMargins of(const QWidget* window);

// Asks the window system now for the frame it will give the window, so that
// the answer is there by the time the window is placed; does nothing where
// the frame is known without asking. Ask once the window has its flags and
// says whether it can be resized: the frame depends on both.
void prepare(QWidget* window);

// Whether of() gives the window system's own answer rather than a stand-in.
bool isKnown(const QWidget* window);

// Whether the window system places every window itself, as Wayland's
// compositors do: a program can neither ask for a place nor learn where its
// windows are. Dialogs are transient for their owner there, and compositors
// that centre dialogs over their owner do so.
bool windowSystemPlaces();

// The narrowest width at which the window's caption stands whole beside the
// title bar's buttons where the toolkit draws the title bar itself: Qt on a
// Wayland compositor that leaves the frame to its clients (GNOME's, weston).
// 0 where the window system draws the title bar (X11, sway), which makes room
// for the caption itself.
int captionWidth(const QWidget* window);

// Widens a window narrower than captionWidth() to it.
void fitCaption(QWidget* window);

// Runs `place` as the window is about to be shown for the first time (at
// once if it is shown already, or where the window system frames a window
// before it is placed), with the frame as well as it is known then, and once
// more when the window first appears with a frame `place` could not know: a
// window placed by its outer size ends where it means to be, whatever its
// window manager. Where the window system places windows it only fits the window to its
// caption.
void place(QWidget* window, const std::function<void()>& place);

} // namespace WindowFrame
