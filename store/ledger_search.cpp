#include "store/ledger_search.h"

#include "common/daily_log.h"
#include "common/interface_texts.h"
#include "common/message_box.h"
#include "common/program_globals.h"
#include "store/money_amount.h"
#include "store/money_requests.h"

namespace
{
QString ymd(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}
} // namespace

QList<LedgerChunk> LedgerChunks(const QDate &start, const QDate &end)
{
    QList<LedgerChunk> out;
    if (!start.isValid() || !end.isValid())
        return out;
    for (QDate s = start; s <= end; s = s.addDays(7))
        out.append({s, std::min(s.addDays(6), end)});
    return out;
}

int LedgerGaugeStep(const QDate &start, const QDate &end)
{
    const qint64 days = std::max<qint64>(0, start.daysTo(end));
    return int(100 / (days / 7 + 1));
}

QString LedgerPeriodError(const QDate &start, const QDate &end)
{
    if (end >= start.addMonths(1))
        return QStringLiteral("검색기간은 시작일로부터 최대 한달입니다.");
    if (start > end)
        return QStringLiteral("시작일이 클 수 없습니다.");
    return {};
}

QString LedgerSignature(int tag, const QString &code, const QDate &start, const QDate &end)
{
    return QString::number(tag) + QLatin1Char('|') + code + QLatin1Char('|') + ymd(start) + QLatin1Char('|') + ymd(end)
           + QLatin1Char('|');
}

QString LedgerPayload(const LedgerChunk &chunk, int tag, const QString &code, const QDate &start, const QDate &end)
{
    return JoinRequestFields({ymd(chunk.from), ymd(chunk.to), QString::number(tag), code, ymd(start), ymd(end)});
}

LedgerRow ReadLedgerRow(const QStringList &f, bool showBalance)
{
    LedgerRow r;
    r.seq = f.value(kLedgerSeq);
    r.at = f.value(kLedgerAt);
    r.category = f.value(kLedgerCategory);
    r.memo = f.value(kLedgerMemo);
    r.amountText = f.value(kLedgerAmount);
    const std::optional<qint64> amount = ParseServerAmount(r.amountText);
    r.amountRead = amount.has_value();
    r.amount = amount.value_or(0);
    r.balance = showBalance ? AmountOrZero(f.value(kLedgerBalance)) : 0;
    r.dayNo = f.value(kLedgerDayNo);
    r.orderNo = f.value(kLedgerOrderNo);
    r.cashType = f.value(kLedgerCashType);
    r.conType = f.value(kLedgerConType);
    r.conCode = f.value(kLedgerConCode);
    r.conName = f.value(kLedgerConName);
    return r;
}

QVariantList LedgerRowCells(const LedgerRow &r)
{
    return {r.seq,
            r.at,
            r.category,
            r.memo,
            r.amountRead ? QVariant(r.amount) : QVariant(r.amountText),
            QVariant(r.balance),
            r.dayNo,
            r.orderNo,
            r.cashType,
            r.conType,
            r.conCode,
            r.conName};
}

QString LedgerIncompleteText()
{
    return QStringLiteral("조회가 중간에 끊겨 머니내역의 일부만 표시됩니다. 다시 검색하세요.");
}

LedgerReport LedgerSearch::run(const LedgerQuery &q, const Hooks &hooks)
{
    LedgerReport report;
    const QString periodError = LedgerPeriodError(q.start, q.end);
    if (!periodError.isEmpty()) {
        MsgBox(periodError, QStringLiteral("I"));
        return report;
    }
    if (q.tag < 1) {
        MsgBox(QStringLiteral("제휴본사/총판 정보가 부정확합니다"), QStringLiteral("I"));
        return report;
    }
    const QString signature = LedgerSignature(q.tag, q.code, q.start, q.end);
    if (signature == m_saved && q.today > q.end) {
        report.outcome = LedgerOutcome::Skipped;
        return report;
    }
    const int step = LedgerGaugeStep(q.start, q.end);
    m_saved.clear();
    if (hooks.gauge)
        hooks.gauge(0);
    if (hooks.clear)
        hooks.clear();
    int base = 0;
    report.outcome = LedgerOutcome::Done;
    for (const LedgerChunk &chunk : LedgerChunks(q.start, q.end)) {
        ++report.requests;
        const QStringList pages = CurrentMoneyRequests().list(QString::fromLatin1(kLedgerRequestCode), QStringLiteral("ADM3"),
                                                              LedgerPayload(chunk, q.tag, q.code, q.start, q.end),
                                                              QStringLiteral("10000"), 90000);
        if (pages.isEmpty()) {
            // Stopping silently would leave a part of the ledger looking like all of it.
            WriteLog(QString::fromLatin1(kLedgerRequestCode) + QStringLiteral(" ERR[NO RESULT]"));
            MsgBox(G_MSG_NET_FAIL + QStringLiteral("\r\n") + LedgerIncompleteText(), QStringLiteral("I"));
            report.outcome = LedgerOutcome::NoReply;
            return report;
        }
        const int count = int(pages.size());
        for (int k = 0; k < count; ++k) {
            if (hooks.gauge)
                hooks.gauge(std::min(100, step * k / count + base + 1));
            const MoneyPage page = ReadMoneyPage(pages.at(k));
            if (!page.ok()) {
                const QString code = page.json ? page.code : QStringLiteral("999");
                MsgBox(QStringLiteral("Code") + code + QStringLiteral(": ") + page.message, QStringLiteral("I"));
                WriteLog(QString::fromLatin1(kLedgerRequestCode) + QStringLiteral(" is Fail ") + code + QLatin1Char(':')
                         + page.message);
                report.outcome = LedgerOutcome::Failed;
                return report;
            }
            QList<LedgerRow> rows;
            rows.reserve(page.rows1.size());
            for (const ReplyRow &row : page.rows1) {
                QStringList fields;
                for (int c = 0; c < kLedgerColumnCount; ++c)
                    fields.append(row.text(c));
                rows.append(ReadLedgerRow(fields, q.showBalance));
                if (!rows.last().amountRead)
                    ++report.unreadAmounts;
            }
            report.rows += int(rows.size());
            if (hooks.append && !rows.isEmpty())
                hooks.append(rows);
        }
        base += step;
    }
    if (hooks.gauge)
        hooks.gauge(100);
    m_saved = signature;
    if (report.unreadAmounts > 0)
        MsgBox(QStringLiteral("금액을 읽을 수 없는 내역이 %1건 있습니다. 합계에 들어가지 않았습니다.").arg(report.unreadAmounts),
               QStringLiteral("I"));
    return report;
}
