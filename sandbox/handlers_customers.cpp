// Customers of the demo stores: who they are, the addresses they had orders delivered to and what
// they ordered, answered to the reception window's customer lookup ("CS01_03_V02") and stored back
// by its customer save ("CS01_04_V01"); and the delivery fee of a reception ("CS01_09_V04"),
// computed from the distance between the store and the customer and the delivery group's rules.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace
{
constexpr int kCustomersRank = SandboxWorld::kAddressRank + 5;  // after the stores and the address world
constexpr int kCustomersPerStore = 6;
constexpr int kBaseFee = 3000;
constexpr int kFeeStepMetres = 500;
constexpr int kFeePerStep = 500;
constexpr int kFreeMetres = 1500;

double customerDistanceMetres(double lng1, double lat1, double lng2, double lat2)
{
    constexpr double kRad = 3.14159265358979323846 / 180.0;
    const double dLat = (lat2 - lat1) * kRad;
    const double dLng = (lng2 - lng1) * kRad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
                     + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLng / 2) * std::sin(dLng / 2);
    return 6371000.0 * 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

// Every store's first customer has the same number, easy to type in the demo.
QString customerTel(int storeIdx, int i)
{
    if (i == 0)
        return QStringLiteral("01012345678");
    return QStringLiteral("010%1%2").arg(2000 + storeIdx * 10 + i, 4, 10, QLatin1Char('0')).arg(1000 + i * 7 + storeIdx, 4, 10, QLatin1Char('0'));
}

void seedCustomers(SandboxDatabase &db, SandboxRandom &rng)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral("SELECT st_code, lng_x, lat_y FROM stores ORDER BY st_code"));
    const QList<QVariantList> places = db.rows(QStringLiteral(
        "SELECT jibun_addr, road_addr, building_name, lng_x, lat_y, dong FROM address_points"
        " WHERE sch_type = 'address' OR building_name <> '' ORDER BY rowid"));
    const QList<QVariantList> couriers = db.rows(QStringLiteral("SELECT name, tel FROM couriers ORDER BY wk_code LIMIT 20"));
    const QDateTime base = QDateTime::currentDateTime();
    QList<QVariantList> customers, orders;
    int ordNo = 1;
    for (int s = 0; s < stores.size(); ++s) {
        const QString st = stores.at(s).at(0).toString();
        const double sLng = stores.at(s).at(1).toDouble(), sLat = stores.at(s).at(2).toDouble();
        // The places within 3 km of the store are where its customers live.
        QList<const QVariantList *> near;
        for (const QVariantList &p : places)
            if (customerDistanceMetres(sLng, sLat, p.at(3).toDouble(), p.at(4).toDouble()) < 3000)
                near << &p;
        if (near.isEmpty())
            continue;
        for (int i = 0; i < kCustomersPerStore; ++i) {
            const QString tel = customerTel(s, i);
            const QString cuNo = QStringLiteral("C%1%2").arg(st).arg(i, 2, 10, QLatin1Char('0'));
            const bool member = rng.chance(0.5);
            const QDateTime first = base.addDays(-rng.between(30, 400));
            customers.append({st, tel, cuNo, rng.pick(QStringList{"0", "M", "F"}), QString::number(rng.between(0, 8)),
                              rng.personName(), member ? "Y" : "N",
                              member ? first.addDays(3).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString(),
                              QString::number(member ? rng.between(0, 30) * 1000 : 0), rng.chance(0.7) ? "1" : "2",
                              rng.chance(0.3) ? QStringLiteral("문 앞에 두고 벨 눌러주세요") : QString(),
                              QString::number(member ? rng.between(1, 20) : 0), rng.chance(0.6) ? "Y" : "N",
                              first.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))});
            const QVariantList &home = *rng.pick(near);
            const int past = rng.between(1, 4);
            for (int k = 0; k < past; ++k) {
                const QDateTime at = base.addDays(-(k * 9 + rng.between(1, 8))).addSecs(-rng.between(0, 36000));
                const QVariantList &c = couriers.isEmpty() ? QVariantList{QString(), QString()} : rng.pick(couriers);
                orders.append({st, tel, at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), "4001",
                               home.at(0), QString::number(rng.between(12, 60) * 1000), c.at(0), c.at(1),
                               home.at(2).toString().isEmpty() ? home.at(5) : home.at(2),
                               rng.chance(0.5) ? QStringLiteral("%1층").arg(rng.between(1, 15)) : QString(),
                               home.at(4), home.at(3), rng.pick(QStringList{"1", "2", "3"}), home.at(1),
                               QStringLiteral("P%1").arg(ordNo++, 8, 10, QLatin1Char('0'))});
            }
        }
    }
    db.insertRows(QStringLiteral("customers"),
                  {"st_code", "tel", "cu_no", "gender", "age", "name", "member_yn", "auth_dt", "money", "own_yn", "memo",
                   "app_cnt", "app_send_yn", "first_dt"},
                  customers);
    db.insertRows(QStringLiteral("customer_orders"),
                  {"st_code", "tel", "ord_dt", "st_cd", "jibun_addr", "amount", "wk_name", "wk_tel", "short_addr",
                   "detail", "lat_y", "lng_x", "path_cd", "road_addr", "ord_no"},
                  orders);
}

SandboxReply customerLookup(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QString st = FieldAt(f, 0), tel = FieldAt(f, 1);
    const QList<QVariantList> cu = db.rows(
        QStringLiteral("SELECT cu_no, gender, age, name, member_yn, auth_dt, money, own_yn, memo, app_cnt,"
                       " (SELECT COUNT(*) FROM customer_orders o WHERE o.st_code = c.st_code AND o.tel = c.tel),"
                       " tel, st_code, app_send_yn, first_dt FROM customers c WHERE st_code = ? AND tel = ?"),
        {st, tel});
    QJsonArray row1, row2;
    // A number never seen before is a new customer: an empty row, so the window keeps what it has.
    if (cu.isEmpty()) {
        row1.append(QJsonObject{});
    } else {
        QJsonObject o;
        for (int c = 0; c < 15; ++c)
            o.insert(QStringLiteral("C_%1").arg(c), cu.first().at(c).toString());
        row1.append(o);
    }
    const QList<QVariantList> past = db.rows(
        QStringLiteral("SELECT ord_dt, st_cd, '', jibun_addr, amount, wk_name, wk_tel, short_addr, detail, lat_y, lng_x,"
                       " path_cd, road_addr, ord_no, '1' FROM customer_orders WHERE st_code = ? AND tel = ?"
                       " ORDER BY ord_dt DESC"),
        {st, tel});
    for (const QVariantList &p : past) {
        QJsonObject o;
        for (int c = 0; c < 15; ++c)
            o.insert(QStringLiteral("C_%1").arg(c), p.at(c).toString());
        row2.append(o);
    }
    SandboxReply reply;
    reply.rows = row1;
    reply.extra.insert(QStringLiteral("OUT_ROW2"), row2);
    reply.extra.insert(QStringLiteral("OUT_ROW3"), QJsonArray{});
    reply.rowsPerPage = 3000;
    return reply;
}

SandboxReply customerSave(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    const QString st = FieldAt(f, 0), tel = FieldAt(f, 1), name = FieldAt(f, 3), memo = FieldAt(f, 4);
    if (st.isEmpty() || tel.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("가맹점과 전화번호가 필요합니다."));
    if (db.value(QStringLiteral("SELECT COUNT(*) FROM customers WHERE st_code = ? AND tel = ?"), {st, tel}).toInt() > 0) {
        db.exec(QStringLiteral("UPDATE customers SET name = ?, memo = ? WHERE st_code = ? AND tel = ?"), {name, memo, st, tel});
    } else {
        const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        db.exec(QStringLiteral("INSERT INTO customers (st_code, tel, cu_no, gender, age, name, member_yn, auth_dt, money,"
                               " own_yn, memo, app_cnt, app_send_yn, first_dt) VALUES (?, ?, ?, '0', '0', ?, 'N', '', '0',"
                               " '1', ?, '0', 'Y', ?)"),
                {st, tel, QStringLiteral("N") + tel, name, memo, now});
    }
    return SandboxReply::ok();
}

// The fee: the base fee for the first 1.5 km, then a step per started 500 m; the group's
// extra charge is the surcharge while its extra-charge flag is on.
SandboxReply deliveryFee(SandboxDatabase &db, const SandboxRequest &r)
{
    const QStringList f = r.fields();
    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false;
    const double sLat = FieldAt(f, 2).toDouble(&ok1), sLng = FieldAt(f, 3).toDouble(&ok2);
    const double cLat = FieldAt(f, 4).toDouble(&ok3), cLng = FieldAt(f, 5).toDouble(&ok4);
    if (!(ok1 && ok2 && ok3 && ok4) || cLat == 0 || cLng == 0)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("좌표가 없습니다."));
    const double metres = customerDistanceMetres(sLng, sLat, cLng, cLat);
    int fee = kBaseFee;
    if (metres > kFreeMetres)
        fee += int(std::ceil((metres - kFreeMetres) / kFeeStepMetres)) * kFeePerStep;
    const QList<QVariantList> grp = db.rows(
        QStringLiteral("SELECT mng_1_fee, ex_yn, ex_charge FROM delivery_groups WHERE dvry_type_cd = ?"), {FieldAt(f, 1)});
    QString mngFee = QStringLiteral("0");
    int surcharge = 0;
    if (!grp.isEmpty()) {
        mngFee = grp.first().at(0).toString();
        if (grp.first().at(1).toString() == QLatin1String("Y"))
            surcharge = grp.first().at(2).toString().toInt();
    }
    // Three or more bundled deliveries at once cost a little less each.
    if (FieldAt(f, 6) == QLatin1String("3"))
        fee -= 500;
    const int total = fee + surcharge;
    SandboxReply reply;
    reply.outVal = QStringLiteral("거리 %1m\r기본 %2원\r할증 %3원\r합계 %4원")
                       .arg(qint64(metres)).arg(fee).arg(surcharge).arg(total);
    reply.rows.append(QJsonObject{{"C_0", QString::number(total)}, {"C_1", mngFee}, {"C_2", QString::number(surcharge)},
                                  {"C_3", QString::number(metres, 'f', 1)}});
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(customers)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(kCustomersRank, QStringLiteral("customers"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS customers (st_code TEXT NOT NULL, tel TEXT NOT NULL,"
                                " cu_no TEXT, gender TEXT, age TEXT, name TEXT, member_yn TEXT, auth_dt TEXT, money TEXT,"
                                " own_yn TEXT, memo TEXT, app_cnt TEXT, app_send_yn TEXT, first_dt TEXT,"
                                " PRIMARY KEY (st_code, tel))"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS customer_orders (st_code TEXT NOT NULL, tel TEXT NOT NULL,"
                                " ord_dt TEXT, st_cd TEXT, jibun_addr TEXT, amount TEXT, wk_name TEXT, wk_tel TEXT,"
                                " short_addr TEXT, detail TEXT, lat_y TEXT, lng_x TEXT, path_cd TEXT, road_addr TEXT,"
                                " ord_no TEXT)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS customer_orders_by_tel ON customer_orders (st_code, tel)")},
                seedCustomers);
    registry.add(QStringLiteral("CS01_03_V02"), [db](const SandboxRequest &r) { return customerLookup(*db, r); });
    registry.add(QStringLiteral("CS01_04_V01"), [db](const SandboxRequest &r) { return customerSave(*db, r); });
    registry.add(QStringLiteral("CS01_09_V04"), [db](const SandboxRequest &r) { return deliveryFee(*db, r); });
}
