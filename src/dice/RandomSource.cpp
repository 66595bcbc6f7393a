// SPDX-License-Identifier: MIT
#include <dice/RandomSource.h>

#include <array>

namespace Dice {

namespace {

std::mt19937 EntropySeededEngine()
{
    // One 32-bit word would reach only 2^32 of the engine's states.
    std::random_device device;
    std::array<std::uint32_t, 8> words{};
    for (auto& word : words)
        word = device();
    std::seed_seq seeds(words.begin(), words.end());
    return std::mt19937(seeds);
}

std::mt19937 FixedSeedEngine(std::uint64_t seed)
{
    std::seed_seq seeds{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    return std::mt19937(seeds);
}

} // namespace

EntropySeededSource::EntropySeededSource() : m_engine(EntropySeededEngine()) {}

EntropySeededSource::EntropySeededSource(std::uint64_t seed) : m_engine(FixedSeedEngine(seed)) {}

float EntropySeededSource::NextUniform()
{
    // The top 24 bits fill a float's significand exactly, so r never rounds up to 1.
    const auto bits = static_cast<std::uint32_t>(m_engine() >> 8);
    return static_cast<float>(bits) * 0x1p-24f;
}

} // namespace Dice
