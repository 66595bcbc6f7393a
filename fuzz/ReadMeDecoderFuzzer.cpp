// SPDX-License-Identifier: MIT
// Decodes arbitrary bytes as the read-me viewer does and compares the text
// with glibc's own Windows-1252 converter, byte by byte: one character per
// byte, U+FFFD for the five bytes the code page leaves undefined.

#include <ui/info/Windows1252.h>

#include <QString>

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The reference: iconv's CP1252 table; a byte it refuses is an undefined one.
char16_t referenceCharacter(unsigned char byte)
{
    static const iconv_t converter = iconv_open("UTF-16LE", "CP1252");
    require(converter != reinterpret_cast<iconv_t>(-1), "iconv has no CP1252");
    char in = static_cast<char>(byte);
    unsigned char out[4] = {};
    char* inPointer = &in;
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // no state from a refused byte
    if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) ==
        static_cast<std::size_t>(-1)) {
        require(errno == EILSEQ, "iconv failed for another reason than an undefined byte");
        return Windows1252::Undefined;
    }
    require(outLeft == 2, "iconv gave more than one UTF-16 unit for a byte");
    return static_cast<char16_t>(out[0] | (out[1] << 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static char16_t reference[256];
    static const bool filled = [] {
        for (int byte = 0; byte < 256; ++byte)
            reference[byte] = referenceCharacter(static_cast<unsigned char>(byte));
        return true;
    }();
    require(filled, "reference table");

    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = Windows1252::decode(bytes);
    require(text.size() == bytes.size(), "not one character per byte");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        require(text[i].unicode() == reference[byte], "character differs from the CP1252 table");
        require(Windows1252::toUnicode(byte) == reference[byte], "toUnicode differs from decode");
    }
    return 0;
}
