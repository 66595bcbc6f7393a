// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RandomSource.h>

#include <cstddef>
#include <utility>
#include <vector>

// Plays back a fixed list of values, starting over at its end, and counts the
// draws so that a test can tell how many the engine took.
class ScriptedSource final : public Dice::RandomSource
{
public:
    explicit ScriptedSource(std::vector<float> values) : m_values(std::move(values)) {}

    float NextUniform() override
    {
        const float r = m_values.empty() ? 0.0f : m_values[m_draws % m_values.size()];
        ++m_draws;
        return r;
    }

    std::size_t draws() const { return m_draws; }

private:
    std::vector<float> m_values;
    std::size_t m_draws = 0;
};
