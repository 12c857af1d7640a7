#include "sandbox/order_cash.h"

#include "sandbox/money_ledger.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>

namespace
{
constexpr int kCashRank = SandboxWorld::kOrdersRank + 1;  // after the organisation and the orders

qint64 seededCash(const QVariant &v, SandboxRandom &rng)
{
    bool ok = false;
    const qint64 c = v.toString().toLongLong(&ok);
    return ok && c > 0 ? c : qint64(rng.between(20, 400)) * 5000;
}

void seedCash(SandboxDatabase &db, SandboxRandom &rng)
{
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss"));
    QList<QVariantList> rows;
    for (const QVariantList &h : db.rows(QStringLiteral("SELECT hd_code FROM head_offices ORDER BY hd_code")))
        rows.append({QStringLiteral("1"), h.at(0), h.at(0), QString(), QStringLiteral("1"),
                     qint64(rng.between(500, 3000)) * 10000, qint64(rng.between(0, 50)) * 10000, 0, QStringLiteral("N"),
                     0, QString(), 1});
    for (const QVariantList &b : db.rows(QStringLiteral("SELECT br_code, hd_code, cash, data_status FROM branches"
                                                        " ORDER BY br_code")))
        rows.append({QStringLiteral("2"), b.at(0), b.at(1), b.at(0), b.at(3), seededCash(b.at(2), rng),
                     qint64(rng.between(0, 30)) * 10000, rng.chance(0.2) ? qint64(rng.between(1, 40)) * 1000 : 0,
                     QStringLiteral("N"), 0, QString(), 1});
    for (const QVariantList &s : db.rows(QStringLiteral("SELECT st_code, hd_code, br_code, cash, state FROM stores"
                                                        " ORDER BY st_code"))) {
        const bool extra = rng.chance(0.3);
        rows.append({QStringLiteral("3"), s.at(0), s.at(1), s.at(2), s.at(4), seededCash(s.at(3), rng),
                     qint64(rng.between(0, 10)) * 10000, rng.chance(0.25) ? qint64(rng.between(1, 30)) * 1000 : 0,
                     extra ? QStringLiteral("Y") : QStringLiteral("N"), extra ? 500 : 0, now, 1});
    }
    db.insertRows(QStringLiteral("cash_balances"),
                  {"kind", "code", "hd_code", "br_code", "data_status", "cash", "deposit", "outstanding", "ext_yn",
                   "ext_charge", "conn_time", "change_seq"},
                  rows);
}
} // namespace

namespace SandboxCash
{
void addArea(SandboxDatabase &db)
{
    db.addArea(kCashRank, QStringLiteral("cash"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS cash_balances (kind TEXT NOT NULL, code TEXT NOT NULL,"
                               " hd_code TEXT, br_code TEXT, data_status TEXT, cash INTEGER NOT NULL,"
                               " deposit INTEGER NOT NULL, outstanding INTEGER NOT NULL, ext_yn TEXT,"
                               " ext_charge INTEGER, conn_time TEXT, change_seq INTEGER NOT NULL,"
                               " PRIMARY KEY (kind, code))")},
               seedCash);
}

SandboxReply load(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString cls = f.value(1).left(1);
    bool ok = false;
    qint64 mark = f.value(6).trimmed().toLongLong(&ok);
    if (!ok || mark < 0)
        mark = 0;
    // What a login sees: a head office its own rows, a distributor its branch and the branch's
    // stores, a store itself.
    QString where = QStringLiteral("change_seq > ?");
    QVariantList binds{mark};
    if (cls == QLatin1String("7")) {
        where += QStringLiteral(" AND hd_code = ?");
        binds.append(f.value(2));
    } else if (cls == QLatin1String("1")) {
        where += QStringLiteral(" AND kind = '3' AND code = ?");
        binds.append(f.value(4));
    } else {
        where += QStringLiteral(" AND br_code = ?");
        binds.append(f.value(3));
    }
    const auto rows = db.rows(QStringLiteral("SELECT kind, code, data_status, cash, deposit, outstanding, ext_yn,"
                                             " ext_charge, conn_time FROM cash_balances WHERE ")
                                  + where + QStringLiteral(" ORDER BY kind, code"),
                              binds);
    QList<QStringList> out;
    for (const QVariantList &r : rows)
        out.append({r.at(0).toString(), r.at(1).toString(), r.at(2).toString(), r.at(3).toString(),
                    r.at(4).toString(), QString(), r.at(5).toString(), r.at(6).toString(), r.at(7).toString(),
                    r.at(8).toString()});
    const qint64 next = db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM cash_balances")).toLongLong();
    return SandboxReply::rowsOf(out, QString::number(std::max(next, mark)));
}

void step(SandboxDatabase &db, SandboxRandom &rng)
{
    const int stores = db.value(QStringLiteral("SELECT COUNT(*) FROM cash_balances WHERE kind = '3'")).toInt();
    if (stores == 0)
        return;
    auto storeAt = [&](int at) {
        return db.value(QStringLiteral("SELECT code FROM cash_balances WHERE kind = '3' ORDER BY code LIMIT 1 OFFSET ?"),
                        {at}).toString();
    };
    // Every balance change is a movement of the ledger, written on both sides.
    const SandboxMoney::Party outside;
    // Delivery fees leave a few stores' balances and reach their branch.
    for (int i = 0; i < 3; ++i) {
        const QString code = storeAt(rng.between(0, stores - 1));
        const QString branch =
            db.value(QStringLiteral("SELECT br_code FROM cash_balances WHERE kind = '3' AND code = ?"), {code}).toString();
        const qint64 fee = qint64(rng.between(6, 10)) * 500;
        SandboxMoney::move(db, {{QStringLiteral("3"), code}, {QStringLiteral("2"), branch}, fee, QStringLiteral("1001"),
                                QStringLiteral("배달대행료 차감"), QStringLiteral("배달대행료 입금"), QString(), QString(),
                                QString()});
    }
    // Now and then a store tops up, or an outstanding amount is settled.
    if (rng.chance(0.2))
        SandboxMoney::move(db, {outside, {QStringLiteral("3"), storeAt(rng.between(0, stores - 1))}, 100000,
                                QStringLiteral("2001"), QString(), QStringLiteral("가상계좌 머니충전"), QString(), QString(),
                                QString()});
    const qint64 seq = db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM cash_balances")).toLongLong() + 1;
    if (rng.chance(0.2))
        db.exec(QStringLiteral("UPDATE cash_balances SET outstanding = 0, change_seq = ? WHERE outstanding > 0 AND"
                               " rowid = (SELECT rowid FROM cash_balances WHERE outstanding > 0 ORDER BY code LIMIT 1)"),
                {seq});
}
} // namespace SandboxCash
