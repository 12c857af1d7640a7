#include "store/money_breakdown.h"

#include "common/program_globals.h"
#include "store/money_amount.h"
#include "store/money_requests.h"
#include "text/date_helpers.h"

#include <algorithm>

QString MonthPeriodError(const QDate &start, const QDate &end)
{
    if (start <= end.addMonths(-1))
        return QStringLiteral("검색기간은 시작일로부터 최대 1개월입니다.");
    if (start > end)
        return QStringLiteral("시작일이 클 수 없습니다.");
    return {};
}

QString BreakdownKind(int tag)
{
    if (tag == 7000)
        return QStringLiteral("1");
    if (tag == 5000)
        return QStringLiteral("2");
    return {};
}

bool LoadBreakdown(const QString &kind, const QString &code, const QDate &start, const QDate &end,
                   QList<BreakdownRow> &rows, int *unread)
{
    const QString req = QString::fromLatin1(kBreakdownRequestCode);
    const QStringList pages = CurrentMoneyRequests().list(
        req, QStringLiteral("ADM1"),
        JoinRequestFields({kind, code, start.toString(QStringLiteral("yyyyMMdd")), end.toString(QStringLiteral("yyyyMMdd"))}),
        QStringLiteral("3000"), 30000);
    const MoneyListResult r = ReadMoneyList(req, pages);
    if (!r.replied)
        return false;
    rows.clear();
    int bad = 0;
    for (const MoneyPage &page : r.pages)
        for (const ReplyRow &reply : page.rows1) {
            BreakdownRow row;
            row.date = FormatYmdDash(reply.text(0));
            for (int i = 0; i < kBreakdownSums; ++i) {
                const QString text = reply.trimmed(i + 1);
                if (text.isEmpty())
                    continue;
                const std::optional<qint64> v = ParseServerAmount(text);
                if (!v)
                    ++bad;
                row.sums[i] = v ? QVariant(*v) : QVariant(text);
            }
            rows.append(row);
        }
    std::stable_sort(rows.begin(), rows.end(), [](const BreakdownRow &a, const BreakdownRow &b) { return a.date < b.date; });
    if (unread)
        *unread = bad;
    return true;
}

bool SumAmounts(const QList<QVariant> &cells, qint64 &sum)
{
    qint64 s = 0;
    for (const QVariant &v : cells)
        if (v.typeId() == QMetaType::LongLong && !AddAmount(s, v.toLongLong()))
            return false;
    sum = s;
    return true;
}
