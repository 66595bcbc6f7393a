// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

// Text files of the program are 8-bit Windows-1252 ("ANSI"): one character
// per byte. The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become U+FFFD, the replacement character; every other byte,
// NUL included, becomes exactly its character.
namespace Windows1252 {

inline constexpr char16_t Undefined = u'\uFFFD';

char16_t toUnicode(unsigned char byte);
QString decode(QByteArrayView bytes);

} // namespace Windows1252
