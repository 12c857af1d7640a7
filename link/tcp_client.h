#pragma once

#include "link/frame_codec.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

// The client end of the server link: one TCP socket with the host, port and time-outs the link
// code sets before it connects or reads. Reads and writes block the calling thread without running
// its event loop (only this socket's own signals fire while it waits); the connect and reconnect
// polls of the link decide themselves when to let events run.
class TcpClient : public QObject
{
    Q_OBJECT
public:
    explicit TcpClient(QObject *parent = nullptr);
    ~TcpClient() override;

    QString host() const { return m_host; }
    int port() const { return m_port; }
    void setHost(const QString &host) { m_host = host; }
    void setPort(int port) { m_port = port; }
    int connectTimeoutMs() const { return m_connectTimeoutMs; }
    void setConnectTimeoutMs(int ms) { m_connectTimeoutMs = ms; }
    int readTimeoutMs() const { return m_readTimeoutMs; }
    void setReadTimeoutMs(int ms) { m_readTimeoutMs = ms; }

    bool isConnected() const;
    // True once the socket has given up (refused, unreachable, closed).
    bool isUnconnected() const;
    // Starts connecting to host:port; progress is made by waitForConnectStep.
    void startConnect();
    // Waits at most ms for the connect to finish; true when connected.
    bool waitForConnectStep(int ms);
    // Drops the connection at once, discarding unread and unsent bytes.
    void dropConnection();

    // Writes the whole buffer; false with *error when the socket fails or the write does not
    // drain within the read time-out.
    bool writeAll(const QByteArray &bytes, QString *error);
    // Reads one frame (exactly 16 header bytes, then L - 12 body bytes), each part within the read
    // time-out. A length below 12 or above the frame limit is an error before anything is read for
    // the body.
    bool readFrame(QByteArray *body, QString *error);

    // Re-entrancy guard of the connect and reconnect procedures: they let window messages run, and
    // a timer must not start a second connect on the same socket meanwhile.
    bool connectInProgress() const { return m_connectDepth > 0; }
    void enterConnect() { ++m_connectDepth; }
    void leaveConnect() { --m_connectDepth; }
    // Set while the key exchange runs; its errors may drop the socket of the running connect.
    // A client the program let go of while a request on it may still be returning up the stack: it
    // never connects again, and is deleted once control is back in the event loop.
    bool isRetired() const { return m_retired; }
    void retire() { m_retired = true; }
    bool inKeyExchange() const { return m_inKeyExchange; }
    void setInKeyExchange(bool on) { m_inKeyExchange = on; }

    QTcpSocket *socket() const { return m_socket; }

signals:
    void connected();
    void disconnected();

private:
    bool readExactly(qsizetype count, QByteArray *out, QString *error);

    QTcpSocket *m_socket;
    QString m_host;
    int m_port = 0;
    int m_connectTimeoutMs = 10000;
    int m_readTimeoutMs = 30000;
    int m_connectDepth = 0;
    bool m_inKeyExchange = false;
    bool m_retired = false;
};
