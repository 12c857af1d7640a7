#pragma once

#include "sandbox/link_faults.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QTcpSocket;
class LinkServer;

// One client of the link server: reads frames, runs the key exchange, answers requests. A frame
// that cannot be read (bad length, bad cipher, a request before the key exchange) closes this
// connection only.
class LinkConnection : public QObject
{
    Q_OBJECT
public:
    LinkConnection(QTcpSocket *socket, LinkServer *server);
    void drop();

private:
    void readFrames();
    bool handleFrame(const QByteArray &frame);  // false: the connection is being closed
    void answerGetRsa();
    void answerSendAes(const QByteArray &body);
    bool answerRequest(const QByteArray &body);
    void sendReply(const QStringList &pages, const LinkFaults &faults);
    void writePages(const QStringList &pages, const LinkFaults &faults);
    QByteArray pageFrame(char status, const QString &text) const;

    QTcpSocket *m_socket;
    LinkServer *m_server;
    QByteArray m_buffer;
    QByteArray m_sessionKey;
    bool m_stalled = false;  // a delayed reply is pending: later frames wait in the socket
    bool m_closing = false;
};
