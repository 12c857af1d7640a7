// Statistics: the finished deliveries of the past weeks (delivery_history) and the figures the
// statistics screen asks for, counted from them by period, weekday, hour, settlement, courier and
// store, plus the order list behind one courier's or store's figures.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/scenario_clock.h"
#include "sandbox/world.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QTime>
#include <QVector>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace
{
// After today's orders, the cash and the same-day areas, so their random sequences stay as they were.
constexpr int kStatisticsRank = SandboxWorld::kOrdersRank + 7;

// How many days before the demo day the history reaches back: the whole of the two months before.
QDate historyFirstDay()
{
    const QDate today = ScenarioMorning().date();
    return QDate(today.year(), today.month(), 1).addMonths(-2);
}

void seedDeliveryHistory(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral(
        "SELECT s.st_code, s.name, s.br_code, s.hd_code, b.name FROM stores s JOIN branches b ON b.br_code = s.br_code"
        " ORDER BY s.st_code"));
    const QList<QVariantList> branches = db.rows(QStringLiteral("SELECT br_code, name FROM branches ORDER BY br_code"));
    QHash<QString, QList<QVariantList>> couriersOf;
    for (const QVariantList &c : db.rows(QStringLiteral(
             "SELECT wk_code, name, tel, br_code FROM couriers WHERE data_status = '1' ORDER BY wk_code")))
        couriersOf[c.at(3).toString()].append(c);
    const QDate first = historyFirstDay();
    const QDate last = ScenarioMorning().date().addDays(-1);
    QList<QVariantList> rows;
    qint64 number = 1;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        for (int s = 0; s < stores.size(); ++s) {
            const QVariantList &st = stores.at(s);
            const QList<QVariantList> couriers = couriersOf.value(st.at(2).toString());
            if (couriers.isEmpty())
                continue;
            // The first stores of a branch (the demo logins' among them) are the busy ones.
            const int orders = s < 3 ? rng.between(2, 6) : rng.between(0, 2);
            for (int o = 0; o < orders; ++o) {
                const QVariantList &wk = rng.pick(couriers);
                const int hour = rng.chance(0.7) ? rng.between(11, 21) : rng.between(0, 23);
                const QTime time(hour, rng.between(0, 59), rng.between(0, 59));
                const bool cancelled = rng.chance(0.08);
                const int pay = rng.between(1, 3);
                const qint64 ordAmt = qint64(rng.between(12, 60)) * 1000;
                // Delivery fees in 500 steps, now and then with a half unit (surcharges split in two).
                const double dvryAmt = rng.between(6, 12) * 500 + (rng.chance(0.1) ? 0.5 : 0.0);
                const double fee = std::floor(dvryAmt * 0.1) + (rng.chance(0.2) ? 0.5 : 0.0);
                const int exec = rng.chance(0.75) ? 0 : rng.between(1, 2);
                const QString takerBranch = exec == 0 ? st.at(4).toString() : rng.pick(branches).at(1).toString();
                rows.append({number++, day.toString(QStringLiteral("yyyyMMdd")) + time.toString(QStringLiteral("hhmmss")),
                             day.toString(QStringLiteral("yyyyMMdd")), hour, day.dayOfWeek() % 7,
                             cancelled ? QStringLiteral("4002") : QStringLiteral("4001"), st.at(3), st.at(2), st.at(4),
                             st.at(0), st.at(1), wk.at(0), wk.at(1), wk.at(2), QString::number(pay), ordAmt, dvryAmt, fee,
                             dvryAmt - fee, rng.between(400, 6500), QString::number(exec),
                             rng.chance(0.6) ? QStringLiteral("Y") : QStringLiteral("N"), takerBranch});
            }
        }
    }
    db.insertRows(QStringLiteral("delivery_history"),
                  {"ord_no", "ord_date", "ord_day", "ord_hour", "ord_wday", "status", "hd_code", "br_code", "br_name",
                   "st_code", "st_name", "wk_code", "wk_name", "wk_tel", "pay_type", "ord_amt", "dvry_amt", "dvry_fee",
                   "wk_income", "distance", "exec_type", "tax_yn", "taker_br_name"},
                  rows);
}

// The rows a request may count: the user's own store, or the branch or head office asked for, or
// the user's own branch or head office, within the period.
struct Scope
{
    QString where;
    QVariantList binds;
};

Scope scopeOf(const SandboxDatabase &db, const QString &userId, const QString &hd, const QString &target,
              const QString &from, const QString &to)
{
    Scope s;
    const QList<QVariantList> user =
        db.rows(QStringLiteral("SELECT type_cd, hd, br, st FROM users WHERE id = ?"), {userId});
    const QString cls = user.isEmpty() ? QString() : user.first().at(0).toString().left(1);
    if (cls == QLatin1String("1") || cls == QLatin1String("3")) {
        s.where = QStringLiteral("h.st_code = ?");
        s.binds << user.first().at(3);
    } else if (!target.isEmpty()) {
        s.where = QStringLiteral("(h.br_code = ? OR h.hd_code = ?)");
        s.binds << target << target;
    } else if (cls == QLatin1String("5")) {
        s.where = QStringLiteral("h.br_code = ?");
        s.binds << user.first().at(2);
    } else if (cls == QLatin1String("7")) {
        s.where = QStringLiteral("h.hd_code = ?");
        s.binds << (hd.isEmpty() ? user.first().at(1).toString() : hd);
    } else {
        s.where = QStringLiteral("0 = 1"); // an unknown user sees nothing
    }
    // Days "yyyyMMdd" or months "yyyyMM".
    const int len = int(from.size());
    s.where += QStringLiteral(" AND substr(h.ord_day, 1, %1) BETWEEN ? AND ?").arg(len == 6 ? 6 : 8);
    s.binds << from << to;
    return s;
}

QString pct(double part, double whole)
{
    return whole > 0 ? QString::number(std::round(1000.0 * part / whole) / 10.0, 'f', 1) : QStringLiteral("0");
}

QString num(const QVariant &v)
{
    const double d = v.toDouble();
    return d == std::floor(d) ? QString::number(qint64(d)) : QString::number(d, 'f', 1);
}

SandboxReply periodRows(const SandboxDatabase &db, const Scope &scope, const QString &labelSql)
{
    const QString sql = QStringLiteral(
        "SELECT %1 AS label,"
        " SUM(status = '4001'), SUM(CASE WHEN status = '4001' THEN dvry_fee ELSE 0 END),"
        " SUM(status = '4001' AND exec_type IN ('0', '1')),"
        " SUM(status = '4001' AND exec_type = '0'), SUM(CASE WHEN status = '4001' AND exec_type = '0' THEN dvry_fee ELSE 0 END),"
        " SUM(status = '4001' AND exec_type = '1'), SUM(CASE WHEN status = '4001' AND exec_type = '1' THEN dvry_fee ELSE 0 END),"
        " SUM(status = '4001' AND exec_type = '2'), SUM(CASE WHEN status = '4001' AND exec_type = '2' THEN dvry_fee ELSE 0 END),"
        " SUM(status = '4001' AND pay_type = '1'), SUM(status = '4001' AND pay_type = '2'),"
        " SUM(status = '4001' AND pay_type = '3'), SUM(status = '4002')"
        " FROM delivery_history h WHERE %2 GROUP BY label ORDER BY label").arg(labelSql, scope.where);
    QList<QStringList> rows;
    for (const QVariantList &r : db.rows(sql, scope.binds)) {
        const double total = r.at(1).toDouble();
        rows.append({r.at(0).toString(), num(r.at(1)), num(r.at(2)), num(r.at(3)), num(r.at(4)),
                     pct(r.at(4).toDouble(), total), num(r.at(5)), num(r.at(6)), pct(r.at(6).toDouble(), total),
                     num(r.at(7)), num(r.at(8)), pct(r.at(8).toDouble(), r.at(8).toDouble() + r.at(4).toDouble()),
                     num(r.at(9)), num(r.at(10)), pct(r.at(10).toDouble(), total), num(r.at(11)),
                     pct(r.at(11).toDouble(), total), num(r.at(12)), pct(r.at(12).toDouble(), total), num(r.at(13)),
                     pct(r.at(13).toDouble(), r.at(13).toDouble() + total)});
    }
    return SandboxReply::rowsOf(rows);
}

QString dayLabelSql(const QString &kind)
{
    return kind == QLatin1String("2")
               ? QStringLiteral("substr(h.ord_day, 1, 4) || '-' || substr(h.ord_day, 5, 2)")
               : QStringLiteral("substr(h.ord_day, 1, 4) || '-' || substr(h.ord_day, 5, 2) || '-' || substr(h.ord_day, 7, 2)");
}

// Counts per slot (weekday 0-6 Sunday first, or hour) for each branch.
SandboxReply slotRows(const SandboxDatabase &db, const Scope &scope, bool hours)
{
    const QString slotSql = hours ? QStringLiteral("h.ord_hour") : QStringLiteral("h.ord_wday");
    const QString sql = QStringLiteral("SELECT h.br_name, %1, COUNT(*) FROM delivery_history h WHERE %2"
                                       " AND h.status = '4001' GROUP BY h.br_name, %1 ORDER BY h.br_name")
                            .arg(slotSql, scope.where);
    QMap<QString, QVector<double>> counts;
    for (const QVariantList &r : db.rows(sql, scope.binds)) {
        QVector<double> &c = counts[r.at(0).toString()];
        c.resize(24);
        const int slot = r.at(1).toInt();
        if (slot >= 0 && slot < 24)
            c[slot] = r.at(2).toDouble();
    }
    QList<QStringList> rows;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QVector<double> &c = it.value();
        double total = 0;
        for (double v : c)
            total += v;
        QStringList f = {it.key(), num(total)};
        const int slotCount = hours ? 24 : 7;
        for (int k = 1; k <= slotCount; ++k) {
            // Weekdays Sunday first; hour slots from 09 on, the last one 08~09.
            const int at = hours ? (8 + k) % 24 : k - 1;
            f << num(c.at(at)) << pct(c.at(at), total);
        }
        rows.append(f);
    }
    return SandboxReply::rowsOf(rows);
}

SandboxReply settlementRows(const SandboxDatabase &db, const Scope &scope, const QString &kind, bool byTarget)
{
    const QString label = byTarget ? QStringLiteral("h.br_name") : dayLabelSql(kind);
    const QString key = byTarget ? QStringLiteral("'1' || h.br_code") : label;
    const QString sql = QStringLiteral(
        "SELECT %1, %2 AS label, SUM(dvry_fee),"
        " SUM(CASE WHEN tax_yn = 'Y' THEN dvry_amt ELSE 0 END), SUM(CASE WHEN tax_yn = 'Y' THEN dvry_fee ELSE 0 END),"
        " SUM(CASE WHEN tax_yn = 'Y' THEN wk_income ELSE 0 END),"
        " SUM(CASE WHEN tax_yn = 'N' THEN dvry_amt ELSE 0 END), SUM(CASE WHEN tax_yn = 'N' THEN dvry_fee ELSE 0 END),"
        " SUM(CASE WHEN tax_yn = 'N' THEN wk_income ELSE 0 END), COUNT(*)"
        " FROM delivery_history h WHERE %3 AND h.status = '4001' GROUP BY label ORDER BY 1").arg(key, label, scope.where);
    QList<QStringList> rows;
    for (const QVariantList &r : db.rows(sql, scope.binds)) {
        const double count = r.at(9).toDouble();
        rows.append({r.at(0).toString(), r.at(1).toString(), num(r.at(2)), num(r.at(3)), num(r.at(4)), num(r.at(5)),
                     num(r.at(6)), num(r.at(7)), num(r.at(8)), num(count * 100), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), num(count * 50), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
    }
    return SandboxReply::rowsOf(rows);
}

SandboxReply courierRows(const SandboxDatabase &db, const Scope &scope)
{
    const QString sql = QStringLiteral(
        "SELECT h.wk_code, MAX(h.wk_name), COUNT(*),"
        " SUM(tax_yn = 'Y'), SUM(CASE WHEN tax_yn = 'Y' THEN dvry_amt ELSE 0 END),"
        " SUM(CASE WHEN tax_yn = 'Y' THEN dvry_fee ELSE 0 END), SUM(CASE WHEN tax_yn = 'Y' THEN wk_income ELSE 0 END),"
        " SUM(tax_yn = 'N'), SUM(CASE WHEN tax_yn = 'N' THEN dvry_amt ELSE 0 END),"
        " SUM(CASE WHEN tax_yn = 'N' THEN dvry_fee ELSE 0 END), SUM(CASE WHEN tax_yn = 'N' THEN wk_income ELSE 0 END),"
        " SUM(distance), COALESCE(MAX(c.data_status), '1')"
        " FROM delivery_history h LEFT JOIN couriers c ON c.wk_code = h.wk_code"
        " WHERE %1 AND h.status = '4001' GROUP BY h.wk_code ORDER BY 2").arg(scope.where);
    QList<QStringList> rows;
    for (const QVariantList &r : db.rows(sql, scope.binds)) {
        const QString code = r.at(0).toString();
        const double incomeN = r.at(10).toDouble();
        const double tax = std::floor(incomeN * 0.033);
        rows.append({QStringLiteral("E") + code.right(4), code, r.at(1).toString(), num(r.at(2)), num(r.at(3)),
                     num(r.at(4)), num(r.at(5)), num(r.at(6)), num(r.at(7)), num(r.at(8)), num(r.at(9)),
                     num(tax), num(incomeN - tax), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), r.at(12).toString(), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), num(r.at(11)), QStringLiteral("0"), QStringLiteral("0")});
    }
    return SandboxReply::rowsOf(rows);
}

SandboxReply storeRows(const SandboxDatabase &db, const Scope &scope)
{
    const QString sql = QStringLiteral(
        "SELECT h.st_code, MAX(h.st_name), COUNT(*), SUM(h.status = '4001'), SUM(h.status = '4002'),"
        " SUM(h.status = '4001' AND pay_type = '1'), SUM(h.status = '4001' AND pay_type = '2'),"
        " SUM(h.status = '4001' AND pay_type = '3'),"
        " SUM(CASE WHEN h.status = '4001' THEN ord_amt ELSE 0 END),"
        " SUM(CASE WHEN h.status = '4001' AND pay_type = '3' THEN ord_amt ELSE 0 END),"
        " SUM(h.status = '4001' AND exec_type = '0'), SUM(h.status = '4001' AND exec_type = '1'),"
        " SUM(CASE WHEN h.status = '4001' AND tax_yn = 'Y' THEN dvry_amt ELSE 0 END),"
        " SUM(CASE WHEN h.status = '4001' AND tax_yn = 'N' THEN dvry_amt ELSE 0 END),"
        " COALESCE(MAX(s.state), '1'), COALESCE(MAX(s.biz_no), '')"
        " FROM delivery_history h LEFT JOIN stores s ON s.st_code = h.st_code"
        " WHERE %1 GROUP BY h.st_code ORDER BY 2").arg(scope.where);
    QList<QStringList> rows;
    for (const QVariantList &r : db.rows(sql, scope.binds)) {
        const double done = r.at(3).toDouble();
        const double amount = r.at(8).toDouble();
        const double card = r.at(9).toDouble();
        const double taxed = r.at(12).toDouble();
        const double own = r.at(13).toDouble();
        const QString code = r.at(0).toString();
        rows.append({r.at(1).toString(), num(r.at(2)), num(done), num(r.at(4)), num(r.at(5)), num(r.at(6)),
                     num(r.at(7)), num(amount), num(card), pct(card, amount),
                     num(done > 0 ? std::round(amount / done) : 0), num(done), num(r.at(10)), num(r.at(11)),
                     num(taxed), QStringLiteral("0"), num(own), QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("0"), code, QStringLiteral("0"), r.at(14).toString(),
                     QStringLiteral("0"), num(std::round((taxed + own) * 0.1)), code, r.at(15).toString()});
    }
    return SandboxReply::rowsOf(rows);
}

SandboxReply detailRows(const SandboxDatabase &db, const QStringList &f)
{
    const QString code = FieldAt(f, 0);
    const QString column = FieldAt(f, 1) == QLatin1String("2") ? QStringLiteral("wk_code") : QStringLiteral("st_code");
    const QString sql = QStringLiteral(
        "SELECT ord_date, ord_no, br_name, st_name, wk_name, wk_tel, tax_yn, distance, dvry_amt, wk_income,"
        " taker_br_name FROM delivery_history WHERE %1 = ? AND status = '4001' AND ord_day BETWEEN ? AND ?"
        " ORDER BY ord_date").arg(column);
    SandboxReply reply;
    for (const QVariantList &r : db.rows(sql, {code, FieldAt(f, 2), FieldAt(f, 3)})) {
        const QDateTime at = QDateTime::fromString(r.at(0).toString(), QStringLiteral("yyyyMMddhhmmss"));
        QJsonObject o;
        o.insert(QStringLiteral("C_0"), at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        o.insert(QStringLiteral("C_1"), r.at(1).toString());
        o.insert(QStringLiteral("C_2"), r.at(2).toString());
        o.insert(QStringLiteral("C_3"), QString());
        o.insert(QStringLiteral("C_4"), r.at(3).toString());
        o.insert(QStringLiteral("C_5"), QString());
        o.insert(QStringLiteral("C_6"), r.at(4).toString());
        o.insert(QStringLiteral("C_7"), r.at(5).toString());
        o.insert(QStringLiteral("C_8"), r.at(6).toString());
        o.insert(QStringLiteral("C_9"), r.at(7).toString());
        o.insert(QStringLiteral("C_10"), QString::number(r.at(8).toDouble(), 'f', 1));
        o.insert(QStringLiteral("C_11"), QString());
        o.insert(QStringLiteral("C_12"), QString::number(r.at(9).toDouble(), 'f', 1));
        o.insert(QStringLiteral("C_13"), r.at(10).toString());
        reply.rows.append(o);
    }
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(statistics)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    db->addArea(kStatisticsRank, QStringLiteral("statistics"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS delivery_history (ord_no INTEGER PRIMARY KEY,"
                                " ord_date TEXT NOT NULL, ord_day TEXT NOT NULL, ord_hour INTEGER NOT NULL,"
                                " ord_wday INTEGER NOT NULL, status TEXT NOT NULL, hd_code TEXT, br_code TEXT,"
                                " br_name TEXT, st_code TEXT, st_name TEXT, wk_code TEXT, wk_name TEXT, wk_tel TEXT,"
                                " pay_type TEXT, ord_amt INTEGER, dvry_amt REAL, dvry_fee REAL, wk_income REAL,"
                                " distance INTEGER, exec_type TEXT, tax_yn TEXT, taker_br_name TEXT)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS delivery_history_by_store ON delivery_history (st_code, ord_day)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS delivery_history_by_branch ON delivery_history (br_code, ord_day)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS delivery_history_by_courier ON delivery_history (wk_code, ord_day)")},
                seedDeliveryHistory);
    // Period: ID, UTC, TARGET, KIND, FROM, TO (distributor) / ID, UTC, HD, TARGET, KIND, FROM, TO, GROUP.
    registry.add(QStringLiteral("CS02_02_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        const Scope s = scopeOf(*db, FieldAt(f, 0), QString(), FieldAt(f, 2), FieldAt(f, 4), FieldAt(f, 5));
        return periodRows(*db, s, dayLabelSql(FieldAt(f, 3)));
    });
    registry.add(QStringLiteral("CS02_03_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        const Scope s = scopeOf(*db, FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 5), FieldAt(f, 6));
        const bool byTarget = FieldAt(f, 7) == QLatin1String("1");
        return periodRows(*db, s, byTarget ? QStringLiteral("h.br_name") : dayLabelSql(FieldAt(f, 4)));
    });
    // Weekday and hour: ID, UTC, HD, TARGET, FROM, TO.
    for (const char *code : {"CS02_04_V01", "CS02_05_V01"}) {
        const bool hours = QLatin1String(code) == QLatin1String("CS02_05_V01");
        registry.add(QString::fromLatin1(code), [db, hours](const SandboxRequest &r) {
            const QStringList f = r.fields();
            const Scope s = scopeOf(*db, FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 4), FieldAt(f, 5));
            return slotRows(*db, s, hours);
        });
    }
    // Settlement: ID, UTC, TARGET, KIND, FROM, TO / ID, UTC, HD, TARGET, KIND, TKIND, FROM, TO, GROUP.
    registry.add(QStringLiteral("CS02_06_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        const Scope s = scopeOf(*db, FieldAt(f, 0), QString(), FieldAt(f, 2), FieldAt(f, 4), FieldAt(f, 5));
        return settlementRows(*db, s, FieldAt(f, 3), false);
    });
    registry.add(QStringLiteral("CS02_07_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        const Scope s = scopeOf(*db, FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 6), FieldAt(f, 7));
        return settlementRows(*db, s, FieldAt(f, 4), FieldAt(f, 8) == QLatin1String("1"));
    });
    // Courier: ID, UTC, TARGET, KIND, FROM, TO. Store: ID, UTC, HD, TARGET, KIND, FROM, TO.
    registry.add(QStringLiteral("CS02_08_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        return courierRows(*db, scopeOf(*db, FieldAt(f, 0), QString(), FieldAt(f, 2), FieldAt(f, 4), FieldAt(f, 5)));
    });
    registry.add(QStringLiteral("CS02_09_V01"), [db](const SandboxRequest &r) {
        const QStringList f = r.fields();
        return storeRows(*db, scopeOf(*db, FieldAt(f, 0), FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 5), FieldAt(f, 6)));
    });
    // The orders behind one courier's or store's figures: code, type (2 courier, 1 store), from, to.
    registry.add(QStringLiteral("CS07_05_V02"), [db](const SandboxRequest &r) { return detailRows(*db, r.fields()); });
}
