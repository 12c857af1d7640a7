#include "sandbox/link_server.h"

#include "sandbox/link_connection.h"
#include "sandbox/sandbox_state.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

LinkServer::LinkServer(std::shared_ptr<SandboxState> state, std::unique_ptr<RsaKey::KeyPair> keyPair,
                       QObject *parent)
    : QObject(parent), m_state(std::move(state)), m_keyPair(std::move(keyPair))
{
    m_publicKey = m_keyPair->publicDerBase64();
}

LinkServer::~LinkServer() = default;

quint16 LinkServer::listen(quint16 port, QString *error)
{
    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::LocalHost, port)) {
        if (error)
            *error = QStringLiteral("link port %1: %2").arg(port).arg(server->errorString());
        delete server;
        return 0;
    }
    connect(server, &QTcpServer::newConnection, this, [this, server] { accept(server); });
    m_servers.append(server);
    return server->serverPort();
}

void LinkServer::accept(QTcpServer *server)
{
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        {
            QMutexLocker lock(&m_state->mutex);
            ++m_state->connections;
        }
        m_connections.removeAll(nullptr);
        m_connections.append(new LinkConnection(socket, this));
    }
}

void LinkServer::dropAll()
{
    for (const QPointer<LinkConnection> &c : std::as_const(m_connections)) {
        if (c)
            c->drop();
    }
    m_connections.removeAll(nullptr);
}
