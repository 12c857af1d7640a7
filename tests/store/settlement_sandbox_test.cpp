// The settlement's requests against the in-process sandbox: a month's ledger adds up to what the
// sandbox recorded, and a withdrawal or a transfer moves the balances on both sides.

#include "../link/sandbox_link_fixture.h"

#include "common/interface_texts.h"
#include "common/program_globals.h"
#include "link/reply_check.h"
#include "sandbox/sandbox_database.h"
#include "store/ledger_search.h"
#include "store/money_amount.h"
#include "store/money_breakdown.h"
#include "store/money_outstanding.h"
#include "store/money_transfer.h"
#include "store/money_withdrawal.h"

#include <QTimeZone>

namespace
{
const QString kBranch = QStringLiteral("B000101");

class SettlementSandbox : public SandboxLinkTest
{
protected:
    void SetUp() override
    {
        SandboxLinkTest::SetUp();
        proc_SetLanKor();
        G_FIELD_SEP = QStringLiteral("│");
        G_USER_INFO.ID = QStringLiteral("branch01");
        G_USER_INFO.USER_TYPE_CD = "5000";
        G_USER_INFO.HD = "H0001";
        G_USER_INFO.BR = kBranch;
        G_USER_INFO.USER_CODE = kBranch;
    }

    SandboxDatabase &db() { return *host->database(); }

    qint64 cash(const QString &kind, const QString &code)
    {
        return db().value(QStringLiteral("SELECT cash FROM cash_balances WHERE kind = ? AND code = ?"), {kind, code}).toLongLong();
    }

    static QDate koreaToday() { return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600)).date(); }

    QList<LedgerRow> ledger(const QDate &start, const QDate &end, LedgerReport *report = nullptr)
    {
        QList<LedgerRow> rows;
        LedgerSearch search;
        LedgerSearch::Hooks h;
        h.append = [&](const QList<LedgerRow> &r) { rows += r; };
        const LedgerReport rep = search.run({start, end, 5000, kBranch, true, end.addDays(1)}, h);
        if (report)
            *report = rep;
        return rows;
    }
};
TEST_F(SettlementSandbox, MonthOfLedgerAddsUpToTheSandboxRecords)
{
    const QDate end = koreaToday().addDays(-1);
    const QDate start = end.addMonths(-1).addDays(1);
    LedgerReport report;
    QList<LedgerRow> rows = ledger(start, end, &report);
    ASSERT_EQ(report.outcome, LedgerOutcome::Done);
    EXPECT_EQ(report.unreadAmounts, 0);
    EXPECT_EQ(report.requests, int(start.daysTo(end) / 7 + 1));
    qint64 sum = 0;
    for (const LedgerRow &r : rows)
        ASSERT_TRUE(AddAmount(sum, r.amount));
    const QVariantList want = db().rows(QStringLiteral("SELECT COUNT(*), COALESCE(SUM(amount), 0) FROM money_ledger WHERE"
                                                       " kind = '2' AND code = ? AND at BETWEEN ? AND ?"),
                                        {kBranch, start.toString("yyyyMMdd") + "000000", end.toString("yyyyMMdd") + "235959"})
                                   .first();
    ASSERT_GT(want.at(0).toInt(), 0);
    EXPECT_EQ(rows.size(), want.at(0).toInt());
    EXPECT_EQ(sum, want.at(1).toLongLong());
    // Each row's balance is the one before it plus its amount (newest first; each week's
    // request gives its own rows newest first).
    std::sort(rows.begin(), rows.end(), [](const LedgerRow &a, const LedgerRow &b) { return a.seq.toLongLong() > b.seq.toLongLong(); });
    for (int i = 0; i + 1 < rows.size(); ++i)
        EXPECT_EQ(rows[i].balance, rows[i + 1].balance + rows[i].amount) << i;
    // The newest balance of the whole ledger is the account's balance.
    const qint64 last = db().value(QStringLiteral("SELECT balance FROM money_ledger WHERE kind = '2' AND code = ?"
                                                  " ORDER BY seq DESC LIMIT 1"), {kBranch}).toLongLong();
    EXPECT_EQ(last, cash("2", kBranch));
    // Every request passed the sandbox's shape check.
    for (const SandboxRequest &r : host->receivedRequests())
        EXPECT_EQ(r.fields().size(), 6) << r.val.toStdString();
}

TEST_F(SettlementSandbox, WithdrawalLeavesTheBalanceAndIsInTheLedger)
{
    const std::optional<MoneyBalance> b = RequestMoneyBalance(QStringLiteral("5"), kBranch);
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(b->balance, cash("2", kBranch));
    ASSERT_FALSE(b->account.isEmpty());
    const qint64 amount = 10000;
    ASSERT_GE(b->withdrawable, amount);
    WithdrawalInput in{QStringLiteral("123456"), QString::number(amount), b->withdrawable, QStringLiteral("은행"), b->bank,
                       b->account, b->holder};
    ASSERT_TRUE(WithdrawalCheck(in).isEmpty());
    QString res;
    RequestCheck(G_TCP_CLIENT, QString::fromLatin1(kWithdrawalRequestCode), QStringLiteral("ADM1"), QStringLiteral("성공했습니다."),
                 QStringLiteral("실패했습니다."), WithdrawalPayload(in, QStringLiteral("2"), kBranch), 0, res);
    EXPECT_EQ(res, QStringLiteral("1│"));
    EXPECT_EQ(cash("2", kBranch), b->balance - amount);
    EXPECT_EQ(db().value(QStringLiteral("SELECT SUM(amount) FROM money_withdrawals WHERE code = ?"), {kBranch}).toLongLong(), amount);
    const QList<LedgerRow> today = ledger(koreaToday(), koreaToday());
    ASSERT_FALSE(today.isEmpty());
    EXPECT_EQ(today.first().amount, -amount);
    EXPECT_EQ(today.first().cashType, QStringLiteral("3001"));

    // A wrong PIN is the server's refusal; nothing moves.
    in.pin = QStringLiteral("000000");
    RequestCheck(G_TCP_CLIENT, QString::fromLatin1(kWithdrawalRequestCode), QStringLiteral("ADM1"), QStringLiteral("성공했습니다."),
                 QStringLiteral("실패했습니다."), WithdrawalPayload(in, QStringLiteral("2"), kBranch), 0, res);
    EXPECT_TRUE(res.startsWith(QStringLiteral("0│")));
    EXPECT_EQ(cash("2", kBranch), b->balance - amount);
}

TEST_F(SettlementSandbox, TransferMovesBothBalancesOnce)
{
    QList<TransferTarget> targets;
    ASSERT_TRUE(LoadTransferTargets(TransferLoadOfTag(2), "H0001", kBranch, targets));
    ASSERT_FALSE(targets.isEmpty());
    const TransferTarget t = targets.first();
    EXPECT_EQ(t.kind, QStringLiteral("3"));
    EXPECT_EQ(AmountOrZero(t.cash), cash("3", t.code));
    const qint64 branchBefore = cash("2", kBranch);
    const qint64 storeBefore = cash("3", t.code);
    TransferRequest r{QStringLiteral("123456"), TransferSourceKind(QStringLiteral("5")), kBranch, t.kind, t.code,
                      QStringLiteral("7,000"), QStringLiteral("지원금"), QStringLiteral("branch01")};
    EXPECT_EQ(SendTransfer(r), TransferOutcome::Sent);
    EXPECT_EQ(cash("2", kBranch), branchBefore - 7000);
    EXPECT_EQ(cash("3", t.code), storeBefore + 7000);
    const QVariantList sides = db().rows(QStringLiteral("SELECT COUNT(*), SUM(amount) FROM money_ledger WHERE cash_type = '1005'"
                                                        " AND memo LIKE '%지원금%'")).first();
    EXPECT_EQ(sides.at(0).toInt(), 2);
    EXPECT_EQ(sides.at(1).toLongLong(), 0);

    // More than may be sent: refused by the server, nothing moves.
    r.amount = QString::number(branchBefore * 10);
    EXPECT_EQ(SendTransfer(r), TransferOutcome::Refused);
    EXPECT_EQ(cash("2", kBranch), branchBefore - 7000);
    // Couriers and the delivery group's stores are targets too.
    ASSERT_TRUE(LoadTransferTargets(TransferLoadOfTag(4), "H0001", kBranch, targets));
    EXPECT_FALSE(targets.isEmpty());
    EXPECT_TRUE(LoadTransferTargets(TransferLoadOfTag(3), "H0001", kBranch, targets));
}

TEST_F(SettlementSandbox, BreakdownAndOutstandingAnswer)
{
    QList<BreakdownRow> rows;
    const QDate end = koreaToday();
    ASSERT_TRUE(LoadBreakdown(QStringLiteral("2"), kBranch, end.addDays(-6), end, rows));
    EXPECT_FALSE(rows.isEmpty());
    const OutstandingResult unpaid =
        LoadOutstanding(false, QStringLiteral("3"), kBranch, end.addDays(-29), end, OutstandingState::All);
    EXPECT_TRUE(unpaid.replied);
    EXPECT_FALSE(unpaid.targets.isEmpty());
    const OutstandingResult receivable =
        LoadOutstanding(true, QStringLiteral("3"), kBranch, end.addDays(-29), end, OutstandingState::All);
    EXPECT_FALSE(receivable.rows.isEmpty());
}

TEST_F(SettlementSandbox, ScenarioMovesAreInTheLedger)
{
    // The world's own money moves (delivery fees, top-ups) write the ledger on both sides, so a
    // balance stays the sum of its ledger.
    host->stepScenario(5);
    const auto stores = db().rows(QStringLiteral("SELECT code, cash FROM cash_balances WHERE kind IN ('2', '3')"));
    for (const QVariantList &s : stores) {
        const QVariant last = db().value(QStringLiteral("SELECT balance FROM money_ledger WHERE code = ? ORDER BY seq DESC LIMIT 1"),
                                         {s.at(0)});
        if (last.isValid()) {
            EXPECT_EQ(last.toLongLong(), s.at(1).toLongLong()) << s.at(0).toString().toStdString();
        }
    }
}
} // namespace
