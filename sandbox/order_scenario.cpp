#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_request.h"

#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/scenario_clock.h"
#include "sandbox/handlers_login.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QHash>

namespace
{
// Each step moves the clock on by 20 seconds.
constexpr qint64 kOrderStepMs = 20000;

const QStringList kOrderGoods = {"후라이드치킨 1", "양념치킨 1, 콜라 1.25L 1", "순대국밥 2", "족발 대 1",
                            "닭가슴살 샐러드 2", "떡볶이 1, 순대 1", "모둠회 중 1", "짜장면 2, 탕수육 1",
                            "아메리카노 3", "마르게리타 피자 1", "제육정식 2", "곱창모둠 1"};
const QStringList kOrderMemos = {"", "", "문 앞에 놓아 주세요", "벨 누르지 마세요", "수저 빼 주세요",
                            "도착 전 전화 주세요"};

qint64 orderMeta(const SandboxDatabase &db, const QString &key, qint64 def)
{
    return ScenarioMeta(db, QStringLiteral("order_meta")).get(key, def);
}

void setOrderMeta(const SandboxDatabase &db, const QString &key, qint64 value)
{
    ScenarioMeta(db, QStringLiteral("order_meta")).set(key, value);
}

struct OrderClock : ScenarioClock
{
    const SandboxDatabase &db;
    explicit OrderClock(const SandboxDatabase &d) : ScenarioClock(d, QStringLiteral("order_meta")), db(d) {}
};

int col(const QString &name)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const QStringList &c = SandboxOrders::rowColumns();
        for (int i = 0; i < c.size(); ++i)
            h.insert(c.at(i), i);
        return h;
    }();
    return index.value(name, -1);
}

// Writes changed columns of one order with the next change number and stamp.
void change(OrderClock &clock, const QString &ordNo, QHash<QString, QString> values)
{
    const qint64 seq = clock.tick();
    values.insert(QStringLiteral("mod_date"), clock.time());
    values.insert(QStringLiteral("mod_date_stamp"), clock.stamp());
    QStringList sets;
    QVariantList binds;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (col(it.key()) < 0)
            continue;
        sets.append(it.key() + QStringLiteral(" = ?"));
        binds.append(it.value().isNull() ? QStringLiteral("") : it.value());
    }
    binds.append(seq);
    binds.append(ordNo);
    clock.db.exec(QStringLiteral("UPDATE orders SET ") + sets.join(QStringLiteral(", "))
                      + QStringLiteral(", chg_seq = ? WHERE ord_no = ?"),
                  binds);
}

void newLiveOrder(OrderClock &clock, SandboxRandom &rng)
{
    const QList<QVariantList> stores = clock.db.rows(QStringLiteral(
        "SELECT st_code, br_code, hd_code, name, tel, lng_x, lat_y, sido, sigungu, dong FROM stores"
        " WHERE state = '1' ORDER BY st_code"));
    if (stores.isEmpty())
        return;
    const qint64 number = orderMeta(clock.db, QStringLiteral("next_no"), 1);
    // Every third order goes to the demo login's store, so the README's first account sees a
    // steady flow through every status; the draw is made either way, so the rest of the world
    // stays as it was.
    const QVariantList *picked = &rng.pick(stores);
    const bool haveUsers =
        clock.db.value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'users'")).toInt() > 0;
    if (number % 3 == 0 && haveUsers) {
        const QString demoStore = clock.db.value(QStringLiteral("SELECT st FROM users WHERE id = ?"),
                                                 {QLatin1String(SandboxLogin::kDemoId)}).toString();
        for (const QVariantList &row : stores) {
            if (row.at(0).toString() == demoStore)
                picked = &row;
        }
    }
    const QVariantList &s = *picked;
    setOrderMeta(clock.db, QStringLiteral("next_no"), number + 1);
    const qint64 seq = clock.tick();
    const QString ordNo = QStringLiteral("20261211%1").arg(number, 6, 10, QLatin1Char('0'));
    const auto [lng, lat] = rng.near(s.at(5).toDouble(), s.at(6).toDouble(), 2000);
    const QString dong = s.at(9).toString();
    const QString lot = s.at(7).toString() + QLatin1Char(' ') + s.at(8).toString() + QLatin1Char(' ') + dong
                        + QLatin1Char(' ') + QString::number(rng.between(1, 999)) + QLatin1Char('-')
                        + QString::number(rng.between(1, 40));
    const int amount = rng.between(12, 60) * 1000;
    const int fee = 3000 + rng.between(0, 4) * 500;
    const bool card = rng.chance(0.4);

    QStringList v;
    for (int i = 0; i < SandboxOrders::rowColumns().size(); ++i)
        v.append(QString());
    auto set = [&](const char *name, const QString &value) { v[col(QString::fromLatin1(name))] = value; };
    const QString storeNo = QString::number(clock.db.value(
        QStringLiteral("SELECT COUNT(*) FROM orders WHERE ord_st_code = ?"), {s.at(0)}).toInt() + 1);
    set("ord_no", ordNo);
    set("ord_today_no", storeNo);
    set("ord_today_add_no", QStringLiteral("0"));
    set("ord_today_all_no", QString::number(number));
    set("ord_type_cd", QStringLiteral("1001"));
    set("ord_status_cd", QStringLiteral("1001"));
    set("ord_date", clock.time());
    set("mod_date", clock.time());
    set("ord_cu_tel", rng.mobile());
    set("ord_cu_end_cnt", QString::number(rng.between(0, 30)));
    set("ea_addr_4", lot);
    // Metres, as the server sends them.
    set("dvry_distance", QString::number(qRound(rng.real(0.3, 4.5) * 1000)));
    set("dvry_amt", QString::number(fee));
    set("ord_amt", QString::number(amount));
    set("discount_amt", QStringLiteral("0"));
    set("srv_amt", QStringLiteral("0"));
    set("charge_type", card ? QStringLiteral("2") : QStringLiteral("1"));
    set("pay_type_cd", card ? QStringLiteral("1002") : QStringLiteral("1001"));
    set("pay_amt", QString::number(card ? 0 : amount + fee));
    set("pay_mileage", QStringLiteral("0"));
    set("ord_memo", rng.pick(kOrderMemos));
    set("dvry_cnt", QStringLiteral("1"));
    set("ord_path_cd", rng.chance(0.5) ? QStringLiteral("1001") : QStringLiteral("1016"));
    set("ord_cu_name", rng.personName());
    set("takeout_yn", QStringLiteral("N"));
    set("ord_st_code", s.at(0).toString());
    set("ord_st_name", s.at(3).toString());
    set("dvry_type_cd", QStringLiteral("D") + s.at(1).toString().right(4));
    set("xy_acc_type", QStringLiteral("1"));
    set("ea_addr_5", QString::number(rng.between(101, 120)) + QStringLiteral("동 ")
                         + QString::number(rng.between(101, 1504)) + QStringLiteral("호"));
    set("ready_time", QString::number(rng.between(1, 6) * 5));
    set("goods_names", rng.pick(kOrderGoods));
    set("org_pay_type", card ? QStringLiteral("1002") : QStringLiteral("1001"));
    set("ord_br_code", s.at(1).toString());
    set("put_user_id", QStringLiteral("store") + s.at(0).toString().right(3));
    set("dvry_lock_time", QStringLiteral("0"));
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
    set("mod_date_stamp", clock.stamp());
    set("ord_st_tel", s.at(4).toString());
    set("sa_addr1", s.at(7).toString());
    set("sa_addr2", s.at(8).toString());
    set("sa_addr3", dong);
    set("ea_addr_1", s.at(7).toString());
    set("ea_addr_2", s.at(8).toString());
    set("ea_addr_3", dong);
    set("pos_type_cd", QStringLiteral("P01"));
    for (const char *n : {"dvry_ex_charge", "dvry_mng_fee", "cash_move_cnt", "cash_move_amt",
                          "ord_cu_multi_end_cnt", "dvry_br_add_price", "dvry_st_add_price", "penalty_amt"})
        set(n, QStringLiteral("0"));

    QStringList names = SandboxOrders::rowColumns();
    names.append(QStringLiteral("chg_seq"));
    QVariantList values;
    for (const QString &x : v)
        values.append(x.isNull() ? QStringLiteral("") : x);  // a null text would bind as NULL
    values.append(seq);
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks.append(QStringLiteral("?"));
    // A plain statement: the step already runs in a transaction of its own.
    clock.db.exec(QStringLiteral("INSERT INTO orders (") + names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (")
                      + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
                  values);
}

// The next status of an open order, or empty to leave it this step.
QString nextStatus(const QString &status, SandboxRandom &rng)
{
    if ((status == QLatin1String("1001") || status == QLatin1String("1002") || status == QLatin1String("2001"))
        && rng.chance(0.02))
        return QStringLiteral("4002");
    if (!rng.chance(0.35))
        return QString();
    if (status == QLatin1String("1001"))
        return rng.chance(0.2) ? QStringLiteral("1002") : QStringLiteral("2001");
    if (status == QLatin1String("1002"))
        return QStringLiteral("2001");
    if (status == QLatin1String("2001"))
        return QStringLiteral("3001");
    if (status == QLatin1String("3001"))
        return QStringLiteral("3003");
    if (status == QLatin1String("3003"))
        return QStringLiteral("4001");
    return QString();
}

void seedCouriers(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> branches = db.rows(QStringLiteral("SELECT br_code FROM branches ORDER BY br_code"));
    QList<QVariantList> rows;
    int n = 1;
    for (const QVariantList &b : branches) {
        // The orders go to couriers of the branch's own list, so the courier list and the orders
        // tell the same story; a branch without them gets couriers of its own.
        const QList<QVariantList> own = db.rows(QStringLiteral("SELECT wk_code, name, tel FROM couriers"
                                                               " WHERE br_code = ? AND data_status = '1'"
                                                               " ORDER BY wk_code LIMIT 6"),
                                                {b.at(0)});
        for (int i = 0; i < 6; ++i) {
            // Drawn either way, so the rest of the morning stays the same.
            const QString name = rng.personName();
            const QString tel = rng.mobile();
            if (i < own.size())
                rows.append({own.at(i).at(0).toString(), own.at(i).at(1).toString(),
                             own.at(i).at(2).toString().remove(QLatin1Char('-')), b.at(0).toString()});
            else
                rows.append({QStringLiteral("K%1").arg(n, 5, 10, QLatin1Char('0')), name, tel, b.at(0).toString()});
            ++n;
        }
    }
    db.insertRows(QStringLiteral("order_couriers"), {"wk_code", "name", "tel", "br_code"}, rows);
}

void seedOrders(SandboxDatabase &db, SandboxRandom &rng)
{
    seedCouriers(db, rng);
    // The early morning: a few orders already on their way.
    for (int i = 0; i < 12; ++i)
        SandboxOrders::step(db, rng);
}
} // namespace

namespace SandboxOrders
{
const QStringList &rowColumns()
{
    static const QStringList columns = {
        "ord_no", "ord_today_no", "ord_today_add_no", "ord_today_all_no", "ord_type_cd",
        "ord_status_cd", "ord_date", "mod_date", "pickup_date", "takeout_date", "end_date",
        "ord_cu_tel", "ord_cu_end_cnt", "ea_addr_4", "dvry_distance", "dvry_amt", "ord_amt",
        "discount_amt", "srv_amt", "charge_type", "pay_type_cd", "pay_amt", "pay_mileage",
        "tran_type", "cth_wk_name", "cth_wk_tel", "ord_memo", "cth_st_name", "dvry_cnt",
        "ord_path_cd", "cth_st_tel", "ord_cu_name", "takeout_yn", "ord_st_code", "ord_st_name",
        "dvry_type_cd", "xy_acc_type", "ea_addr_5", "ready_time", "goods_names", "org_pay_type",
        "cash_move_cnt", "cash_move_amt", "ord_br_code", "ea_addr_6", "ea_addr_7", "put_user_id",
        "cth_br_code", "cth_st_code", "cth_wk_arr_time", "cth_date", "ready_change_date",
        "cth_dvry_type_cd", "dvry_lock_time", "st_dvry_type_cd", "ord_cu_multi_end_cnt",
        "dvry_ex_charge", "dvry_mng_type", "dvry_mng_fee", "van_type_cd", "card_appr_num",
        "mod_user_id", "ord_master_st_code", "cth_mng_br_code", "cth_mng_hd_code", "ord_hd_code",
        "ea_addr_mod_cnt", "cth_wk_arr_date", "ready_cth_yn", "pos_ord_code", "ea_addr_10",
        "cth_wk_code", "acquirer_name", "ea_lat_y", "ea_lng_x", "br_name", "sa_lat_y", "sa_lng_x",
        "cu_050_num", "ord_data_yn", "dvry_tax_yn", "dvry_nlt_type", "st_dvry_hd_code",
        "st_dvry_br_code", "charge_history", "ea_addr_str", "dvry_grp_type", "mod_date_stamp",
        "ord_st_tel", "arr_time", "cth_wk_goods_pay_type", "sa_addr1", "sa_addr2", "sa_addr3",
        "sa_addr8", "sa_addr9", "sa_addr10", "sa_addr11", "sa_addr12", "sa_addr5", "cancel_aj_yn",
        "dvry_br_add_price", "dvry_st_add_price", "org_ord_no", "penalty_amt", "cancel_date",
        "ord_cu_tel_2", "dvry_resv_date", "pickup_ready_type", "dvry_service_type", "ea_addr_1",
        "ea_addr_2", "ea_addr_3", "ea_addr_8", "ord_grp_no", "ord_grp_cnt", "pre_cth_yn",
        "btob_dvry_type_cd", "auto_grp_yn", "ext_ord_no", "manual_grp_yn", "cu_st_code",
        "pos_type_cd",
    };
    return columns;
}

void addArea(SandboxDatabase &db)
{
    QStringList columnDefs;
    for (const QString &c : rowColumns())
        columnDefs.append(c + (c == QLatin1String("ord_no") ? QStringLiteral(" TEXT PRIMARY KEY")
                                                             : QStringLiteral(" TEXT NOT NULL DEFAULT ''")));
    db.addArea(SandboxWorld::kOrdersRank, QStringLiteral("orders"),
               {QStringLiteral("CREATE TABLE IF NOT EXISTS orders (") + columnDefs.join(QStringLiteral(", "))
                    + QStringLiteral(", chg_seq INTEGER NOT NULL)"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS orders_by_change ON orders (chg_seq)"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS orders_by_branch ON orders (ord_br_code, ord_status_cd)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS order_meta (key TEXT PRIMARY KEY, value INTEGER)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS order_couriers (wk_code TEXT PRIMARY KEY, name TEXT,"
                               " tel TEXT, br_code TEXT)")},
               seedOrders);
}

void step(SandboxDatabase &db, SandboxRandom &rng)
{
    db.transaction([&] {
        OrderClock clock(db);
        clock.advance(kOrderStepMs);
        const QList<QVariantList> open = db.rows(QStringLiteral(
            "SELECT ord_no, ord_status_cd, ord_br_code, cth_wk_code FROM orders"
            " WHERE ord_status_cd NOT IN ('4001', '4002') ORDER BY ord_no"));
        for (const QVariantList &o : open) {
            const QString no = o.at(0).toString();
            const QString status = o.at(1).toString();
            const QString next = nextStatus(status, rng);
            if (next.isEmpty()) {
                // Now and then a courier hands an order over to a colleague.
                if (status == QLatin1String("3001") && rng.chance(0.03)) {
                    const QList<QVariantList> ks = db.rows(
                        QStringLiteral("SELECT wk_code, name, tel FROM order_couriers WHERE br_code = ? AND wk_code <> ?"
                                       " ORDER BY wk_code"),
                        {o.at(2), o.at(3)});
                    if (!ks.isEmpty()) {
                        const QVariantList &k = rng.pick(ks);
                        change(clock, no, {{"cth_wk_code", k.at(0).toString()}, {"cth_wk_name", k.at(1).toString()},
                                           {"cth_wk_tel", k.at(2).toString()}, {"cth_date", clock.time()}});
                    }
                }
                continue;
            }
            QHash<QString, QString> values{{"ord_status_cd", next}};
            if (next == QLatin1String("2001")) {
                values.insert(QStringLiteral("ready_change_date"), clock.time());
            } else if (next == QLatin1String("3001")) {
                const QList<QVariantList> ks = db.rows(
                    QStringLiteral("SELECT wk_code, name, tel, br_code FROM order_couriers WHERE br_code = ?"
                                   " ORDER BY wk_code"),
                    {o.at(2)});
                if (ks.isEmpty())
                    continue;
                const QVariantList &k = rng.pick(ks);
                values.insert(QStringLiteral("cth_wk_code"), k.at(0).toString());
                values.insert(QStringLiteral("cth_wk_name"), k.at(1).toString());
                values.insert(QStringLiteral("cth_wk_tel"), k.at(2).toString());
                values.insert(QStringLiteral("cth_br_code"), k.at(3).toString());
                values.insert(QStringLiteral("cth_st_code"), QStringLiteral("S") + k.at(3).toString().mid(1));
                values.insert(QStringLiteral("cth_dvry_type_cd"), QStringLiteral("D") + k.at(3).toString().right(4));
                values.insert(QStringLiteral("cth_date"), clock.time());
            } else if (next == QLatin1String("3003")) {
                values.insert(QStringLiteral("pickup_date"), clock.time());
            } else if (next == QLatin1String("4001")) {
                values.insert(QStringLiteral("end_date"), clock.time());
            } else if (next == QLatin1String("4002")) {
                values.insert(QStringLiteral("cancel_date"), clock.time());
            }
            change(clock, no, values);
        }
        const int fresh = rng.between(0, 3);
        for (int i = 0; i < fresh; ++i)
            newLiveOrder(clock, rng);
        clock.save();
    });
}

QStringList loadRows(const SandboxDatabase &db, const Scope &scope, bool completed, const QString &mark,
                     QString *nextMark)
{
    QString where;
    QVariantList binds;
    if (completed) {
        where = QStringLiteral("ord_status_cd IN ('4001', '4002')");
    } else if (mark.isEmpty()) {
        where = QStringLiteral("ord_status_cd NOT IN ('4001', '4002')");
    } else {
        // A mark that is not a change number asks for everything that ever changed.
        bool ok = false;
        const qint64 since = mark.toLongLong(&ok);
        where = QStringLiteral("chg_seq > ?");
        binds.append(ok ? since : 0);
    }
    if (scope.userClass == QLatin1String("5")) {
        where += QStringLiteral(" AND ord_br_code = ?");
        binds.append(scope.br);
    } else if (scope.userClass == QLatin1String("7")) {
        where += QStringLiteral(" AND ord_hd_code = ?");
        binds.append(scope.hd);
    } else if (scope.userClass == QLatin1String("1")) {
        where += QStringLiteral(" AND ord_st_code = ?");
        binds.append(scope.st);
    }
    const QList<QVariantList> rows = db.rows(QStringLiteral("SELECT ") + rowColumns().join(QStringLiteral(", "))
                                                 + QStringLiteral(" FROM orders WHERE ") + where
                                                 + QStringLiteral(" ORDER BY chg_seq"),
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
    if (nextMark)
        *nextMark = QString::number(orderMeta(db, QStringLiteral("seq"), 0));
    return out;
}

QList<Courier> couriers(const SandboxDatabase &db)
{
    QList<Courier> out;
    for (const QVariantList &r : db.rows(QStringLiteral("SELECT wk_code, name, tel, br_code FROM order_couriers ORDER BY wk_code")))
        out.append({r.at(0).toString(), r.at(1).toString(), r.at(2).toString(), r.at(3).toString()});
    return out;
}

QString now(const SandboxDatabase &db)
{
    return OrderClock(db).time();
}

QHash<QString, QString> order(const SandboxDatabase &db, const QString &ordNo)
{
    QHash<QString, QString> out;
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT ") + rowColumns().join(QStringLiteral(", ")) + QStringLiteral(" FROM orders WHERE ord_no = ?"),
        {ordNo});
    if (rows.isEmpty())
        return out;
    for (int i = 0; i < rowColumns().size(); ++i)
        out.insert(rowColumns().at(i), rows.first().value(i).toString());
    return out;
}

QStringList bundleMembers(const SandboxDatabase &db, const QString &groupNo)
{
    QStringList out;
    if (groupNo.isEmpty())
        return out;
    for (const QVariantList &r :
         db.rows(QStringLiteral("SELECT ord_no FROM orders WHERE ord_grp_no = ? ORDER BY ord_no"), {groupNo}))
        out.append(r.value(0).toString());
    return out;
}

void updateOrder(const SandboxDatabase &db, const QString &ordNo, const QHash<QString, QString> &values)
{
    db.transaction([&] {
        OrderClock clock(db);
        change(clock, ordNo, values);
        clock.save();
    });
}

QString copyOrder(const SandboxDatabase &db, const QString &ordNo, const QString &status)
{
    QHash<QString, QString> v = order(db, ordNo);
    if (v.isEmpty())
        return QString();
    QString copy;
    db.transaction([&] {
        OrderClock clock(db);
        const qint64 number = orderMeta(db, QStringLiteral("next_no"), 1);
        setOrderMeta(db, QStringLiteral("next_no"), number + 1);
        const qint64 seq = clock.tick();
        copy = QStringLiteral("20261211%1").arg(number, 6, 10, QLatin1Char('0'));
        const QString time = clock.time();
        v.insert(QStringLiteral("ord_no"), copy);
        v.insert(QStringLiteral("ord_today_all_no"), QString::number(number));
        v.insert(QStringLiteral("ord_status_cd"), status);
        v.insert(QStringLiteral("ord_date"), time);
        v.insert(QStringLiteral("mod_date"), time);
        v.insert(QStringLiteral("mod_date_stamp"), clock.stamp());
        v.insert(QStringLiteral("ready_change_date"), status == QLatin1String("2001") ? time : QString());
        v.insert(QStringLiteral("org_ord_no"), ordNo);
        for (const char *n : {"pickup_date", "takeout_date", "end_date", "cancel_date", "cth_wk_code", "cth_wk_name",
                              "cth_wk_tel", "cth_br_code", "cth_st_code", "cth_st_name", "cth_st_tel",
                              "cth_dvry_type_cd", "cth_date", "cth_wk_arr_time", "cth_wk_arr_date", "arr_time",
                              "ord_grp_no", "ord_grp_cnt", "cancel_aj_yn"})
            v.insert(QString::fromLatin1(n), QString());
        QStringList names = rowColumns();
        QVariantList values;
        for (const QString &c : names) {
            const QString x = v.value(c);
            values.append(x.isNull() ? QStringLiteral("") : x);  // a null text would bind as NULL
        }
        names.append(QStringLiteral("chg_seq"));
        values.append(seq);
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i)
            marks.append(QStringLiteral("?"));
        db.exec(QStringLiteral("INSERT INTO orders (") + names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (")
                    + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
                values);
        clock.save();
    });
    return copy;
}

QString nextGroupNo(const SandboxDatabase &db)
{
    qint64 number = 0;
    db.transaction([&] {
        number = orderMeta(db, QStringLiteral("next_grp"), 5001);
        setOrderMeta(db, QStringLiteral("next_grp"), number + 1);
    });
    return QString::number(number);
}
} // namespace SandboxOrders
