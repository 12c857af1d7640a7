#pragma once

#include "link/frame_codec.h"
#include "sandbox/sandbox_host.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTcpSocket>

#include <optional>

// A small blocking client for driving the sandbox's link server byte by byte from a test.
class RawLinkClient
{
public:
    enum class Outcome
    {
        Frame,     // a whole frame arrived
        Invalid,   // the header announced an impossible length
        Closed,    // the server closed the connection first
        TimedOut,  // nothing complete within the time given
    };
    struct Read
    {
        Outcome outcome = Outcome::TimedOut;
        QByteArray frame;  // whole frame when outcome is Frame
    };
    struct Page
    {
        char status = 0;
        QString text;
        QJsonObject json() const;
    };

    // How long a read waits for what the server is expected to send. Generous, since the server runs
    // under the sanitizers on busy machines too; a test that expects silence passes a short time.
    static constexpr int kWaitMs = 60000;

    explicit RawLinkClient(QByteArray sessionKey = "0123456789abcdefghijklmnopqrstuv");

    bool connectTo(quint16 port);
    // GetRsa, wrap the key, SendAes; true when the answer is "OK".
    bool handshake();
    // The answer body of a key-exchange frame.
    std::optional<QByteArray> keyExchange(const Frame::TypeBytes &type, const QByteArray &body);

    void writeRaw(const QByteArray &bytes);
    void sendRequest(const QString &code, const QString &callType, const QString &val,
                     const QString &pageCount = QStringLiteral("100"));
    Read readFrame(int timeoutMs = kWaitMs);
    // Reads and decrypts one reply frame; empty optional when it cannot.
    std::optional<Page> readPage(int timeoutMs = kWaitMs);
    // Reads pages until the last one (status "1" or "3"); empty optional on any failure.
    std::optional<QList<Page>> readReply(int timeoutMs = kWaitMs);
    // Waits until the server closes the connection.
    bool waitClosed(int timeoutMs = kWaitMs);

    const QByteArray &pending() const { return m_buffer; }
    QTcpSocket &socket() { return m_socket; }
    const QByteArray &sessionKey() const { return m_key; }

    static QByteArray requestBody(const QString &code, const QString &callType, const QString &val,
                                  const QString &pageCount);

private:
    QTcpSocket m_socket;
    QByteArray m_key;
    QByteArray m_buffer;
};

// A started sandbox with the link server only (no lookup service), for a test suite to share;
// the test fails at once when it cannot start.
SandboxHost *StartLinkOnlySandbox();
