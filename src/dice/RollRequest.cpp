#include "RollRequest.h"

#include <array>

namespace dice {

std::int16_t SidesOfDieType(int dieType)
{
    static constexpr std::array<std::int16_t, kDieTypeCount> kSides{
        2, 3, 4, 5, 6, 8, 10, 12, 20, 30, kPercentileSides, kCustomSides};
    if (dieType < 0 || dieType >= kDieTypeCount)
        return kNoSides;
    return kSides[static_cast<std::size_t>(dieType)];
}

} // namespace dice
