#include "start/terms_consent.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "records/session_records.h"
#include "link/link_state.h"
#include "link/request_link.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace
{
TermsRequestFunction &requestSlot()
{
    static TermsRequestFunction fn;
    return fn;
}

void sendTerms(const QString &code, const QString &val, QString &reply)
{
    if (requestSlot()) {
        requestSlot()(code, QStringLiteral("ADM1"), val, 30000, reply);
        return;
    }
    RequestOne(G_TCP_CLIENT, code, QStringLiteral("ADM1"), val, QString(), QString(), 30000, reply);
}
} // namespace

TermsRequestFunction SetTermsRequestFunction(TermsRequestFunction fn)
{
    TermsRequestFunction previous = std::move(requestSlot());
    requestSlot() = std::move(fn);
    return previous;
}

bool func_Term()
{
    const QString code = QString::fromLatin1(kTermsRequestCode);
    try {
        const QString val = G_USER_INFO.ID + G_FIELD_SEP + QString(G_USER_INFO.ST) + G_FIELD_SEP + QStringLiteral("Y")
                            + G_FIELD_SEP + QString(G_USER_INFO.OWNER_BIRTH) + G_FIELD_SEP;
        QString reply;
        sendTerms(code, val, reply);
        if (reply.trimmed().isEmpty()) {
            WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
            MsgBox(G_MSG_NET_FAIL, QStringLiteral("I"));
            return false;
        }
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8(), &error);
        if (!doc.isObject()) {
            WriteLog(QStringLiteral("인증에러_E:") + error.errorString());
            return false;
        }
        const QJsonObject obj = doc.object();
        if (obj.value(QStringLiteral("OUT_CODE")).toVariant().toString() != QLatin1String("1")) {
            const QString text = QStringLiteral("인증에러:") + obj.value(QStringLiteral("OUT_MSG")).toString();
            WriteLog(text);
            MsgBox(text, QStringLiteral("E"));
            return false;
        }
        return true;
    } catch (const std::exception &e) {
        WriteLog(QStringLiteral("인증에러_E:") + QString::fromUtf8(e.what()));
        return false;
    }
}
