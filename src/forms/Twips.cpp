// SPDX-License-Identifier: MIT
#include <forms/Twips.h>
#include <forms/WindowFrame.h>

#include <QWindow>

namespace Twips {

int outerWidth(const QWidget* window)
{
    const QMargins frame = WindowFrame::of(window);
    return fromPixels(window->width() + frame.left() + frame.right());
}

int outerHeight(const QWidget* window)
{
    const QMargins frame = WindowFrame::of(window);
    return fromPixels(window->height() + frame.top() + frame.bottom());
}

void moveWindow(QWidget* window, float leftTwips, float topTwips)
{
    const QPoint corner(toPixels(leftTwips), toPixels(topTwips));
    // Shown by the window system, not merely about to be (Qt says a window
    // is visible while it announces the show).
    const QWindow* handle = window->windowHandle();
    if (handle && handle->isVisible()) {
        // The frame's corner, always asked of the window system: QWidget::move
        // skips a move to where its own, possibly stale, idea of the frame is.
        window->windowHandle()->setFramePosition(corner);
        return;
    }
    // Until the window system shows it, Qt places the inside where asked;
    // the frame the window will get goes around it.
    const QMargins frame = WindowFrame::of(window);
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace Twips
