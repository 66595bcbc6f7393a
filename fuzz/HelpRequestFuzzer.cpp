// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the help viewer's request reader, in pieces as a
// socket might deliver them, and aborts when a result breaks a promise:
// - the outcome does not depend on how the bytes are cut into pieces;
// - a frame longer than the limit is refused, one still arriving is incomplete;
// - an accepted payload encodes back to exactly the same bytes;
// - a reply is understood only in the exact form a viewer sends.
//
// Input: one byte that seeds the sizes of the pieces, then the stream.

#include <help/HelpRequest.h>

#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using Help::HelpRequestReader;
using Status = HelpRequestReader::Status;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

Status feedInPieces(HelpRequestReader& reader, QByteArrayView stream, std::uint8_t seed)
{
    std::uint32_t state = seed * 2654435761u + 1;
    Status status = reader.status();
    while (!stream.isEmpty()) {
        state = state * 1103515245u + 12345u;
        const qsizetype piece = std::min<qsizetype>(stream.size(), 1 + (state >> 16) % 9);
        status = reader.feed(stream.first(piece));
        stream = stream.sliced(piece);
    }
    return status;
}

void checkStream(QByteArrayView stream, std::uint8_t seed)
{
    HelpRequestReader whole;
    const Status status = whole.feed(stream);
    HelpRequestReader pieces;
    require(feedInPieces(pieces, stream, seed) == status, "the outcome depends on the pieces");

    if (stream.size() < 4) {
        require(status == Status::Incomplete, "fewer than four bytes decided");
        return;
    }
    const quint32 size = qFromBigEndian<quint32>(stream.data());
    if (size > Help::MaxRequestBytes) {
        require(status == Status::Refused, "a frame above the limit was not refused");
        return;
    }
    if (stream.size() < 4 + qsizetype(size)) {
        require(status == Status::Incomplete, "a frame still arriving was decided");
        return;
    }
    const QByteArrayView payload = stream.sliced(4, size);
    const std::optional<Help::HelpRequest> decoded = Help::decodeRequest(payload);
    require((status == Status::Complete) == decoded.has_value(), "reader and decoder disagree");
    if (status != Status::Complete)
        return;
    require(whole.request() == *decoded && pieces.request() == *decoded,
            "reader changed the request");
    require(Help::encodeRequest(*decoded) == payload, "accepted payload encodes differently");
    require(Help::frameRequest(*decoded) == stream.first(4 + size), "frame encodes differently");
    require(whole.feed("more") == Status::Complete, "bytes after the frame changed the outcome");
}

void checkReply(QByteArrayView bytes)
{
    const std::optional<Help::Reply> reply = Help::decodeReply(bytes);
    if (reply)
        require(Help::encodeReply(*reply) == bytes, "a reply understood in another form");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView stream(reinterpret_cast<const char*>(data + 1),
                                static_cast<qsizetype>(size - 1));
    checkStream(stream, data[0]);
    checkReply(stream);
    return 0;
}
