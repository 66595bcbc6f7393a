// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// At a fractional scale (125 %, 150 %) a text box's one-pixel frame can fall
// between device pixels and be clipped away on some edges. The text boxes of
// `window` draw their frame on whole device pixels there; at whole scales
// the style draws it as always.
namespace ScaledFrames {

void keep(QWidget* window);

} // namespace ScaledFrames
