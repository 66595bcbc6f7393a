// SPDX-License-Identifier: MIT
#pragma once

#include <dice/RollRequest.h>

#include <QMetaType>
#include <QString>
#include <QTest>

Q_DECLARE_METATYPE(Dice::RollRequest)

namespace Dice {

// Lets QCOMPARE print a request that differs.
inline char* toString(const RollRequest& r)
{
    return QTest::toString(
        QStringLiteral("{type %1, sides %2, dice %3, custom %4..%5, die %6, roll %7}")
            .arg(r.DieType)
            .arg(r.Sides)
            .arg(r.NumDice)
            .arg(r.CustomDieLow)
            .arg(r.CustomDieHigh)
            .arg(r.DieModifier)
            .arg(r.RollModifier));
}

} // namespace Dice

inline Dice::RollRequest makeRequest(int dieType, int sides, int numDice, int low = 0, int high = 0,
                                     int dieModifier = 0, int rollModifier = 0)
{
    Dice::RollRequest r;
    r.DieType = dieType;
    r.Sides = static_cast<std::int16_t>(sides);
    r.NumDice = static_cast<std::int16_t>(numDice);
    r.CustomDieLow = static_cast<std::int16_t>(low);
    r.CustomDieHigh = static_cast<std::int16_t>(high);
    r.DieModifier = static_cast<std::int16_t>(dieModifier);
    r.RollModifier = static_cast<std::int16_t>(rollModifier);
    return r;
}

inline Dice::RollRequest makeCustomRequest(int numDice, int low, int high, int dieModifier = 0,
                                           int rollModifier = 0)
{
    return makeRequest(11, 999, numDice, low, high, dieModifier, rollModifier);
}
