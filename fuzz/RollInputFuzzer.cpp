// SPDX-License-Identifier: MIT
// Feeds arbitrary field texts through number reading, validation and the roll
// engine, and aborts when a result breaks one of its promises.
//
// Input: one die byte, then the texts of the lower limit, upper limit, roll
// modifier, die modifier and number of dice, each ended by '\n'; whatever
// follows drives the random source, three bytes per draw.
// Die byte: its low four bits are the die type index (12..15 choose no die);
// bit 7 flips the Custom button, giving states the window never shows.

#include <dice/NumberText.h>
#include <dice/RollEngine.h>
#include <dice/RollInput.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Plays the remaining input back as 24-bit values in [0, 1), starting over at its end.
class InputSource final : public Dice::RandomSource
{
public:
    explicit InputSource(std::string_view bytes) : m_bytes(bytes) {}

    float NextUniform() override
    {
        ++m_draws;
        if (m_bytes.size() < 3)
            return 0.0f;
        std::uint32_t bits = 0;
        for (int i = 0; i < 3; ++i) {
            bits = (bits << 8) | static_cast<unsigned char>(m_bytes[m_next]);
            m_next = (m_next + 1) % m_bytes.size();
        }
        return static_cast<float>(bits) * 0x1p-24f;
    }

    std::size_t draws() const { return m_draws; }

private:
    std::string_view m_bytes;
    std::size_t m_next = 0;
    std::size_t m_draws = 0;
};

std::string Joined(const std::vector<std::int16_t>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += std::to_string(values[i]);
    }
    return text;
}

void CheckNumberText(std::string_view text)
{
    const double value = Dice::LeadingNumber(text);
    require(!std::isnan(value), "LeadingNumber gave NaN");
    // No letter continues a number.
    require(Dice::LeadingNumber(std::string(text) + "x") == value,
            "LeadingNumber read past the number");
    const std::int16_t rounded = Dice::ToInt16Rounded(value);
    if (value > -32768.5 && value < 32767.5)
        require(std::fabs(rounded - value) <= 0.5, "ToInt16Rounded is not the nearest integer");
}

// What every roll promises, validated or not.
void CheckResult(const Dice::RollRequest& request, const Dice::RollResult& result,
                 const InputSource& source)
{
    const auto count = static_cast<std::size_t>(std::max<int>(request.NumDice, 0));
    require(source.draws() == count, "draws differ from the number of dice");
    require(result.IndivRolls.size() == count && result.ModRolls.size() == count,
            "wrong number of values");

    std::int64_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t expected =
            std::clamp<std::int32_t>(result.IndivRolls[i] + request.DieModifier, 1, 32767);
        require(result.ModRolls[i] == expected, "modified value is not the raised sum");
        sum += result.ModRolls[i];
    }
    require(result.TotalResult == std::max<std::int64_t>(sum + request.RollModifier, 1),
            "wrong total");
    require(result.IndivRollsText == Joined(result.IndivRolls),
            "actual text differs from the values");
    require(result.ModRollsText == Joined(result.ModRolls),
            "modified text differs from the values");
    require(result.TotalResultText == (request.Sides == Dice::PercentileSides
                                           ? std::string()
                                           : std::to_string(result.TotalResult)),
            "wrong total text");
    require(result.IndivRollsLong == (result.IndivRollsText.size() > Dice::LongTextLength),
            "wrong actual flag");
    require(result.ModRollsLong == (result.ModRollsText.size() > Dice::LongTextLength),
            "wrong modified flag");
}

// What a validated roll promises on top.
void CheckValidRoll(const Dice::RollRequest& request, const Dice::RollResult& result)
{
    const bool custom = request.DieType == Dice::CustomDieType;
    require(request.DieType >= 0 && request.DieType < Dice::DieTypeCount, "die type out of range");
    require(request.Sides == Dice::sidesOfDieType(request.DieType),
            "sides do not match the die type");
    require(request.NumDice <= 1000, "too many dice");
    require(request.DieModifier >= -100 && request.DieModifier <= 100, "die modifier out of range");
    require(request.RollModifier >= -1000 && request.RollModifier <= 1000,
            "roll modifier out of range");
    if (custom) {
        require(request.CustomDieLow >= 0 && request.CustomDieLow < request.CustomDieHigh &&
                    request.CustomDieHigh <= 1000,
                "custom limits out of range");
    } else {
        require(request.CustomDieLow == 0 && request.CustomDieHigh == 0,
                "custom limits set for another die");
    }

    const int low = custom ? request.CustomDieLow : 1;
    const int high = custom ? request.CustomDieHigh : request.Sides;
    for (std::int16_t value : result.IndivRolls)
        require(value >= low && value <= high, "actual value outside the die");
    require(result.TotalResult >= 1, "total below 1");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const int dieType = data[0] & 0x0F;
    const bool customSelected = (dieType == Dice::CustomDieType) != ((data[0] & 0x80) != 0);

    std::array<std::string_view, 5> texts{};
    std::string_view rest = input.substr(1);
    for (auto& text : texts) {
        const std::size_t end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        CheckNumberText(text);
    }

    Dice::RollInput fields;
    fields.Sides = Dice::sidesOfDieType(dieType);
    fields.CustomSelected = customSelected;
    fields.CustomDieLowText = texts[0];
    fields.CustomDieHighText = texts[1];
    fields.RollModifierText = texts[2];
    fields.DieModifierText = texts[3];
    fields.NumDiceText = texts[4];
    const auto validation = Dice::ValidateRollInput(fields);
    require(!validation.LowerLimitWasEmpty || (customSelected && texts[0].empty()),
            "empty lower limit misreported");

    if (validation.ok()) {
        InputSource source(rest);
        const auto result = Dice::RollDice(validation.request(), source);
        CheckResult(validation.request(), result, source);
        CheckValidRoll(validation.request(), result);
    } else {
        const auto& error = validation.error();
        require(!error.Message.empty(), "refusal without message");
        require(error.Title == "Die Roll Error" || error.Title == "Custom Die Roll Error",
                "unknown title");
    }

    // The same texts straight into the engine, unchecked: it must stay sound.
    Dice::RollRequest raw;
    raw.DieType = dieType;
    raw.Sides = fields.Sides;
    raw.CustomDieLow = Dice::ToInt16Rounded(Dice::LeadingNumber(texts[0]));
    raw.CustomDieHigh = Dice::ToInt16Rounded(Dice::LeadingNumber(texts[1]));
    raw.RollModifier = Dice::ToInt16Rounded(Dice::LeadingNumber(texts[2]));
    raw.DieModifier = Dice::ToInt16Rounded(Dice::LeadingNumber(texts[3]));
    raw.NumDice = Dice::ToInt16Rounded(Dice::LeadingNumber(texts[4]));
    InputSource rawSource(rest);
    CheckResult(raw, Dice::RollDice(raw, rawSource), rawSource);
    return 0;
}
