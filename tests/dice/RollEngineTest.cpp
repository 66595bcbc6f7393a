// SPDX-License-Identifier: MIT
#include <dice/RollEngine.h>

#include "RollRequestTesting.h"
#include "ScriptedSource.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using Dice::RollRequest;

namespace {

// The largest value the source may give.
const float Top = std::nextafter(1.0f, 0.0f);

QList<int> ToList(const std::vector<std::int16_t>& values)
{
    return QList<int>(values.begin(), values.end());
}

QString joined(const QList<int>& values)
{
    QStringList parts;
    for (int v : values)
        parts << QString::number(v);
    return parts.join(QStringLiteral(", "));
}

QList<int> range(int low, int high)
{
    QList<int> values;
    for (int v = low; v <= high; ++v)
        values << v;
    return values;
}

std::size_t ExpectedDraws(const RollRequest& request)
{
    return static_cast<std::size_t>(std::max(int{request.NumDice}, 0));
}

} // namespace

class RollEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFaceAndNoMore_data();
    void everyFaceAndNoMore();
    void roll_data();
    void roll();
    void listLength_data();
    void listLength();
    void requestsValidationNeverMakes_data();
    void requestsValidationNeverMakes();
};

void RollEngineTest::everyFaceAndNoMore_data()
{
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    const int sides[] = {2, 3, 4, 5, 6, 8, 10, 12, 20, 30, 100};
    for (int dieType = 0; dieType <= 10; ++dieType)
        QTest::addRow("d%d", sides[dieType])
            << makeRequest(dieType, sides[dieType], 0) << 1 << sides[dieType];
    const std::pair<int, int> limits[] = {{0, 1},   {0, 5},      {1, 6},   {500, 501},
                                          {0, 999}, {999, 1000}, {0, 1000}};
    for (const auto& [low, high] : limits)
        QTest::addRow("custom %d..%d", low, high) << makeCustomRequest(0, low, high) << low << high;
}

// r = 0 gives the lowest face and the largest r below 1 the highest, never one
// more; the middle of each of the n slices of [0, 1) gives its own face.
void RollEngineTest::everyFaceAndNoMore()
{
    QFETCH(RollRequest, request);
    QFETCH(int, low);
    QFETCH(int, high);

    const int faces = high - low + 1;
    std::vector<float> script{0.0f, Top};
    for (int k = 0; k < faces; ++k)
        script.push_back(static_cast<float>((k + 0.5) / faces));
    request.NumDice = static_cast<std::int16_t>(script.size());

    ScriptedSource source(script);
    const auto result = Dice::RollDice(request, source);
    QCOMPARE(source.draws(), script.size());
    const QList<int> expected = QList<int>{low, high} + range(low, high);
    QCOMPARE(ToList(result.IndivRolls), expected);
}

void RollEngineTest::roll_data()
{
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<QList<int>>("actual");
    QTest::addColumn<QList<int>>("modified");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("totalText");

    constexpr int d6 = 4;
    constexpr int d20 = 8;
    constexpr int percentile = 10;

    QTest::newRow("three d6") << makeRequest(d6, 6, 3) << QList<float>{0.0f, 0.5f, Top}
                              << QList<int>{1, 4, 6} << QList<int>{1, 4, 6} << 11 << "11";
    QTest::newRow("d6 +2 each, -3 total")
        << makeRequest(d6, 6, 3, 0, 0, 2, -3) << QList<float>{0.0f, 0.5f, Top}
        << QList<int>{1, 4, 6} << QList<int>{3, 6, 8} << 14 << "14";
    QTest::newRow("die modifier -100 raises each to 1")
        << makeRequest(d6, 6, 2, 0, 0, -100, 5) << QList<float>{0.0f, Top} << QList<int>{1, 6}
        << QList<int>{1, 1} << 7 << "7";
    QTest::newRow("die modifier +100") << makeRequest(d6, 6, 1, 0, 0, 100) << QList<float>{0.0f}
                                       << QList<int>{1} << QList<int>{101} << 101 << "101";
    QTest::newRow("custom 0 shown, counts 1")
        << makeCustomRequest(2, 0, 5) << QList<float>{0.0f, 0.0f} << QList<int>{0, 0}
        << QList<int>{1, 1} << 2 << "2";
    QTest::newRow("custom top with +100")
        << makeCustomRequest(1, 999, 1000, 100) << QList<float>{Top} << QList<int>{1000}
        << QList<int>{1100} << 1100 << "1100";
    QTest::newRow("roll modifier -1000 gives 1")
        << makeRequest(d20, 20, 3, 0, 0, 0, -1000) << QList<float>{Top} << QList<int>{20, 20, 20}
        << QList<int>{20, 20, 20} << 1 << "1";
    QTest::newRow("percentile total hidden")
        << makeRequest(percentile, 100, 2) << QList<float>{0.0f, Top} << QList<int>{1, 100}
        << QList<int>{1, 100} << 101 << "";
    QTest::newRow("percentile no dice") << makeRequest(percentile, 100, 0) << QList<float>{}
                                        << QList<int>{} << QList<int>{} << 1 << "";
    QTest::newRow("no dice") << makeRequest(d6, 6, 0, 0, 0, 0, 5) << QList<float>{} << QList<int>{}
                             << QList<int>{} << 5 << "5";
    QTest::newRow("no dice, negative roll modifier")
        << makeRequest(d6, 6, 0, 0, 0, 0, -5) << QList<float>{} << QList<int>{} << QList<int>{} << 1
        << "1";
    QTest::newRow("negative dice draw nothing")
        << makeRequest(d6, 6, -3, 0, 0, 0, 7) << QList<float>{} << QList<int>{} << QList<int>{} << 7
        << "7";
    QTest::newRow("most negative dice")
        << makeRequest(d6, 6, -32768, 0, 0, 0, -1000) << QList<float>{} << QList<int>{}
        << QList<int>{} << 1 << "1";
    QTest::newRow("1000 dice of 1000 +100, roll +1000")
        << makeCustomRequest(1000, 0, 1000, 100, 1000) << QList<float>{Top}
        << QList<int>(1000, 1000) << QList<int>(1000, 1100) << 1101000 << "1101000";
}

void RollEngineTest::roll()
{
    QFETCH(RollRequest, request);
    QFETCH(QList<float>, script);
    QFETCH(QList<int>, actual);
    QFETCH(QList<int>, modified);
    QFETCH(int, total);
    QFETCH(QString, totalText);

    ScriptedSource source(std::vector<float>(script.begin(), script.end()));
    const auto result = Dice::RollDice(request, source);
    QCOMPARE(source.draws(), ExpectedDraws(request));
    QCOMPARE(ToList(result.IndivRolls), actual);
    QCOMPARE(ToList(result.ModRolls), modified);
    QCOMPARE(result.TotalResult, total);
    QCOMPARE(QString::fromStdString(result.IndivRollsText), joined(actual));
    QCOMPARE(QString::fromStdString(result.ModRollsText), joined(modified));
    QCOMPARE(QString::fromStdString(result.TotalResultText), totalText);
}

void RollEngineTest::listLength_data()
{
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("actualLength");
    QTest::addColumn<bool>("actualLong");
    QTest::addColumn<int>("modifiedLength");
    QTest::addColumn<bool>("modifiedLong");

    QTest::newRow("no dice") << makeRequest(4, 6, 0) << 0.5f << 0 << false << 0 << false;
    QTest::newRow("16 single digits fit")
        << makeRequest(4, 6, 16) << 0.5f << 46 << false << 46 << false;
    QTest::newRow("17 single digits scroll")
        << makeRequest(4, 6, 17) << 0.5f << 49 << true << 49 << true;
    QTest::newRow("12 two-digit values fit")
        << makeRequest(6, 10, 12) << Top << 46 << false << 46 << false;
    QTest::newRow("13 two-digit values scroll")
        << makeRequest(6, 10, 13) << Top << 50 << true << 50 << true;
    QTest::newRow("12 d6 +100: each list on its own")
        << makeRequest(4, 6, 12, 0, 0, 100) << 0.5f << 34 << false << 58 << true;
    QTest::newRow("longest lists")
        << makeCustomRequest(1000, 0, 1000, 100) << Top << 5998 << true << 5998 << true;
}

void RollEngineTest::listLength()
{
    QFETCH(RollRequest, request);
    QFETCH(float, r);
    QFETCH(int, actualLength);
    QFETCH(bool, actualLong);
    QFETCH(int, modifiedLength);
    QFETCH(bool, modifiedLong);

    ScriptedSource source({r});
    const auto result = Dice::RollDice(request, source);
    QCOMPARE(static_cast<int>(result.IndivRollsText.size()), actualLength);
    QCOMPARE(result.IndivRollsLong, actualLong);
    QCOMPARE(static_cast<int>(result.ModRollsText.size()), modifiedLength);
    QCOMPARE(result.ModRollsLong, modifiedLong);
}

void RollEngineTest::requestsValidationNeverMakes_data()
{
    QTest::addColumn<RollRequest>("request");
    QTest::addColumn<QList<float>>("script");

    const QList<float> extremes{0.0f, 0.5f, Top};
    QTest::newRow("no sides") << makeRequest(4, 0, 3) << extremes;
    QTest::newRow("negative sides") << makeRequest(4, -5, 3, 0, 0, -100, -1000) << extremes;
    QTest::newRow("largest sides") << makeRequest(4, 32767, 3, 0, 0, 32767) << extremes;
    QTest::newRow("custom limits reversed") << makeCustomRequest(3, 1000, 0) << extremes;
    QTest::newRow("custom over all 16 bits")
        << makeCustomRequest(3, -32768, 32767, -32768) << extremes;
    QTest::newRow("most dice, largest values")
        << makeCustomRequest(32767, 32766, 32767, 32767, 32767) << extremes;
    QTest::newRow("most dice, lowest values")
        << makeCustomRequest(32767, -32768, -32767, -32768, -32768) << extremes;
}

// Whatever the request, the result keeps its invariants and fits its types.
void RollEngineTest::requestsValidationNeverMakes()
{
    QFETCH(RollRequest, request);
    QFETCH(QList<float>, script);

    ScriptedSource source(std::vector<float>(script.begin(), script.end()));
    const auto result = Dice::RollDice(request, source);
    QCOMPARE(source.draws(), ExpectedDraws(request));
    QCOMPARE(result.IndivRolls.size(), ExpectedDraws(request));
    QCOMPARE(result.ModRolls.size(), ExpectedDraws(request));

    qint64 sum = 0;
    for (std::int16_t m : result.ModRolls) {
        QVERIFY(m >= 1);
        sum += m;
    }
    QCOMPARE(qint64{result.TotalResult}, std::max(sum + request.RollModifier, qint64{1}));
    QCOMPARE(QString::fromStdString(result.IndivRollsText), joined(ToList(result.IndivRolls)));
    QCOMPARE(QString::fromStdString(result.ModRollsText), joined(ToList(result.ModRolls)));
    QCOMPARE(QString::fromStdString(result.TotalResultText), QString::number(result.TotalResult));
}

QTEST_APPLESS_MAIN(RollEngineTest)
#include "RollEngineTest.moc"
