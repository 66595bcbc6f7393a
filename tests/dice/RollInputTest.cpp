#include "RollRequestTesting.h"
#include "dice/RollInput.h"

#include <QtTest>

using dice::RollField;
using dice::RollInputError;
using dice::RollRequest;

Q_DECLARE_METATYPE(dice::RollField)

namespace {

const QString kDieRollError = QStringLiteral("Die Roll Error");
const QString kCustomDieRollError = QStringLiteral("Custom Die Roll Error");

const QString kNoDieType = QStringLiteral("You must select a Die Type.");
const QString kLowTooHigh = QStringLiteral("Your Lower Limit must be less than 1000");
const QString kHighTooHigh = QStringLiteral("Your Upper Limit must be 1000 or less!");
const QString kLowNegative = QStringLiteral("The Lower Limit for your Custom Die Type must be 0 or greater.");
const QString kNoHigh = QStringLiteral("You must select an Upper Limit for your Custom Die Type.");
const QString kLowAboveHigh = QStringLiteral("Your Lower Limit is higher than your Upper Limit!");
const QString kLowEqualsHigh = QStringLiteral("Your Lower Limit is the same as your Upper Limit!");
const QString kBadRollModifier = QStringLiteral("Roll Modifier must be between -1000 and 1000.");
const QString kBadDieModifier = QStringLiteral("Die Modifier must be between -100 and 100.");
const QString kTooManyDice = QStringLiteral("Sorry you only have 1000 dice in your dice bag!");

constexpr int kCustom = 999;

// The fields of the main window as texts, with a valid six-sided roll as default.
struct Fields
{
    int sides = 6;
    bool custom = false;
    QByteArray low;
    QByteArray high;
    QByteArray rollModifier = "0";
    QByteArray dieModifier = "0";
    QByteArray numDice = "1";
};

Fields Custom(QByteArray low, QByteArray high)
{
    Fields f;
    f.sides = kCustom;
    f.custom = true;
    f.low = std::move(low);
    f.high = std::move(high);
    return f;
}

Fields Standard(int sides)
{
    Fields f;
    f.sides = sides;
    return f;
}

Fields With(Fields f, QByteArray Fields::*field, QByteArray text)
{
    f.*field = std::move(text);
    return f;
}

std::string_view View(const QByteArray& text)
{
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

dice::RollValidation Validate(int sides, bool custom, const QByteArray& low, const QByteArray& high,
                              const QByteArray& rollModifier, const QByteArray& dieModifier,
                              const QByteArray& numDice)
{
    dice::RollInput input;
    input.Sides = static_cast<std::int16_t>(sides);
    input.CustomSelected = custom;
    input.CustomDieLowText = View(low);
    input.CustomDieHighText = View(high);
    input.RollModifierText = View(rollModifier);
    input.DieModifierText = View(dieModifier);
    input.NumDiceText = View(numDice);
    return dice::ValidateRollInput(input);
}

void AddFieldColumns()
{
    QTest::addColumn<int>("sides");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QByteArray>("low");
    QTest::addColumn<QByteArray>("high");
    QTest::addColumn<QByteArray>("rollModifier");
    QTest::addColumn<QByteArray>("dieModifier");
    QTest::addColumn<QByteArray>("numDice");
}

QTestData& AddFields(const char* name, const Fields& f)
{
    return QTest::newRow(name) << f.sides << f.custom << f.low << f.high << f.rollModifier << f.dieModifier
                               << f.numDice;
}

} // namespace

class RollInputTest : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void accepted_data();
    void accepted();
    void dieTypeFollowsSides_data();
    void dieTypeFollowsSides();
    void noSidesOutsideTheButtons();
};

void RollInputTest::refused_data()
{
    AddFieldColumns();
    QTest::addColumn<QString>("message");
    QTest::addColumn<RollField>("focus");
    QTest::addColumn<bool>("lowerWasEmpty");

    const QByteArray huge(400, '9');

    // No die type, or a Sides that names none of the buttons.
    AddFields("no die type", Standard(0)) << kNoDieType << RollField::None << false;
    Fields everythingWrong =
        With(With(With(Custom("1000", ""), &Fields::rollModifier, "2000"), &Fields::dieModifier, "200"),
             &Fields::numDice, "5000");
    everythingWrong.sides = 0;
    AddFields("no die type beats every other fault", everythingWrong) << kNoDieType << RollField::None << false;
    AddFields("sides of no die", Standard(7)) << kNoDieType << RollField::None << false;
    AddFields("negative sides", Standard(-6)) << kNoDieType << RollField::None << false;
    AddFields("custom sides without custom button", Standard(kCustom)) << kNoDieType << RollField::None << false;
    Fields customButtonWithSix = Custom("1", "6");
    customButtonWithSix.sides = 6;
    AddFields("custom button with six sides", customButtonWithSix) << kNoDieType << RollField::None << false;

    // Lower limit below 1000, checked before rounding.
    AddFields("lower 1000", Custom("1000", "1000")) << kLowTooHigh << RollField::CustomDieLow << false;
    AddFields("lower 999.5", Custom("999.5", "1000")) << kLowTooHigh << RollField::CustomDieLow << false;
    AddFields("lower 400 digits", Custom(huge, "6")) << kLowTooHigh << RollField::CustomDieLow << false;

    // Upper limit at most 1000; an empty lower limit is already noted.
    AddFields("upper 1001", Custom("1", "1001")) << kHighTooHigh << RollField::CustomDieHigh << false;
    AddFields("upper 1000.1", Custom("1", "1000.1")) << kHighTooHigh << RollField::CustomDieHigh << false;
    AddFields("upper 1001, lower empty", Custom("", "1001")) << kHighTooHigh << RollField::CustomDieHigh << true;
    AddFields("upper checked before lower sign", Custom("-5", "1001"))
        << kHighTooHigh << RollField::CustomDieHigh << false;

    // Lower limit not negative, after rounding.
    AddFields("lower -1", Custom("-1", "6")) << kLowNegative << RollField::CustomDieLow << false;
    AddFields("lower -0.6 rounds to -1", Custom("-0.6", "6")) << kLowNegative << RollField::CustomDieLow << false;
    AddFields("lower -99999", Custom("-99999", "6")) << kLowNegative << RollField::CustomDieLow << false;
    AddFields("lower 400 digits negative", Custom("-" + huge, "6"))
        << kLowNegative << RollField::CustomDieLow << false;

    // Upper limit given.
    AddFields("upper empty", Custom("1", "")) << kNoHigh << RollField::CustomDieHigh << false;
    AddFields("both limits empty", Custom("", "")) << kNoHigh << RollField::CustomDieHigh << true;
    AddFields("upper letters", Custom("0", "abc")) << kNoHigh << RollField::CustomDieHigh << false;
    AddFields("upper 0.4 rounds to 0", Custom("0", "0.4")) << kNoHigh << RollField::CustomDieHigh << false;

    // Limits in order, compared after rounding.
    AddFields("lower above upper", Custom("6", "5")) << kLowAboveHigh << RollField::CustomDieLow << false;
    AddFields("negative upper", Custom("0", "-5")) << kLowAboveHigh << RollField::CustomDieLow << false;
    AddFields("upper -99999", Custom("5", "-99999")) << kLowAboveHigh << RollField::CustomDieLow << false;
    AddFields("lower equals upper", Custom("5", "5")) << kLowEqualsHigh << RollField::CustomDieLow << false;
    AddFields("equal once rounded", Custom("4.6", "5.4")) << kLowEqualsHigh << RollField::CustomDieLow << false;

    // Roll modifier from -1000 to 1000, unrounded; the title is the custom one for any die.
    AddFields("roll modifier -1001", With(Standard(6), &Fields::rollModifier, "-1001"))
        << kBadRollModifier << RollField::RollModifier << false;
    AddFields("roll modifier 1001", With(Standard(6), &Fields::rollModifier, "1001"))
        << kBadRollModifier << RollField::RollModifier << false;
    AddFields("roll modifier 1000.1", With(Standard(20), &Fields::rollModifier, "+1000.1"))
        << kBadRollModifier << RollField::RollModifier << false;
    AddFields("roll modifier -1000.4", With(Standard(2), &Fields::rollModifier, "-1000.4"))
        << kBadRollModifier << RollField::RollModifier << false;
    AddFields("roll modifier 400 digits", With(Standard(6), &Fields::rollModifier, huge))
        << kBadRollModifier << RollField::RollModifier << false;

    // Die modifier from -100 to 100, unrounded.
    AddFields("die modifier -101", With(Standard(6), &Fields::dieModifier, "-101"))
        << kBadDieModifier << RollField::DieModifier << false;
    AddFields("die modifier 101", With(Standard(6), &Fields::dieModifier, "101"))
        << kBadDieModifier << RollField::DieModifier << false;
    AddFields("die modifier 100.5", With(Standard(100), &Fields::dieModifier, "100.5"))
        << kBadDieModifier << RollField::DieModifier << false;

    // At most 1000 dice, unrounded; the focus stays.
    AddFields("1001 dice", With(Standard(6), &Fields::numDice, "1001")) << kTooManyDice << RollField::None << false;
    AddFields("1000.4 dice", With(Standard(6), &Fields::numDice, "1000.4"))
        << kTooManyDice << RollField::None << false;
    AddFields("400-digit dice", With(Standard(6), &Fields::numDice, huge)) << kTooManyDice << RollField::None << false;

    // Several faults: only the first in check order is reported.
    const Fields allModifiersBad =
        With(With(With(Standard(6), &Fields::rollModifier, "2000"), &Fields::dieModifier, "200"), &Fields::numDice,
             "2000");
    AddFields("roll modifier before die modifier and dice", allModifiersBad)
        << kBadRollModifier << RollField::RollModifier << false;
    AddFields("die modifier before dice", With(allModifiersBad, &Fields::rollModifier, "0"))
        << kBadDieModifier << RollField::DieModifier << false;
    AddFields("lower limit before upper limit", Custom("1000", "1001"))
        << kLowTooHigh << RollField::CustomDieLow << false;
    AddFields("custom limits before roll modifier", With(Custom("5", "5"), &Fields::rollModifier, "2000"))
        << kLowEqualsHigh << RollField::CustomDieLow << false;
    AddFields("empty lower noted when a later check fails", With(Custom("", "6"), &Fields::rollModifier, "2000"))
        << kBadRollModifier << RollField::RollModifier << true;
}

void RollInputTest::refused()
{
    QFETCH(int, sides);
    QFETCH(bool, custom);
    QFETCH(QByteArray, low);
    QFETCH(QByteArray, high);
    QFETCH(QByteArray, rollModifier);
    QFETCH(QByteArray, dieModifier);
    QFETCH(QByteArray, numDice);
    QFETCH(QString, message);
    QFETCH(RollField, focus);
    QFETCH(bool, lowerWasEmpty);

    const auto validation = Validate(sides, custom, low, high, rollModifier, dieModifier, numDice);
    QVERIFY(!validation.ok());
    QCOMPARE(QString::fromStdString(validation.error().Message), message);
    QCOMPARE(QString::fromStdString(validation.error().Title), message == kNoDieType ? kDieRollError : kCustomDieRollError);
    QCOMPARE(validation.error().Focus, focus);
    QCOMPARE(validation.LowerLimitWasEmpty, lowerWasEmpty);
}

void RollInputTest::accepted_data()
{
    AddFieldColumns();
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<bool>("lowerWasEmpty");

    constexpr int d6 = 4;
    constexpr int custom = 11;

    Fields typical = Standard(6);
    typical.numDice = "3";
    typical.dieModifier = "+2";
    AddFields("three d6 plus two", typical) << MakeRequest(d6, 6, 3, 0, 0, 2) << false;

    // Custom limits at their bounds; an empty lower limit reads as 0.
    AddFields("custom 999..1000", Custom("999", "1000")) << MakeRequest(custom, kCustom, 1, 999, 1000) << false;
    AddFields("custom 0..1000", Custom("0", "1000")) << MakeRequest(custom, kCustom, 1, 0, 1000) << false;
    AddFields("custom empty lower", Custom("", "6")) << MakeRequest(custom, kCustom, 1, 0, 6) << true;
    AddFields("custom lower -0.4", Custom("-0.4", "6")) << MakeRequest(custom, kCustom, 1, 0, 6) << false;
    AddFields("custom lower -0.5 to even", Custom("-0.5", "6")) << MakeRequest(custom, kCustom, 1, 0, 6) << false;
    AddFields("custom lower 998.6", Custom("998.6", "1000")) << MakeRequest(custom, kCustom, 1, 999, 1000) << false;
    AddFields("custom letters after digits", Custom("3abc", "12xyz")) << MakeRequest(custom, kCustom, 1, 3, 12) << false;

    // Other dice neither read nor check the custom fields.
    Fields sixWithBadLimits = Standard(6);
    sixWithBadLimits.low = "5000";
    sixWithBadLimits.high = "-7";
    AddFields("custom fields ignored for d6", sixWithBadLimits) << MakeRequest(d6, 6, 1) << false;
    AddFields("empty lower ignored for d20", Standard(20)) << MakeRequest(8, 20, 1) << false;

    // Modifiers at both ends, list texts, typed texts.
    AddFields("roll modifier -1000", With(Standard(6), &Fields::rollModifier, "-1000"))
        << MakeRequest(d6, 6, 1, 0, 0, 0, -1000) << false;
    AddFields("roll modifier +1000", With(Standard(6), &Fields::rollModifier, "+1000"))
        << MakeRequest(d6, 6, 1, 0, 0, 0, 1000) << false;
    AddFields("roll modifier 999.5 to even", With(Standard(6), &Fields::rollModifier, "999.5"))
        << MakeRequest(d6, 6, 1, 0, 0, 0, 1000) << false;
    AddFields("roll modifier letters", With(Standard(6), &Fields::rollModifier, "abc"))
        << MakeRequest(d6, 6, 1) << false;
    AddFields("roll modifier empty", With(Standard(6), &Fields::rollModifier, "")) << MakeRequest(d6, 6, 1) << false;
    AddFields("die modifier -100", With(Standard(6), &Fields::dieModifier, "-100"))
        << MakeRequest(d6, 6, 1, 0, 0, -100) << false;
    AddFields("die modifier 100", With(Standard(6), &Fields::dieModifier, "100"))
        << MakeRequest(d6, 6, 1, 0, 0, 100) << false;
    AddFields("die modifier -10 list item", With(Standard(6), &Fields::dieModifier, "-10"))
        << MakeRequest(d6, 6, 1, 0, 0, -10) << false;

    // Number of dice: up to 1000, zero and empty pass; negative passes and the engine draws nothing.
    AddFields("1000 dice", With(Standard(6), &Fields::numDice, "1000")) << MakeRequest(d6, 6, 1000) << false;
    AddFields("999.6 dice", With(Standard(6), &Fields::numDice, "999.6")) << MakeRequest(d6, 6, 1000) << false;
    AddFields("2.5 dice to even", With(Standard(6), &Fields::numDice, "2.5")) << MakeRequest(d6, 6, 2) << false;
    AddFields("zero dice", With(Standard(6), &Fields::numDice, "0")) << MakeRequest(d6, 6, 0) << false;
    AddFields("empty dice", With(Standard(6), &Fields::numDice, "")) << MakeRequest(d6, 6, 0) << false;
    AddFields("negative dice", With(Standard(6), &Fields::numDice, "-5")) << MakeRequest(d6, 6, -5) << false;
    AddFields("-99999 dice saturates", With(Standard(6), &Fields::numDice, "-99999"))
        << MakeRequest(d6, 6, -32768) << false;
    AddFields("400-digit negative dice saturates", With(Standard(6), &Fields::numDice, "-" + QByteArray(400, '9')))
        << MakeRequest(d6, 6, -32768) << false;
}

void RollInputTest::accepted()
{
    QFETCH(int, sides);
    QFETCH(bool, custom);
    QFETCH(QByteArray, low);
    QFETCH(QByteArray, high);
    QFETCH(QByteArray, rollModifier);
    QFETCH(QByteArray, dieModifier);
    QFETCH(QByteArray, numDice);
    QFETCH(RollRequest, request);
    QFETCH(bool, lowerWasEmpty);

    const auto validation = Validate(sides, custom, low, high, rollModifier, dieModifier, numDice);
    QVERIFY2(validation.ok(), validation.ok() ? "" : validation.error().Message.c_str());
    QCOMPARE(validation.request(), request);
    QCOMPARE(validation.LowerLimitWasEmpty, lowerWasEmpty);
}

void RollInputTest::dieTypeFollowsSides_data()
{
    QTest::addColumn<int>("dieType");
    QTest::addColumn<int>("sides");

    const int sides[] = {2, 3, 4, 5, 6, 8, 10, 12, 20, 30, 100, kCustom};
    for (int dieType = 0; dieType < 12; ++dieType)
        QTest::addRow("type %d", dieType) << dieType << sides[dieType];
}

void RollInputTest::dieTypeFollowsSides()
{
    QFETCH(int, dieType);
    QFETCH(int, sides);

    QCOMPARE(int{dice::SidesOfDieType(dieType)}, sides);
    const bool custom = dieType == 11;
    const auto validation = Validate(sides, custom, "1", "2", "0", "0", "1");
    QVERIFY(validation.ok());
    QCOMPARE(validation.request().DieType, dieType);
    QCOMPARE(int{validation.request().Sides}, sides);
}

void RollInputTest::noSidesOutsideTheButtons()
{
    QCOMPARE(int{dice::SidesOfDieType(-1)}, 0);
    QCOMPARE(int{dice::SidesOfDieType(12)}, 0);
}

QTEST_APPLESS_MAIN(RollInputTest)
#include "RollInputTest.moc"
