// Print data: the receipt of an order (header, goods and additional items, from the order and its
// store) and the label of a same-day order (the order and the legs of its route).
#include "sandbox/handler_registry.h"
#include "sandbox/same_day_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QJsonArray>
#include <QJsonObject>

namespace
{
QJsonObject printRow(const QStringList &values)
{
    QJsonObject o;
    for (int i = 0; i < values.size(); ++i)
        o.insert(QStringLiteral("C_%1").arg(i), values.at(i));
    return o;
}

// "양념치킨 1, 콜라 1.25L 1": names with their quantities.
QList<QPair<QString, int>> printGoodsOf(const QString &goodsNames)
{
    QList<QPair<QString, int>> out;
    for (const QString &part : goodsNames.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const qsizetype blank = part.lastIndexOf(QLatin1Char(' '));
        bool ok = false;
        const int qty = blank > 0 ? part.mid(blank + 1).toInt(&ok) : 0;
        if (ok && qty > 0)
            out.append({part.left(blank), qty});
        else
            out.append({part, 1});
    }
    return out;
}

SandboxReply receiptData(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QString ordNo = request.fields().value(0).left(40);
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT o.ord_no, o.ord_today_all_no, o.ord_today_add_no, o.ord_date, o.pickup_date,"
                       " o.takeout_yn, o.ord_cu_tel, o.ord_amt, o.discount_amt, o.srv_amt, o.pay_type_cd,"
                       " o.pay_amt, o.ord_memo, o.ord_status_cd, o.ord_path_cd, o.goods_names, o.card_appr_num,"
                       " o.dvry_amt, s.name, s.owner_name, s.biz_no, s.tel, s.addr FROM orders o"
                       " LEFT JOIN stores s ON s.st_code = o.ord_st_code WHERE o.ord_no = ?"),
        {ordNo});
    if (rows.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("주문이 없습니다."));
    const QVariantList &r = rows.first();
    auto v = [&r](int i) { return r.value(i).toString(); };
    const bool card = v(10) == QLatin1String("1002");
    const bool done = v(13) == QLatin1String("4001");
    QStringList head(37);
    head[0] = v(0);
    head[1] = v(1);
    head[3] = v(2);
    head[4] = v(3);
    head[6] = v(13);
    head[7] = v(5) == QLatin1String("Y") ? QStringLiteral("Y") : QStringLiteral("N");
    head[8] = v(4);
    head[9] = v(7);
    head[10] = v(8).isEmpty() ? QStringLiteral("0") : v(8);
    head[11] = QStringLiteral("1");  // paid at the door
    head[12] = card ? QStringLiteral("2") : QStringLiteral("1");
    head[13] = v(11).isEmpty() ? QStringLiteral("0") : v(11);
    head[15] = v(9).isEmpty() ? QStringLiteral("0") : v(9);
    head[16] = v(20);
    head[17] = v(18);
    head[18] = v(19);
    head[19] = v(22);
    head[20] = v(21);
    head[23] = v(6);
    if (card && done) {
        head[25] = v(16).isEmpty() ? QStringLiteral("30") + v(0).right(6) : v(16);
        head[26] = QStringLiteral("9410") + v(0).right(12);
        head[27] = QStringLiteral("한빛카드");
        head[28] = QString::number(v(7).toLongLong() + v(17).toLongLong());
        head[31] = QStringLiteral("00");
    }
    head[33] = v(12);
    head[35] = QStringLiteral("쌀: 국내산, 닭고기: 국내산");
    head[36] = v(14);

    QJsonArray goods;
    QJsonArray items;
    const QList<QPair<QString, int>> names = printGoodsOf(v(15));
    const qint64 amount = v(7).toLongLong();
    qint64 left = amount;
    int qtyTotal = 0;
    for (const auto &g : names)
        qtyTotal += g.second;
    for (int i = 0; i < names.size(); ++i) {
        const int qty = names[i].second;
        // Prices that add up to the order's amount, in whole hundreds.
        qint64 unit = i + 1 == names.size() ? left / qty : (amount * qty / qMax(1, qtyTotal)) / qty / 100 * 100;
        left -= unit * qty;
        QStringList g(18);
        g[0] = QString::number(100 + i);
        g[1] = names[i].first;
        g[2] = QString::number(qty);
        g[3] = QString::number(unit);
        g[4] = QString::number(unit);
        g[5] = QStringLiteral("1");
        g[11] = QString::number(i + 1);
        g[17] = QStringLiteral("0");
        goods.append(printRow(g));
    }
    if (!names.isEmpty() && v(0).right(1).toInt() % 3 == 0) {
        // Every third order has an extra with its first goods.
        QStringList item(9);
        item[0] = QStringLiteral("1");
        item[1] = QStringLiteral("900");
        item[2] = QStringLiteral("치즈 추가");
        item[3] = QStringLiteral("2000");
        item[4] = QStringLiteral("1");
        item[8] = QStringLiteral("0");
        items.append(printRow(item));
    }
    SandboxReply reply;
    reply.rows = QJsonArray{printRow(head)};
    reply.extra.insert(QStringLiteral("OUT_ROW2"), goods);
    reply.extra.insert(QStringLiteral("OUT_ROW3"), items);
    reply.rowsPerPage = 1000;
    return reply;
}
// The label of a same-day order: the order and its customer, then the legs of its route (store,
// first trunk, second trunk, branch), each a "│"-joined row.
SandboxReply labelData(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QString ordNo = request.fields().value(0).left(40);
    const QList<QVariantList> rows = db.rows(
        QStringLiteral("SELECT d.ord_cu_name, d.ord_cu_tel, d.ord_date, d.ord_memo, d.ea_addr_4, d.ea_addr_str,"
                       " d.ea_addr_5, d.sol_hub_code, d.logi_center_code, d.goods_names, d.ord_st_name, d.ord_st_tel,"
                       " d.sol_hub_name, d.logi_center_name, d.loc_hub_name, s.addr, s.addr_detail"
                       " FROM same_day_orders d LEFT JOIN stores s ON s.st_code = d.ord_st_code WHERE d.ord_no = ?"),
        {ordNo});
    if (rows.isEmpty())
        return SandboxReply::code(QStringLiteral("0"), QStringLiteral("주문이 없습니다."));
    const QVariantList &r = rows.first();
    auto v = [&r](int i) { return r.value(i).toString(); };
    const QStringList order = {v(0), v(1), v(2), QString(), QString(), v(3), v(4), v(5), v(6), v(7), v(8), v(9)};
    auto leg = [](const QString &type, const QString &name, const QString &tel, const QString &addr,
                  const QString &detail, const QString &no) {
        return SandboxText::joinFields({type, name, QString(), QString(), tel, addr, detail, no});
    };
    QJsonArray legs;
    legs.append(leg(QStringLiteral("1"), v(10), v(11), v(15), v(16), QString()));
    if (!v(12).isEmpty())
        legs.append(leg(QStringLiteral("2"), v(12), QStringLiteral("0317770001"), QStringLiteral("경기 군포시 물류로 10"),
                        QStringLiteral("A동"), QStringLiteral("003")));
    if (!v(13).isEmpty() && v(7) != v(8))
        legs.append(leg(QStringLiteral("3"), v(13), QStringLiteral("0317770002"), QStringLiteral("경기 이천시 물류로 20"),
                        QStringLiteral("B동"), QStringLiteral("012")));
    if (!v(14).isEmpty())
        legs.append(leg(QStringLiteral("4"), v(14), QStringLiteral("0257770003"), QStringLiteral("서울 송파구 문정로 5"),
                        QString(), QStringLiteral("007")));
    SandboxReply reply;
    reply.rows = QJsonArray{SandboxText::joinFields(order)};
    reply.extra.insert(QStringLiteral("OUT_ROW2"), legs);
    reply.rowsPerPage = 10000;
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(printing)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    // Receipt print data: order number, ID, kind.
    registry.add(QStringLiteral("CS01_25_V02"), [db](const SandboxRequest &request) { return receiptData(*db, request); });
    // Same-day label: order number, ID, flag.
    registry.add(QStringLiteral("CS01_37_V01"), [db](const SandboxRequest &request) { return labelData(*db, request); });
}
