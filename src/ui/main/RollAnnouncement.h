// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace Dice {
struct RollResult;
}

// What a screen reader says after a roll, once the focus has moved: the
// total (percentile dice have none), then the dice, then the modified dice
// while their frame is shown. A list too long for its box without a scroll
// bar is given by its count, the values that would fill that box, and how
// many more follow; the boxes keep the full lists.
//   "Total 17. Dice: 3, 6, 2. Modified dice: 5, 8, 4."
QString rollAnnouncement(const Dice::RollResult& result, bool modifiedShown);
