// SPDX-License-Identifier: MIT
#include <help/HelpInstance.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#endif

namespace Help {
namespace {

#ifdef Q_OS_UNIX

// A folder, not a link to one, of this user's, that nobody else may enter.
bool isPrivateFolder(const QString& path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

// Whether the process at the other end runs as this user.
bool peerIsUser(qintptr descriptor)
{
#if defined(SO_PEERCRED)
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                        &length) == 0 &&
           credentials.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::geteuid();
#endif
}

bool isSocketFile(const QString& path)
{
    struct stat status = {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

#else

bool peerIsUser(qintptr)
{
    return true; // a pipe of the user's session
}

bool isSocketFile(const QString&)
{
    return true;
}

#endif

} // namespace

QByteArray canonicalHelpPath(const QByteArray& path)
{
#ifdef Q_OS_UNIX
    if (char* resolved = ::realpath(path.constData(), nullptr)) {
        const QByteArray canonical(resolved);
        std::free(resolved);
        return canonical;
    }
    QByteArray absolute = path;
    if (!path.startsWith('/')) {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here))
            absolute = QByteArray(here) + '/' + path;
    }
    // Latin-1 gives each byte a character of its own, so cleaning the text
    // keeps every byte that is not a separator or a dot.
    return QDir::cleanPath(QString::fromLatin1(absolute)).toLatin1();
#else
    const QFileInfo info(QFile::decodeName(path));
    const QString canonical = info.canonicalFilePath();
    return QFile::encodeName(canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                                                 : canonical);
#endif
}

namespace {

const QString SocketPrefix = QStringLiteral("rollwright-help-");
constexpr qsizetype SocketHashLength = 16;

#ifdef Q_OS_UNIX

// Whether the sockets in folder have paths the system takes, and the name
// stays the same on its way to text and back.
bool takesSockets(const QString& folder)
{
    const QByteArray bytes = QFile::encodeName(folder);
    return QFile::decodeName(bytes) == folder &&
           bytes.size() + 1 + SocketPrefix.size() + SocketHashLength <= maxSocketPathBytes();
}

QString tooLong(const QString& folder)
{
    return QStringLiteral("a socket in %1 would have a path longer than the system's %2 bytes")
        .arg(folder)
        .arg(maxSocketPathBytes());
}

QString ownFolderPath(const QString& base)
{
    return QDir(base).filePath(SocketPrefix + QString::number(::geteuid()));
}

// The folder rollwright-help-UID in base, made if need be.
SocketFolder ownFolderIn(const QString& base)
{
    const QString own = ownFolderPath(base);
    if (!takesSockets(own))
        return {{}, tooLong(own)};
    const QByteArray encoded = QFile::encodeName(own);
    if (::mkdir(encoded.constData(), 0700) == 0) {
        ::chmod(encoded.constData(), 0700); // whatever the umask
    } else if (errno != EEXIST) {
        return {{},
                QStringLiteral("cannot make the folder %1: %2").arg(own, qt_error_string(errno))};
    }
    if (!isPrivateFolder(own)) {
        return {
            {},
            QStringLiteral("%1 is not a folder of this user's that only they can enter").arg(own)};
    }
    return {own, {}};
}

#endif

} // namespace

qsizetype maxSocketPathBytes()
{
#ifdef Q_OS_UNIX
    return qsizetype(sizeof(sockaddr_un::sun_path)) - 1; // and its terminating zero
#else
    return 256;
#endif
}

SocketFolder privateSocketFolder()
{
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime) && takesSockets(runtime))
        return {runtime, {}};
    // A temporary folder of too long a name still leaves the system's own.
    QString base = QDir::tempPath();
    if (!takesSockets(ownFolderPath(base)))
        base = QStringLiteral("/tmp");
    return ownFolderIn(base);
#else
    return {QStringLiteral("."), {}}; // local sockets are pipes of the user's session
#endif
}

QString instanceServerName(const QString& folder, const QByteArray& canonicalPath)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath, QCryptographicHash::Sha256).toHex();
    const QString name = SocketPrefix + QString::fromLatin1(hash.left(SocketHashLength));
#ifdef Q_OS_UNIX
    return QDir(folder).filePath(name);
#else
    Q_UNUSED(folder);
    return name;
#endif
}

HelpInstanceServer::HelpInstanceServer(const QByteArray& servedFile, QObject* parent)
    : QObject(parent), m_servedFile(servedFile)
{
#ifndef Q_OS_UNIX
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
#endif
    // On Unix no socket options: with them Qt replaces an existing socket
    // silently, and a live viewer could not be told from a stale name.
    connect(&m_server, &QLocalServer::newConnection, this, &HelpInstanceServer::acceptConnections);
}

bool HelpInstanceServer::listen(const QString& name)
{
    m_error.clear();
    if (!m_server.listen(name))
        return false;
#ifdef Q_OS_UNIX
    if (::chmod(QFile::encodeName(m_server.fullServerName()).constData(), 0600) != 0) {
        m_error = QStringLiteral("cannot make %1 private: %2")
                      .arg(m_server.fullServerName(), qt_error_string(errno));
        m_server.close();
        return false;
    }
#endif
    return true;
}

QString HelpInstanceServer::errorString() const
{
    return m_error.isEmpty() ? m_server.errorString() : m_error;
}

void HelpInstanceServer::acceptConnections()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        if (!peerIsUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
        } else if (m_connections >= MaxConnections) {
            // Said, so that the asking process can tell why it shows the request itself.
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->write(encodeReply(Reply::Refused));
            socket->disconnectFromServer();
        } else {
            serve(socket);
        }
    }
}

void HelpInstanceServer::serve(QLocalSocket* socket)
{
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A connection that does not deliver its request in time goes, as does one that is done.
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    idle->start(m_idleTimeoutMs);

    auto reader = std::make_shared<HelpRequestReader>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
        // One request per connection: what comes after it is not read.
        if (reader->status() != HelpRequestReader::Status::Incomplete ||
            reader->feed(socket->readAll()) == HelpRequestReader::Status::Incomplete)
            return;
        const bool accepted = reader->status() == HelpRequestReader::Status::Complete &&
                              reader->request().file == m_servedFile;
        socket->write(encodeReply(accepted ? Reply::Accepted : Reply::Refused));
        socket->disconnectFromServer(); // once the reply is written
        if (accepted)
            emit requestReceived(reader->request());
    });
}

Forwarding forwardRequest(const QString& name, const HelpRequest& request, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const auto waited = [timeoutMs] {
        return QStringLiteral("%1 s").arg(static_cast<double>(timeoutMs) / 1000.0);
    };
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        switch (socket.error()) {
        case QLocalSocket::ServerNotFoundError:
        case QLocalSocket::ConnectionRefusedError:
            return {ForwardResult::NoViewer, {}};
        case QLocalSocket::SocketAccessError:
            return {ForwardResult::NotOurs,
                    QStringLiteral("the socket %1 belongs to another user").arg(name)};
        default:
            return {ForwardResult::NotAnswered,
                    QStringLiteral("the viewer at %1 did not let this one in within %2: %3")
                        .arg(name, waited(), socket.errorString())};
        }
    }
    if (!peerIsUser(socket.socketDescriptor())) {
        return {ForwardResult::NotOurs,
                QStringLiteral("the socket %1 is held by another user's program").arg(name)};
    }

    socket.write(frameRequest(request));
    while (socket.bytesToWrite() > 0 && socket.state() == QLocalSocket::ConnectedState &&
           socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
    }
    // Bytes that start no reply of ours tell at once that no viewer of ours answers.
    const auto startsReply = [&socket] {
        const QByteArray start = socket.peek(ReplyBytes);
        return encodeReply(Reply::Accepted).startsWith(start) ||
               encodeReply(Reply::Refused).startsWith(start);
    };
    while (socket.bytesAvailable() < ReplyBytes && startsReply() &&
           socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    if (!startsReply()) {
        return {
            ForwardResult::NotOurs,
            QStringLiteral("what holds %1 answered as no Rollwright help viewer does").arg(name)};
    }
    if (socket.bytesAvailable() < ReplyBytes && socket.state() != QLocalSocket::ConnectedState) {
        return {ForwardResult::NotOurs,
                QStringLiteral("what holds %1 hung up without an answer").arg(name)};
    }
    if (socket.bytesAvailable() < ReplyBytes) {
        return {ForwardResult::NotAnswered,
                QStringLiteral("the viewer at %1 did not answer within %2").arg(name, waited())};
    }
    const std::optional<Reply> reply = decodeReply(socket.read(ReplyBytes));
    socket.disconnectFromServer();
    if (reply == Reply::Refused) {
        return {ForwardResult::Refused,
                QStringLiteral("the viewer at %1 refused the request").arg(name)};
    }
    return {ForwardResult::Delivered, {}};
}

Claim claimInstance(HelpInstanceServer& server, const QString& name, const HelpRequest& request,
                    int timeoutMs)
{
    // Starting viewers take turns, so that none removes a socket that another has just made.
    QLockFile turn(name + QStringLiteral(".lock"));
    if (!turn.tryLock(2 * timeoutMs + 1000)) {
        return {InstanceRole::Alone,
                QStringLiteral("another viewer of this file kept %1 locked").arg(turn.fileName())};
    }
    const Forwarding forwarding = forwardRequest(name, request, timeoutMs);
    if (forwarding.result == ForwardResult::Delivered)
        return {InstanceRole::Forwarded, {}};
    if (forwarding.result != ForwardResult::NoViewer)
        return {InstanceRole::Alone, forwarding.reason};

    if (server.listen(name))
        return {InstanceRole::Serving, {}};
    // Nobody listens on a socket file that is there: a crashed viewer left it.
    if (server.serverError() == QAbstractSocket::AddressInUseError && isSocketFile(name) &&
        QFile::remove(name) && server.listen(name))
        return {InstanceRole::Serving, {}};
    return {InstanceRole::Alone,
            QStringLiteral("cannot wait for requests at %1: %2").arg(name, server.errorString())};
}

} // namespace Help
