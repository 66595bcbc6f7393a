// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The windows name Windows fonts. Arial is served metric-compatibly by
// Liberation Sans (through fontconfig's alias); for MS Sans Serif, Liberation
// Sans at the same point size keeps every caption inside its designed box.
namespace Fonts {

QFont dialog(); // the windows' default font, 8.25 point
QFont field();  // text boxes and lists, Arial 14.25 point
// The field font for the long lists of numbers a roll shows: digits, commas
// and blanks need no shaping, and skipping it halves the cost of showing a
// thousand dice.
QFont numberList();
QFont readMeText(); // the read-me viewer's box, 9.75 point

} // namespace Fonts
