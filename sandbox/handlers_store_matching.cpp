// Delivery-app store matching: a store's name in a delivery app gets the app's store number, and
// can be renamed later.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/world.h"

namespace
{
constexpr int kStoreMatchingRank = SandboxWorld::kOrgRank + 3;  // after the stores

SandboxReply storeMatching(SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString action = f.value(1);
    const QString number = f.value(2).trimmed().left(5);
    const QString stCode = f.value(3).trimmed().left(20);
    const QString app = f.value(4);
    const QString name = f.value(5).trimmed().left(100);
    if ((app != QLatin1String("1") && app != QLatin1String("2") && app != QLatin1String("3")) || name.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("매칭 정보가 올바르지 않습니다."));
    if (db.value(QStringLiteral("SELECT COUNT(*) FROM stores WHERE st_code = ?"), {stCode}).toInt() == 0)
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("가맹점이 없습니다."));
    if (action == QLatin1String("1")) {
        const int next = db.value(QStringLiteral("SELECT COALESCE(MAX(CAST(app_no AS INTEGER)), 10000) + 1 FROM "
                                                 "store_app_names WHERE app = ?"),
                                  {app})
                             .toInt();
        db.exec(QStringLiteral("INSERT INTO store_app_names (st_code, app, app_no, name) VALUES (?, ?, ?, ?)"),
                {stCode, app, QString::number(next), name});
        SandboxReply r;
        r.outVal = QString::number(next);
        return r;
    }
    if (action == QLatin1String("2")) {
        const int found = db.value(QStringLiteral("SELECT COUNT(*) FROM store_app_names WHERE st_code = ? AND app = ? "
                                                  "AND app_no = ?"),
                                   {stCode, app, number})
                              .toInt();
        if (found == 0)
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("매칭 정보가 없습니다."));
        db.exec(QStringLiteral("UPDATE store_app_names SET name = ? WHERE st_code = ? AND app = ? AND app_no = ?"),
                {name, stCode, app, number});
        return SandboxReply::ok();
    }
    return SandboxReply::code(QStringLiteral("0"), QStringLiteral("매칭 정보가 올바르지 않습니다."));
}
} // namespace

SANDBOX_HANDLER_AREA(store_matching)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    db->addArea(kStoreMatchingRank, QStringLiteral("store_matching"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS store_app_names (st_code TEXT NOT NULL, app TEXT NOT NULL, "
                                "app_no TEXT NOT NULL, name TEXT NOT NULL, PRIMARY KEY (app, app_no))")});
    std::weak_ptr<SandboxDatabase> weak = db;
    // The code also carries the product base data (13 fields), answered by the products area;
    // the six fields of the matching are ID, action (1 new, 2 rename), app store number, store,
    // app (1..3), name.
    const QString code = QStringLiteral("CS05_02_V01");
    SandboxHandler products = registry.handler(code);
    registry.add(code, [weak, products](const SandboxRequest &request) {
        if (request.fields().size() != 6 && products)
            return products(request);
        if (auto d = weak.lock())
            return storeMatching(*d, request);
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("데이터베이스가 없습니다."));
    });
}
