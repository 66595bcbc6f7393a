// SPDX-License-Identifier: MIT
#include <dice/NumberText.h>

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

QByteArray repeat(char c, int count)
{
    return QByteArray(count, c);
}

} // namespace

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void toInt16Rounded_data();
    void toInt16Rounded();
};

void NumberTextTest::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("minus alone") << QByteArray("-") << 0.0;
    QTest::newRow("plus alone") << QByteArray("+") << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("sign and point") << QByteArray("-.") << 0.0;
    QTest::newRow("double minus") << QByteArray("--3") << 0.0;
    QTest::newRow("plus minus") << QByteArray("+-3") << 0.0;
    QTest::newRow("leading blank stops") << QByteArray(" 5") << 0.0;
    QTest::newRow("list item +10") << QByteArray("+10") << 10.0;
    QTest::newRow("list item -10") << QByteArray("-10") << -10.0;
    QTest::newRow("zero") << QByteArray("0") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("inner blank stops") << QByteArray("12 34") << 12.0;
    QTest::newRow("fraction") << QByteArray("1000.4") << 1000.4;
    QTest::newRow("negative fraction") << QByteArray("-0.4") << -0.4;
    QTest::newRow("no integer part") << QByteArray(".5") << 0.5;
    QTest::newRow("signed no integer part") << QByteArray("-.5") << -0.5;
    QTest::newRow("no fraction digits") << QByteArray("5.") << 5.0;
    QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("comma is no decimal point") << QByteArray("1,5") << 1.0;
    QTest::newRow("exponent not read") << QByteArray("1e3") << 1.0;
    QTest::newRow("hex not read") << QByteArray("0x10") << 0.0;
    QTest::newRow("300 digits") << "1" + repeat('0', 300) << 1e300;
    QTest::newRow("400 digits") << repeat('9', 400) << Inf;
    QTest::newRow("400 digits negative") << "-" + repeat('9', 400) << -Inf;
    QTest::newRow("400 digits with fraction") << "+" + repeat('1', 400) + ".5x" << Inf;
    QTest::newRow("400 fraction digits") << "0." + repeat('0', 400) + "1" << 0.0;
    QTest::newRow("400 leading zeros") << repeat('0', 400) + "42" << 42.0;
}

void NumberTextTest::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);

    const double actual = Dice::LeadingNumber(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    QVERIFY2(actual == expected, qPrintable(QString::number(actual, 'g', 17)));
}

void NumberTextTest::toInt16Rounded_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");

    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("negative zero") << -0.0 << 0;
    QTest::newRow("0.5 to even") << 0.5 << 0;
    QTest::newRow("1.5 to even") << 1.5 << 2;
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("-0.5 to even") << -0.5 << 0;
    QTest::newRow("-1.5 to even") << -1.5 << -2;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("below half") << 2.4999999 << 2;
    QTest::newRow("above half") << 2.5000001 << 3;
    QTest::newRow("-0.4") << -0.4 << 0;
    QTest::newRow("-0.6") << -0.6 << -1;
    QTest::newRow("1000.4") << 1000.4 << 1000;
    QTest::newRow("999.5 to even") << 999.5 << 1000;
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("32766.5 to even") << 32766.5 << 32766;
    QTest::newRow("32767.4") << 32767.4 << 32767;
    QTest::newRow("32767.5 saturates") << 32767.5 << 32767;
    QTest::newRow("32768 saturates") << 32768.0 << 32767;
    QTest::newRow("huge saturates") << 1e300 << 32767;
    QTest::newRow("infinity saturates") << Inf << 32767;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("-32767.5 to even") << -32767.5 << -32768;
    QTest::newRow("-32768.5 saturates") << -32768.5 << -32768;
    QTest::newRow("-99999 saturates") << -99999.0 << -32768;
    QTest::newRow("minus infinity saturates") << -Inf << -32768;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void NumberTextTest::toInt16Rounded()
{
    QFETCH(double, x);
    QFETCH(int, expected);

    QCOMPARE(int{Dice::ToInt16Rounded(x)}, expected);
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "NumberTextTest.moc"
