#include "link/reply_check.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "link/link_state.h"
#include "link/request_body.h"
#include "link/request_link.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

namespace
{
constexpr int kCheckTimeoutMs = 30000;

CheckRequestFunction &requestSlot()
{
    static CheckRequestFunction fn;
    return fn;
}

// counts: the item and column counts, both the same text; empty sends neither.
void sendCheckRequest(TcpClient *client, const QString &code, const QString &callType, const QString &val,
                      QString &reply, const QString &counts = QString())
{
    if (requestSlot())
        requestSlot()(client, code, callType, val, reply);
    else
        RequestOne(client, code, callType, val, counts, counts, kCheckTimeoutMs, reply);
}

QString netFailResult()
{
    return QStringLiteral("999") + G_FIELD_SEP + G_MSG_NET_FAIL + G_FIELD_SEP;
}

// "OUT_CODE" and "OUT_MSG" of a reply; false when it is not a JSON object.
bool readOutcome(const QString &reply, QString *outCode, QString *outMsg)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    const QJsonObject obj = doc.object();
    *outCode = obj.value(QStringLiteral("OUT_CODE")).toVariant().toString();
    *outMsg = obj.value(QStringLiteral("OUT_MSG")).toVariant().toString();
    return true;
}

// The confirmed payload: every field but the last two, each followed by the separator.
QString payloadWithoutLastTwo(const QString &val)
{
    const QStringList pieces = UnescapeJsonVal(val).split(G_FIELD_SEP);
    QString out;
    for (qsizetype i = 0; i + 2 < pieces.size(); ++i)
        out += pieces[i] + G_FIELD_SEP;
    return out;
}
} // namespace

CheckRequestFunction SetCheckRequestFunction(CheckRequestFunction fn)
{
    CheckRequestFunction previous = std::move(requestSlot());
    requestSlot() = std::move(fn);
    return previous;
}

QString ForceBaechaResult(const QString &val, const QString &kind)
{
    const QString code = kind == QLatin1String("1009") ? QString::fromLatin1(kSameDayDispatchRequestCode)
                                                       : QString::fromLatin1(kDispatchRequestCode);
    QString reply;
    // The forced resend names its item and column counts as "0".
    sendCheckRequest(G_TCP_CLIENT, code, QStringLiteral("ADM1"), val + QStringLiteral("2") + G_FIELD_SEP, reply,
                     QStringLiteral("0"));
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
        return netFailResult();
    }
    QString outCode;
    QString outMsg;
    if (!readOutcome(reply, &outCode, &outMsg))
        return netFailResult();
    if (outCode == QLatin1String("1")) {
        MsgBox(G_MSG_RESULT[3] + QStringLiteral("\r\n") + outMsg, QStringLiteral("I"));
        return outCode + G_FIELD_SEP;
    }
    MsgBox(G_MSG_RESULT[0] + QStringLiteral("\n") + outMsg, QStringLiteral("I"));
    return outCode + G_FIELD_SEP + outMsg;
}

void RequestCheck(TcpClient *client, const QString &code, const QString &callType, const QString &okMsg,
                  const QString &errMsg, const QString &val, int flag, QString &res)
{
    Q_UNUSED(flag);
    res.clear();
    QString reply;
    sendCheckRequest(client, code, callType, val, reply);
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        res = netFailResult();
        return;
    }
    QString outCode;
    QString outMsg;
    if (!readOutcome(reply, &outCode, &outMsg)) {
        res = netFailResult();
        return;
    }
    if (outCode == QLatin1String("1")) {
        if (!okMsg.isEmpty())
            MsgBox(okMsg, QStringLiteral("I"));
        if (!outMsg.trimmed().isEmpty())
            MsgBox(outMsg, QStringLiteral("I"));
        res = outCode + G_FIELD_SEP;
        return;
    }
    if (code == QLatin1String(kDispatchRequestCode) && outCode == QLatin1String("5")) {
        // The caller must not confirm an assignment the user refused or the server rejected.
        if (MsgBox(outMsg, QStringLiteral("Q")) == 1)
            res = ForceBaechaResult(payloadWithoutLastTwo(val), QString());
        else
            res = outCode + G_FIELD_SEP + outMsg;
        return;
    }
    if (!errMsg.isEmpty())
        MsgBox(outCode + QStringLiteral("\n") + outMsg, QStringLiteral("I"));
    WriteLog(code + QLatin1Char(' ') + RedactPayload(code, val) + QLatin1Char(':') + outMsg);
    res = outCode + G_FIELD_SEP + outMsg;
}
