// SPDX-License-Identifier: MIT
#include <dice/RollInput.h>

#include "RollRequestTesting.h"

#include <QtTest>

using Dice::RollField;
using Dice::RollRequest;

constexpr int CustomMark = 999;

// The main window's fields as texts; by default a valid roll of one six-sided die.
struct Fields
{
    int sides = 6;
    bool custom = false;
    QByteArray low, high, rollModifier = "0", dieModifier = "0", numDice = "1";

    Fields withSides(int s) const
    {
        Fields f = *this;
        f.sides = s;
        return f;
    }
    Fields roll(QByteArray t) const
    {
        Fields f = *this;
        f.rollModifier = std::move(t);
        return f;
    }
    Fields die(QByteArray t) const
    {
        Fields f = *this;
        f.dieModifier = std::move(t);
        return f;
    }
    Fields count(QByteArray t) const
    {
        Fields f = *this;
        f.numDice = std::move(t);
        return f;
    }

    Dice::RollValidation validate() const
    {
        const auto view = [](const QByteArray& t) {
            return std::string_view(t.constData(), std::size_t(t.size()));
        };
        Dice::RollInput input;
        input.Sides = static_cast<std::int16_t>(sides);
        input.CustomSelected = custom;
        input.CustomDieLowText = view(low);
        input.CustomDieHighText = view(high);
        input.RollModifierText = view(rollModifier);
        input.DieModifierText = view(dieModifier);
        input.NumDiceText = view(numDice);
        return Dice::ValidateRollInput(input);
    }
};

Q_DECLARE_METATYPE(Fields)
Q_DECLARE_METATYPE(Dice::RollField)

namespace {

const QString NoDieType = QStringLiteral("You must select a Die Type.");
const QString LowTooHigh = QStringLiteral("Your Lower Limit must be less than 1000");
const QString HighTooHigh = QStringLiteral("Your Upper Limit must be 1000 or less!");
const QString LowNegative =
    QStringLiteral("The Lower Limit for your Custom Die Type must be 0 or greater.");
const QString NoHigh = QStringLiteral("You must select an Upper Limit for your Custom Die Type.");
const QString LowAboveHigh = QStringLiteral("Your Lower Limit is higher than your Upper Limit!");
const QString LowEqualsHigh = QStringLiteral("Your Lower Limit is the same as your Upper Limit!");
const QString BadRollModifier = QStringLiteral("Roll Modifier must be between -1000 and 1000.");
const QString BadDieModifier = QStringLiteral("Die Modifier must be between -100 and 100.");
const QString TooManyDice = QStringLiteral("Sorry you only have 1000 dice in your dice bag!");

const QByteArray Huge(400, '9');

Fields standard(int sides)
{
    return Fields{}.withSides(sides);
}

Fields customDie(QByteArray low, QByteArray high)
{
    Fields f = standard(CustomMark);
    f.custom = true;
    f.low = std::move(low);
    f.high = std::move(high);
    return f;
}

RollRequest d6(int numDice, int dieModifier = 0, int rollModifier = 0)
{
    return makeRequest(4, 6, numDice, 0, 0, dieModifier, rollModifier);
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
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<RollField>("focus");
    QTest::addColumn<bool>("lowerWasEmpty");

    const auto none = RollField::None;
    const auto low = RollField::CustomDieLow;
    const auto high = RollField::CustomDieHigh;

    // No die type, or a Sides that names none of the buttons.
    QTest::newRow("no die type") << standard(0) << NoDieType << none << false;
    QTest::newRow("no die type first")
        << customDie("1000", "").roll("2000").die("200").count("5000").withSides(0) << NoDieType
        << none << false;
    QTest::newRow("sides of no die") << standard(7) << NoDieType << none << false;
    QTest::newRow("negative sides") << standard(-6) << NoDieType << none << false;
    QTest::newRow("custom sides, other button")
        << standard(CustomMark) << NoDieType << none << false;
    QTest::newRow("custom button, six sides")
        << customDie("1", "6").withSides(6) << NoDieType << none << false;

    // Lower limit below 1000, before rounding.
    QTest::newRow("lower 1000") << customDie("1000", "1000") << LowTooHigh << low << false;
    QTest::newRow("lower 999.5") << customDie("999.5", "1000") << LowTooHigh << low << false;
    QTest::newRow("lower 400 digits") << customDie(Huge, "6") << LowTooHigh << low << false;

    // Upper limit at most 1000; an empty lower limit is already noted.
    QTest::newRow("upper 1001") << customDie("1", "1001") << HighTooHigh << high << false;
    QTest::newRow("upper 1000.1") << customDie("1", "1000.1") << HighTooHigh << high << false;
    QTest::newRow("upper 1001, lower empty")
        << customDie("", "1001") << HighTooHigh << high << true;
    QTest::newRow("upper before lower sign")
        << customDie("-5", "1001") << HighTooHigh << high << false;

    // Lower limit not negative, after rounding.
    QTest::newRow("lower -1") << customDie("-1", "6") << LowNegative << low << false;
    QTest::newRow("lower -0.6 rounds to -1")
        << customDie("-0.6", "6") << LowNegative << low << false;
    QTest::newRow("lower -99999") << customDie("-99999", "6") << LowNegative << low << false;
    QTest::newRow("lower -400 digits") << customDie("-" + Huge, "6") << LowNegative << low << false;

    // Upper limit given.
    QTest::newRow("upper empty") << customDie("1", "") << NoHigh << high << false;
    QTest::newRow("both limits empty") << customDie("", "") << NoHigh << high << true;
    QTest::newRow("upper letters") << customDie("0", "abc") << NoHigh << high << false;
    QTest::newRow("upper 0.4 rounds to 0") << customDie("0", "0.4") << NoHigh << high << false;

    // Limits in order, compared after rounding.
    QTest::newRow("lower above upper") << customDie("6", "5") << LowAboveHigh << low << false;
    QTest::newRow("negative upper") << customDie("0", "-5") << LowAboveHigh << low << false;
    QTest::newRow("upper -99999") << customDie("5", "-99999") << LowAboveHigh << low << false;
    QTest::newRow("lower equals upper") << customDie("5", "5") << LowEqualsHigh << low << false;
    QTest::newRow("equal once rounded") << customDie("4.6", "5.4") << LowEqualsHigh << low << false;

    // Modifiers, unrounded; their title is the custom one whatever the die.
    const auto rollField = RollField::RollModifier;
    const auto dieField = RollField::DieModifier;
    QTest::newRow("roll modifier -1001")
        << standard(6).roll("-1001") << BadRollModifier << rollField << false;
    QTest::newRow("roll modifier 1001")
        << standard(6).roll("1001") << BadRollModifier << rollField << false;
    QTest::newRow("roll modifier 1000.1")
        << standard(20).roll("+1000.1") << BadRollModifier << rollField << false;
    QTest::newRow("roll modifier -1000.4")
        << standard(2).roll("-1000.4") << BadRollModifier << rollField << false;
    QTest::newRow("roll modifier 400 digits")
        << standard(6).roll(Huge) << BadRollModifier << rollField << false;
    QTest::newRow("die modifier -101")
        << standard(6).die("-101") << BadDieModifier << dieField << false;
    QTest::newRow("die modifier 101")
        << standard(6).die("101") << BadDieModifier << dieField << false;
    QTest::newRow("die modifier 100.5")
        << standard(100).die("100.5") << BadDieModifier << dieField << false;

    // At most 1000 dice, unrounded; the focus stays.
    QTest::newRow("1001 dice") << standard(6).count("1001") << TooManyDice << none << false;
    QTest::newRow("1000.4 dice") << standard(6).count("1000.4") << TooManyDice << none << false;
    QTest::newRow("400-digit dice") << standard(6).count(Huge) << TooManyDice << none << false;

    // Several faults: only the first in check order is reported.
    const Fields allBad = standard(6).roll("2000").die("200").count("2000");
    QTest::newRow("roll modifier first") << allBad << BadRollModifier << rollField << false;
    QTest::newRow("die modifier before dice")
        << allBad.roll("0") << BadDieModifier << dieField << false;
    QTest::newRow("lower before upper") << customDie("1000", "1001") << LowTooHigh << low << false;
    QTest::newRow("limits before modifiers")
        << customDie("5", "5").roll("2000") << LowEqualsHigh << low << false;
    QTest::newRow("empty lower noted on later fault")
        << customDie("", "6").roll("2000") << BadRollModifier << rollField << true;
}

void RollInputTest::refused()
{
    QFETCH(Fields, fields);
    QFETCH(QString, message);
    QFETCH(RollField, focus);
    QFETCH(bool, lowerWasEmpty);

    const auto validation = fields.validate();
    QVERIFY(!validation.ok());
    QCOMPARE(QString::fromStdString(validation.error().Message), message);
    QCOMPARE(validation.error().Title,
             message == NoDieType ? "Die Roll Error" : "Custom Die Roll Error");
    QCOMPARE(validation.error().Focus, focus);
    QCOMPARE(validation.LowerLimitWasEmpty, lowerWasEmpty);
}

void RollInputTest::accepted_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<bool>("lowerWasEmpty");

    QTest::newRow("three d6 plus two") << standard(6).count("3").die("+2") << d6(3, 2) << false;

    // Custom limits at their bounds; an empty lower limit reads as 0.
    QTest::newRow("custom 999..1000")
        << customDie("999", "1000") << makeCustomRequest(1, 999, 1000) << false;
    QTest::newRow("custom 0..1000")
        << customDie("0", "1000") << makeCustomRequest(1, 0, 1000) << false;
    QTest::newRow("custom empty lower") << customDie("", "6") << makeCustomRequest(1, 0, 6) << true;
    QTest::newRow("custom lower -0.4")
        << customDie("-0.4", "6") << makeCustomRequest(1, 0, 6) << false;
    QTest::newRow("custom lower -0.5 to even")
        << customDie("-0.5", "6") << makeCustomRequest(1, 0, 6) << false;
    QTest::newRow("custom lower 998.6")
        << customDie("998.6", "1000") << makeCustomRequest(1, 999, 1000) << false;
    QTest::newRow("custom trailing letters")
        << customDie("3abc", "12xyz") << makeCustomRequest(1, 3, 12) << false;

    // Other dice neither read nor check the custom fields.
    Fields sixWithBadLimits = standard(6);
    sixWithBadLimits.low = "5000";
    sixWithBadLimits.high = "-7";
    QTest::newRow("custom fields ignored") << sixWithBadLimits << d6(1) << false;
    QTest::newRow("empty lower ignored") << standard(20) << makeRequest(8, 20, 1) << false;

    // Modifiers at both ends, list texts, typed texts.
    QTest::newRow("roll modifier -1000") << standard(6).roll("-1000") << d6(1, 0, -1000) << false;
    QTest::newRow("roll modifier +1000") << standard(6).roll("+1000") << d6(1, 0, 1000) << false;
    QTest::newRow("roll modifier 999.5 to even")
        << standard(6).roll("999.5") << d6(1, 0, 1000) << false;
    QTest::newRow("roll modifier letters") << standard(6).roll("abc") << d6(1) << false;
    QTest::newRow("roll modifier empty") << standard(6).roll("") << d6(1) << false;
    QTest::newRow("die modifier -100") << standard(6).die("-100") << d6(1, -100) << false;
    QTest::newRow("die modifier 100") << standard(6).die("100") << d6(1, 100) << false;
    QTest::newRow("die modifier list item -10") << standard(6).die("-10") << d6(1, -10) << false;

    // Up to 1000 dice; zero, empty and negative pass (the engine draws none).
    QTest::newRow("1000 dice") << standard(6).count("1000") << d6(1000) << false;
    QTest::newRow("999.6 dice") << standard(6).count("999.6") << d6(1000) << false;
    QTest::newRow("2.5 dice to even") << standard(6).count("2.5") << d6(2) << false;
    QTest::newRow("zero dice") << standard(6).count("0") << d6(0) << false;
    QTest::newRow("empty dice") << standard(6).count("") << d6(0) << false;
    QTest::newRow("negative dice") << standard(6).count("-5") << d6(-5) << false;
    QTest::newRow("-99999 dice saturate") << standard(6).count("-99999") << d6(-32768) << false;
    QTest::newRow("-400-digit dice saturate")
        << standard(6).count("-" + Huge) << d6(-32768) << false;
}

void RollInputTest::accepted()
{
    QFETCH(Fields, fields);
    QFETCH(RollRequest, request);
    QFETCH(bool, lowerWasEmpty);

    const auto validation = fields.validate();
    QVERIFY2(validation.ok(), validation.ok() ? "" : validation.error().Message.c_str());
    QCOMPARE(validation.request(), request);
    QCOMPARE(validation.LowerLimitWasEmpty, lowerWasEmpty);
}

void RollInputTest::dieTypeFollowsSides_data()
{
    QTest::addColumn<int>("dieType");
    QTest::addColumn<int>("sides");

    const int sides[] = {2, 3, 4, 5, 6, 8, 10, 12, 20, 30, 100, CustomMark};
    for (int dieType = 0; dieType < 12; ++dieType)
        QTest::addRow("type %d", dieType) << dieType << sides[dieType];
}

void RollInputTest::dieTypeFollowsSides()
{
    QFETCH(int, dieType);
    QFETCH(int, sides);

    QCOMPARE(int{Dice::sidesOfDieType(dieType)}, sides);
    const auto validation = (dieType == 11 ? customDie("1", "2") : standard(sides)).validate();
    QVERIFY(validation.ok());
    QCOMPARE(validation.request().DieType, dieType);
    QCOMPARE(int{validation.request().Sides}, sides);
}

void RollInputTest::noSidesOutsideTheButtons()
{
    QCOMPARE(int{Dice::sidesOfDieType(-1)}, 0);
    QCOMPARE(int{Dice::sidesOfDieType(12)}, 0);
}

QTEST_APPLESS_MAIN(RollInputTest)
#include "RollInputTest.moc"
