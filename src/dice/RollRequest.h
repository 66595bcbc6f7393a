// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace Dice {

// Die type index: the position of the chosen die-type button, 0..11.
inline constexpr int PercentileDieType = 10;
inline constexpr int CustomDieType = 11;
inline constexpr int DieTypeCount = 12;

inline constexpr std::int16_t NoSides = 0;
inline constexpr std::int16_t PercentileSides = 100;
inline constexpr std::int16_t CustomSides = 999; // marks Custom, never a face count

// Sides of each die type, by index; 0 (no die) for an index outside 0..11.
std::int16_t sidesOfDieType(int dieType);

// The validated settings of one roll.
struct RollRequest
{
    int DieType = 0;
    std::int16_t Sides = 0;
    std::int16_t NumDice = 0;
    std::int16_t CustomDieLow = 0;  // Custom only, else 0
    std::int16_t CustomDieHigh = 0; // Custom only, else 0
    std::int16_t DieModifier = 0;   // added to every die
    std::int16_t RollModifier = 0;  // added to the total

    friend bool operator==(const RollRequest&, const RollRequest&) = default;
};

} // namespace Dice
