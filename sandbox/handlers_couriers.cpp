// The couriers as the order screens follow them: where each one is, whether at work, resting or
// gone home, the money and the orders each one carries now. The courier refresh asks with a change
// mark; every answer first compares each courier's row with the row last handed out and gives the
// changed ones the next change number, so a mark answers exactly the couriers that changed since,
// whatever moved them (this area's step, the side panels' attendance step, the orders).
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"


namespace
{
constexpr int kCouriersRank = 55;  // after the orders, whose couriers it counts
constexpr int kRowFields = 30;

const QString kAtWork = QStringLiteral("0001");
const QString kOffWork = QStringLiteral("0002");
const QString kResting = QStringLiteral("0003");

// Positions, money and the phone's state of every courier, with the row last handed out and its
// change number.
const QStringList kCourierSchema = {
    QStringLiteral("CREATE TABLE IF NOT EXISTS courier_live (wk_code TEXT PRIMARY KEY, lat_y TEXT NOT NULL DEFAULT '',"
                   " lng_x TEXT NOT NULL DEFAULT '', cash TEXT NOT NULL DEFAULT '0',"
                   " cash_ostd TEXT NOT NULL DEFAULT '0', gps_use_yn TEXT NOT NULL DEFAULT 'Y',"
                   " gps_accuracy TEXT NOT NULL DEFAULT '', connect_yn TEXT NOT NULL DEFAULT 'N',"
                   " row_text TEXT NOT NULL DEFAULT '', change_seq INTEGER NOT NULL DEFAULT 0)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS courier_live_by_change ON courier_live (change_seq)"),
};

void seedLive(SandboxDatabase &db, SandboxRandom &rng)
{
    const auto couriers = db.rows(QStringLiteral("SELECT w.wk_code, w.attend_cd, b.lng_x, b.lat_y FROM couriers w"
                                                 " LEFT JOIN branches b ON b.br_code = w.br_code ORDER BY w.wk_code"));
    QList<QVariantList> rows;
    rows.reserve(couriers.size());
    for (const QVariantList &c : couriers) {
        const auto [lng, lat] = rng.near(c.at(2).toDouble(), c.at(3).toDouble(), 3000);
        const bool gps = !rng.chance(0.07);  // a few phones give no position
        const bool atWork = c.at(1).toString() == kAtWork;
        rows.append({c.at(0), lat, lng, QString::number(rng.between(0, 120) * 1000),
                     rng.chance(0.2) ? QString::number(rng.between(1, 20) * 1000) : QStringLiteral("0"),
                     gps ? QStringLiteral("Y") : QStringLiteral("N"), QString::number(rng.between(5, 60)),
                     (atWork || rng.chance(0.2)) ? QStringLiteral("Y") : QStringLiteral("N")});
    }
    db.insertRows(QStringLiteral("courier_live"),
                  {"wk_code", "lat_y", "lng_x", "cash", "cash_ostd", "gps_use_yn", "gps_accuracy", "connect_yn"}, rows);
}

// Couriers that joined after the seed (or a database seeded before this area existed) start at
// their branch.
void ensureLive(const SandboxDatabase &db)
{
    db.exec(QStringLiteral("INSERT OR IGNORE INTO courier_live (wk_code, lat_y, lng_x)"
                           " SELECT w.wk_code, COALESCE(b.lat_y, ''), COALESCE(b.lng_x, '') FROM couriers w"
                           " LEFT JOIN branches b ON b.br_code = w.br_code"));
}

// The couriers a login sees: a distributor its branch's, a head office all of its own, the system
// every one; a store none.
QString scopeOf(const QStringList &f, QVariantList &binds)
{
    const QString cls = FieldAt(f, 1).left(1);
    if (cls == QLatin1String("1") || cls == QLatin1String("3"))
        return QStringLiteral("0 = 1");
    if (cls == QLatin1String("5")) {
        binds.append(FieldAt(f, 3));
        return QStringLiteral("w.br_code = ?");
    }
    if (cls == QLatin1String("7")) {
        binds.append(FieldAt(f, 2));
        return QStringLiteral("w.hd_code = ?");
    }
    return QStringLiteral("1 = 1");
}

// Request fields: ID, user class, HD, BR, ST, "Y", change mark. OUT_ROW1: one courier per row
// (code, head office, branch, store, attendance, status, money, -, -, latitude, longitude, name,
// business number, -, phone, - x7, outstanding money, GPS accuracy, GPS on, assigned, departed and
// completed orders, connected, car number); OUT_VAL the newest change number.
SandboxReply courierList(SandboxDatabase &db, const SandboxRequest &req)
{
    if (req.callType != QLatin1String("SWK2"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("unknown call type ") + req.callType);
    const QStringList f = req.fields();
    QVariantList binds;
    const QString scope = scopeOf(f, binds);
    bool markOk = false;
    const qint64 mark = FieldAt(f, 6).trimmed().toLongLong(&markOk);
    const bool everything = !markOk || mark < 0;

    QList<QStringList> out;
    qint64 newest = 0;
    db.transaction([&] {
        ensureLive(db);
        newest = db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM courier_live")).toLongLong();
        const auto rows = db.rows(
            QStringLiteral("SELECT w.wk_code, w.hd_code, w.br_code, w.attend_cd, w.data_status, l.cash, l.lat_y,"
                           " l.lng_x, w.name, w.tel, l.cash_ostd, l.gps_accuracy, l.gps_use_yn,"
                           " COALESCE(o.assigned, 0), COALESCE(o.departed, 0), COALESCE(o.completed, 0),"
                           " l.connect_yn, w.car_number, l.row_text, l.change_seq"
                           " FROM couriers w JOIN courier_live l ON l.wk_code = w.wk_code"
                           " LEFT JOIN (SELECT cth_wk_code AS wk, SUM(ord_status_cd = '3001') AS assigned,"
                           " SUM(ord_status_cd = '3003') AS departed, SUM(ord_status_cd = '4001') AS completed"
                           " FROM orders WHERE cth_wk_code <> '' GROUP BY cth_wk_code) o ON o.wk = w.wk_code"
                           " WHERE ")
                + scope + QStringLiteral(" ORDER BY w.wk_code"),
            binds);
        for (const QVariantList &r : rows) {
            QStringList row(kRowFields);
            const bool gps = r.at(12).toString() == QLatin1String("Y");
            row[0] = r.at(0).toString();
            row[1] = r.at(1).toString();
            row[2] = r.at(2).toString();
            row[4] = r.at(3).toString();
            row[5] = r.at(4).toString();
            row[6] = r.at(5).toString();
            row[9] = gps ? r.at(6).toString() : QStringLiteral("0");
            row[10] = gps ? r.at(7).toString() : QStringLiteral("0");
            row[11] = r.at(8).toString();
            row[14] = r.at(9).toString().remove(QLatin1Char('-'));
            row[22] = r.at(10).toString();
            row[23] = r.at(11).toString();
            row[24] = r.at(12).toString();
            row[25] = QString::number(r.at(13).toLongLong());
            row[26] = QString::number(r.at(14).toLongLong());
            row[27] = QString::number(r.at(15).toLongLong());
            row[28] = r.at(16).toString();
            row[29] = r.at(17).toString();
            const QString text = row.join(QChar(0x2502));
            qint64 seq = r.at(19).toLongLong();
            if (text != r.at(18).toString()) {
                seq = ++newest;
                db.exec(QStringLiteral("UPDATE courier_live SET row_text = ?, change_seq = ? WHERE wk_code = ?"),
                        {text, seq, row[0]});
            }
            if (everything || seq > mark)
                out.append(row);
        }
    });
    return SandboxReply::rowsOf(out, QString::number(newest));
}

// One move: couriers at work ride on a little, one courier's attendance changes (to a rest, home,
// back to work), now and then a courier's money changes.
void couriersStep(SandboxDatabase &db, SandboxRandom &rng)
{
    db.transaction([&] {
        ensureLive(db);
        const auto riding = db.rows(QStringLiteral("SELECT l.wk_code, l.lng_x, l.lat_y FROM couriers w JOIN courier_live l"
                                                   " ON l.wk_code = w.wk_code WHERE w.attend_cd = '0001'"
                                                   " AND w.data_status = '1' ORDER BY l.wk_code"));
        for (const QVariantList &c : riding) {
            const double lng = c.at(1).toDouble();
            const double lat = c.at(2).toDouble();
            if (lng == 0.0 || lat == 0.0 || !rng.chance(0.5))
                continue;
            const auto [nlng, nlat] = rng.near(lng, lat, 250);
            db.exec(QStringLiteral("UPDATE courier_live SET lng_x = ?, lat_y = ? WHERE wk_code = ?"), {nlng, nlat, c.at(0)});
        }
        const auto all = db.rows(QStringLiteral("SELECT wk_code, attend_cd FROM couriers WHERE data_status = '1'"
                                                " ORDER BY wk_code"));
        if (!all.isEmpty()) {
            const QVariantList &c = rng.pick(all);
            const QString now = c.at(1).toString();
            QString next = kAtWork;
            if (now == kAtWork)
                next = rng.chance(0.6) ? kResting : kOffWork;
            db.exec(QStringLiteral("UPDATE couriers SET attend_cd = ? WHERE wk_code = ?"), {next, c.at(0)});
            db.exec(QStringLiteral("UPDATE courier_live SET connect_yn = ? WHERE wk_code = ?"),
                    {next == kOffWork ? QStringLiteral("N") : QStringLiteral("Y"), c.at(0)});
            if (rng.chance(0.3)) {
                const QVariantList &p = rng.pick(all);
                db.exec(QStringLiteral("UPDATE courier_live SET cash = ? WHERE wk_code = ?"),
                        {QString::number(rng.between(0, 120) * 1000), p.at(0)});
            }
        }
    });
}
} // namespace

SANDBOX_HANDLER_AREA(couriers)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    db->addArea(kCouriersRank, QStringLiteral("couriers"), kCourierSchema, seedLive);
    registry.add(QStringLiteral("CSDVRY"), [db](const SandboxRequest &r) { return courierList(*db, r); });
    registry.addScenarioStep(QStringLiteral("couriers"), [](SandboxDatabase &d, SandboxRandom &rng) { couriersStep(d, rng); });
}
