// SPDX-License-Identifier: MIT
#pragma once

#include <forms/Contrast.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>

// The strongest contrast any pixel of `area` has against `background`: the
// core of a glyph or the middle of a line, whatever the smoothing around it.
inline double strongestContrast(const QImage& shot, const QRect& area, const QColor& background)
{
    double strongest = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, Contrast::ratio(shot.pixelColor(x, y), background));
    }
    return strongest;
}
