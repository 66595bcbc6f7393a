#include "Twips.h"

#include "WindowFrame.h"

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
    QPoint corner(toPixels(leftTwips), toPixels(topTwips));
    // QWidget::move places the frame's corner once Qt knows the frame; until
    // then it places the inside there, so the frame expected is added.
    if (!WindowFrame::isKnown(window)) {
        const QMargins frame = WindowFrame::of(window);
        corner += QPoint(frame.left(), frame.top());
    }
    window->move(corner);
}

} // namespace Twips
