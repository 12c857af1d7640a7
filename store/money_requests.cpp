#include "store/money_requests.h"

#include "common/daily_log.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace
{
MoneyRequests linkRequests()
{
    MoneyRequests r;
    r.list = [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
                int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
    r.one = [](const QString &code, const QString &callType, const QString &val, int timeoutMs) {
        QString reply;
        RequestOne(G_TCP_CLIENT, code, callType, val, QString(), QString(), timeoutMs, reply);
        return reply;
    };
    return r;
}

QList<ReplyRow> rowsOf(const QJsonValue &v)
{
    QList<ReplyRow> out;
    const QString sep = G_FIELD_SEP.isEmpty() ? QStringLiteral("│") : G_FIELD_SEP;
    for (const QJsonValue &row : v.toArray())
        out.append(ReplyRow::fromJson(row, sep));
    return out;
}
} // namespace

MoneyRequests &CurrentMoneyRequests()
{
    static MoneyRequests current = linkRequests();
    return current;
}

MoneyRequests SetMoneyRequests(MoneyRequests requests)
{
    MoneyRequests previous = CurrentMoneyRequests();
    if (!requests.list || !requests.one) {
        const MoneyRequests link = linkRequests();
        if (!requests.list)
            requests.list = link.list;
        if (!requests.one)
            requests.one = link.one;
    }
    CurrentMoneyRequests() = std::move(requests);
    return previous;
}

MoneyPage ReadMoneyPage(const QString &page)
{
    MoneyPage p;
    const QJsonDocument doc = QJsonDocument::fromJson(page.toUtf8());
    if (!doc.isObject())
        return p;
    const QJsonObject o = doc.object();
    p.json = true;
    p.code = o.value(QStringLiteral("OUT_CODE")).toVariant().toString();
    p.message = o.value(QStringLiteral("OUT_MSG")).toVariant().toString();
    p.value = o.value(QStringLiteral("OUT_VAL")).toVariant().toString();
    p.rows1 = rowsOf(o.value(QStringLiteral("OUT_ROW1")));
    p.rows2 = rowsOf(o.value(QStringLiteral("OUT_ROW2")));
    return p;
}

MoneyListResult ReadMoneyList(const QString &code, const QStringList &pages)
{
    MoneyListResult r;
    if (pages.isEmpty()) {
        WriteLog(code + QStringLiteral(" ERR[NO RESULT]"));
        return r;
    }
    r.replied = true;
    for (const QString &text : pages) {
        MoneyPage p = ReadMoneyPage(text);
        if (!p.json) {
            WriteLog(code + QStringLiteral(" Exception Err reply is no JSON object"));
            r.failCode = QStringLiteral("999");
            return r;
        }
        if (!p.ok()) {
            WriteLog(code + QStringLiteral(" is Fail ") + p.code + QLatin1Char(':') + p.message);
            r.failCode = p.code;
            r.failMessage = p.message;
            return r;
        }
        r.pages.append(std::move(p));
    }
    r.complete = true;
    return r;
}
