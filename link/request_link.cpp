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
    QList<QByteArray> pages;  // List: every page but a shutdown frame
    QByteArray first;         // One: the first frame's page
    bool haveFirst = false;
    QByteArray last;          // One: the last frame read
    QString shutdownMsg;
};

// Sleeps (without running events) until the link is free; false when it stayed taken.
bool waitForFreeLink()
{
    for (int i = 0; i < kBusyWaitRounds && !G_LINK_FREE; ++i)
        QThread::msleep(kBusyWaitStepMs);
    return G_LINK_FREE;
}

// Reads reply frames until the last one (status "1") or a shutdown (status "3").
void readReply(TcpClient *client, Flavor flavor, const QString &code, ExchangeResult *r)
{
    for (;;) {
        QByteArray body;
        if (!client->readFrame(&body, &r->error)) {
            r->failed = true;
            return;
        }
        std::optional<ReplyPage> page = OpenReplyPage(body, G_SESSION_KEY.toUtf8(), &r->error);
        if (!page) {
            r->failed = true;
            return;
        }
        const char status = page->status;
        const bool shutdown = status == '3' && !(flavor == Flavor::One && code == QLatin1String(kLoginRequestCode));
        if (shutdown) {
            r->shutdown = true;
            const QJsonObject obj = QJsonDocument::fromJson(page->page).object();
            r->shutdownMsg = obj.value(QStringLiteral("OUT_MSG")).toVariant().toString();
            return;
        }
        if (flavor == Flavor::List) {
            r->pages << std::move(page->page);
        } else {
            if (!r->haveFirst) {
                r->first = page->page;
                r->haveFirst = true;
            }
            r->last = std::move(page->page);
        }
        if (status == '1')
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

std::optional<ReplyPage> OpenReplyPage(const QByteArray &body, const QByteArray &key, QString *error)
{
    std::optional<QByteArray> plain = SessionCipher::decryptFromBase64(body, key);
    if (!plain) {
        if (error)
            *error = QStringLiteral("Reply could not be decrypted");
        return std::nullopt;
    }
    if (plain->isEmpty()) {
        if (error)
            *error = QStringLiteral("Reply without status");
        return std::nullopt;
    }
    ReplyPage page;
    page.status = plain->at(0);
    plain->remove(0, 1);  // an unshared buffer only moves its start: the page is not copied
    page.page = std::move(*plain);
    return page;
}

QList<QByteArray> RequestListUtf8(TcpClient *client, const QString &code, const QString &callType,
                                  const QString &val, const QString &pageCount, int timeoutMs)
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
            QStringList texts;
            for (const QByteArray &page : std::as_const(r.pages))
                texts << QString::fromUtf8(page);
            WriteLogTo(head + texts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), traceFile(code));
        } else {
            for (const QByteArray &page : std::as_const(r.pages))
                WriteLogTo(head + QString::fromUtf8(page) + QStringLiteral("\r\n"), traceFile(code));
        }
    }
    finishTiming(QString::fromLatin1(encrypted));
    return r.pages;
}

QStringList RequestList(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                        const QString &pageCount, int timeoutMs)
{
    const QList<QByteArray> pages = RequestListUtf8(client, code, callType, val, pageCount, timeoutMs);
    QStringList texts;
    texts.reserve(pages.size());
    for (const QByteArray &page : pages)
        texts << QString::fromUtf8(page);
    return texts;
}

namespace
{
// RequestOne in both forms; nullopt where the reply is to be left as passed.
std::optional<QByteArray> requestOne(TcpClient *client, const QString &code, const QString &callType,
                                     const QString &val, const QString &itemCnt, const QString &colCnt, int timeoutMs)
{
    const QByteArray plain = BuildRequestBody(OneBodyArgs(code, callType, val, itemCnt, colCnt));
    traceRequestCode(code);
    WriteLog(code + QStringLiteral(" Send S1"));
    const QByteArray encrypted = SessionCipher::encryptToBase64(plain, G_SESSION_KEY.toUtf8());
    if (!ensureLinkUp(client, Flavor::One, code))
        return std::nullopt;

    ExchangeResult r;
    if (!runExchange(client, Flavor::One, code, Frame::build(encrypted), timeoutMs, &r))
        return QByteArray();
    if (r.failed) {
        WriteLog(code + QStringLiteral(" Send Except 1 ") + QString::fromLatin1(encrypted));
        func_Reconnect(client, r.error);
        G_LINK_FREE = true;
        finishTiming(QString::fromLatin1(encrypted));
        return QByteArray();
    }
    QByteArray reply = r.haveFirst ? UnescapeReplyBytes(r.first) : QByteArray();
    if (r.shutdown) {
        obeyShutdown(r.shutdownMsg);
        finishTiming(QString::fromLatin1(encrypted));
        return reply;
    }
    G_IDLE_TICKS = 0;
    G_LINK_FREE = true;
    if (G_REQ_TRACE) {
        WriteLogTo(code + QLatin1Char(' ') + RedactPayload(code, val) + QLatin1Char(' ') + QString::fromUtf8(r.last)
                       + QStringLiteral("\r\n"),
                   traceFile(code));
    }
    finishTiming(QString::fromLatin1(encrypted));
    return reply;
}
} // namespace

void RequestOneUtf8(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                    const QString &itemCnt, const QString &colCnt, int timeoutMs, QByteArray &reply)
{
    if (std::optional<QByteArray> got = requestOne(client, code, callType, val, itemCnt, colCnt, timeoutMs))
        reply = std::move(*got);
}

void RequestOne(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                const QString &itemCnt, const QString &colCnt, int timeoutMs, QString &reply)
{
    if (const std::optional<QByteArray> got = requestOne(client, code, callType, val, itemCnt, colCnt, timeoutMs))
        reply = QString::fromUtf8(*got);
}
