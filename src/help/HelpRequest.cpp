// SPDX-License-Identifier: MIT
#include <help/HelpRequest.h>

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace Help {
namespace {

// "RWH3": the file travels as bytes, where "RWH2" sent it as text.
constexpr quint32 RequestMagic = 0x52574833;
constexpr char replyMagic[] = "RWHR";

} // namespace

QByteArray encodeRequest(const HelpRequest& request)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << RequestMagic << static_cast<quint8>(request.mode) << request.keyword << request.file
        << request.activationToken;
    return bytes;
}

std::optional<HelpRequest> decodeRequest(QByteArrayView bytes)
{
    // The keyword (a string) and the file (bytes) cannot be longer than the
    // bytes left: checked first, so that a length field's claim never makes
    // the stream reserve memory for it.
    qsizetype offset = 5; // magic and mode
    for (int string = 0; string < 3; ++string) {
        if (bytes.size() < offset + 4)
            return std::nullopt;
        const quint32 length = qFromBigEndian<quint32>(bytes.data() + offset);
        offset += 4;
        if (length == 0xFFFFFFFF) // a null string
            continue;
        if (length > quint64(bytes.size() - offset))
            return std::nullopt;
        offset += length;
    }
    const QByteArray copy = bytes.toByteArray();
    QDataStream in(copy);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint8 mode = 0;
    HelpRequest request;
    in >> magic >> mode >> request.keyword >> request.file >> request.activationToken;
    if (in.status() != QDataStream::Ok || !in.atEnd() || magic != RequestMagic ||
        mode > static_cast<quint8>(HelpRequest::Mode::Index))
        return std::nullopt;
    request.mode = static_cast<HelpRequest::Mode>(mode);
    return request;
}

QByteArray frameRequest(const HelpRequest& request)
{
    const QByteArray payload = encodeRequest(request);
    QByteArray frame(4, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(payload.size()), frame.data());
    return frame + payload;
}

QByteArray encodeReply(Reply reply)
{
    return QByteArray(replyMagic) + (reply == Reply::Accepted ? 'A' : 'R');
}

std::optional<Reply> decodeReply(QByteArrayView bytes)
{
    if (bytes.size() != ReplyBytes || !bytes.startsWith(replyMagic))
        return std::nullopt;
    if (bytes.back() == 'A')
        return Reply::Accepted;
    if (bytes.back() == 'R')
        return Reply::Refused;
    return std::nullopt;
}

HelpRequestReader::Status HelpRequestReader::feed(QByteArrayView bytes)
{
    // Only the frame's own bytes are kept, however many arrive.
    const auto take = [&](qsizetype wanted) {
        const qsizetype count = std::min(wanted, bytes.size());
        m_buffer.append(bytes.first(count));
        bytes = bytes.sliced(count);
    };
    if (m_status != Status::Incomplete)
        return m_status;
    if (m_buffer.size() < 4) {
        take(4 - m_buffer.size());
        if (m_buffer.size() < 4)
            return m_status;
    }
    const quint32 size = qFromBigEndian<quint32>(m_buffer.constData());
    if (size > MaxRequestBytes) {
        m_status = Status::Refused;
    } else {
        take(4 + qsizetype(size) - m_buffer.size());
        if (m_buffer.size() == 4 + qsizetype(size)) {
            const std::optional<HelpRequest> request =
                decodeRequest(QByteArrayView(m_buffer).sliced(4));
            m_status = request ? Status::Complete : Status::Refused;
            if (request)
                m_request = *request;
        }
    }
    if (m_status != Status::Incomplete)
        m_buffer = QByteArray();
    return m_status;
}

} // namespace Help
