// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpRequest.h>

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace Help {

// A help file's canonical path, or its clean absolute path if it does not
// exist; bytes in, bytes out, whatever their encoding.
QByteArray canonicalHelpPath(const QByteArray& path);

// The folder for the viewer's sockets, one that only the user can enter: the
// user's runtime folder (XDG_RUNTIME_DIR) when it is such a folder, else one
// made for the purpose in the temporary folder (else in /tmp) and checked
// before each use. A folder whose sockets' paths would be longer than the
// system takes is passed over.
struct SocketFolder
{
    QString path;    // empty when there is none
    QString problem; // why there is none
};
SocketFolder privateSocketFolder();

// The socket on which the viewer of one help file waits for further requests:
// one per file, in folder, so viewers of other files or users stay apart.
QString instanceServerName(const QString& folder, const QByteArray& canonicalPath);

// The longest path of a socket that the system takes, in bytes.
qsizetype maxSocketPathBytes();

// Receives the requests of later viewer processes for one help file.
class HelpInstanceServer : public QObject
{
    Q_OBJECT

public:
    // Requests for any other file than servedFile (a canonical path) are refused.
    explicit HelpInstanceServer(const QByteArray& servedFile, QObject* parent = nullptr);

    // Fails with AddressInUseError while a socket of that name exists. The
    // socket is the user's alone, whatever the umask.
    bool listen(const QString& name);
    QAbstractSocket::SocketError serverError() const { return m_server.serverError(); }
    QString errorString() const;
    QString fullServerName() const { return m_server.fullServerName(); }

    // A connection gets this long to deliver its request; only so many are served at once.
    static constexpr int DefaultIdleTimeoutMs = 5000;
    static constexpr int MaxConnections = 8;
    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms; }
    int connectionCount() const { return m_connections; }

signals:
    void requestReceived(const Help::HelpRequest& request);

private:
    void acceptConnections();
    void serve(QLocalSocket* socket);

    QLocalServer m_server;
    QByteArray m_servedFile;
    QString m_error;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
    int m_connections = 0;
};

enum class ForwardResult
{
    Delivered,   // the running viewer has taken the request
    NoViewer,    // nobody listens: no socket, or one a crashed viewer left behind
    NotAnswered, // something listens, but gave no answer in time
    Refused,     // a viewer answered that it would not take the request
    NotOurs,     // what answered is not a viewer of this user's
};

struct Forwarding
{
    ForwardResult result = ForwardResult::NoViewer;
    QString reason; // for every result but Delivered and NoViewer
};

// Hands a request to the viewer serving name. Blocks for up to timeoutMs in
// all; it is meant for a process that has nothing else to do meanwhile.
Forwarding forwardRequest(const QString& name, const HelpRequest& request, int timeoutMs = 3000);

enum class InstanceRole
{
    Forwarded, // another viewer took the request; this process can exit
    Serving,   // server listens; this process shows the request itself
    Alone,     // no server could be set up; show the request anyway
};

struct Claim
{
    InstanceRole role = InstanceRole::Alone;
    QString reason; // why Alone
};

// Forwards the request if a viewer serves name, else makes server listen on
// it, taking over a socket that a crashed viewer left behind. A socket held by
// anything else, or by a viewer that does not answer, stays as it is: this
// process shows the request alone.
Claim claimInstance(HelpInstanceServer& server, const QString& name, const HelpRequest& request,
                    int timeoutMs = 3000);

} // namespace Help
