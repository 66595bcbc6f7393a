// SPDX-License-Identifier: MIT
#include <ui/info/Windows1252.h>

namespace Windows1252 {

namespace {

// 0x80..0x9F: the only range where the code page differs from Latin-1.
constexpr char16_t High[32] = {
    u'\u20AC', Undefined, u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', Undefined, u'\u017D', Undefined,
    Undefined, u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', Undefined, u'\u017E', u'\u0178',
};

} // namespace

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return High[byte - 0x80];
    return byte;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace Windows1252
