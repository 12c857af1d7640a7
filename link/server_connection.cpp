#include "link/server_connection.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "link/endpoint_lookup.h"
#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "link/rsa_key.h"
#include "link/tcp_client.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QThread>

#include <exception>

namespace
{
constexpr int kPollSteps = 501;
constexpr int kPollStepMs = 10;
constexpr int kHandshakeAttempts = 7;

QByteArray g_serverPublicKey;

// Keeps a client marked as connecting for a scope.
class ConnectScope
{
public:
    explicit ConnectScope(TcpClient *client)
        : m_client(client)
    {
        m_client->enterConnect();
    }
    ~ConnectScope()
    {
        if (m_client)
            m_client->leaveConnect();
    }

private:
    QPointer<TcpClient> m_client;
};

// Runs the guard of the two key-exchange steps: when the link is marked down, one reconnect.
bool ensureConnectedForExchange(TcpClient *client, const QString &notSendLog, const QString &reason)
{
    if (G_CONNECTED)
        return true;
    WriteLog(notSendLog);
    try {
        func_Reconnect(client, reason);
    } catch (const std::exception &) {
        WriteLog(reason + QStringLiteral(" DisConnect Not Send error ") + reason);
    }
    return G_CONNECTED;
}

bool runHandshakeAttempts(TcpClient *client)
{
    client->setInKeyExchange(true);
    bool ok = func_KeyHandshake(client);
    for (int attempt = 1; attempt < kHandshakeAttempts && !ok; ++attempt) {
        ok = func_KeyHandshake(client);
        QThread::msleep(100);
    }
    client->setInKeyExchange(false);
    return ok;
}
} // namespace

void CreateTcpClient(TcpClient *&client)
{
    G_REQ_TRACE = QDir(RequestTraceDir()).exists();
    client = new TcpClient();
}

void FreeTcpClient(TcpClient *&client)
{
    if (!client)
        return;
    if (client->isConnected())
        client->dropConnection();
    delete client;
    client = nullptr;
}

void RetireTcpClient(TcpClient *&client)
{
    if (!client)
        return;
    client->retire();
    if (client->isConnected())
        client->dropConnection();
    client->deleteLater();
    client = nullptr;
}

bool ConnectServer(TcpClient *client, const QString &host, int port, int connectTimeoutMs)
{
    if (!client || client->isRetired())
        return false;
    // Reached again from a timer while this client's connect or reconnect lets events run: the
    // running one goes on undisturbed (and may still be exchanging the key).
    if (client->connectInProgress())
        return false;
    client->setHost(host);
    client->setPort(port);
    client->setConnectTimeoutMs(connectTimeoutMs);
    if (client->isConnected())
        return true;

    QPointer<TcpClient> guarded(client);
    ConnectScope scope(client);
    client->startConnect();
    // At least the 501 polls of 10 ms; a slow connect may use the whole connect time-out.
    const QDeadlineTimer deadline(qMax(connectTimeoutMs, kPollSteps * kPollStepMs));
    for (;;) {
        const bool up = client->waitForConnectStep(kPollStepMs);
        QCoreApplication::processEvents();
        if (!guarded)
            return false;
        if (up && client->isConnected()) {
            WriteLog(QStringLiteral("Connect Success"));
            G_CONNECTED = true;
            if (!runHandshakeAttempts(client)) {
                MsgBox(QStringLiteral("서버접속을 할수 없습니다.\r\n네트워크 연결후 실행하세요."), QStringLiteral("E"));
                G_CONNECTED = false;
            }
            break;
        }
        if (client->isUnconnected() || deadline.hasExpired())
            break;
    }
    if (!guarded)
        return false;
    if (!client->isConnected())
        client->dropConnection();  // no half-open connect left behind
    return client->isConnected();
}

bool func_KeyHandshake(TcpClient *client)
{
    if (!client)
        return false;
    if (!ensureConnectedForExchange(client, QStringLiteral("RSADisConnect Not Send 1"), QStringLiteral("GetRsa")))
        return false;
    G_REQ_START = AppClock::now();
    bool result = false;
    QString error;
    QByteArray answer;
    client->setReadTimeoutMs(kKeyExchangeTimeoutMs);
    if (client->writeAll(Frame::build(QByteArray(), Frame::kGetRsaType), &error)
        && client->readFrame(&answer, &error)) {
        const QString text = QString::fromUtf8(answer);
        if (!text.isEmpty()) {
            SetServerPublicKey(text.toUtf8());
            if (func_EncryptSessionKey(G_SESSION_KEY))
                result = func_SendSessionKey(client, G_WRAPPED_KEY.toUtf8());
        }
    } else {
        WriteLog(QStringLiteral("RSAGETBODY Send Except 1 "));
        func_Reconnect(client, error);
        G_LINK_FREE = true;
    }
    WriteTimeGapOver(QStringLiteral("GetRsa"), 1, G_REQ_START, AppClock::now());
    return result;
}

bool func_SendSessionKey(TcpClient *client, const QByteArray &wrapped)
{
    if (!client)
        return false;
    if (!ensureConnectedForExchange(client, QStringLiteral("SendAesDisConnect Not Send 1"),
                                    QStringLiteral("SendAes")))
        return false;
    QString error;
    QByteArray answer;
    client->setReadTimeoutMs(kKeyExchangeTimeoutMs);
    if (client->writeAll(Frame::build(wrapped, Frame::kSendAesType), &error) && client->readFrame(&answer, &error))
        return QString::fromUtf8(answer) == QLatin1String("OK");
    WriteLog(QStringLiteral("SendAes Send Except 1 ") + QString::fromUtf8(wrapped));
    func_Reconnect(client, error);
    G_LINK_FREE = true;
    return false;
}

void SetServerPublicKey(const QByteArray &base64Der)
{
    g_serverPublicKey = base64Der;
}

bool func_EncryptSessionKey(const QString &keyText)
{
    const std::optional<QByteArray> wrapped
        = RsaKey::publicEncryptBase64(g_serverPublicKey.trimmed(), keyText.trimmed().toUtf8());
    if (!wrapped)
        return false;
    QByteArray oneLine = wrapped->trimmed();
    oneLine.replace('\n', QByteArray()).replace('\r', QByteArray());
    G_WRAPPED_KEY = QString::fromLatin1(oneLine);
    return true;
}

void func_Reconnect(TcpClient *client, const QString &reason)
{
    if (!client || client->isRetired())
        return;
    if (client->connectInProgress()) {
        // Called from inside a connect or reconnect of this very client: never nest a second one
        // on the same socket. A failed key exchange drops the socket so that its remaining
        // attempts fail at once; a timer that fired during the poll leaves the running connect be.
        WriteLog(QStringLiteral("Socket Error : ") + reason);
        if (client->inKeyExchange()) {
            client->dropConnection();
            G_CONNECTED = false;
        }
        return;
    }
    QPointer<TcpClient> guarded(client);
    bool seenDown = false;
    {
        ConnectScope scope(client);
        client->dropConnection();
        for (int i = 0; i < kPollSteps; ++i) {
            QThread::msleep(kPollStepMs);
            QCoreApplication::processEvents();
            if (!guarded)
                return;
            if (!client->isConnected()) {
                seenDown = true;
                WriteLog(QStringLiteral("Socket DisConnect Succ : ") + reason);
                break;
            }
        }
        WriteLog(QStringLiteral("Socket Error : ") + reason);
        G_CONNECTED = !seenDown;
        FindServerEndPoint(PrimaryLookupUrlFormat(), 0);
        if (!guarded)
            return;
    }
    ConnectServer(client, G_SERVER_HOST, G_SERVER_PORT, kConnectTimeoutMs);
}

void RequestOneNewConn(const QString &code, const QString &callType, const QString &val, QString &reply)
{
    reply.clear();
    TcpClient *client = new TcpClient();
    if (ConnectServer(client, G_SERVER_HOST, G_SERVER_PORT, kConnectTimeoutMs)) {
        G_CONNECTED = true;
        RequestOne(client, code, callType, val, QString(), QString(), 30000, reply);
    } else {
        G_CONNECTED = false;
    }
    FreeTcpClient(client);
}

void SendKeepAlive()
{
    try {
        QString reply;
        RequestOne(G_TCP_CLIENT, QStringLiteral("999"), QStringLiteral("DUM"), G_FIELD_SEP, QString(), QString(),
                   30000, reply);
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("999 Error ") + QString::fromLocal8Bit(e.what()));
    }
}
