// The demo world's money as the settlement screen asks for it: each account's ledger, its
// categories and per-day breakdown, unpaid and receivable amounts, the balance with the bank
// account, withdrawals and transfers. Every balance change goes through the ledger
// (sandbox/money_ledger.h), so a ledger's rows always add up to the balance they end at.

#include "sandbox/handler_registry.h"
#include "sandbox/money_ledger.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimeZone>

#include <algorithm>

namespace
{
constexpr int kMoneyRank = SandboxWorld::kOrdersRank + 2;  // after the balances of the cash area
constexpr int kMoneyLedgerDays = 45;
// The PIN of every demo account that may withdraw or transfer.
const QString kMoneyDemoPin = QStringLiteral("123456");

using SandboxMoney::Party;

// The thirteen breakdown categories a cash type is summed into (1-based; 0: none).
int moneyBreakdownColumn(const QString &cashType)
{
    if (cashType == QLatin1String("4001"))
        return 1;
    if (cashType == QLatin1String("5001"))
        return 4;
    if (cashType == QLatin1String("1001"))
        return 5;
    return 0;
}

QDateTime moneyKoreaNow()
{
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600));
}

// ---- seed ------------------------------------------------------------------------------------

void moneySeedMoney(SandboxDatabase &db, SandboxRandom &rng)
{
    // Couriers' balances and the bank accounts of the head offices and branches.
    QList<QVariantList> couriers;
    for (const QVariantList &c : db.rows(QStringLiteral("SELECT wk_code, br_code FROM couriers ORDER BY wk_code")))
        couriers.append({c.at(0), c.at(1), qint64(rng.between(0, 60)) * 1000});
    db.insertRows(QStringLiteral("money_couriers"), {"wk_code", "br_code", "cash"}, couriers);
    static const char *const kBanks[] = {"004", "088", "020", "081"};
    QList<QVariantList> accounts;
    for (const QVariantList &a :
         db.rows(QStringLiteral("SELECT b.kind, b.code, COALESCE(h.name, r.name) FROM cash_balances b LEFT JOIN"
                                " head_offices h ON b.kind = '1' AND h.hd_code = b.code LEFT JOIN branches r ON"
                                " b.kind = '2' AND r.br_code = b.code WHERE b.kind IN ('1', '2') ORDER BY b.kind, b.code")))
        accounts.append({a.at(0), a.at(1), QString::fromLatin1(kBanks[rng.between(0, 3)]),
                         QStringLiteral("%1%2").arg(rng.digits(4), rng.digits(8)), a.at(2).toString(), kMoneyDemoPin});
    db.insertRows(QStringLiteral("money_accounts"), {"kind", "code", "bank_code", "account_no", "holder", "pin"},
                  accounts);

    // The last weeks' movements. They are made in memory first, so each account's opening amount
    // can be chosen to end at the balance the cash area seeded.
    QHash<QString, qint64> cash;  // "kind|code"
    auto key = [](const Party &p) { return p.kind + QLatin1Char('|') + p.code; };
    for (const QVariantList &b : db.rows(QStringLiteral("SELECT kind, code, cash FROM cash_balances")))
        cash.insert(b.at(0).toString() + QLatin1Char('|') + b.at(1).toString(), b.at(2).toLongLong());
    for (const QVariantList &c : couriers)
        cash.insert(QStringLiteral("4|") + c.at(0).toString(), c.at(2).toLongLong());
    const auto stores = db.rows(QStringLiteral("SELECT st_code, br_code, name FROM stores ORDER BY st_code"));
    const auto branches = db.rows(QStringLiteral("SELECT br_code, hd_code, name FROM branches ORDER BY br_code"));
    QHash<QString, QString> names;
    for (const QVariantList &s : stores)
        names.insert(QStringLiteral("3|") + s.at(0).toString(), s.at(2).toString());
    for (const QVariantList &b : branches)
        names.insert(QStringLiteral("2|") + b.at(0).toString(), b.at(2).toString());
    for (const QVariantList &h : db.rows(QStringLiteral("SELECT hd_code, name FROM head_offices")))
        names.insert(QStringLiteral("1|") + h.at(0).toString(), h.at(1).toString());
    for (const QVariantList &c : db.rows(QStringLiteral("SELECT wk_code, name FROM couriers")))
        names.insert(QStringLiteral("4|") + c.at(0).toString(), c.at(1).toString());

    QList<SandboxMoney::Move> moves;
    const QDateTime now = moneyKoreaNow();
    const QDate today = now.date();
    auto stamp = [&](const QDate &day, int secondOfDay) {
        QDateTime t(day, QTime(0, 0).addSecs(secondOfDay), QTimeZone(9 * 3600));
        if (t > now)
            t = now.addSecs(-1);
        return t.toString(QStringLiteral("yyyyMMddhhmmss"));
    };
    int orderNo = 1;
    for (int d = kMoneyLedgerDays; d >= 0; --d) {
        const QDate day = today.addDays(-d);
        QList<SandboxMoney::Move> daily;
        for (const QVariantList &s : stores) {
            const Party store{QStringLiteral("3"), s.at(0).toString()};
            const Party branch{QStringLiteral("2"), s.at(1).toString()};
            for (int n = rng.between(0, 2); n > 0; --n) {
                const QString ord = QStringLiteral("S%1%2").arg(day.toString(QStringLiteral("yyMMdd"))).arg(orderNo++, 5, 10, QLatin1Char('0'));
                daily.append({store, branch, qint64(rng.between(6, 10)) * 500, QStringLiteral("1001"),
                              QStringLiteral("배달대행료 차감"), QStringLiteral("배달대행료 입금"),
                              stamp(day, rng.between(9 * 3600, 23 * 3600)), ord, QString::number(rng.between(1, 200))});
            }
            if (rng.chance(0.08))
                daily.append({Party{}, store, 100000, QStringLiteral("2001"), QString(), QStringLiteral("가상계좌 머니충전"),
                              stamp(day, rng.between(8 * 3600, 20 * 3600)), QString(), QString()});
        }
        for (const QVariantList &b : branches) {
            const Party branch{QStringLiteral("2"), b.at(0).toString()};
            const Party head{QStringLiteral("1"), b.at(1).toString()};
            if (rng.chance(0.5))
                daily.append({branch, head, qint64(rng.between(1, 5)) * 10000, QStringLiteral("4001"),
                              QStringLiteral("배송관리비 차감"), QStringLiteral("배송관리비 입금"),
                              stamp(day, rng.between(6 * 3600, 7 * 3600)), QString(), QString()});
            if (rng.chance(0.1))
                daily.append({branch, Party{}, qint64(rng.between(5, 30)) * 10000, QStringLiteral("3001"),
                              QStringLiteral("출금 (등록계좌)"), QString(), stamp(day, rng.between(10 * 3600, 18 * 3600)),
                              QString(), QString()});
            if (rng.chance(0.15)) {
                const auto &s = rng.pick(stores);
                if (s.at(1).toString() == branch.code)
                    daily.append({branch, Party{QStringLiteral("3"), s.at(0).toString()}, qint64(rng.between(1, 10)) * 5000,
                                  QStringLiteral("1005"), QStringLiteral("머니송금"), QStringLiteral("머니송금 입금"),
                                  stamp(day, rng.between(10 * 3600, 18 * 3600)), QString(), QString()});
            }
        }
        std::stable_sort(daily.begin(), daily.end(),
                         [](const SandboxMoney::Move &a, const SandboxMoney::Move &b) { return a.at < b.at; });
        moves += daily;
    }
    QHash<QString, qint64> running = cash;
    for (const SandboxMoney::Move &m : moves) {
        if (!m.from.outside())
            running[key(m.from)] += m.amount;  // back to the opening amount
        if (!m.to.outside())
            running[key(m.to)] -= m.amount;
    }
    QList<QVariantList> rows;
    auto row = [&](const Party &owner, const Party &other, const SandboxMoney::Move &m, qint64 amount, const QString &memo) {
        qint64 &bal = running[key(owner)];
        bal += amount;
        rows.append({owner.kind, owner.code, m.at, m.cashType, memo, amount, bal, m.dayNo, m.orderNo, other.kind,
                     other.code, names.value(key(other))});
    };
    for (const SandboxMoney::Move &m : moves) {
        if (!m.from.outside())
            row(m.from, m.to, m, -m.amount, m.memoFrom);
        if (!m.to.outside())
            row(m.to, m.from, m, m.amount, m.memoTo);
    }
    db.insertRows(QStringLiteral("money_ledger"),
                  {"kind", "code", "at", "cash_type", "memo", "amount", "balance", "day_no", "ord_no", "con_type",
                   "con_code", "con_name"},
                  rows);

    // Unpaid (the account owes) and receivable (owed to the account) amounts.
    QList<QVariantList> open;
    for (const QVariantList &b : branches) {
        const QString br = b.at(0).toString();
        QList<QVariantList> mine;
        for (const QVariantList &s : stores)
            if (s.at(1).toString() == br)
                mine.append(s);
        if (mine.isEmpty())
            continue;
        for (int i = 0; i < 24; ++i) {
            const auto &s = rng.pick(mine);
            const QDate day = today.addDays(-rng.between(0, 30));
            const bool settled = rng.chance(0.3);
            const bool receivable = rng.chance(0.5);
            open.append({receivable ? QStringLiteral("2") : QStringLiteral("1"), QStringLiteral("2"), br,
                         day.toString(QStringLiteral("yyyyMMdd")), QStringLiteral("3"), s.at(0), s.at(2),
                         qint64(rng.between(1, 40)) * 1000,
                         receivable ? QStringLiteral("배달대행료 미수") : QStringLiteral("배송관리비 미지급"),
                         settled ? QStringLiteral("1") : QStringLiteral("0"),
                         settled ? day.addDays(1).toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("090000") : QString(),
                         receivable ? QStringLiteral("배달대행료") : QStringLiteral("배송관리비")});
        }
    }
    db.insertRows(QStringLiteral("money_outstanding"),
                  {"list", "owner_kind", "owner_code", "put_date", "grp_type", "grp_code", "grp_name", "amount", "memo",
                   "status", "done_at", "kind_name"},
                  open);
}

// ---- handlers --------------------------------------------------------------------------------

QString moneyLedgerKind(const QString &tag)
{
    if (tag == QLatin1String("7000"))
        return QStringLiteral("1");
    if (tag == QLatin1String("5000"))
        return QStringLiteral("2");
    return {};
}

QString moneyShownStamp(const QString &at)
{
    const QDateTime t = QDateTime::fromString(at, QStringLiteral("yyyyMMddhhmmss"));
    return t.isValid() ? t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : at;
}

bool moneyIsYmd(const QString &s)
{
    return QDate::fromString(s, QStringLiteral("yyyyMMdd")).isValid();
}

// The ledger of one account for one request's days: from│to│tag│code│start│end│.
SandboxReply moneyLedger(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QString kind = moneyLedgerKind(FieldAt(f, 2));
    const QDate from = QDate::fromString(FieldAt(f, 0), QStringLiteral("yyyyMMdd"));
    const QDate to = QDate::fromString(FieldAt(f, 1), QStringLiteral("yyyyMMdd"));
    if (kind.isEmpty() || !from.isValid() || !to.isValid() || from > to)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("조회 조건이 올바르지 않습니다."));
    // One request covers a week at most; longer periods come as several.
    if (from.daysTo(to) > 6)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("일주일 단위로 조회하세요."));
    QList<QStringList> out;
    for (const QVariantList &row : db.rows(
             QStringLiteral("SELECT seq, at, cash_type, memo, amount, balance, day_no, ord_no, con_type, con_code,"
                            " con_name FROM money_ledger WHERE kind = ? AND code = ? AND at BETWEEN ? AND ?"
                            " ORDER BY seq DESC"),
             {kind, FieldAt(f, 3), FieldAt(f, 0) + QStringLiteral("000000"), FieldAt(f, 1) + QStringLiteral("235959")}))
        out.append({row.at(0).toString(), moneyShownStamp(row.at(1).toString()), SandboxMoney::categoryOf(row.at(2).toString()),
                    row.at(3).toString(), row.at(4).toString(), row.at(5).toString(), row.at(6).toString(),
                    row.at(7).toString(), row.at(2).toString(), row.at(8).toString(), row.at(9).toString(),
                    row.at(10).toString()});
    return SandboxReply::rowsOf(out);
}

// The categories with their cash types: kind│"1"│.
SandboxReply moneyCategories(SandboxDatabase &, const SandboxRequest &)
{
    static const struct { const char *no; const char *name; const char *types[2]; } kCats[] = {
        {"1", "배달대행료", {"1001", nullptr}}, {"2", "배송관리비", {"4001", nullptr}},
        {"3", "머니충전", {"2001", nullptr}},   {"4", "출금", {"3001", nullptr}},
        {"5", "머니송금", {"1005", nullptr}},   {"6", "정산", {"5001", nullptr}},
    };
    SandboxReply reply;
    QJsonArray row2;
    for (const auto &c : kCats) {
        reply.rows.append(QJsonObject{{"C_0", c.no}, {"C_1", "1"}, {"C_2", ""}, {"C_3", QString::fromUtf8(c.name)}});
        for (const char *t : c.types)
            if (t)
                row2.append(QJsonObject{{"C_0", c.no}, {"C_1", t}});
    }
    reply.extra.insert(QStringLiteral("OUT_ROW2"), row2);
    return reply;
}

// The per-day sums: kind│code│start│end│.
SandboxReply moneyBreakdown(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QString kind = FieldAt(f, 0);
    if ((kind != QLatin1String("1") && kind != QLatin1String("2")) || !moneyIsYmd(FieldAt(f, 2)) || !moneyIsYmd(FieldAt(f, 3)))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("조회 조건이 올바르지 않습니다."));
    QMap<QString, QJsonObject> days;
    for (const QVariantList &row :
         db.rows(QStringLiteral("SELECT substr(at, 1, 8), cash_type, SUM(amount) FROM money_ledger WHERE kind = ? AND"
                                " code = ? AND at BETWEEN ? AND ? GROUP BY 1, 2"),
                 {kind, FieldAt(f, 1), FieldAt(f, 2) + QStringLiteral("000000"), FieldAt(f, 3) + QStringLiteral("235959")})) {
        const int column = moneyBreakdownColumn(row.at(1).toString());
        if (column == 0)
            continue;
        QJsonObject &day = days[row.at(0).toString()];
        day.insert(QStringLiteral("C_0"), row.at(0).toString());
        day.insert(QStringLiteral("C_%1").arg(column), QString::number(row.at(2).toLongLong()));
    }
    SandboxReply reply;
    for (QJsonObject day : days) {
        for (int c = 1; c <= 13; ++c)
            if (!day.contains(QStringLiteral("C_%1").arg(c)))
                day.insert(QStringLiteral("C_%1").arg(c), QString());
        reply.rows.append(day);
    }
    return reply;
}

// Unpaid ("1") or receivable ("2") amounts: class│user code│start│end│state│.
SandboxReply moneyOutstanding(SandboxDatabase &db, const SandboxRequest &r, const QString &list)
{
    const QStringList f = r.fields();
    QString sql = QStringLiteral("SELECT put_date, grp_type, grp_code, amount, memo, status, done_at, kind_name, grp_name"
                                 " FROM money_outstanding WHERE list = ? AND owner_code = ? AND grp_type = ? AND"
                                 " put_date BETWEEN ? AND ?");
    QVariantList binds{list, FieldAt(f, 1), FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 3)};
    if (FieldAt(f, 4) != QLatin1String("9")) {
        sql += QStringLiteral(" AND status = ?");
        binds.append(FieldAt(f, 4));
    }
    SandboxReply reply;
    for (const QVariantList &row : db.rows(sql + QStringLiteral(" ORDER BY put_date, seq"), binds)) {
        QJsonObject o{{"C_0", ""}, {"C_1", row.at(0).toString()}, {"C_2", row.at(1).toString()},
                      {"C_3", row.at(2).toString()}, {"C_4", QString::number(row.at(3).toLongLong())},
                      {"C_5", row.at(4).toString()}, {"C_6", row.at(5).toString()}, {"C_7", row.at(6).toString()}};
        if (list == QLatin1String("1")) {
            o.insert(QStringLiteral("C_8"), row.at(8).toString());
        } else {
            o.insert(QStringLiteral("C_8"), row.at(7).toString());
            o.insert(QStringLiteral("C_9"), row.at(8).toString());
        }
        reply.rows.append(o);
    }
    return reply;
}

// The account of a balance, withdrawal or transfer kind ("1" head office, "2" distributor,
// "5" store) and user code.
Party moneyAccountOf(const QString &kind, const QString &userCode)
{
    if (kind == QLatin1String("1"))
        return {QStringLiteral("1"), userCode};
    if (kind == QLatin1String("2"))
        return {QStringLiteral("2"), userCode};
    if (kind == QLatin1String("5"))
        return {QStringLiteral("3"), userCode};
    return {};
}

qint64 moneyDepositOf(const SandboxDatabase &db, const Party &p)
{
    return db.value(QStringLiteral("SELECT deposit FROM cash_balances WHERE kind = ? AND code = ?"), {p.kind, p.code})
        .toLongLong();
}

// kind│user code│ -> C_0 balance, C_4 withdrawable, C_5 deposit, C_6 bank, C_8 account, C_9 holder.
SandboxReply moneyBalanceOf(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const Party p = moneyAccountOf(FieldAt(f, 0), FieldAt(f, 1));
    qint64 cash = 0;
    if (p.outside() || !SandboxMoney::balance(db, p, cash))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("계정 정보가 없습니다."));
    const qint64 deposit = moneyDepositOf(db, p);
    const auto acc = db.rows(QStringLiteral("SELECT bank_code, account_no, holder FROM money_accounts WHERE kind = ? AND code = ?"),
                             {p.kind, p.code});
    const QVariantList a = acc.isEmpty() ? QVariantList{QString(), QString(), QString()} : acc.first();
    SandboxReply reply;
    reply.rows.append(QJsonObject{{"C_0", QString::number(cash)}, {"C_1", ""}, {"C_2", ""}, {"C_3", ""},
                                  {"C_4", QString::number(std::max<qint64>(0, cash - deposit))},
                                  {"C_5", QString::number(deposit)}, {"C_6", a.at(0).toString()}, {"C_7", ""},
                                  {"C_8", a.at(1).toString()}, {"C_9", a.at(2).toString()}});
    return reply;
}

// A whole positive amount or 0.
qint64 moneyPositiveAmount(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok && v > 0 ? v : 0;
}

bool moneyPinMatches(const SandboxDatabase &db, const Party &p, const QString &pin)
{
    return db.value(QStringLiteral("SELECT pin FROM money_accounts WHERE kind = ? AND code = ?"), {p.kind, p.code})
               .toString() == pin;
}

// PIN│amount│bank│account│holder│kind│user code│"0"│
SandboxReply moneyWithdraw(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const Party p = moneyAccountOf(FieldAt(f, 5), FieldAt(f, 6));
    if (p.kind != QLatin1String("1") && p.kind != QLatin1String("2"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("출금할 수 없는 계정입니다."));
    if (!moneyPinMatches(db, p, FieldAt(f, 0)))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("PIN번호가 일치하지 않습니다."));
    const qint64 amount = moneyPositiveAmount(FieldAt(f, 1));
    if (amount == 0)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("출금금액이 올바르지 않습니다."));
    const auto acc = db.rows(QStringLiteral("SELECT bank_code, account_no, holder FROM money_accounts WHERE kind = ? AND code = ?"),
                             {p.kind, p.code});
    if (acc.isEmpty() || acc.first().at(0).toString() != FieldAt(f, 2) || acc.first().at(1).toString() != FieldAt(f, 3))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록된 출금계좌와 다릅니다."));
    SandboxReply reply = SandboxReply::code(QStringLiteral("1"), QString());
    db.transaction([&] {
        qint64 cash = 0;
        SandboxMoney::balance(db, p, cash);
        if (amount > cash - moneyDepositOf(db, p)) {
            reply = SandboxReply::code(QStringLiteral("0"), QStringLiteral("출금가능금액을 초과하였습니다."));
            return;
        }
        SandboxMoney::move(db, {p, Party{}, amount, QStringLiteral("3001"), QStringLiteral("출금 (등록계좌)"), QString(),
                                QString(), QString(), QString()});
        db.exec(QStringLiteral("INSERT INTO money_withdrawals (kind, code, amount, bank_code, account_no, holder, at)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {p.kind, p.code, amount, FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 4), KoreanNowStamp()});
    });
    return reply;
}

// PIN│source│user code│target kind│target code│"1005"│amount│"0"│memo│ID│
SandboxReply moneyTransfer(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const Party from = moneyAccountOf(FieldAt(f, 1), FieldAt(f, 2));
    const Party to{FieldAt(f, 3), FieldAt(f, 4)};
    if (from.kind != QLatin1String("1") && from.kind != QLatin1String("2"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("송금할 수 없는 계정입니다."));
    if (!moneyPinMatches(db, from, FieldAt(f, 0)))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("PIN번호가 일치하지 않습니다."));
    if (FieldAt(f, 5) != QLatin1String("1005"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("송금 구분이 올바르지 않습니다."));
    const qint64 amount = moneyPositiveAmount(FieldAt(f, 6));
    if (amount == 0)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("송금금액이 올바르지 않습니다."));
    qint64 probe = 0;
    if (to.outside() || !SandboxMoney::balance(db, to, probe) || (to.kind == from.kind && to.code == from.code))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("송금대상이 없습니다."));
    SandboxReply reply = SandboxReply::code(QStringLiteral("1"), QString());
    const QString memo = FieldAt(f, 8);
    db.transaction([&] {
        qint64 cash = 0;
        SandboxMoney::balance(db, from, cash);
        if (amount > cash - moneyDepositOf(db, from)) {
            reply = SandboxReply::code(QStringLiteral("0"), QStringLiteral("송금가능금액을 초과하였습니다."));
            return;
        }
        SandboxMoney::move(db, {from, to, amount, QStringLiteral("1005"),
                                memo.isEmpty() ? QStringLiteral("머니송금") : QStringLiteral("머니송금 ") + memo,
                                memo.isEmpty() ? QStringLiteral("머니송금 입금") : QStringLiteral("머니송금 입금 ") + memo,
                                QString(), QString(), QString()});
    });
    return reply;
}

QJsonObject moneyTargetRow(const QVariantList &r)
{
    // code, name, affiliation, balance, status
    return QJsonObject{{"C_0", r.at(0).toString()}, {"C_1", r.at(1).toString()}, {"C_2", ""},
                       {"C_3", r.at(2).toString()}, {"C_4", QString::number(r.at(3).toLongLong())},
                       {"C_5", r.at(4).toString()}};
}

// The targets of one kind: HD│BR│kind│.
SandboxReply moneyTargets(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QString hd = FieldAt(f, 0);
    const QString br = FieldAt(f, 1);
    const QString kind = FieldAt(f, 2);
    QList<QVariantList> rows;
    if (kind == QLatin1String("1"))
        rows = db.rows(QStringLiteral("SELECT h.hd_code, h.name, h.name, c.cash, '1' FROM head_offices h JOIN cash_balances c"
                                      " ON c.kind = '1' AND c.code = h.hd_code WHERE h.hd_code = ?"),
                       {hd});
    else if (kind == QLatin1String("2"))
        rows = db.rows(QStringLiteral("SELECT b.br_code, b.name, h.name, c.cash, b.data_status FROM branches b JOIN"
                                      " head_offices h ON h.hd_code = b.hd_code JOIN cash_balances c ON c.kind = '2' AND"
                                      " c.code = b.br_code WHERE b.hd_code = ? ORDER BY b.br_code"),
                       {hd});
    else if (kind == QLatin1String("3"))
        rows = db.rows(QStringLiteral("SELECT s.st_code, s.name, b.name, c.cash, s.state FROM stores s JOIN branches b ON"
                                      " b.br_code = s.br_code JOIN cash_balances c ON c.kind = '3' AND c.code = s.st_code"
                                      " WHERE (? <> '' AND s.br_code = ?) OR (? = '' AND s.hd_code = ?) ORDER BY s.st_code"),
                       {br, br, br, hd});
    else if (kind == QLatin1String("4"))
        rows = db.rows(QStringLiteral("SELECT w.wk_code, w.name, b.name, m.cash, w.data_status FROM couriers w JOIN"
                                      " money_couriers m ON m.wk_code = w.wk_code LEFT JOIN branches b ON b.br_code ="
                                      " w.br_code WHERE (? <> '' AND w.br_code = ?) OR (? = '' AND w.hd_code = ?)"
                                      " ORDER BY w.wk_code"),
                       {br, br, br, hd});
    else
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("대상구분이 올바르지 않습니다."));
    SandboxReply reply;
    for (const QVariantList &row : rows)
        reply.rows.append(moneyTargetRow(row));
    return reply;
}

// The stores of the branch's delivery group: BR│.
SandboxReply moneyGroupStores(SandboxDatabase &db, const SandboxRequest &r)
{
    const QString br = FieldAt(r.fields(), 0);
    SandboxReply reply;
    for (const QVariantList &row :
         db.rows(QStringLiteral("SELECT s.st_code, s.name, b.name, c.cash, s.state FROM stores s JOIN branches b ON"
                                " b.br_code = s.br_code JOIN cash_balances c ON c.kind = '3' AND c.code = s.st_code"
                                " WHERE s.dvry_type_cd <> '' AND s.dvry_type_cd = (SELECT dvry_type_cd FROM branches"
                                " WHERE br_code = ?) ORDER BY s.st_code"),
                 {br}))
        reply.rows.append(moneyTargetRow(row));
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(money)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(kMoneyRank, QStringLiteral("money"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS money_ledger (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " kind TEXT NOT NULL, code TEXT NOT NULL, at TEXT NOT NULL, cash_type TEXT NOT NULL,"
                                " memo TEXT, amount INTEGER NOT NULL, balance INTEGER NOT NULL, day_no TEXT, ord_no TEXT,"
                                " con_type TEXT, con_code TEXT, con_name TEXT)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS money_ledger_by_account ON money_ledger (kind, code, at)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS money_couriers (wk_code TEXT PRIMARY KEY, br_code TEXT,"
                                " cash INTEGER NOT NULL)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS money_accounts (kind TEXT NOT NULL, code TEXT NOT NULL,"
                                " bank_code TEXT, account_no TEXT, holder TEXT, pin TEXT, PRIMARY KEY (kind, code))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS money_withdrawals (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " kind TEXT, code TEXT, amount INTEGER, bank_code TEXT, account_no TEXT, holder TEXT,"
                                " at TEXT)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS money_outstanding (seq INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " list TEXT, owner_kind TEXT, owner_code TEXT, put_date TEXT, grp_type TEXT,"
                                " grp_code TEXT, grp_name TEXT, amount INTEGER, memo TEXT, status TEXT, done_at TEXT,"
                                " kind_name TEXT)")},
                moneySeedMoney);
    std::weak_ptr<SandboxDatabase> weak = db;
    auto bind = [weak](SandboxReply (*fn)(SandboxDatabase &, const SandboxRequest &)) {
        return [weak, fn](const SandboxRequest &r) {
            auto d = weak.lock();
            if (!d)
                return SandboxReply::code(QStringLiteral("0"), QStringLiteral("database closed"));
            return fn(*d, r);
        };
    };
    registry.add(QStringLiteral("CS04_01_V05"), bind(moneyLedger));
    registry.add(QStringLiteral("CS04_05_V02"), bind(moneyCategories));
    registry.add(QStringLiteral("CS04_04_V02"), bind(moneyBreakdown));
    registry.add(QStringLiteral("CS06_03_V01"), bind([](SandboxDatabase &d, const SandboxRequest &r) {
                     return moneyOutstanding(d, r, QStringLiteral("1"));
                 }));
    registry.add(QStringLiteral("CS06_04_V01"), bind([](SandboxDatabase &d, const SandboxRequest &r) {
                     return moneyOutstanding(d, r, QStringLiteral("2"));
                 }));
    registry.add(QStringLiteral("CS04_02_V02"), bind(moneyBalanceOf));
    registry.add(QStringLiteral("CS04_03_V01"), bind(moneyWithdraw));
    registry.add(QStringLiteral("CS01_21_V03"), bind(moneyTransfer));
    registry.add(QStringLiteral("CS06_02_V01"), bind(moneyTargets));
    registry.add(QStringLiteral("CS06_01_V01"), bind(moneyGroupStores));
}
