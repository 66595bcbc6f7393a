// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RandomSource.h>
#include <dice/RollRequest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Dice {

// A list text longer than this switches to the box with a scroll bar.
inline constexpr std::size_t LongTextLength = 46;

struct RollResult
{
    std::vector<std::int16_t> IndivRolls; // actual values, in roll order
    std::vector<std::int16_t> ModRolls;   // modified values, each at least 1
    std::int32_t TotalResult = 0;         // at least 1
    std::string IndivRollsText;
    std::string ModRollsText;
    std::string TotalResultText; // empty for Percentile
    bool IndivRollsLong = false;
    bool ModRollsLong = false;
};

// Draws exactly NumDice values from the source (none when NumDice <= 0).
RollResult RollDice(const RollRequest& request, RandomSource& source);

} // namespace Dice
