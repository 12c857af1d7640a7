#pragma once

#include "link/rsa_key.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QTcpServer;
class LinkConnection;
struct SandboxState;

// The TCP link server: one RSA-2048 key pair for all its listeners, a session key per connection.
// Lives on the sandbox thread; every method must be called there.
class LinkServer : public QObject
{
    Q_OBJECT
public:
    LinkServer(std::shared_ptr<SandboxState> state, std::unique_ptr<RsaKey::KeyPair> keyPair,
               QObject *parent = nullptr);
    ~LinkServer() override;

    // Starts one more listener on 127.0.0.1; returns its port, 0 on failure (*error says why).
    quint16 listen(quint16 port, QString *error = nullptr);
    void dropAll();

    const RsaKey::KeyPair &keyPair() const { return *m_keyPair; }
    const QByteArray &publicKeyText() const { return m_publicKey; }
    SandboxState &state() const { return *m_state; }

private:
    void accept(QTcpServer *server);

    std::shared_ptr<SandboxState> m_state;
    std::unique_ptr<RsaKey::KeyPair> m_keyPair;
    QByteArray m_publicKey;
    QList<QTcpServer *> m_servers;
    QList<QPointer<LinkConnection>> m_connections;
};
