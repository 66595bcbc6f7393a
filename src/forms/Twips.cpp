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
    // The inside is placed, not the frame: Qt's idea of a new window's frame
    // lags behind the window system's, and window managers disagree on where
    // a frame goes for a position that includes it.
    const QMargins frame = WindowFrame::of(window);
    const QPoint corner(toPixels(leftTwips), toPixels(topTwips));
    window->setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace Twips
