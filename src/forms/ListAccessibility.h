// SPDX-License-Identifier: MIT
#pragma once

// Screen readers on Linux get a list box's name from Qt as the list's current
// text ("0"), so a reader landing on the box hears a number instead of what
// the box is for. Once installed, every list is named by its accessible name
// (its label's words) and keeps its text as its value; without an accessible
// name it is named by its text as before.
namespace ListAccessibility {

// Takes effect for lists that no screen reader has asked about yet; calling
// it again changes nothing.
void install();

} // namespace ListAccessibility
