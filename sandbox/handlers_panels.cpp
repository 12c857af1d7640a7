// What moves on the main window's side panels in the demo world: couriers clocking in, resting,
// going home and coming back, and stores' own programs connecting and dropping off. The store
// connection flags are answered by the store-state request with a change mark, so a poll asks only
// for what changed since its last mark.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/world.h"

#include <QJsonObject>

namespace
{
constexpr int kPanelsRank = 25;  // after the couriers (reference) and the stores (organisation)

void seedStoreStates(SandboxDatabase &db, SandboxRandom &rng)
{
    const auto stores = db.rows(QStringLiteral("SELECT st_code FROM stores ORDER BY st_code"));
    QList<QVariantList> rows;
    rows.reserve(stores.size());
    for (const QVariantList &s : stores)
        rows.append({s.at(0), rng.chance(0.7) ? QStringLiteral("Y") : QStringLiteral("N"), 1});
    db.insertRows(QStringLiteral("store_states"), {"st_code", "conn_yn", "change_seq"}, rows);
}

// Store-state load: payload "3", head office, branch, empty, change mark. Rows {C_0 store code,
// C_1 flag} of the stores in scope changed after the mark; OUT_VAL is the next mark.
SandboxReply storeStates(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString hd = FieldAt(f, 1).trimmed();
    const QString br = FieldAt(f, 2).trimmed();
    bool ok = false;
    qint64 mark = FieldAt(f, 4).trimmed().toLongLong(&ok);
    if (!ok || mark < 0)
        mark = 0;
    QString where = QStringLiteral("t.change_seq > ?");
    QVariantList binds{mark};
    if (!br.isEmpty()) {
        where += QStringLiteral(" AND s.br_code = ?");
        binds.append(br);
    } else if (!hd.isEmpty()) {
        where += QStringLiteral(" AND s.hd_code = ?");
        binds.append(hd);
    }
    const auto rows = db.rows(QStringLiteral("SELECT t.st_code, t.conn_yn FROM store_states t JOIN stores s"
                                             " ON s.st_code = t.st_code WHERE ")
                                  + where + QStringLiteral(" ORDER BY t.st_code"),
                              binds);
    SandboxReply reply;
    const qint64 next = db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM store_states")).toLongLong();
    reply.outVal = QString::number(std::max(next, mark));
    for (const QVariantList &r : rows)
        reply.rows.append(QJsonObject{{QStringLiteral("C_0"), r.at(0).toString()}, {QStringLiteral("C_1"), r.at(1).toString()}});
    return reply;
}

// One move: a few couriers change their attendance, a store or two connect or drop off.
void panelsStep(SandboxDatabase &db, SandboxRandom &rng)
{
    const int couriers = db.value(QStringLiteral("SELECT COUNT(*) FROM couriers")).toInt();
    for (int i = 0; couriers > 0 && i < 3; ++i) {
        const int at = rng.between(0, couriers - 1);
        const auto row = db.rows(QStringLiteral("SELECT wk_code, attend_cd FROM couriers ORDER BY wk_code LIMIT 1 OFFSET ?"), {at});
        if (row.isEmpty())
            continue;
        const QString now = row.first().at(1).toString();
        // At work most of the time: resting and leaving come back to work.
        QString next = QStringLiteral("0001");
        if (now == QLatin1String("0001"))
            next = rng.chance(0.7) ? QStringLiteral("0003") : QStringLiteral("0002");
        db.exec(QStringLiteral("UPDATE couriers SET attend_cd = ? WHERE wk_code = ?"), {next, row.first().at(0)});
    }
    const int stores = db.value(QStringLiteral("SELECT COUNT(*) FROM store_states")).toInt();
    if (stores == 0)
        return;
    const qint64 seq = db.value(QStringLiteral("SELECT COALESCE(MAX(change_seq), 0) FROM store_states")).toLongLong() + 1;
    for (int i = 0; i < 2; ++i) {
        const int at = rng.between(0, stores - 1);
        db.exec(QStringLiteral("UPDATE store_states SET conn_yn = CASE conn_yn WHEN 'Y' THEN 'N' ELSE 'Y' END,"
                               " change_seq = ? WHERE st_code = (SELECT st_code FROM store_states ORDER BY st_code"
                               " LIMIT 1 OFFSET ?)"),
                {seq, at});
    }
}
} // namespace

SANDBOX_HANDLER_AREA(panels)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    db->addArea(kPanelsRank, QStringLiteral("panels"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS store_states (st_code TEXT PRIMARY KEY, conn_yn TEXT NOT NULL,"
                                " change_seq INTEGER NOT NULL)")},
                seedStoreStates);
    registry.add(QStringLiteral("1"), [db](const SandboxRequest &r) {
        if (r.callType != QLatin1String("SOK1"))
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("unknown call type ") + r.callType);
        return storeStates(*db, r);
    });
    registry.addScenarioStep(QStringLiteral("panels"), [](SandboxDatabase &d, SandboxRandom &rng) { panelsStep(d, rng); });
}
