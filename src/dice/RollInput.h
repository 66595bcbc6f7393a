// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RollRequest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace Dice {

// The field that receives the focus after a refused roll.
enum class RollField
{
    None,
    CustomDieLow,
    CustomDieHigh,
    RollModifier,
    DieModifier,
};

struct RollInputError
{
    std::string Message;
    std::string Title;
    RollField Focus = RollField::None;

    friend bool operator==(const RollInputError&, const RollInputError&) = default;
};

// What the main window hands to the validation: its Sides state, whether the
// Custom button is chosen, and the fields' texts (UTF-8).
struct RollInput
{
    std::int16_t Sides = 0;
    bool CustomSelected = false;
    std::string_view CustomDieLowText;
    std::string_view CustomDieHighText;
    std::string_view RollModifierText;
    std::string_view DieModifierText;
    std::string_view NumDiceText;
};

struct RollValidation
{
    std::variant<RollRequest, RollInputError> Outcome;
    // The lower-limit text was empty (Custom only); the window then shows "0"
    // in that field whatever the outcome.
    bool LowerLimitWasEmpty = false;

    bool ok() const { return std::holds_alternative<RollRequest>(Outcome); }
    const RollRequest& request() const { return std::get<RollRequest>(Outcome); }
    const RollInputError& error() const { return std::get<RollInputError>(Outcome); }
};

// Checks the settings in their fixed order and stops at the first failure.
RollValidation ValidateRollInput(const RollInput& input);

} // namespace Dice
