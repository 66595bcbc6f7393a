// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RollRequest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// Marks the messages for the translation tools: the window shows each in the
// user's language, under the context "RollInput".
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

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

// What a refused roll says, one message per check.
namespace Refusals {
inline constexpr const char* NoDieType =
    QT_TRANSLATE_NOOP("RollInput", "You must select a Die Type.");
inline constexpr const char* LowerLimitTooHigh =
    QT_TRANSLATE_NOOP("RollInput", "Your Lower Limit must be less than 1000");
inline constexpr const char* UpperLimitTooHigh =
    QT_TRANSLATE_NOOP("RollInput", "Your Upper Limit must be 1000 or less!");
inline constexpr const char* LowerLimitNegative = QT_TRANSLATE_NOOP(
    "RollInput", "The Lower Limit for your Custom Die Type must be 0 or greater.");
inline constexpr const char* NoUpperLimit =
    QT_TRANSLATE_NOOP("RollInput", "You must select an Upper Limit for your Custom Die Type.");
inline constexpr const char* LowerAboveUpper =
    QT_TRANSLATE_NOOP("RollInput", "Your Lower Limit is higher than your Upper Limit!");
inline constexpr const char* LowerEqualsUpper =
    QT_TRANSLATE_NOOP("RollInput", "Your Lower Limit is the same as your Upper Limit!");
inline constexpr const char* RollModifierOutOfRange =
    QT_TRANSLATE_NOOP("RollInput", "Roll Modifier must be between -1000 and 1000.");
inline constexpr const char* DieModifierOutOfRange =
    QT_TRANSLATE_NOOP("RollInput", "Die Modifier must be between -100 and 100.");
inline constexpr const char* TooManyDice =
    QT_TRANSLATE_NOOP("RollInput", "Sorry you only have 1000 dice in your dice bag!");

// Every one of them, in the order of the checks.
inline constexpr std::array All{
    NoDieType,       LowerLimitTooHigh, UpperLimitTooHigh,      LowerLimitNegative,    NoUpperLimit,
    LowerAboveUpper, LowerEqualsUpper,  RollModifierOutOfRange, DieModifierOutOfRange, TooManyDice,
};
} // namespace Refusals

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
