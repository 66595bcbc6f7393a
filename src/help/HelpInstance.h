#pragma once

#include "HelpRequest.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace help {

// A help file's canonical path, or its clean absolute path if it does not exist.
QString canonicalHelpPath(const QString& path);

// The name under which the viewer of one help file waits for further requests:
// one per user and file, so viewers of other files or users stay apart.
QString instanceServerName(const QString& canonicalPath);

// Receives the requests of later viewer processes for the same help file.
class HelpInstanceServer : public QObject
{
    Q_OBJECT

public:
    explicit HelpInstanceServer(QObject* parent = nullptr);

    // Fails with AddressInUseError while a socket of that name exists.
    bool listen(const QString& name);
    QAbstractSocket::SocketError serverError() const { return m_server.serverError(); }
    QString errorString() const { return m_server.errorString(); }
    QString fullServerName() const { return m_server.fullServerName(); }

signals:
    void requestReceived(const help::HelpRequest& request);

private:
    void acceptConnections();

    QLocalServer m_server;
};

enum class ForwardResult
{
    Delivered, // the running viewer has taken the request
    NoViewer,  // nobody took it: no viewer, a stale name, or a viewer that did not answer
};

// Hands a request to the viewer serving name. Blocks for up to timeoutMs; it
// is meant for a process that has nothing else to do meanwhile.
ForwardResult forwardRequest(const QString& name, const HelpRequest& request, int timeoutMs = 3000);

enum class InstanceRole
{
    Forwarded, // another viewer took the request; this process can exit
    Serving,   // server listens; this process shows the request itself
    Alone,     // no server could be set up; show the request anyway
};

// Forwards the request if a viewer serves name, else makes server listen on
// it, taking over a name that a crashed viewer left behind.
InstanceRole claimInstance(HelpInstanceServer& server, const QString& name,
                           const HelpRequest& request);

} // namespace help
