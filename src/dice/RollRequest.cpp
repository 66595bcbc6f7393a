// SPDX-License-Identifier: MIT
#include <dice/RollRequest.h>

#include <array>

namespace Dice {

std::int16_t sidesOfDieType(int dieType)
{
    static constexpr std::array<std::int16_t, DieTypeCount> FaceCounts{
        2, 3, 4, 5, 6, 8, 10, 12, 20, 30, PercentileSides, CustomSides};
    if (dieType < 0 || dieType >= DieTypeCount)
        return NoSides;
    return FaceCounts[static_cast<std::size_t>(dieType)];
}

} // namespace Dice
