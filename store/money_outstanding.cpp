#include "store/money_outstanding.h"

#include "common/program_globals.h"
#include "store/money_amount.h"
#include "store/money_requests.h"

QString OutstandingStateCode(OutstandingState s)
{
    switch (s) {
    case OutstandingState::Open: return QStringLiteral("0");
    case OutstandingState::Settled: return QStringLiteral("1");
    case OutstandingState::All: break;
    }
    return QStringLiteral("9");
}

OutstandingResult LoadOutstanding(bool receivable, const QString &targetClass, const QString &userCode,
                                  const QDate &start, const QDate &end, OutstandingState state)
{
    OutstandingResult out;
    const QString req = QString::fromLatin1(receivable ? kReceivableRequestCode : kUnpaidRequestCode);
    const QStringList pages = CurrentMoneyRequests().list(
        req, QStringLiteral("ADM1"),
        JoinRequestFields({targetClass, userCode, start.toString(QStringLiteral("yyyyMMdd")),
                           end.toString(QStringLiteral("yyyyMMdd")), OutstandingStateCode(state)}),
        QStringLiteral("3000"), 30000);
    const MoneyListResult r = ReadMoneyList(req, pages);
    out.replied = r.replied;
    for (const MoneyPage &page : r.pages)
        for (const ReplyRow &reply : page.rows1) {
            OutstandingRow row;
            row.putDate = reply.trimmed(1);
            row.grpType = reply.trimmed(2);
            row.code = reply.trimmed(3);
            const QString amount = reply.trimmed(4);
            const std::optional<qint64> v = ParseServerAmount(amount);
            row.amount = v ? QVariant(*v) : QVariant(amount);
            row.memo = reply.text(5);
            row.status = reply.trimmed(6);
            row.doneAt = reply.trimmed(7);
            row.kindName = reply.trimmed(8);
            row.name = reply.trimmed(receivable ? 9 : 8);
            bool known = false;
            for (const OutstandingTarget &t : out.targets)
                known = known || t.code == row.code;
            if (!known)
                out.targets.append({row.code, row.name});
            out.rows.append(row);
        }
    return out;
}

QString KeptTargetFilter(const QString &chosen, const QList<OutstandingTarget> &targets)
{
    if (chosen.isEmpty() || chosen == QLatin1String(kAllTargets))
        return {};
    for (const OutstandingTarget &t : targets)
        if (t.code == chosen)
            return chosen;
    return {};
}
