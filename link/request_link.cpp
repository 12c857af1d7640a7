#include "link/request_link.h"

#include "common/daily_log.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "link/frame_codec.h"
#include "link/link_events.h"
#include "link/link_state.h"
#include "link/request_body.h"
#include "link/server_connection.h"
#include "link/session_cipher.h"
#include "link/tcp_client.h"
#include "platform/clock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <exception>

namespace
{
constexpr int kBusyWaitRounds = 500;
constexpr int kBusyWaitStepMs = 10;

enum class Flavor
{
    List,
    One,
};

// The digit that ends the link's log texts: "2" for lists, "1" for single replies.
QString flavorDigit(Flavor flavor)
{
    return flavor == Flavor::List ? QStringLiteral("2") : QStringLiteral("1");
}

// What one exchange produced.
struct ExchangeResult
{
    bool failed = false;
    bool shutdown = false;
    QString error;
    QStringList pages;   // List: every page but a shutdown frame
    QString first;       // One: the first frame's text
    bool haveFirst = false;
    QString last;        // One: the last frame read
    QString shutdownMsg;
};

// Sleeps (without running events) until the link is free; false when it stayed taken.
bool waitForFreeLink()
{
    for (int i = 0; i < kBusyWaitRounds && !G_LINK_FREE; ++i)
        QThread::msleep(kBusyWaitStepMs);
    return G_LINK_FREE;
}

bool decryptReply(const QByteArray &body, QString *text, QString *error)
{
    const std::optional<QByteArray> plain = SessionCipher::decryptFromBase64(body, G_SESSION_KEY.toUtf8());
    if (!plain) {
        *error = QStringLiteral("Reply could not be decrypted");
        return false;
    }
    *text = QString::fromUtf8(*plain);
    if (text->isEmpty()) {
        *error = QStringLiteral("Reply without status");
        return false;
    }
    return true;
}

// Reads reply frames until the last one (status "1") or a shutdown (status "3").
void readReply(TcpClient *client, Flavor flavor, const QString &code, ExchangeResult *r)
{
    for (;;) {
        QByteArray body;
        QString text;
        if (!client->readFrame(&body, &r->error) || !decryptReply(body, &text, &r->error)) {
            r->failed = true;
            return;
        }
        const QChar status = text.at(0);
        const QString rest = text.mid(1);
        const bool shutdown = status == QLatin1Char('3')
                              && !(flavor == Flavor::One && code == QLatin1String(kLoginRequestCode));
        if (shutdown) {
            r->shutdown = true;
            const QJsonObject obj = QJsonDocument::fromJson(rest.toUtf8()).object();
            r->shutdownMsg = obj.value(QStringLiteral("OUT_MSG")).toVariant().toString();
            return;
        }
        if (flavor == Flavor::List) {
            r->pages << rest;
        } else {
            if (!r->haveFirst) {
                r->first = rest;
                r->haveFirst = true;
            }
            r->last = rest;
        }
        if (status == QLatin1Char('1'))
            return;
    }
}

// The server ordered the program to end: the exchange is over, so the link is released before
// the message box lets events run.
void obeyShutdown(const QString &message)
{
    G_LINK_FREE = true;
    MsgBox(message + QStringLiteral("\r\n프로그램을 종료합니다."), QStringLiteral("I"));
    CloseMainWindow();
}

QString traceFile(const QString &code)
{
    return RequestTraceDir() + code + QStringLiteral(".log");
}

void traceRequestCode(const QString &code)
{
    if (G_REQ_TRACE)
        WriteLogTo(code + QStringLiteral("\r\n"), RequestTraceDir() + QStringLiteral("CallReqNum.log"));
}

// Steps shared by both calls once the body is built: link test, busy wait, write, read.
// Returns false when nothing was sent (link down or busy); then *r is untouched.
bool runExchange(TcpClient *client, Flavor flavor, const QString &code, const QByteArray &frame, int timeoutMs,
                 ExchangeResult *r)
{
    if (!waitForFreeLink()) {
        WriteLog(code + QStringLiteral(" Link Busy Not Send ") + flavorDigit(flavor));
        return false;
    }
    G_LINK_FREE = false;
    G_REQ_START = AppClock::now();
    client->setReadTimeoutMs(timeoutMs);
    if (!client->writeAll(frame, &r->error)) {
        r->failed = true;
        return true;
    }
    readReply(client, flavor, code, r);
    return true;
}

// The link-down test before sending: one reconnect; true when the link is up afterwards.
bool ensureLinkUp(TcpClient *client, Flavor flavor, const QString &code)
{
    if (G_CONNECTED && client)
        return true;
    WriteLog(code + QStringLiteral(" DisConnect Not Send ") + flavorDigit(flavor));
    try {
        func_Reconnect(client, code);
    } catch (const std::exception &) {
        WriteLog(code + QStringLiteral(" DisConnect Not Send error ") + code);
    }
    return G_CONNECTED && client;
}

void finishTiming(const QString &encrypted)
{
    G_REQ_END = AppClock::now();
    WriteTimeGapOver(encrypted, 1, G_REQ_START, G_REQ_END);
}
} // namespace

QStringList RequestList(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                        const QString &pageCount, int timeoutMs)
{
    const RequestBodyArgs args = ListBodyArgs(code, callType, val, pageCount);
    const QByteArray plain = BuildRequestBody(args);
    traceRequestCode(code);
    WriteLog(code + QStringLiteral(" Send S2"));
    const QByteArray encrypted = SessionCipher::encryptToBase64(plain, G_SESSION_KEY.toUtf8());
    if (!ensureLinkUp(client, Flavor::List, code))
        return {};

    ExchangeResult r;
    if (!runExchange(client, Flavor::List, code, Frame::build(encrypted), timeoutMs, &r))
        return {};
    if (r.failed) {
        RequestBodyArgs logged = args;
        logged.val = RedactPayload(code, val);
        WriteLog(code + QStringLiteral(" Send Except 2 ") + QString::fromUtf8(BuildRequestBody(logged)));
        func_Reconnect(client, code + QLatin1Char(' ') + r.error);
        G_LINK_FREE = true;
        finishTiming(QString::fromLatin1(encrypted));
        return {};
    }
    if (r.shutdown) {
        obeyShutdown(r.shutdownMsg);
        finishTiming(QString::fromLatin1(encrypted));
        return r.pages;
    }
    G_IDLE_TICKS = 0;
    G_LINK_FREE = true;
    if (G_REQ_TRACE) {
        const QString head = code + QLatin1Char(' ') + RedactPayload(code, val) + QLatin1Char(' ');
        if (r.pages.size() < 100) {
            WriteLogTo(head + r.pages.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), traceFile(code));
        } else {
            for (const QString &page : r.pages)
                WriteLogTo(head + page + QStringLiteral("\r\n"), traceFile(code));
        }
    }
    finishTiming(QString::fromLatin1(encrypted));
    return r.pages;
}

void RequestOne(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                const QString &itemCnt, const QString &colCnt, int timeoutMs, QString &reply)
{
    const QByteArray plain = BuildRequestBody(OneBodyArgs(code, callType, val, itemCnt, colCnt));
    traceRequestCode(code);
    WriteLog(code + QStringLiteral(" Send S1"));
    const QByteArray encrypted = SessionCipher::encryptToBase64(plain, G_SESSION_KEY.toUtf8());
    if (!ensureLinkUp(client, Flavor::One, code))
        return;

    ExchangeResult r;
    if (!runExchange(client, Flavor::One, code, Frame::build(encrypted), timeoutMs, &r)) {
        reply.clear();
        return;
    }
    if (r.failed) {
        reply.clear();
        WriteLog(code + QStringLiteral(" Send Except 1 ") + QString::fromLatin1(encrypted));
        func_Reconnect(client, r.error);
        G_LINK_FREE = true;
        finishTiming(QString::fromLatin1(encrypted));
        return;
    }
    reply = r.haveFirst ? UnescapeReplyText(r.first) : QString();
    if (r.shutdown) {
        obeyShutdown(r.shutdownMsg);
        finishTiming(QString::fromLatin1(encrypted));
        return;
    }
    G_IDLE_TICKS = 0;
    G_LINK_FREE = true;
    if (G_REQ_TRACE) {
        WriteLogTo(code + QLatin1Char(' ') + RedactPayload(code, val) + QLatin1Char(' ') + r.last
                       + QStringLiteral("\r\n"),
                   traceFile(code));
    }
    finishTiming(QString::fromLatin1(encrypted));
}
