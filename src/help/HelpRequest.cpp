#include "HelpRequest.h"

#include <QDataStream>
#include <QIODevice>

namespace help {
namespace {

constexpr quint32 requestMagic = 0x52574831; // "RWH1"

} // namespace

QByteArray encodeRequest(const HelpRequest& request)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << requestMagic << static_cast<quint8>(request.mode) << request.keyword << request.file;
    return bytes;
}

std::optional<HelpRequest> decodeRequest(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint8 mode = 0;
    HelpRequest request;
    in >> magic >> mode >> request.keyword >> request.file;
    if (in.status() != QDataStream::Ok || !in.atEnd() || magic != requestMagic ||
        mode > static_cast<quint8>(HelpRequest::Mode::Index))
        return std::nullopt;
    request.mode = static_cast<HelpRequest::Mode>(mode);
    return request;
}

} // namespace help
