#include "Twips.h"

namespace Twips {

void moveWindow(QWidget* window, float leftTwips, float topTwips)
{
    // QWidget::move places the frame's corner for a top-level window.
    window->move(toPixels(leftTwips), toPixels(topTwips));
}

} // namespace Twips
