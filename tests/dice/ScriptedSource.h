#pragma once

#include "dice/RandomSource.h"

#include <cstddef>
#include <utility>
#include <vector>

// Plays back a fixed list of values, starting over at its end, and counts the
// draws so that a test can tell how many the engine took.
class ScriptedSource final : public dice::RandomSource
{
public:
    explicit ScriptedSource(std::vector<float> values)
        : values_(std::move(values))
    {
    }

    float NextUniform() override
    {
        const float r = values_.empty() ? 0.0f : values_[draws_ % values_.size()];
        ++draws_;
        return r;
    }

    std::size_t draws() const { return draws_; }

private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
};
