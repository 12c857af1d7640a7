#include "history/past_orders_search.h"

#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/request_link.h"
#include "records/session_records.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

PastSearchLogin PastSearchLogin::Current()
{
    PastSearchLogin l;
    l.id = G_USER_INFO.ID;
    l.userTypeCd = G_USER_INFO.USER_TYPE_CD;
    l.hd = G_USER_INFO.HD;
    l.br = G_USER_INFO.BR;
    l.st = G_USER_INFO.ST;
    l.sameDayNormal = G_USER_INFO.SAMEDAY_NORMAL_TYPE;
    l.sameDayLocal = G_USER_INFO.SAMEDAY_JISUN_TYPE;
    return l;
}

bool PastPeriodAllowed(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return false;
    return qAbs(from.daysTo(to)) <= kPastMaxPeriodDays;
}

QString PastPeriodTooLongText()
{
    return QStringLiteral("조회 기간은 최대가 한달(31일) 입니다.\r\n조회 기간을 수정하세요");
}

QString PastSameDayKind(const PastSearchLogin &login)
{
    if (login.userClass() == QLatin1String("7"))
        return QStringLiteral("1");
    const int normal = login.sameDayNormal;
    const int local = login.sameDayLocal;
    if (normal == 1 && local == 1)
        return QStringLiteral("3");
    if (normal == 1 && local == 0)
        return QStringLiteral("1");
    if (normal == 0 && local == 1)
        return QStringLiteral("2");
    return {};
}

namespace
{
QString pastYmd(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}
} // namespace

QString PastGeneralPayload(const PastSearchLogin &login, const PastBranchSelection &sel, const PastSearchPeriod &p)
{
    const bool chosen = !sel.br.isEmpty();
    return JoinRequestFields({login.id, chosen ? QStringLiteral("5") : login.userTypeCd, chosen ? sel.hd : login.hd,
                              chosen ? sel.br : login.br, login.st, pastYmd(p.from), pastYmd(p.to),
                              p.byFinishDate ? QStringLiteral("1") : QStringLiteral("0")});
}

QString PastStorePayload(const PastSearchLogin &login, const PastSearchPeriod &p)
{
    return JoinRequestFields(
        {login.id, login.userTypeCd, login.hd, login.br, login.st, pastYmd(p.from), pastYmd(p.to)});
}

QString PastSameDayPayload(const PastSearchLogin &login, const PastSearchPeriod &p)
{
    return JoinRequestFields({login.id, login.userClass(), login.hd, login.br, PastSameDayKind(login),
                              pastYmd(p.from), pastYmd(p.to),
                              p.byFinishDate ? QStringLiteral("1") : QStringLiteral("0")});
}

PastRequest DefaultPastRequest()
{
    return [](const QString &code, const QString &callType, const QString &val, const QString &pageCount,
              int timeoutMs) { return RequestList(G_TCP_CLIENT, code, callType, val, pageCount, timeoutMs); };
}

PastPageOutcome ReadPastPages(const QString &code, const QStringList &pages,
                              const std::function<bool(const QString &row)> &row,
                              const std::function<void(const QString &)> &log)
{
    PastPageOutcome out;
    if (pages.isEmpty()) {
        out.noReply = true;
        if (log)
            log(code + QStringLiteral(" ERR[NO RESULT]"));
        return out;
    }
    for (const QString &page : pages) {
        const QJsonObject o = QJsonDocument::fromJson(page.toUtf8()).object();
        const QString outCode = o.value(QStringLiteral("OUT_CODE")).toString();
        if (outCode != QLatin1String("1")) {
            out.failedPage = true;
            out.failCode = outCode;
            out.failMsg = o.value(QStringLiteral("OUT_MSG")).toString();
            if (log)
                log(code + QStringLiteral(" is Fail ") + out.failCode + QLatin1Char(':') + out.failMsg);
            break;
        }
        const QJsonArray rows = o.value(QStringLiteral("OUT_ROW1")).toArray();
        for (const QJsonValue &v : rows) {
            if (row(v.toString()))
                ++out.rowsRead;
            else
                ++out.badRows;
        }
    }
    if (out.badRows > 0 && log)
        log(code + QStringLiteral(" Exception Err ") + QString::number(out.badRows) + QStringLiteral(" rows unreadable"));
    return out;
}

QString PastIncompleteText(const PastPageOutcome &outcome)
{
    if (!outcome.incomplete())
        return {};
    const QLocale c(QLocale::Korean);
    QString text;
    if (outcome.failedPage)
        text = QStringLiteral("조회 결과를 모두 받지 못했습니다. 받은 %1건만 표시합니다.")
                   .arg(c.toString(outcome.rowsRead));
    if (outcome.badRows > 0) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n");
        text += QStringLiteral("읽을 수 없는 %1건은 목록에서 빠졌습니다.").arg(c.toString(outcome.badRows));
    }
    return text;
}
