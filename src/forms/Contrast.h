// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// How well one colour reads on another, by the relative luminance that
// accessibility guidelines use: 1 (the same) to 21 (black on white).
namespace Contrast {

// Normal text needs at least this much to be read comfortably.
constexpr double Readable = 4.5;

double ratio(const QColor& first, const QColor& second);

} // namespace Contrast
