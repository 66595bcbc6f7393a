// SPDX-License-Identifier: MIT
#include <dice/RollEngine.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>

namespace Dice {

namespace {

constexpr std::int32_t Int16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t Int16Max = std::numeric_limits<std::int16_t>::max();

// "-32768" and ", " bound the room one value takes in a list text.
constexpr std::size_t MaxValueChars = 6;
constexpr std::size_t SeparatorChars = 2;

// A request that skipped validation (no faces, reversed limits) or a source
// outside [0, 1) may put the value anywhere; it still has to fit 16 bits.
std::int16_t ActualValue(double faces, double low, float r)
{
    const double value = faces * static_cast<double>(r) + low;
    if (!(value >= Int16Min)) // also catches NaN
        return static_cast<std::int16_t>(Int16Min);
    if (value >= Int16Max)
        return static_cast<std::int16_t>(Int16Max);
    // Rounds toward minus infinity; std::floor is a library call on the
    // baseline x86-64 instruction set.
    auto whole = static_cast<std::int32_t>(value);
    if (static_cast<double>(whole) > value)
        --whole;
    return static_cast<std::int16_t>(whole);
}

std::int16_t ModifiedValue(std::int16_t actual, std::int16_t dieModifier)
{
    const std::int32_t modified = std::int32_t{actual} + dieModifier;
    return static_cast<std::int16_t>(std::clamp(modified, std::int32_t{1}, Int16Max));
}

// "00" to "99", for writing two digits at a time.
constexpr auto DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

char* WritePair(char* out, int pair)
{
    std::memcpy(out, &DigitPairs[static_cast<std::size_t>(2 * pair)], 2);
    return out + 2;
}

// Writes the value and ", "; the caller guarantees the room. Dice values
// have at most four digits, which get a fast path.
char* AppendValue(char* out, std::int16_t value)
{
    const int v = value;
    if (v >= 0 && v < 10000) {
        if (v < 10) {
            *out++ = static_cast<char>('0' + v);
        } else if (v < 100) {
            out = WritePair(out, v);
        } else if (v < 1000) {
            *out++ = static_cast<char>('0' + v / 100);
            out = WritePair(out, v % 100);
        } else {
            out = WritePair(out, v / 100);
            out = WritePair(out, v % 100);
        }
    } else {
        out = std::to_chars(out, out + MaxValueChars, value).ptr;
    }
    out[0] = ',';
    out[1] = ' ';
    return out + SeparatorChars;
}

} // namespace

RollResult RollDice(const RollRequest& request, RandomSource& source)
{
    RollResult result;
    const bool custom = request.DieType == CustomDieType;
    const double high = request.CustomDieHigh;
    const double low = custom ? request.CustomDieLow : 1.0;
    const double faces = custom ? high - low + 1.0 : request.Sides;
    const std::size_t count = request.NumDice > 0 ? static_cast<std::size_t>(request.NumDice) : 0;

    // Everything is written through raw pointers into room sized for the
    // longest values, then trimmed: char stores may alias anything, so the
    // loop must not read back through the result's members.
    result.IndivRolls.resize(count);
    result.ModRolls.resize(count);
    const std::size_t room = count * (MaxValueChars + SeparatorChars);
    result.IndivRollsText.resize(room);
    result.ModRollsText.resize(room);
    std::int16_t* actuals = result.IndivRolls.data();
    std::int16_t* modifieds = result.ModRolls.data();
    char* indivBegin = result.IndivRollsText.data();
    char* modBegin = result.ModRollsText.data();
    char* indiv = indivBegin;
    char* mod = modBegin;
    const std::int16_t dieModifier = request.DieModifier;

    // At most 32767 dice of at most 32767 each: the sum stays inside 32 bits.
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int16_t actual = ActualValue(faces, low, source.NextUniform());
        const std::int16_t modified = ModifiedValue(actual, dieModifier);
        actuals[i] = actual;
        modifieds[i] = modified;
        sum += modified;

        indiv = AppendValue(indiv, actual);
        mod = AppendValue(mod, modified);
    }
    // Every value was followed by a separator; the last one goes.
    const std::size_t trailing = count > 0 ? SeparatorChars : 0;
    result.IndivRollsText.resize(static_cast<std::size_t>(indiv - indivBegin) - trailing);
    result.ModRollsText.resize(static_cast<std::size_t>(mod - modBegin) - trailing);

    result.TotalResult = std::max(sum + request.RollModifier, std::int32_t{1});
    if (request.Sides != PercentileSides) {
        char buffer[16];
        char* end = std::to_chars(buffer, buffer + sizeof buffer, result.TotalResult).ptr;
        result.TotalResultText.assign(buffer, end);
    }
    result.IndivRollsLong = result.IndivRollsText.size() > LongTextLength;
    result.ModRollsLong = result.ModRollsText.size() > LongTextLength;
    return result;
}

} // namespace Dice
