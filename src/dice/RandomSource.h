// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace Dice {

// Uniform values 0 <= r < 1 with 24 significant bits.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float NextUniform() = 0;
};

// The program's source: a Mersenne Twister seeded from the operating system's
// entropy, so that no two runs roll the same sequence.
class EntropySeededSource final : public RandomSource
{
public:
    EntropySeededSource();                            // seeded from std::random_device
    explicit EntropySeededSource(std::uint64_t seed); // reproducible, for tests and benchmarks
    float NextUniform() override;

private:
    std::mt19937 m_engine;
};

} // namespace Dice
