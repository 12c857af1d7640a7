// Past orders: several weeks of finished general-delivery orders before today, and the
// past-orders searches of the history screen answered from them (by order or completion date,
// within what the asking login sees). The rows have the columns of today's order rows up to the
// customer's store code.
#include "sandbox/handler_registry.h"
#include "sandbox/handlers_login.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QHash>
#include <QTimeZone>

namespace
{
constexpr int kPastOrdersRank = 55;  // after today's orders and their couriers
constexpr int kPastDemoDays = 35;

const QStringList kPastGoods = {"후라이드치킨 1", "양념치킨 1, 콜라 1.25L 1", "순대국밥 2", "족발 대 1",
                                "떡볶이 1, 순대 1", "짜장면 2, 탕수육 1", "아메리카노 3", "제육정식 2"};
const QStringList kPastMemos = {"", "", "문 앞에 놓아 주세요", "벨 누르지 마세요", "도착 전 전화 주세요"};

// The past row: every column of today's row but the last (the POS path).
const QStringList &pastColumns()
{
    static const QStringList columns = [] {
        QStringList c = SandboxOrders::rowColumns();
        c.removeLast();
        return c;
    }();
    return columns;
}

QString pastTime(const QDateTime &t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void seedPastOrders(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral(
        "SELECT st_code, br_code, hd_code, name, tel, lng_x, lat_y, sido, sigungu, dong FROM stores"
        " WHERE state = '1' ORDER BY st_code"));
    if (stores.isEmpty())
        return;
    const QString demoStore = db.value(QStringLiteral("SELECT st FROM users WHERE id = ?"),
                                       {QLatin1String(SandboxLogin::kDemoId)}).toString();
    QHash<QString, QList<QVariantList>> couriersOf;
    for (const QVariantList &k : db.rows(QStringLiteral("SELECT wk_code, name, tel, br_code FROM order_couriers ORDER BY wk_code")))
        couriersOf[k.at(3).toString()].append(k);

    const bool large = db.size() == SandboxWorldSize::Large;
    // The large world: its first stores, busy enough that a month's search brings ~50,000 rows.
    const qsizetype storeCount = large ? qMin<qsizetype>(stores.size(), 160) : stores.size();
    const int days = kPastDemoDays;
    const QDate today = QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(9 * 3600)).date();
    QHash<QString, int> col;
    for (qsizetype i = 0; i < pastColumns().size(); ++i)
        col.insert(pastColumns().at(i), int(i));
    QList<QVariantList> values;
    qint64 number = 0;
    for (int d = days; d >= 1; --d) {
        const QDate day = today.addDays(-d);
        for (qsizetype si = 0; si < storeCount; ++si) {
            const QVariantList &s = stores.at(si);
            const bool demo = s.at(0).toString() == demoStore;
            const int perDay = large ? rng.between(8, 12) : (demo ? rng.between(10, 16) : rng.between(2, 5));
            for (int n = 0; n < perDay; ++n) {
                ++number;
                QStringList v;
                for (qsizetype i = 0; i < pastColumns().size(); ++i)
                    v.append(QString());
                auto set = [&](const char *name, const QString &value) {
                    v[col.value(QString::fromLatin1(name))] = value;
                };
                const QDateTime ordered(day, QTime(rng.between(10, 22), rng.between(0, 59), rng.between(0, 59)));
                const bool cancelled = rng.chance(0.06);
                const bool card = rng.chance(0.4);
                const bool takeout = rng.chance(0.05);
                const auto [lng, lat] = rng.near(s.at(5).toDouble(), s.at(6).toDouble(), 3000);
                const QString dong = s.at(9).toString();
                const QString lot = s.at(7).toString() + QLatin1Char(' ') + s.at(8).toString() + QLatin1Char(' ') + dong
                                    + QLatin1Char(' ') + QString::number(rng.between(1, 999)) + QLatin1Char('-')
                                    + QString::number(rng.between(1, 40));
                const int amount = rng.between(12, 60) * 1000;
                const int fee = takeout ? 0 : 3000 + rng.between(0, 4) * 500;
                set("ord_no", day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("9%1").arg(number, 7, 10, QLatin1Char('0')));
                set("ord_today_no", QString::number(n + 1));
                set("ord_today_add_no", QStringLiteral("0"));
                set("ord_today_all_no", QString::number(n + 1 + int(si) * 20));
                set("ord_type_cd", QStringLiteral("1001"));
                set("ord_status_cd", cancelled ? QStringLiteral("4002") : QStringLiteral("4001"));
                set("ord_date", pastTime(ordered));
                set("mod_date", pastTime(ordered.addSecs(1800)));
                set("ord_cu_tel", rng.mobile());
                set("ord_cu_end_cnt", QString::number(rng.between(0, 30)));
                set("ea_addr_4", lot);
                set("dvry_distance", QString::number(qRound(rng.real(0.3, 4.5) * 1000)));
                set("dvry_amt", QString::number(fee));
                set("ord_amt", QString::number(amount));
                set("discount_amt", QStringLiteral("0"));
                set("srv_amt", QStringLiteral("0"));
                set("charge_type", card ? QStringLiteral("2") : QStringLiteral("1"));
                set("pay_type_cd", card ? QStringLiteral("1002") : QStringLiteral("1001"));
                set("pay_amt", QString::number(amount + fee));
                set("pay_mileage", QStringLiteral("0"));
                set("ord_memo", rng.pick(kPastMemos));
                set("dvry_cnt", QStringLiteral("1"));
                set("ord_path_cd", rng.chance(0.5) ? QStringLiteral("1001") : QStringLiteral("1016"));
                set("ord_cu_name", rng.personName());
                set("takeout_yn", takeout ? QStringLiteral("Y") : QStringLiteral("N"));
                set("ord_st_code", s.at(0).toString());
                set("ord_st_name", s.at(3).toString());
                set("dvry_type_cd", QStringLiteral("D") + s.at(1).toString().right(4));
                set("xy_acc_type", rng.chance(0.05) ? QStringLiteral("3") : QStringLiteral("1"));
                set("ea_addr_5", QString::number(rng.between(101, 120)) + QStringLiteral("동 ")
                                     + QString::number(rng.between(101, 1504)) + QStringLiteral("호"));
                set("ready_time", QString::number(rng.between(1, 6) * 5));
                set("goods_names", rng.pick(kPastGoods));
                set("org_pay_type", card ? QStringLiteral("1002") : QStringLiteral("1001"));
                set("ord_br_code", s.at(1).toString());
                set("put_user_id", QStringLiteral("store") + s.at(0).toString().right(3));
                set("st_dvry_type_cd", QStringLiteral("D") + s.at(1).toString().right(4));
                set("ord_hd_code", s.at(2).toString());
                set("ea_addr_mod_cnt", QStringLiteral("0"));
                set("ea_lat_y", lat);
                set("ea_lng_x", lng);
                set("sa_lat_y", QString::number(s.at(6).toDouble(), 'f', 7));
                set("sa_lng_x", QString::number(s.at(5).toDouble(), 'f', 7));
                set("ord_data_yn", QStringLiteral("Y"));
                set("st_dvry_hd_code", s.at(2).toString());
                set("st_dvry_br_code", s.at(1).toString());
                set("ea_addr_str", lot);
                set("mod_date_stamp", ordered.addSecs(1800).toString(QStringLiteral("yyyyMMddhhmmss")));
                set("ord_st_tel", s.at(4).toString());
                set("sa_addr1", s.at(7).toString());
                set("sa_addr2", s.at(8).toString());
                set("sa_addr3", dong);
                set("ea_addr_1", s.at(7).toString());
                set("ea_addr_2", s.at(8).toString());
                set("ea_addr_3", dong);
                for (const char *z : {"dvry_ex_charge", "dvry_mng_fee", "cash_move_cnt", "cash_move_amt", "dvry_lock_time",
                                      "ord_cu_multi_end_cnt", "dvry_br_add_price", "dvry_st_add_price", "penalty_amt"})
                    set(z, QStringLiteral("0"));
                if (cancelled) {
                    set("cancel_date", pastTime(ordered.addSecs(rng.between(120, 900))));
                } else {
                    const QList<QVariantList> &ks = couriersOf.value(s.at(1).toString());
                    if (!ks.isEmpty() && !takeout) {
                        const QVariantList &k = rng.pick(ks);
                        set("cth_wk_code", k.at(0).toString());
                        set("cth_wk_name", k.at(1).toString());
                        set("cth_wk_tel", k.at(2).toString());
                        set("cth_br_code", k.at(3).toString());
                        set("cth_st_code", QStringLiteral("S") + k.at(3).toString().mid(1));
                        set("cth_dvry_type_cd", QStringLiteral("D") + k.at(3).toString().right(4));
                        set("cth_date", pastTime(ordered.addSecs(rng.between(60, 600))));
                        set("pickup_date", pastTime(ordered.addSecs(rng.between(900, 1500))));
                    }
                    set("end_date", pastTime(ordered.addSecs(rng.between(1600, 3600))));
                }
                QVariantList row;
                for (const QString &x : v)
                    row.append(x.isNull() ? QStringLiteral("") : x);
                values.append(row);
            }
        }
    }
    db.insertRows(QStringLiteral("past_orders"), pastColumns(), values);

    // In-shop and pick-up orders of the stores: a few a day, the demo store's among them.
    QList<QVariantList> shop;
    qint64 shopNo = 0;
    const qsizetype shopStores = qMin<qsizetype>(stores.size(), 12);
    for (int d = days; d >= 1; --d) {
        const QDate day = today.addDays(-d);
        for (qsizetype si = 0; si < stores.size(); ++si) {
            const QVariantList &s = stores.at(si);
            const bool demo = s.at(0).toString() == demoStore;
            if (!demo && si >= shopStores)
                continue;
            const int perDay = demo ? rng.between(3, 7) : rng.between(0, 3);
            for (int n = 0; n < perDay; ++n) {
                ++shopNo;
                const QDateTime ordered(day, QTime(rng.between(10, 21), rng.between(0, 59), rng.between(0, 59)));
                const bool card = rng.chance(0.5);
                const bool cancelled = rng.chance(0.05);
                const int amount = rng.between(8, 45) * 1000;
                QStringList f;
                for (int i = 0; i < 40; ++i)
                    f.append(QString());
                f[0] = day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("8%1").arg(shopNo, 7, 10, QLatin1Char('0'));
                f[1] = QString::number(n + 1);
                f[2] = rng.chance(0.6) ? QStringLiteral("Y") : QStringLiteral("N");
                f[3] = QStringLiteral("1");
                f[4] = pastTime(ordered.addSecs(1200));
                f[6] = QStringLiteral("store") + s.at(0).toString().right(3);
                f[7] = QString::number(n + 1);
                f[8] = QString::number(n + 1);
                f[9] = QStringLiteral("0");
                f[10] = cancelled ? QStringLiteral("4002") : QStringLiteral("4001");
                f[11] = QStringLiteral("1001");
                f[12] = s.at(0).toString();
                f[13] = s.at(3).toString();
                f[14] = s.at(0).toString();
                f[15] = rng.mobile();
                f[16] = QString::number(rng.between(0, 20));
                f[17] = QStringLiteral("0");
                f[18] = rng.personName();
                f[20] = QStringLiteral("0");
                f[21] = QStringLiteral("10");
                f[22] = pastTime(ordered);
                f[23] = QStringLiteral("2");
                f[24] = QString::number(rng.between(0, 12));
                f[25] = pastTime(ordered.addSecs(900));
                f[27] = rng.pick(kPastMemos);
                f[28] = cancelled ? QString() : pastTime(ordered.addSecs(1200));
                f[29] = QString::number(amount);
                f[30] = QStringLiteral("0");
                f[31] = QStringLiteral("1");
                f[33] = card ? QStringLiteral("1002") : QStringLiteral("1001");
                f[34] = QString::number(amount);
                f[35] = QStringLiteral("0");
                f[36] = rng.pick(kPastGoods);
                f[37] = QString();
                f[38] = s.at(1).toString();
                shop.append({s.at(0).toString(), pastTime(ordered), f.join(kRowSep)});
            }
        }
    }
    db.insertRows(QStringLiteral("past_store_orders"), {QStringLiteral("st_code"), QStringLiteral("ord_date"),
                                                        QStringLiteral("row_text")},
                  shop);
}

void addPastOrdersArea(SandboxDatabase &db)
{
    QStringList defs;
    for (const QString &c : pastColumns())
        defs.append(c + (c == QLatin1String("ord_no") ? QStringLiteral(" TEXT PRIMARY KEY")
                                                       : QStringLiteral(" TEXT NOT NULL DEFAULT ''")));
    db.addArea(kPastOrdersRank, QStringLiteral("past_orders"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS past_orders (") + defs.join(QStringLiteral(", ")) + QLatin1Char(')'),
                QStringLiteral("CREATE INDEX IF NOT EXISTS past_orders_by_date ON past_orders (ord_date)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS past_store_orders (st_code TEXT NOT NULL, ord_date TEXT NOT NULL,"
                               " row_text TEXT NOT NULL)")},
               seedPastOrders);
}

// "yyyyMMdd" -> "yyyy-MM-dd"; empty when it is not a date.
QString pastDashDate(const QString &ymd)
{
    const QDate d = QDate::fromString(ymd, QStringLiteral("yyyyMMdd"));
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

// Fields: ID, user class ("5" for a chosen branch), head office, branch, store, from, to,
// "1" by completion date / "0" by order date.
SandboxReply pastGeneralSearch(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString cls = FieldAt(f, 1).left(1);
    const QString from = pastDashDate(FieldAt(f, 5));
    const QString to = pastDashDate(FieldAt(f, 6));
    if (from.isEmpty() || to.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("조회 기간이 올바르지 않습니다."));
    const QString dateColumn = FieldAt(f, 7) == QLatin1String("1") ? QStringLiteral("end_date") : QStringLiteral("ord_date");
    QString where = QStringLiteral("substr(") + dateColumn + QStringLiteral(", 1, 10) BETWEEN ? AND ?");
    QVariantList binds{from, to};
    if (cls == QLatin1String("5")) {
        where += QStringLiteral(" AND (ord_br_code = ? OR cth_br_code = ?)");
        binds << FieldAt(f, 3) << FieldAt(f, 3);
    } else if (cls == QLatin1String("7")) {
        where += QStringLiteral(" AND ord_hd_code = ?");
        binds << FieldAt(f, 2);
    } else if (cls == QLatin1String("1") || cls == QLatin1String("3")) {
        where += QStringLiteral(" AND ord_st_code = ?");
        binds << FieldAt(f, 4);
    }
    const QList<QVariantList> rows = db.rows(QStringLiteral("SELECT ") + pastColumns().join(QStringLiteral(", "))
                                                 + QStringLiteral(" FROM past_orders WHERE ") + where
                                                 + QStringLiteral(" ORDER BY ord_date, ord_no"),
                                             binds);
    QStringList out;
    out.reserve(rows.size());
    for (const QVariantList &r : rows) {
        QStringList fields;
        fields.reserve(r.size());
        for (const QVariant &v : r)
            fields.append(v.toString());
        out.append(fields.join(kRowSep));
    }
    return SandboxReply::joinedRows(out);
}
// Fields: ID, user type, head office, branch, store, from, to. A store sees its own orders; the
// other logins those of the stores of their branch or head office.
SandboxReply pastStoreSearch(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString from = pastDashDate(FieldAt(f, 5));
    const QString to = pastDashDate(FieldAt(f, 6));
    if (from.isEmpty() || to.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("조회 기간이 올바르지 않습니다."));
    const SandboxWorld::OrgScope scope =
        SandboxWorld::OrgScope::of(FieldAt(f, 1), FieldAt(f, 2), FieldAt(f, 3), FieldAt(f, 4));
    QVariantList binds{from, to};
    binds.append(scope.binds);
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT p.row_text FROM past_store_orders p JOIN stores s ON s.st_code = p.st_code"
                       " WHERE substr(p.ord_date, 1, 10) BETWEEN ? AND ?")
            + (scope.where.isEmpty() ? QString() : QStringLiteral(" AND ") + scope.where)
            + QStringLiteral(" ORDER BY p.ord_date"),
        binds);
    QStringList out;
    for (const QVariantList &r : rows)
        out.append(r.at(0).toString());
    return SandboxReply::joinedRows(out);
}
} // namespace

SANDBOX_HANDLER_AREA(past_orders)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    addPastOrdersArea(*db);
    registry.add(QStringLiteral("CS01_50_V02"), [db](const SandboxRequest &request) { return pastGeneralSearch(*db, request); });
    registry.add(QStringLiteral("CS01_51_V01"), [db](const SandboxRequest &request) { return pastStoreSearch(*db, request); });
    // The demo world runs no same-day parcels before today: that history is empty.
    registry.add(QStringLiteral("CS01_49_V02"), [](const SandboxRequest &) { return SandboxReply::ok(); });
}
