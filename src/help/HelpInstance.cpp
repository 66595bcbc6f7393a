#include "HelpInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>

namespace help {
namespace {

constexpr quint32 maxRequestSize = 64 * 1024;
constexpr char acceptedReply = 'A';
constexpr char refusedReply = 'R';

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    if (name.isEmpty())
        name = QDir::home().dirName();
    // Socket names become file names; keep them plain.
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")));
    return name.isEmpty() ? QStringLiteral("user") : name;
}

// A request travels as a 32-bit length followed by encodeRequest's bytes.
QByteArray frame(const QByteArray& payload)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint32>(payload.size());
    bytes.append(payload);
    return bytes;
}

} // namespace

QString canonicalHelpPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString instanceServerName(const QString& canonicalPath)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("rollwright-help-%1-%2")
        .arg(userName(), QString::fromLatin1(hash.left(16)));
}

HelpInstanceServer::HelpInstanceServer(QObject* parent) : QObject(parent)
{
    // No socket options: with them Qt replaces an existing socket silently,
    // and a live viewer could not be told from a stale name.
    connect(&m_server, &QLocalServer::newConnection, this, &HelpInstanceServer::acceptConnections);
}

bool HelpInstanceServer::listen(const QString& name)
{
    return m_server.listen(name);
}

void HelpInstanceServer::acceptConnections()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4)
                return;
            quint32 size = 0;
            QDataStream(socket->peek(4)) >> size;
            if (size > maxRequestSize) {
                socket->write(&refusedReply, 1);
                socket->disconnectFromServer();
                return;
            }
            if (socket->bytesAvailable() < 4 + static_cast<qint64>(size))
                return;
            socket->skip(4);
            const std::optional<HelpRequest> request = decodeRequest(socket->read(size));
            socket->write(request ? &acceptedReply : &refusedReply, 1);
            socket->flush();
            if (request)
                emit requestReceived(*request);
        });
    }
}

ForwardResult forwardRequest(const QString& name, const HelpRequest& request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return ForwardResult::NoViewer;
    socket.write(frame(encodeRequest(request)));
    if (!socket.waitForBytesWritten(timeoutMs))
        return ForwardResult::NoViewer;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return ForwardResult::NoViewer;
    }
    char reply = 0;
    socket.getChar(&reply);
    socket.disconnectFromServer();
    return reply == acceptedReply ? ForwardResult::Delivered : ForwardResult::NoViewer;
}

InstanceRole claimInstance(HelpInstanceServer& server, const QString& name,
                           const HelpRequest& request)
{
    if (forwardRequest(name, request) == ForwardResult::Delivered)
        return InstanceRole::Forwarded;
    if (server.listen(name))
        return InstanceRole::Serving;
    if (server.serverError() != QAbstractSocket::AddressInUseError)
        return InstanceRole::Alone;
    // Another viewer may have started just now; only a name nobody answers on is stale.
    if (forwardRequest(name, request) == ForwardResult::Delivered)
        return InstanceRole::Forwarded;
    QLocalServer::removeServer(name);
    return server.listen(name) ? InstanceRole::Serving : InstanceRole::Alone;
}

} // namespace help
