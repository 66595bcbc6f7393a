// SPDX-License-Identifier: MIT
#include <dice/NumberText.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace Dice {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;

    bool nonZeroInteger = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        nonZeroInteger = nonZeroInteger || text[pos] != '0';
        ++pos;
    }
    std::size_t digits = pos - numberStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        digits += pos - fractionStart;
    }
    if (digits == 0)
        return 0.0;

    // from_chars does not take '+', and reading the unsigned part keeps the
    // sign handling in one place.
    double value = 0.0;
    const char* first = text.data() + numberStart;
    const char* last = text.data() + pos;
    const std::errc error = std::from_chars(first, last, value, std::chars_format::fixed).ec;
    if (error == std::errc::result_out_of_range) {
        // A non-zero integer part can only overflow, a zero one only underflow.
        value = nonZeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::int16_t ToInt16Rounded(double x)
{
    constexpr double Min = std::numeric_limits<std::int16_t>::min();
    constexpr double Max = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(x))
        return 0;
    // Everything at or beyond the ends rounds onto or past them.
    if (x >= Max)
        return std::numeric_limits<std::int16_t>::max();
    if (x <= Min)
        return std::numeric_limits<std::int16_t>::min();

    // Exact in this range, and independent of the floating-point rounding mode.
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<std::int16_t>(rounded);
}

} // namespace Dice
