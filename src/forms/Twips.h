// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QWidget>

// Window definitions are laid out in twips (1/1440 inch); at 96 dots per inch
// a logical pixel is 15 twips. Qt scales logical pixels on dense screens.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(double twips)
{
    // Nearest whole pixel: the platform places windows and controls on pixels.
    const double px = twips / PerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}
constexpr int fromPixels(int px)
{
    return px * PerPixel;
}

inline int left(const QWidget* w)
{
    return fromPixels(w->x());
}
inline int top(const QWidget* w)
{
    return fromPixels(w->y());
}
inline int width(const QWidget* w)
{
    return fromPixels(w->width());
}
inline int height(const QWidget* w)
{
    return fromPixels(w->height());
}
inline void setLeft(QWidget* w, int twips)
{
    w->move(toPixels(twips), w->y());
}

// Outer size of a window, border and title bar included, as well as the
// window system can tell (see WindowFrame).
int outerWidth(const QWidget* window);
int outerHeight(const QWidget* window);

// Places a window's outer top-left corner, in twips.
void moveWindow(QWidget* window, float leftTwips, float topTwips);

} // namespace Twips
