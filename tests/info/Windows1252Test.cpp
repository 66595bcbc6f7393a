// SPDX-License-Identifier: MIT
#include <ui/info/Windows1252.h>

#include <QTest>

class Windows1252Test : public QObject
{
    Q_OBJECT

private slots:
    void byte_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("NUL stays NUL") << 0x00 << 0x0000;
        QTest::newRow("tab") << 0x09 << 0x0009;
        QTest::newRow("carriage return") << 0x0D << 0x000D;
        QTest::newRow("A") << 0x41 << 0x0041;
        QTest::newRow("DEL") << 0x7F << 0x007F;
        QTest::newRow("euro sign") << 0x80 << 0x20AC;
        QTest::newRow("0x81 undefined") << 0x81 << 0xFFFD;
        QTest::newRow("low double quote") << 0x84 << 0x201E;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("0x8D undefined") << 0x8D << 0xFFFD;
        QTest::newRow("0x8F undefined") << 0x8F << 0xFFFD;
        QTest::newRow("0x90 undefined") << 0x90 << 0xFFFD;
        QTest::newRow("left single quote") << 0x91 << 0x2018;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("0x9D undefined") << 0x9D << 0xFFFD;
        QTest::newRow("z caron") << 0x9E << 0x017E;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("e acute") << 0xE9 << 0x00E9;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    }

    void byte()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(int(Windows1252::toUnicode(static_cast<unsigned char>(byte))), unicode);
        const char single = static_cast<char>(byte);
        QCOMPARE(Windows1252::decode(QByteArrayView(&single, 1)),
                 QString(QChar(char16_t(unicode))));
    }

    void everyByteIsOneCharacter()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.size(), 256);
        for (int b = 0; b < 256; ++b)
            QCOMPARE(text.at(b).unicode(), Windows1252::toUnicode(static_cast<unsigned char>(b)));
    }

    void lineEndsAndNulsPassThrough()
    {
        const QByteArray bytes("one\r\ntwo\0three\x80", 15);
        const QString expected = QStringView(u"one\r\ntwo\0three\u20AC", 15).toString();
        QCOMPARE(Windows1252::decode(bytes), expected);
    }
};

QTEST_APPLESS_MAIN(Windows1252Test)
#include "Windows1252Test.moc"
