// Product administration: the base data of a goods item saved from the product editor or a
// spreadsheet upload, and the recount of a goods item's options. Every change lands in the goods
// tables, with a newer change mark, so the goods loads hand it out at once.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"

#include <QDateTime>

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
} // namespace

SANDBOX_HANDLER_AREA(products)
{
    auto db = registry.database();
    if (!db)
        return;
    registry.add(QStringLiteral("CS05_02_V01"), [db](const SandboxRequest &r) { return productBaseSave(*db, r); });
    registry.add(QStringLiteral("CS05_11_V01"), [db](const SandboxRequest &r) { return productOptionCount(*db, r); });
}
