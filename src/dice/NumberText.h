// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace Dice {

// The value of the decimal number at the start of a field's text: an optional
// sign, digits, an optional decimal point with further digits. Reading stops at
// the first character that does not continue the number; an empty or
// non-numeric text gives 0. A number too long for a double gives +/-infinity.
double LeadingNumber(std::string_view text);

// Rounds to the nearest integer, ties to the even neighbour. Values outside
// the 16-bit range saturate at -32768 / 32767 and NaN gives 0, so no text a
// user can paste reaches an undefined conversion.
std::int16_t ToInt16Rounded(double x);

} // namespace Dice
