#include "main/shell_requests.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "common/reply_row.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{
ShellRequestFunctions &functions()
{
    static ShellRequestFunctions fns;
    return fns;
}

QStringList requestList(const QString &code, const QString &callType, const QString &val)
{
    if (functions().list)
        return functions().list(code, callType, val, QStringLiteral("3000"), 30000);
    if (!G_TCP_CLIENT)
        return {};
    return RequestList(G_TCP_CLIENT, code, callType, val, QStringLiteral("3000"), 30000);
}

QString requestOne(const QString &code, const QString &callType, const QString &val)
{
    if (functions().one)
        return functions().one(code, callType, val, 30000);
    if (!G_TCP_CLIENT)
        return {};
    QString reply;
    RequestOne(G_TCP_CLIENT, code, callType, val, QString(), QString(), 30000, reply);
    return reply;
}

QStringList stringRows(const QJsonValue &v)
{
    QStringList out;
    for (const QJsonValue &row : v.toArray()) {
        if (row.isString()) {
            out << row.toString();
        } else if (row.isObject()) {
            const ReplyRow r = ReplyRow::fromObject(row.toObject());
            QStringList fields;
            for (int i = 0; i < r.count(); ++i)
                fields << r.text(i);
            out << fields.join(G_FIELD_SEP);
        }
    }
    return out;
}

// One page parsed; false (with the log line) when it is not a JSON object or failed.
bool readPage(const QString &code, const QString &page, QJsonObject &obj)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(page.toUtf8(), &err);
    if (!doc.isObject()) {
        WriteLog(code + QStringLiteral(" Exception Err ") + err.errorString());
        return false;
    }
    obj = doc.object();
    const QString outCode = JsonStr(obj, QStringLiteral("OUT_CODE"));
    if (outCode != QLatin1String("1")) {
        WriteLog(code + QStringLiteral(" is Fail ") + outCode + QLatin1Char(':') + JsonStr(obj, QStringLiteral("OUT_MSG")));
        return false;
    }
    return true;
}
} // namespace

ShellRequestFunctions SetShellRequestFunctions(ShellRequestFunctions fns)
{
    ShellRequestFunctions previous = functions();
    functions() = std::move(fns);
    return previous;
}

CourierCallInfo LoadCourierCallInfo(const QString &wkCode)
{
    const QString code = QString::fromLatin1(kCourierCallCode);
    CourierCallInfo info;
    const QStringList pages = requestList(
        code, QStringLiteral("ADM3"),
        JoinRequestFields({G_USER_INFO.USER_TYPE_CD, wkCode, G_USER_INFO.HD, G_USER_INFO.BR, G_USER_INFO.ST}));
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return info;
    }
    for (const QString &page : pages) {
        QJsonObject obj;
        if (!readPage(code, page, obj))
            break;
        ReadCourierCallRows(stringRows(obj.value(QStringLiteral("OUT_ROW1"))),
                            stringRows(obj.value(QStringLiteral("OUT_ROW2"))), G_FIELD_SEP, info);
    }
    return info;
}

bool LoadCardSlip(const QString &ordNo, const QString &gubun, CardSlip &slip)
{
    const QString code = QString::fromLatin1(kCardSlipCode);
    const QStringList pages = requestList(code, QStringLiteral("ADM3"), JoinRequestFields({ordNo, gubun}));
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    bool shown = false;
    slip = CardSlip();
    for (const QString &page : pages) {
        QJsonObject obj;
        if (!readPage(code, page, obj))
            break;
        CardSlip next = slip;
        QString last, error;
        if (!ReadCardSlipRows(stringRows(obj.value(QStringLiteral("OUT_ROW1"))), G_FIELD_SEP, next, last, &error)) {
            WriteLog(code + QStringLiteral(" Exception Err ") + error);
            return shown;
        }
        slip = next;
        if (!last.isEmpty() && last == ordNo)
            shown = true;
    }
    return shown;
}

bool PlatformContractMissing()
{
    const QString code = QString::fromLatin1(kPlatformContractCode);
    const QString reply = requestOne(code, QStringLiteral("ADM3"), JoinRequestFields({G_USER_INFO.BR}));
    if (reply.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8());
    if (!doc.isObject())
        return false;
    return doc.object().value(QStringLiteral("OUT_VAL")).toString() == QLatin1String("N");
}

bool LoadRegDevices(QList<RegDevice> &devices)
{
    const QString code = QString::fromLatin1(kDeviceListCode);
    const QStringList pages = requestList(code, QStringLiteral("ADM1"), JoinRequestFields({G_USER_INFO.ID}));
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return false;
    }
    devices.clear();
    for (const QString &page : pages) {
        QJsonObject obj;
        if (!readPage(code, page, obj))
            break;
        for (const QJsonValue &v : obj.value(QStringLiteral("OUT_ROW1")).toArray()) {
            const ReplyRow r = ReplyRow::fromJson(v, G_FIELD_SEP);
            devices.append({r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5)});
        }
    }
    return true;
}

DeviceChangeResult ChangeRegDevice(const QString &userId, const QString &deviceId, const QString &alias,
                                   const QString &state)
{
    const QString code = QString::fromLatin1(kDeviceChangeCode);
    DeviceChangeResult r;
    // The group code is never known on this window and goes empty.
    const QString reply = requestOne(code, QStringLiteral("ADM3"), JoinRequestFields({QString(), userId, deviceId, alias, state}));
    if (reply.isEmpty()) {
        r.noReply = true;
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return r;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(reply.toUtf8());
    if (!doc.isObject()) {
        WriteLog(code + QStringLiteral(" Exception Err ") + QStringLiteral("unreadable reply"));
        r.noReply = true;
        return r;
    }
    r.outCode = JsonStr(doc.object(), QStringLiteral("OUT_CODE"));
    r.outMsg = JsonStr(doc.object(), QStringLiteral("OUT_MSG"));
    r.ok = r.outCode == QLatin1String("1");
    if (!r.ok)
        WriteLog(code + QStringLiteral(" is Fail ") + r.outCode + QLatin1Char(':') + r.outMsg);
    return r;
}
