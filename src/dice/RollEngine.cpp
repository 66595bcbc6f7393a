#include "RollEngine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace dice {

namespace {

constexpr std::int32_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t kInt16Max = std::numeric_limits<std::int16_t>::max();

// "-32768" and ", " bound the room one value takes in a list text.
constexpr std::size_t kMaxValueChars = 6;
constexpr std::size_t kSeparatorChars = 2;

// A request that skipped validation (no faces, reversed limits) or a source
// outside [0, 1) may put the value anywhere; it still has to fit 16 bits.
std::int16_t ActualValue(double faces, double low, float r)
{
    const double value = std::floor(faces * static_cast<double>(r) + low);
    if (!(value >= kInt16Min)) // also catches NaN
        return static_cast<std::int16_t>(kInt16Min);
    if (value > kInt16Max)
        return static_cast<std::int16_t>(kInt16Max);
    return static_cast<std::int16_t>(value);
}

std::int16_t ModifiedValue(std::int16_t actual, std::int16_t dieModifier)
{
    const std::int32_t modified = std::int32_t{actual} + dieModifier;
    return static_cast<std::int16_t>(std::clamp(modified, std::int32_t{1}, kInt16Max));
}

char* AppendDecimal(char* out, char* end, std::int32_t value)
{
    return std::to_chars(out, end, value).ptr;
}

} // namespace

RollResult RollDice(const RollRequest& request, RandomSource& source)
{
    RollResult result;
    const bool custom = request.DieType == kCustomDieType;
    const double high = request.CustomDieHigh;
    const double low = custom ? request.CustomDieLow : 1.0;
    const double faces = custom ? high - low + 1.0 : request.Sides;
    const std::size_t count = request.NumDice > 0 ? static_cast<std::size_t>(request.NumDice) : 0;

    result.IndivRolls.reserve(count);
    result.ModRolls.reserve(count);
    // Writing into room sized for the longest values, then trimming, keeps the
    // loop free of reallocation.
    const std::size_t room = count * (kMaxValueChars + kSeparatorChars);
    result.IndivRollsText.resize(room);
    result.ModRollsText.resize(room);
    char* indiv = result.IndivRollsText.data();
    char* indivEnd = indiv + room;
    char* mod = result.ModRollsText.data();
    char* modEnd = mod + room;

    // At most 32767 dice of at most 32767 each: the sum stays inside 32 bits.
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int16_t actual = ActualValue(faces, low, source.NextUniform());
        const std::int16_t modified = ModifiedValue(actual, request.DieModifier);
        result.IndivRolls.push_back(actual);
        result.ModRolls.push_back(modified);
        sum += modified;

        if (i > 0) {
            *indiv++ = ',';
            *indiv++ = ' ';
            *mod++ = ',';
            *mod++ = ' ';
        }
        indiv = AppendDecimal(indiv, indivEnd, actual);
        mod = AppendDecimal(mod, modEnd, modified);
    }
    result.IndivRollsText.resize(static_cast<std::size_t>(indiv - result.IndivRollsText.data()));
    result.ModRollsText.resize(static_cast<std::size_t>(mod - result.ModRollsText.data()));

    result.TotalResult = std::max(sum + request.RollModifier, std::int32_t{1});
    if (request.Sides != kPercentileSides) {
        char buffer[16];
        result.TotalResultText.assign(buffer, AppendDecimal(buffer, buffer + sizeof buffer, result.TotalResult));
    }
    result.IndivRollsLong = result.IndivRollsText.size() > kLongTextLength;
    result.ModRollsLong = result.ModRollsText.size() > kLongTextLength;
    return result;
}

} // namespace dice
