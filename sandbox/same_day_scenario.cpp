#include "sandbox/same_day_scenario.h"
#include "sandbox/sandbox_request.h"

#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/scenario_clock.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QHash>

namespace
{
constexpr qint64 kSameDayStepMs = 20000;
const QString kCentreCode = QStringLiteral("LC0001");
const QString kCentreName = QStringLiteral("중부물류센터");

const QStringList kParcelGoods = {"서류봉투 1", "의류 박스 1", "화장품 세트 2", "전자부품 1", "도서 3권",
                            "건강식품 1", "신발 1켤레", "꽃다발 1"};

// The walk of an order through its legs; 4002 may interrupt it before the delivery starts.
const QStringList kFlow = {"1001", "6101", "6201", "6203", "6301", "7101", "7201", "7203", "7301",
                           "8101", "8201", "8203", "8301", "2001", "3001", "3003", "4001"};

qint64 sameDayMeta(const SandboxDatabase &db, const QString &key, qint64 def)
{
    return ScenarioMeta(db, QStringLiteral("same_day_meta")).get(key, def);
}

void setSameDayMeta(const SandboxDatabase &db, const QString &key, qint64 value)
{
    ScenarioMeta(db, QStringLiteral("same_day_meta")).set(key, value);
}

struct SameDayClock : ScenarioClock
{
    const SandboxDatabase &db;
    explicit SameDayClock(const SandboxDatabase &d) : ScenarioClock(d, QStringLiteral("same_day_meta")), db(d) {}
};

QString hubOf(const QString &brCode)
{
    return QStringLiteral("U") + brCode.mid(1);
}

void update(SameDayClock &clock, const QString &table, const QString &where, const QVariantList &keys,
            QHash<QString, QString> values)
{
    const qint64 seq = clock.tick();
    values.insert(QStringLiteral("mod_date"), clock.stamp());
    QStringList sets;
    QVariantList binds;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        sets.append(it.key() + QStringLiteral(" = ?"));
        binds.append(it.value().isNull() ? QStringLiteral("") : it.value());
    }
    binds.append(seq);
    binds.append(keys);
    clock.db.exec(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "))
                      + QStringLiteral(", chg_seq = ? WHERE ") + where,
                  binds);
}

void changeOrder(SameDayClock &clock, const QString &no, const QHash<QString, QString> &values)
{
    update(clock, QStringLiteral("same_day_orders"), QStringLiteral("ord_no = ?"), {no}, values);
}

void insert(const SandboxDatabase &db, const QString &table, const QStringList &names, const QStringList &v,
            qint64 seq)
{
    QVariantList values;
    for (const QString &x : v)
        values.append(x.isNull() ? QStringLiteral("") : x);
    values.append(seq);
    QStringList marks;
    for (qsizetype i = 0; i <= names.size(); ++i)
        marks.append(QStringLiteral("?"));
    db.exec(QStringLiteral("INSERT INTO ") + table + QLatin1Char('(') + names.join(QLatin1Char(','))
                + QStringLiteral(",chg_seq) VALUES (") + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
            values);
}

int colOf(const QStringList &names, const char *name)
{
    return int(names.indexOf(QString::fromLatin1(name)));
}

void newSameDayOrder(SameDayClock &clock, SandboxRandom &rng)
{
    const QList<QVariantList> stores = clock.db.rows(QStringLiteral(
        "SELECT s.st_code, s.br_code, s.hd_code, s.name, s.tel, s.lng_x, s.lat_y, s.sido, s.sigungu, s.dong,"
        " b.name FROM stores s JOIN branches b ON b.br_code = s.br_code WHERE s.state = '1' ORDER BY s.st_code"));
    const QList<QVariantList> branches = clock.db.rows(
        QStringLiteral("SELECT br_code, hd_code, name, lng_x, lat_y, sido, sigungu FROM branches ORDER BY br_code"));
    if (stores.isEmpty() || branches.isEmpty())
        return;
    const QVariantList &s = rng.pick(stores);
    const QVariantList &dest = rng.pick(branches);
    const qint64 number = sameDayMeta(clock.db, QStringLiteral("next_no"), 1);
    setSameDayMeta(clock.db, QStringLiteral("next_no"), number + 1);
    const qint64 seq = clock.tick();

    const QStringList &names = SandboxSameDay::rowColumns();
    QStringList v;
    for (int i = 0; i < names.size(); ++i)
        v.append(QString());
    auto set = [&](const char *name, const QString &value) { v[colOf(names, name)] = value; };
    const auto [lng, lat] = rng.near(dest.at(3).toDouble(), dest.at(4).toDouble(), 3000);
    const QString addr = dest.at(5).toString() + QLatin1Char(' ') + dest.at(6).toString() + QStringLiteral(" 중앙로 ")
                         + QString::number(rng.between(1, 300));
    const int fee = 6000 + rng.between(0, 8) * 500;
    const bool parcel = rng.chance(0.25);
    set("ord_no", QStringLiteral("S20261211%1").arg(number, 5, 10, QLatin1Char('0')));
    set("ord_today_no", QString::number(number));
    set("ord_today_add_no", QStringLiteral("0"));
    set("ord_today_all_no", QString::number(number));
    set("ord_type_cd", parcel ? QStringLiteral("1014") : rng.pick(QStringList{"1009", "1011", "1012"}));
    set("ord_status_cd", QStringLiteral("1001"));
    set("ord_date", clock.time());
    set("ord_cu_tel", rng.mobile());
    set("ord_cu_end_cnt", QString::number(rng.between(0, 12)));
    set("ea_addr_4", addr);
    set("ea_addr_6", addr);
    set("ea_addr_str", addr);
    set("ea_addr_5", QString::number(rng.between(101, 115)) + QStringLiteral("동 ")
                         + QString::number(rng.between(101, 1502)) + QStringLiteral("호"));
    set("dvry_distance", QString::number(rng.real(3.0, 40.0), 'f', 2));
    set("dvry_amt", QString::number(fee));
    set("ord_amt", QString::number(rng.between(1, 30) * 1000));
    set("pay_amt", QStringLiteral("0"));
    set("charge_type", QStringLiteral("2"));
    set("pay_type_cd", QStringLiteral("1002"));
    set("org_pay_type", QStringLiteral("1002"));
    set("goods_names", rng.pick(kParcelGoods));
    set("dvry_cnt", QStringLiteral("1"));
    set("ord_path_cd", QStringLiteral("1001"));
    set("ord_st_code", s.at(0).toString());
    set("ord_st_name", s.at(3).toString());
    set("ord_st_tel", s.at(4).toString());
    set("ord_br_code", s.at(1).toString());
    set("ord_br_name", s.at(10).toString());
    set("ord_hd_code", s.at(2).toString());
    set("dvry_type_cd", QStringLiteral("D") + s.at(1).toString().right(4));
    set("st_dvry_type_cd", QStringLiteral("D") + s.at(1).toString().right(4));
    set("dvry_grp_type", rng.chance(0.3) ? QStringLiteral("2") : QStringLiteral("1"));
    set("put_user_id", QStringLiteral("store") + s.at(0).toString().right(3));
    set("ea_lat_y", lat);
    set("ea_lng_x", lng);
    set("sa_lat_y", QString::number(s.at(6).toDouble(), 'f', 7));
    set("sa_lng_x", QString::number(s.at(5).toDouble(), 'f', 7));
    set("ord_cu_name", rng.personName());
    set("sol_hub_code", hubOf(s.at(1).toString()));
    set("sol_hub_name", s.at(10).toString() + QStringLiteral(" 허브"));
    set("loc_hd_code", dest.at(1).toString());
    set("loc_br_code", dest.at(0).toString());
    set("loc_br_name", dest.at(2).toString());
    set("ext_sub_code", QStringLiteral("6%1").arg(number, 9, 10, QLatin1Char('0')));
    if (parcel)
        set("ext_url", QStringLiteral("https://127.0.0.1/parcel?no=") + v[colOf(names, "ext_sub_code")]);
    set("mod_date", clock.stamp());
    for (const char *n : {"discount_amt", "srv_amt", "cash_move_cnt", "cash_move_amt", "dvry_lock_time",
                          "dvry_ex_charge", "dvry_mng_fee", "penalty_amt"})
        set(n, QStringLiteral("0"));
    insert(clock.db, QStringLiteral("same_day_orders"), names, v, seq);
}

struct Courier
{
    QString code, name, tel, branch;
};

Courier pickCourier(const SandboxDatabase &db, SandboxRandom &rng, const QString &branch)
{
    const QList<QVariantList> ks = db.rows(
        QStringLiteral("SELECT wk_code, name, tel, br_code FROM order_couriers WHERE br_code = ? ORDER BY wk_code"),
        {branch});
    if (ks.isEmpty())
        return {};
    const QVariantList &k = rng.pick(ks);
    return {k.at(0).toString(), k.at(1).toString(), k.at(2).toString(), k.at(3).toString()};
}

// The leg an order is on for a status: 1 collection, 2 trunk, 3 branch; 0 none.
int legOf(const QString &status)
{
    if (status.startsWith(QLatin1Char('6')))
        return 1;
    if (status.startsWith(QLatin1Char('7')))
        return 2;
    if (status.startsWith(QLatin1Char('8')))
        return 3;
    return 0;
}

// Writes the order's current leg (created when it starts) with the order's status.
void touchLeg(SameDayClock &clock, const QString &no, const QString &status, const Courier &courier)
{
    const int leg = legOf(status);
    if (leg == 0)
        return;
    const QList<QVariantList> o = clock.db.rows(
        QStringLiteral("SELECT ord_st_code, ord_st_name, sol_hub_code, sol_hub_name, loc_br_code, loc_br_name,"
                       " ord_br_code, ord_hd_code, dvry_type_cd, sa_lat_y, sa_lng_x, ea_lat_y, ea_lng_x, ord_memo,"
                       " dvry_distance, ord_type_cd FROM same_day_orders WHERE ord_no = ?"),
        {no});
    if (o.isEmpty())
        return;
    const QVariantList &r = o.first();
    const QString logiNo = QStringLiteral("L") + no.mid(1) + QString::number(leg);
    const bool exists = clock.db.value(QStringLiteral("SELECT COUNT(*) FROM logistics_legs WHERE ord_no = ? AND"
                                                      " logi_ord_no = ?"),
                                       {no, logiNo})
                            .toInt()
                        > 0;
    const QString destHub = hubOf(r.at(4).toString());
    if (!exists) {
        QString sa, saName, ea, eaName;
        if (leg == 1) {
            sa = r.at(0).toString(), saName = r.at(1).toString();
            ea = r.at(2).toString(), eaName = r.at(3).toString();
        } else if (leg == 2) {
            sa = r.at(2).toString(), saName = r.at(3).toString();
            ea = destHub, eaName = r.at(5).toString() + QStringLiteral(" 허브");
        } else {
            sa = destHub, saName = r.at(5).toString() + QStringLiteral(" 허브");
            ea = QStringLiteral("C") + no.mid(1), eaName = QStringLiteral("고객 배송지");
        }
        const QStringList &names = SandboxSameDay::legColumns();
        QStringList v;
        for (int i = 0; i < names.size(); ++i)
            v.append(QString());
        auto set = [&](const char *name, const QString &value) { v[colOf(names, name)] = value; };
        set("ord_no", no);
        set("logi_ord_no", logiNo);
        set("ord_status_cd", status);
        set("dvry_distance", r.at(14).toString());
        set("ord_br_code", r.at(6).toString());
        set("ord_hd_code", r.at(7).toString());
        set("dvry_type_cd", r.at(8).toString());
        set("sa_lat_y", r.at(9).toString());
        set("sa_lng_x", r.at(10).toString());
        set("ea_lat_y", r.at(11).toString());
        set("ea_lng_x", r.at(12).toString());
        set("ord_memo", r.at(13).toString());
        set("sa_code", sa);
        set("sa_name", saName);
        set("ea_code", ea);
        set("ea_name", eaName);
        set("ord_type_cd", r.at(15).toString());
        set("mod_date", clock.stamp());
        insert(clock.db, QStringLiteral("logistics_legs"), names, v, clock.tick());
        return;
    }
    QHash<QString, QString> values{{"ord_status_cd", status}};
    if (!courier.code.isEmpty()) {
        values.insert(QStringLiteral("cth_wk_code"), courier.code);
        values.insert(QStringLiteral("cth_wk_name"), courier.name);
        values.insert(QStringLiteral("cth_wk_tel"), courier.tel);
        values.insert(QStringLiteral("cth_date"), clock.time());
    }
    if (status.endsWith(QLatin1String("203")))
        values.insert(QStringLiteral("pickup_date"), clock.time());
    if (status.endsWith(QLatin1String("301")))
        values.insert(QStringLiteral("end_date"), clock.time());
    update(clock, QStringLiteral("logistics_legs"), QStringLiteral("ord_no = ? AND logi_ord_no = ?"), {no, logiNo},
           values);
}

// Moves one order to `next`, with the courier of the leg where one is assigned.
void moveOrder(SameDayClock &clock, SandboxRandom *rng, const QString &no, const QString &next)
{
    const QList<QVariantList> o = clock.db.rows(
        QStringLiteral("SELECT ord_br_code, loc_br_code FROM same_day_orders WHERE ord_no = ?"), {no});
    if (o.isEmpty())
        return;
    QHash<QString, QString> values{{"ord_status_cd", next}};
    Courier k;
    auto assign = [&](const QString &branch, const char *code, const char *name, const char *tel) {
        if (!rng)
            return;
        k = pickCourier(clock.db, *rng, branch);
        if (k.code.isEmpty())
            return;
        values.insert(QString::fromLatin1(code), k.code);
        values.insert(QString::fromLatin1(name), k.name);
        values.insert(QString::fromLatin1(tel), k.tel);
    };
    const QString ordBr = o.first().at(0).toString();
    const QString locBr = o.first().at(1).toString();
    if (next == QLatin1String("6201")) {
        assign(ordBr, "cth_sol_wk_code", "cth_sol_wk_name", "cth_sol_wk_tel");
    } else if (next == QLatin1String("7101")) {
        values.insert(QStringLiteral("logi_center_code"), kCentreCode);
        values.insert(QStringLiteral("logi_center_name"), kCentreName);
    } else if (next == QLatin1String("7201")) {
        assign(ordBr, "cth_logi_wk_code", "cth_logi_wk_name", "cth_logi_wk_tel");
    } else if (next == QLatin1String("8101")) {
        values.insert(QStringLiteral("loc_hub_code"), hubOf(locBr));
        values.insert(QStringLiteral("loc_hub_name"), QStringLiteral("지선 ") + hubOf(locBr));
    } else if (next == QLatin1String("8201")) {
        assign(locBr, "cth_loc_wk_code", "cth_loc_wk_name", "cth_loc_wk_tel");
    } else if (next == QLatin1String("2001")) {
        values.insert(QStringLiteral("ready_change_date"), clock.time());
        values.insert(QStringLiteral("cth_wk_code"), QString());
        values.insert(QStringLiteral("cth_wk_name"), QString());
        values.insert(QStringLiteral("cth_wk_tel"), QString());
    } else if (next == QLatin1String("3001")) {
        assign(locBr, "cth_wk_code", "cth_wk_name", "cth_wk_tel");
        if (k.code.isEmpty() && rng)
            return;
        values.insert(QStringLiteral("cth_br_code"), locBr);
        values.insert(QStringLiteral("cth_date"), clock.time());
    } else if (next == QLatin1String("3003")) {
        values.insert(QStringLiteral("pickup_date"), clock.time());
    } else if (next == QLatin1String("4001") || next == QLatin1String("4002")) {
        values.insert(QStringLiteral("end_date"), clock.time());
    }
    changeOrder(clock, no, values);
    touchLeg(clock, no, next, k);
}

void seedSameDay(SandboxDatabase &db, SandboxRandom &rng)
{
    for (int i = 0; i < 10; ++i)
        SandboxSameDay::step(db, rng);
}
} // namespace

namespace SandboxSameDay
{
const QStringList &rowColumns()
{
    static const QStringList columns = {
        "ord_no", "ord_today_no", "ord_today_add_no", "ord_today_all_no", "ord_type_cd", "ord_status_cd",
        "ord_date", "pickup_date", "end_date", "ord_cu_tel", "ord_cu_end_cnt", "ea_addr_4", "dvry_distance",
        "dvry_amt", "ord_amt", "discount_amt", "srv_amt", "charge_type", "pay_type_cd", "pay_amt", "cth_wk_name",
        "cth_wk_tel", "ord_memo", "cth_st_name", "dvry_cnt", "ord_path_cd", "cth_st_tel", "ord_st_code",
        "ord_st_name", "dvry_type_cd", "xy_acc_type", "ea_addr_5", "goods_names", "org_pay_type", "cash_move_cnt",
        "cash_move_amt", "ord_br_code", "ea_addr_6", "ea_addr_7", "put_user_id", "cth_br_code", "cth_st_code",
        "cth_date", "ready_change_date", "cth_dvry_type_cd", "dvry_lock_time", "st_dvry_type_cd", "dvry_ex_charge",
        "dvry_mng_type", "dvry_mng_fee", "mod_user_id", "ord_master_st_code", "cth_mng_br_code", "cth_mng_hd_code",
        "ord_hd_code", "ea_addr_10", "cth_wk_code", "ea_lat_y", "ea_lng_x", "ord_br_name", "sa_lat_y", "sa_lng_x",
        "cu_050_num", "dvry_tax_yn", "dvry_nlt_type", "charge_history", "ea_addr_str", "dvry_grp_type", "mod_date",
        "ord_st_tel", "cth_wk_goods_pay_type", "sol_hub_code", "sol_hub_name", "cth_sol_wk_code",
        "cth_sol_wk_name", "cth_sol_wk_tel", "logi_center_code", "logi_center_name", "cth_logi_wk_code",
        "cth_logi_wk_name", "cth_logi_wk_tel", "loc_hd_code", "loc_hd_name", "loc_br_code", "loc_br_name",
        "ord_cu_name", "loc_hub_code", "loc_hub_name", "cth_loc_wk_code", "cth_loc_wk_name", "cth_loc_wk_tel",
        "penalty_amt", "ext_url", "ord_grp_no", "ord_grp_add_no", "ord_grp_name", "ord_grp_area", "ext_sub_code",
    };
    return columns;
}

const QStringList &legColumns()
{
    static const QStringList columns = {
        "ord_no",   "logi_ord_no", "ord_status_cd", "dvry_distance",    "end_date",    "cancel_date", "ord_br_code",
        "cth_wk_name", "dvry_type_cd", "cth_date",  "mod_date",         "cth_dvry_type_cd", "pickup_date", "sa_lat_y",
        "sa_lng_x", "cth_wk_code", "ea_lat_y",      "ea_lng_x",         "cth_wk_tel",  "ord_memo",    "ord_hd_code",
        "sa_code",  "ea_code",     "sa_name",       "ea_name",          "ord_type_cd",
    };
    return columns;
}

void addArea(SandboxDatabase &db)
{
    auto table = [](const QString &name, const QStringList &cols, const QString &key) {
        QStringList defs;
        for (const QString &c : cols)
            defs.append(c + QStringLiteral(" TEXT NOT NULL DEFAULT ''"));
        return QStringLiteral("CREATE TABLE IF NOT EXISTS ") + name + QStringLiteral(" (") + defs.join(QStringLiteral(", "))
               + QStringLiteral(", chg_seq INTEGER NOT NULL, PRIMARY KEY (") + key + QStringLiteral("))");
    };
    // Seeded after today's orders: the couriers are theirs.
    db.addArea(SandboxWorld::kOrdersRank + 5, QStringLiteral("same_day"),
               {table(QStringLiteral("same_day_orders"), rowColumns(), QStringLiteral("ord_no")),
                table(QStringLiteral("logistics_legs"), legColumns(), QStringLiteral("ord_no, logi_ord_no")),
                QStringLiteral("CREATE INDEX IF NOT EXISTS same_day_by_change ON same_day_orders (chg_seq)"),
                QStringLiteral("CREATE INDEX IF NOT EXISTS legs_by_change ON logistics_legs (chg_seq)"),
                QStringLiteral("CREATE TABLE IF NOT EXISTS same_day_meta (key TEXT PRIMARY KEY, value INTEGER)")},
               seedSameDay);
}

void step(SandboxDatabase &db, SandboxRandom &rng)
{
    db.transaction([&] {
        SameDayClock clock(db);
        clock.advance(kSameDayStepMs);
        const QList<QVariantList> open = db.rows(QStringLiteral(
            "SELECT ord_no, ord_status_cd FROM same_day_orders WHERE ord_status_cd NOT IN ('4001', '4002')"
            " ORDER BY ord_no"));
        for (const QVariantList &o : open) {
            const QString no = o.at(0).toString();
            const QString status = o.at(1).toString();
            if ((status == QLatin1String("1001") || status == QLatin1String("6101")) && rng.chance(0.02)) {
                moveOrder(clock, &rng, no, QStringLiteral("4002"));
                continue;
            }
            if (!rng.chance(0.35))
                continue;
            const qsizetype at = kFlow.indexOf(status);
            // A status a desk set outside the walk goes back to the delivery request.
            const QString next = at < 0 ? QStringLiteral("2001") : kFlow.value(at + 1);
            if (!next.isEmpty())
                moveOrder(clock, &rng, no, next);
        }
        for (int i = rng.between(0, 2); i > 0; --i)
            newSameDayOrder(clock, rng);
        clock.save();
    });
}

namespace
{
// The orders a login sees: a distributor those it orders, delivers or receives at its hub; a
// partner head office those of its head office; every other class all.
QString scopeWhere(const Scope &scope, QVariantList &binds)
{
    if (scope.userClass == QLatin1String("5")) {
        binds << scope.br << scope.br << scope.br;
        return QStringLiteral(" AND (ord_br_code = ? OR loc_br_code = ? OR cth_br_code = ?)");
    }
    if (scope.userClass == QLatin1String("7")) {
        binds << scope.hd << scope.hd;
        return QStringLiteral(" AND (ord_hd_code = ? OR loc_hd_code = ?)");
    }
    return QString();
}

QStringList joinedRows(const QList<QVariantList> &rows)
{
    QStringList out;
    out.reserve(rows.size());
    for (const QVariantList &r : rows) {
        QStringList fields;
        fields.reserve(r.size());
        for (const QVariant &v : r)
            fields.append(v.toString());
        out.append(fields.join(kRowSep));
    }
    return out;
}
} // namespace

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
        bool ok = false;
        const qint64 since = mark.toLongLong(&ok);
        where = QStringLiteral("chg_seq > ?");
        binds.append(ok ? since : 0);
    }
    where += scopeWhere(scope, binds);
    const QList<QVariantList> rows = db.rows(QStringLiteral("SELECT ") + rowColumns().join(QStringLiteral(", "))
                                                 + QStringLiteral(" FROM same_day_orders WHERE ") + where
                                                 + QStringLiteral(" ORDER BY chg_seq"),
                                             binds);
    if (nextMark)
        *nextMark = QString::number(sameDayMeta(db, QStringLiteral("seq"), 0));
    return joinedRows(rows);
}

QStringList loadLegs(const SandboxDatabase &db, const Scope &scope, const QString &mark, QString *nextMark,
                     bool *full)
{
    QString where = QStringLiteral("1 = 1");
    QVariantList binds;
    bool ok = false;
    const qint64 since = mark.toLongLong(&ok);
    if (!mark.isEmpty() && ok) {
        where = QStringLiteral("l.chg_seq > ?");
        binds.append(since);
    }
    if (full)
        *full = mark.isEmpty() || !ok;
    if (scope.userClass == QLatin1String("5")) {
        where += QStringLiteral(" AND (l.sa_code = ? OR l.ea_code = ? OR o.ord_br_code = ? OR o.loc_br_code = ?)");
        binds << scope.brSt << scope.brSt << scope.br << scope.br;
    } else if (scope.userClass == QLatin1String("7")) {
        where += QStringLiteral(" AND (o.ord_hd_code = ? OR o.loc_hd_code = ?)");
        binds << scope.hd << scope.hd;
    }
    QStringList cols;
    for (const QString &c : legColumns())
        cols.append(QStringLiteral("l.") + c);
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT ") + cols.join(QStringLiteral(", "))
            + QStringLiteral(" FROM logistics_legs l JOIN same_day_orders o ON o.ord_no = l.ord_no WHERE ") + where
            + QStringLiteral(" ORDER BY l.chg_seq"),
        binds);
    if (nextMark)
        *nextMark = QString::number(sameDayMeta(db, QStringLiteral("seq"), 0));
    return joinedRows(rows);
}

Outcome changeStatus(const SandboxDatabase &db, const QString &ordNo, const QString &current,
                     const QString &next, const QString &reason)
{
    static const QHash<QString, QString> kTargets = {
        {"1001", "1001"}, {"1003", "1001"}, {"2001", "2001"}, {"3002", "2001"}, {"3003", "3003"},
        {"3004", "2001"}, {"4001", "4001"}, {"4002", "4002"}, {"6101", "6101"}, {"6301", "6301"},
        {"7301", "7301"}, {"8301", "8301"},
    };
    if (!kTargets.contains(next))
        return {false, QStringLiteral("변경할 수 없는 상태입니다.")};
    Outcome out;
    db.transaction([&] {
        const QVariant stored =
            db.value(QStringLiteral("SELECT ord_status_cd FROM same_day_orders WHERE ord_no = ?"), {ordNo});
        if (!stored.isValid()) {
            out = {false, QStringLiteral("주문을 찾을 수 없습니다.")};
            return;
        }
        if (stored.toString() != current) {
            out = {false, QStringLiteral("이미 다른 상태로 변경된 주문입니다.")};
            return;
        }
        if (stored.toString() == QLatin1String("4001") || stored.toString() == QLatin1String("4002")) {
            out = {false, QStringLiteral("완료되거나 취소된 주문입니다.")};
            return;
        }
        SameDayClock clock(db);
        const QString target = kTargets.value(next);
        moveOrder(clock, nullptr, ordNo, target);
        if (target == QLatin1String("4002") && !reason.isEmpty())
            changeOrder(clock, ordNo, {{"charge_history", QStringLiteral("취소사유 ") + reason}});
        clock.save();
        out = {true, QStringLiteral("[") + ordNo + QStringLiteral("] ") + target};
    });
    return out;
}

Outcome arrive(const SandboxDatabase &db, const QString &ordNo)
{
    const QVariant stored =
        db.value(QStringLiteral("SELECT ord_status_cd FROM same_day_orders WHERE ord_no = ?"), {ordNo});
    if (!stored.isValid())
        return {false, QStringLiteral("주문을 찾을 수 없습니다.")};
    const int leg = legOf(stored.toString());
    if (leg == 0 || stored.toString().endsWith(QLatin1String("301")))
        return {false, QStringLiteral("하차할 수 없는 상태입니다.")};
    const QString target = QString::number(5 + leg) + QStringLiteral("301");
    Outcome out;
    db.transaction([&] {
        SameDayClock clock(db);
        moveOrder(clock, nullptr, ordNo, target);
        clock.save();
        out = {true, QStringLiteral("[") + ordNo + QStringLiteral("] ") + target};
    });
    return out;
}
} // namespace SandboxSameDay
