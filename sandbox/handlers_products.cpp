// Product administration: the base data of a goods item saved from the product editor or a
// spreadsheet upload, and the recount of a goods item's options. Every change lands in the goods
// tables, with a newer change mark, so the goods loads hand it out at once.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/world.h"

#include <QDateTime>
#include <QJsonObject>

namespace
{
// A change mark later than every mark the store's goods carry.
QString productChangeMark(SandboxDatabase &db, const QString &st)
{
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    const qint64 last = db.value(QStringLiteral("SELECT MAX(mod_date) FROM goods WHERE st_code = ?"), {st}).toString().toLongLong();
    return QString::number(qMax(now.toLongLong(), last + 1));
}

bool productNumberText(const QString &s)
{
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok && v >= 0;
}

SandboxReply productBaseSave(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString st = f.value(0).trimmed();
    QString goodsNo = f.value(1).trimmed();
    const QString name = f.value(3).trimmed();
    const QString status = f.value(4).trimmed();
    const QString ordStatus = f.value(5).trimmed();
    const QString price = f.value(6).trimmed();
    const QString discount = f.value(7).trimmed().isEmpty() ? QStringLiteral("0") : f.value(7).trimmed();
    if (!db.value(QStringLiteral("SELECT 1 FROM stores WHERE st_code = ?"), {st}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 매장입니다."));
    if (name.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("상품명이 없습니다."));
    if (!productNumberText(price) || !productNumberText(discount) || discount.toDouble() > price.toDouble())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("상품가격이 올바르지 않습니다."));
    const QVariantList terms = {name,      status.isEmpty() ? QStringLiteral("1") : status,
                                price,     discount,
                                ordStatus.isEmpty() ? QStringLiteral("1") : ordStatus,
                                f.value(8).trimmed(), f.value(9).trimmed(),
                                f.value(10).trimmed().isEmpty() ? QStringLiteral("0") : f.value(10).trimmed(),
                                f.value(11).trimmed().isEmpty() ? QStringLiteral("0") : f.value(11).trimmed(),
                                productChangeMark(db, st)};
    if (goodsNo.isEmpty()) {
        const int next = db.value(QStringLiteral("SELECT COUNT(*) FROM goods WHERE st_code = ?"), {st}).toInt() + 1;
        for (int n = next;; ++n) {
            goodsNo = QStringLiteral("%1%2").arg(st.mid(1)).arg(n, 5, 10, QLatin1Char('0'));
            if (!db.value(QStringLiteral("SELECT 1 FROM goods WHERE st_code = ? AND goods_no = ?"), {st, goodsNo}).isValid())
                break;
        }
        const QVariant grp = db.value(QStringLiteral("SELECT grp_no FROM goods_groups WHERE st_code = ? ORDER BY view_order LIMIT 1"), {st});
        const int order = db.value(QStringLiteral("SELECT COALESCE(MAX(view_order), 0) + 1 FROM goods WHERE st_code = ?"), {st}).toInt();
        db.exec(QStringLiteral("INSERT INTO goods (st_code, goods_no, grp_no, name, data_status, ord_price, ord_dn_price,"
                               " ord_status, ord_dn_period, ord_dn_time, ord_limit_day, ord_limit_once, mod_date,"
                               " sell_price, option_1_cnt, add_goods_cnt, type_name, view_order, barcode)"
                               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, '', ?, '')"),
                {st, goodsNo, grp.toString(), terms.at(0), terms.at(1), terms.at(2), terms.at(3), terms.at(4), terms.at(5),
                 terms.at(6), terms.at(7), terms.at(8), terms.at(9), terms.at(2), order});
    } else {
        if (!db.value(QStringLiteral("SELECT 1 FROM goods WHERE st_code = ? AND goods_no = ?"), {st, goodsNo}).isValid())
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 상품입니다."));
        db.exec(QStringLiteral("UPDATE goods SET name = ?, data_status = ?, ord_price = ?, ord_dn_price = ?, ord_status = ?,"
                               " ord_dn_period = ?, ord_dn_time = ?, ord_limit_day = ?, ord_limit_once = ?, mod_date = ?"
                               " WHERE st_code = ? AND goods_no = ?"),
                terms + QVariantList{st, goodsNo});
    }
    SandboxReply reply;
    reply.outVal = goodsNo;
    return reply;
}

SandboxReply productOptionCount(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString goodsNo = f.value(0).trimmed();
    const QString kind = f.value(1).trimmed();
    if (goodsNo.isEmpty() || (kind != QLatin1String("1") && kind != QLatin1String("2")))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 값이 올바르지 않습니다."));
    if (kind == QLatin1String("1"))
        db.exec(QStringLiteral("UPDATE goods SET option_1_cnt = (SELECT COUNT(*) FROM goods_options o WHERE"
                               " o.st_code = goods.st_code AND o.goods_no = goods.goods_no AND o.option_type = '1'"
                               " AND o.data_status <> '0') WHERE goods_no = ?"),
                {goodsNo});
    else
        db.exec(QStringLiteral("UPDATE goods SET add_goods_cnt = (SELECT COUNT(*) FROM goods_options o WHERE"
                               " o.st_code = goods.st_code AND o.goods_no = goods.goods_no AND o.option_type = '5'"
                               " AND o.data_status <> '0') WHERE goods_no = ?"),
                {goodsNo});
    return SandboxReply::ok();
}
// The rows of a batch request: colCnt fields each, itemCnt rows; empty when they do not add up.
QList<QStringList> productBatchRows(const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const int cols = req.colCnt.toInt();
    const int items = req.itemCnt.toInt();
    QList<QStringList> rows;
    if (cols <= 0 || items <= 0 || qint64(cols) * items != f.size())
        return rows;
    for (int i = 0; i < items; ++i)
        rows << f.mid(i * cols, cols);
    return rows;
}

SandboxReply productGroupSave(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString owner = f.value(0).trimmed();
    const QString name = f.value(2).trimmed();
    QString grpNo = f.value(3).trimmed();
    const QString status = f.value(4).trimmed() == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
    const QString type = f.value(5).trimmed();
    const int position = f.value(6).trimmed().toInt() + 1;
    if (!db.value(QStringLiteral("SELECT 1 FROM stores WHERE st_code = ?"), {owner}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 매장입니다."));
    if (name.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("그룹명이 없습니다."));
    if (grpNo.isEmpty()) {
        for (int n = db.value(QStringLiteral("SELECT COUNT(*) FROM goods_groups WHERE st_code = ?"), {owner}).toInt() + 1;; ++n) {
            grpNo = QStringLiteral("G%1").arg(n, 4, 10, QLatin1Char('0'));
            if (!db.value(QStringLiteral("SELECT 1 FROM goods_groups WHERE st_code = ? AND grp_no = ?"), {owner, grpNo}).isValid())
                break;
        }
        db.exec(QStringLiteral("INSERT INTO goods_groups (st_code, grp_no, name, data_status, use_type, view_order)"
                               " VALUES (?, ?, ?, ?, ?, ?)"),
                {owner, grpNo, name, status, type, position});
    } else {
        if (!db.value(QStringLiteral("SELECT 1 FROM goods_groups WHERE st_code = ? AND grp_no = ?"), {owner, grpNo}).isValid())
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 그룹입니다."));
        db.exec(QStringLiteral("UPDATE goods_groups SET name = ?, data_status = ?, use_type = ?, view_order = ?"
                               " WHERE st_code = ? AND grp_no = ?"),
                {name, status, type, position, owner, grpNo});
    }
    SandboxReply reply;
    reply.rows.append(QJsonObject{{QStringLiteral("C_0"), grpNo}});
    return reply;
}

// A group's goods: the demo world keeps one group per goods item, so goods put into a group
// leave their former group, and goods taken out fall back to the store's first group.
SandboxReply productGroupGoods(SandboxDatabase &db, const SandboxRequest &req)
{
    const QList<QStringList> rows = productBatchRows(req);
    if (rows.isEmpty() || req.colCnt != QLatin1String("5"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 값이 올바르지 않습니다."));
    const QString grpNo = rows.first().value(0).trimmed();
    const QString owner = rows.first().value(4).trimmed();
    db.transaction([&] {
        const QVariant first = db.value(QStringLiteral("SELECT grp_no FROM goods_groups WHERE st_code = ? AND grp_no <> ?"
                                                       " ORDER BY view_order LIMIT 1"),
                                        {owner, grpNo});
        const QString mark = productChangeMark(db, owner);
        db.exec(QStringLiteral("UPDATE goods SET grp_no = ?, mod_date = ? WHERE st_code = ? AND grp_no = ?"),
                {first.toString(), mark, owner, grpNo});
        for (const QStringList &r : rows) {
            const QString goodsNo = r.value(2).trimmed();
            if (!goodsNo.isEmpty())
                db.exec(QStringLiteral("UPDATE goods SET grp_no = ?, mod_date = ? WHERE st_code = ? AND goods_no = ?"),
                        {grpNo, mark, owner, goodsNo});
        }
    });
    return SandboxReply::ok();
}

SandboxReply productGoodsOrder(SandboxDatabase &db, const SandboxRequest &req)
{
    const QList<QStringList> rows = productBatchRows(req);
    if (rows.isEmpty() || req.colCnt != QLatin1String("4"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 값이 올바르지 않습니다."));
    db.transaction([&] {
        const QString mark = productChangeMark(db, rows.first().value(0).trimmed());
        for (const QStringList &r : rows)
            db.exec(QStringLiteral("UPDATE goods SET view_order = ?, mod_date = ? WHERE st_code = ? AND goods_no = ?"),
                    {r.value(2).trimmed().toInt() + 1, mark, r.value(0).trimmed(), r.value(1).trimmed()});
    });
    return SandboxReply::ok();
}

// Additional goods of a product: a ticked candidate becomes (or stays) an additional item with
// the candidate's name and price, an unticked one is marked deleted.
SandboxReply productAddGoods(SandboxDatabase &db, const SandboxRequest &req)
{
    const QList<QStringList> rows = productBatchRows(req);
    if (rows.isEmpty() || req.colCnt != QLatin1String("5"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 값이 올바르지 않습니다."));
    db.transaction([&] {
        for (const QStringList &r : rows) {
            const QString st = r.value(0).trimmed();
            const QString goodsNo = r.value(2).trimmed();
            const QString candidate = r.value(3).trimmed();
            const QList<QVariantList> c =
                db.rows(QStringLiteral("SELECT name, ord_price FROM goods WHERE st_code = ? AND goods_no = ?"), {st, candidate});
            if (c.isEmpty())
                continue;
            const QString status = r.value(1).trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
            db.exec(QStringLiteral("INSERT INTO goods_options (st_code, goods_no, op_no, data_status, option_type, name,"
                                   " price, view_order) VALUES (?, ?, ?, ?, '5', ?, ?, ?) ON CONFLICT (st_code, goods_no,"
                                   " option_type, op_no) DO UPDATE SET data_status = excluded.data_status,"
                                   " view_order = excluded.view_order"),
                    {st, goodsNo, candidate, status, c.first().at(0), c.first().at(1).toInt(), r.value(4).toInt() + 1});
            db.exec(QStringLiteral("UPDATE goods SET mod_date = ? WHERE st_code = ? AND goods_no = ?"),
                    {productChangeMark(db, st), st, goodsNo});
        }
    });
    return SandboxReply::ok();
}
// The goods of a store as the delivery apps list them: one row per link.
SandboxReply productAppLinks(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString st = f.value(2).trimmed();
    SandboxReply reply;
    for (const QVariantList &r :
         db.rows(QStringLiteral("SELECT app_code, st_code, goods_no, app_no, app_name FROM app_goods_links"
                                " WHERE st_code = ? ORDER BY goods_no, app_no, app_code"),
                 {st})) {
        QJsonObject o;
        for (int c = 0; c < r.size(); ++c)
            o.insert(QStringLiteral("C_%1").arg(c), r.at(c).toString());
        reply.rows.append(o);
    }
    return reply;
}

SandboxReply productAppLinkSave(SandboxDatabase &db, const SandboxRequest &req)
{
    const QStringList f = req.fields();
    const QString action = f.value(1).trimmed();
    QString appCode = f.value(2).trimmed();
    const QString st = f.value(3).trimmed();
    const QString goodsNo = f.value(4).trimmed();
    const QString app = f.value(5).trimmed();
    const QString name = f.value(6).trimmed();
    if (app != QLatin1String("1") && app != QLatin1String("2") && app != QLatin1String("3"))
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("주문어플 구분이 올바르지 않습니다."));
    if (!db.value(QStringLiteral("SELECT 1 FROM goods WHERE st_code = ? AND goods_no = ?"), {st, goodsNo}).isValid())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("등록되지 않은 상품입니다."));
    if (action == QLatin1String("1")) {
        if (name.isEmpty())
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("상품명이 없습니다."));
        const int next = db.value(QStringLiteral("SELECT COUNT(*) FROM app_goods_links")).toInt() + 1;
        appCode = QStringLiteral("A%1%2").arg(app).arg(next, 7, 10, QLatin1Char('0'));
        db.exec(QStringLiteral("INSERT INTO app_goods_links (app_code, st_code, goods_no, app_no, app_name) VALUES (?, ?, ?, ?, ?)"),
                {appCode, st, goodsNo, app, name});
    } else if (action == QLatin1String("2")) {
        db.exec(QStringLiteral("UPDATE app_goods_links SET app_name = ? WHERE app_code = ? AND st_code = ?"), {name, appCode, st});
    } else if (action == QLatin1String("0")) {
        db.exec(QStringLiteral("DELETE FROM app_goods_links WHERE app_code = ? AND st_code = ?"), {appCode, st});
    } else {
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("요청 값이 올바르지 않습니다."));
    }
    return SandboxReply::ok();
}
} // namespace

SANDBOX_HANDLER_AREA(products)
{
    auto db = registry.database();
    if (!db)
        return;
    db->addArea(SandboxWorld::kGoodsRank + 1, QStringLiteral("app goods links"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS app_goods_links (app_code TEXT NOT NULL PRIMARY KEY,"
                                " st_code TEXT NOT NULL, goods_no TEXT NOT NULL, app_no TEXT NOT NULL, app_name TEXT)")});
    registry.add(QStringLiteral("CS05_09_V01"), [db](const SandboxRequest &r) { return productAppLinks(*db, r); });
    registry.add(QStringLiteral("CS05_10_V01"), [db](const SandboxRequest &r) { return productAppLinkSave(*db, r); });
    registry.add(QStringLiteral("CS05_02_V01"), [db](const SandboxRequest &r) { return productBaseSave(*db, r); });
    registry.add(QStringLiteral("CS05_05_V01"), [db](const SandboxRequest &r) { return productGroupSave(*db, r); });
    registry.add(QStringLiteral("CS05_06_V02"), [db](const SandboxRequest &r) { return productGroupGoods(*db, r); });
    registry.add(QStringLiteral("CS05_07_V01"), [db](const SandboxRequest &r) { return productAddGoods(*db, r); });
    registry.add(QStringLiteral("CS05_08_V01"), [db](const SandboxRequest &r) { return productGoodsOrder(*db, r); });
    registry.add(QStringLiteral("CS05_11_V01"), [db](const SandboxRequest &r) { return productOptionCount(*db, r); });
}
