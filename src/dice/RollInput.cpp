// SPDX-License-Identifier: MIT
#include <dice/NumberText.h>
#include <dice/RollInput.h>

namespace Dice {

namespace {

constexpr const char* DieRollTitle = QT_TRANSLATE_NOOP("RollInput", "Die Roll Error");
constexpr const char* CustomDieRollTitle = QT_TRANSLATE_NOOP("RollInput", "Custom Die Roll Error");

RollInputError Refusal(const char* message, RollField focus)
{
    return RollInputError{message, CustomDieRollTitle, focus};
}

// The die type whose button matches Sides; -1 when Sides names none of them,
// which the window never produces but a roll must not guess at.
int DieTypeOf(std::int16_t sides, bool customSelected)
{
    if (customSelected)
        return sides == CustomSides ? CustomDieType : -1;
    for (int dieType = 0; dieType < CustomDieType; ++dieType) {
        if (sidesOfDieType(dieType) == sides)
            return dieType;
    }
    return -1;
}

} // namespace

RollValidation ValidateRollInput(const RollInput& input)
{
    RollValidation validation;
    auto refuse = [&validation](RollInputError error) {
        validation.Outcome = std::move(error);
        return validation;
    };

    RollRequest request;
    request.Sides = input.Sides;
    request.DieType = DieTypeOf(input.Sides, input.CustomSelected);
    if (input.Sides == NoSides || request.DieType < 0)
        return refuse({Refusals::NoDieType, DieRollTitle, RollField::None});

    if (request.DieType == CustomDieType) {
        const double low = LeadingNumber(input.CustomDieLowText);
        if (low > 999)
            return refuse(Refusal(Refusals::LowerLimitTooHigh, RollField::CustomDieLow));
        request.CustomDieLow = ToInt16Rounded(low);
        validation.LowerLimitWasEmpty = input.CustomDieLowText.empty();

        const double high = LeadingNumber(input.CustomDieHighText);
        if (high > 1000)
            return refuse(Refusal(Refusals::UpperLimitTooHigh, RollField::CustomDieHigh));
        request.CustomDieHigh = ToInt16Rounded(high);

        if (request.CustomDieLow < 0)
            return refuse(Refusal(Refusals::LowerLimitNegative, RollField::CustomDieLow));
        if (request.CustomDieHigh == 0)
            return refuse(Refusal(Refusals::NoUpperLimit, RollField::CustomDieHigh));
        if (request.CustomDieLow > request.CustomDieHigh)
            return refuse(Refusal(Refusals::LowerAboveUpper, RollField::CustomDieLow));
        if (request.CustomDieLow == request.CustomDieHigh)
            return refuse(Refusal(Refusals::LowerEqualsUpper, RollField::CustomDieLow));
    }

    const double rollModifier = LeadingNumber(input.RollModifierText);
    if (rollModifier < -1000 || rollModifier > 1000)
        return refuse(Refusal(Refusals::RollModifierOutOfRange, RollField::RollModifier));
    const double dieModifier = LeadingNumber(input.DieModifierText);
    if (dieModifier < -100 || dieModifier > 100)
        return refuse(Refusal(Refusals::DieModifierOutOfRange, RollField::DieModifier));
    request.RollModifier = ToInt16Rounded(rollModifier);
    request.DieModifier = ToInt16Rounded(dieModifier);

    const double numDice = LeadingNumber(input.NumDiceText);
    if (numDice > 1000)
        return refuse(Refusal(Refusals::TooManyDice, RollField::None));
    // A negative count passes, as the window's key filter keeps it out of
    // typed input; the engine draws nothing for it.
    request.NumDice = ToInt16Rounded(numDice);

    validation.Outcome = request;
    return validation;
}

} // namespace Dice
