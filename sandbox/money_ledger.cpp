#include "sandbox/money_ledger.h"

#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_request.h"

namespace
{
// The ledger row's kind of an account in cash_balances ("1" head office, "2" branch, "3" store).
bool inBalances(const QString &kind)
{
    return kind == QLatin1String("1") || kind == QLatin1String("2") || kind == QLatin1String("3");
}

qint64 nextChangeSeq(const SandboxDatabase &db)
{
    return db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM cash_balances")).toLongLong() + 1;
}

bool applyDelta(SandboxDatabase &db, const SandboxMoney::Party &p, qint64 delta, qint64 changeSeq, qint64 &after)
{
    if (p.outside())
        return true;
    qint64 before = 0;
    if (!SandboxMoney::balance(db, p, before))
        return false;
    after = before + delta;
    if (inBalances(p.kind))
        db.exec(QStringLiteral("UPDATE cash_balances SET cash = ?, change_seq = ? WHERE kind = ? AND code = ?"),
                {after, changeSeq, p.kind, p.code});
    else
        db.exec(QStringLiteral("UPDATE money_couriers SET cash = ? WHERE wk_code = ?"), {after, p.code});
    return true;
}

void ledgerRow(SandboxDatabase &db, const SandboxMoney::Party &owner, const SandboxMoney::Party &other,
               const SandboxMoney::Move &m, qint64 amount, qint64 balance, const QString &memo, const QString &at)
{
    db.exec(QStringLiteral("INSERT INTO money_ledger (kind, code, at, cash_type, memo, amount, balance, day_no, ord_no,"
                           " con_type, con_code, con_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {owner.kind, owner.code, at, m.cashType, memo, amount, balance, m.dayNo, m.orderNo, other.kind, other.code,
             SandboxMoney::partyName(db, other)});
}
} // namespace

namespace SandboxMoney
{
bool balance(const SandboxDatabase &db, const Party &p, qint64 &cash)
{
    QVariant v;
    if (inBalances(p.kind))
        v = db.value(QStringLiteral("SELECT cash FROM cash_balances WHERE kind = ? AND code = ?"), {p.kind, p.code});
    else if (p.kind == QLatin1String("4"))
        v = db.value(QStringLiteral("SELECT cash FROM money_couriers WHERE wk_code = ?"), {p.code});
    if (!v.isValid())
        return false;
    cash = v.toLongLong();
    return true;
}

QString partyName(const SandboxDatabase &db, const Party &p)
{
    if (p.kind == QLatin1String("1"))
        return db.value(QStringLiteral("SELECT name FROM head_offices WHERE hd_code = ?"), {p.code}).toString();
    if (p.kind == QLatin1String("2"))
        return db.value(QStringLiteral("SELECT name FROM branches WHERE br_code = ?"), {p.code}).toString();
    if (p.kind == QLatin1String("3"))
        return db.value(QStringLiteral("SELECT name FROM stores WHERE st_code = ?"), {p.code}).toString();
    if (p.kind == QLatin1String("4"))
        return db.value(QStringLiteral("SELECT name FROM couriers WHERE wk_code = ?"), {p.code}).toString();
    return {};
}

bool move(SandboxDatabase &db, const Move &m)
{
    if (m.amount <= 0 || (m.from.outside() && m.to.outside()))
        return false;
    qint64 probe = 0;
    if ((!m.from.outside() && !balance(db, m.from, probe)) || (!m.to.outside() && !balance(db, m.to, probe)))
        return false;
    const QString at = m.at.isEmpty() ? KoreanNowStamp() : m.at;
    const qint64 seq = nextChangeSeq(db);
    qint64 after = 0;
    if (!m.from.outside()) {
        applyDelta(db, m.from, -m.amount, seq, after);
        ledgerRow(db, m.from, m.to, m, -m.amount, after, m.memoFrom, at);
    }
    if (!m.to.outside()) {
        applyDelta(db, m.to, m.amount, seq, after);
        ledgerRow(db, m.to, m.from, m, m.amount, after, m.memoTo, at);
    }
    return true;
}

QString categoryOf(const QString &cashType)
{
    if (cashType == QLatin1String("1001"))
        return QStringLiteral("배달대행료");
    if (cashType == QLatin1String("2001"))
        return QStringLiteral("머니충전");
    if (cashType == QLatin1String("3001"))
        return QStringLiteral("출금");
    if (cashType == QLatin1String("1005"))
        return QStringLiteral("머니송금");
    if (cashType == QLatin1String("4001"))
        return QStringLiteral("배송관리비");
    if (cashType == QLatin1String("5001"))
        return QStringLiteral("미수금정산");
    return QStringLiteral("기타");
}
} // namespace SandboxMoney
