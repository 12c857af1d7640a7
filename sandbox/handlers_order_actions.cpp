// What the board does to today's orders: status changes (live, completed and store-order boards),
// the settlement cancel, order copies, bundles and their dispatch cancel, the new-order detail and
// its accept. Every change is written to the orders table with the next change number, so the
// client's next live load brings it back.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/order_scenario.h"
#include "sandbox/sandbox_database.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRegularExpression>

namespace
{
using Values = QHash<QString, QString>;


SandboxReply refused(const QString &msg)
{
    return SandboxReply::code(QStringLiteral("0"), msg);
}

bool dispatched(const QString &status)
{
    return status == QLatin1String("3001") || status == QLatin1String("3003");
}

// The courier columns emptied: the order goes back to waiting for one.
Values withoutCourier(Values v)
{
    for (const char *n : {"cth_wk_code", "cth_wk_name", "cth_wk_tel", "cth_br_code", "cth_st_code", "cth_st_name",
                          "cth_st_tel", "cth_dvry_type_cd", "cth_date", "pickup_date"})
        v.insert(QString::fromLatin1(n), QString());
    return v;
}

// Moves one order from `current` to `next`; OUT_CODE "1" when done. The order must still be in
// the status the client saw.
SandboxReply changeStatus(const SandboxDatabase &db, const QString &ordNo, const QString &current,
                          const QString &next, const QString &reason, Values extra = {})
{
    const Values o = SandboxOrders::order(db, ordNo);
    if (o.isEmpty())
        return refused(QStringLiteral("주문을 찾을 수 없습니다."));
    const QString status = o.value(QStringLiteral("ord_status_cd"));
    if (status != current)
        return refused(QStringLiteral("주문 상태가 이미 변경되었습니다."));
    if (status == QLatin1String("4002"))
        return refused(QStringLiteral("취소된 주문은 변경할 수 없습니다."));
    const QString now = SandboxOrders::now(db);
    Values v = std::move(extra);
    if (next == QLatin1String("1001")) {
        // received again (the store's confirmation)
    } else if (next == QLatin1String("2001")) {
        v.insert(QStringLiteral("ready_change_date"), now);
    } else if (next == QLatin1String("1002")) {
    } else if (next == QLatin1String("1003")) {
        if (status != QLatin1String("1002") && status != QLatin1String("1007"))
            return refused(QStringLiteral("대기중인 주문이 아닙니다."));
        v.insert(QStringLiteral("ord_status_cd"), QStringLiteral("1001"));
    } else if (next == QLatin1String("3002")) {
        if (!dispatched(status))
            return refused(QStringLiteral("배차된 주문이 아닙니다."));
        v = withoutCourier(v);
        v.insert(QStringLiteral("ord_status_cd"), QStringLiteral("2001"));
        v.insert(QStringLiteral("ready_change_date"), now);
    } else if (next == QLatin1String("3003")) {
        v.insert(QStringLiteral("pickup_date"), now);
    } else if (next == QLatin1String("3004")) {
        if (status != QLatin1String("3003"))
            return refused(QStringLiteral("출발한 주문이 아닙니다."));
        v = withoutCourier(v);
        v.insert(QStringLiteral("ord_status_cd"), QStringLiteral("2001"));
        v.insert(QStringLiteral("ready_change_date"), now);
    } else if (next == QLatin1String("4001")) {
        v.insert(QStringLiteral("end_date"), now);
    } else if (next == QLatin1String("4002")) {
        if (reason.trimmed().isEmpty())
            return refused(QStringLiteral("취소사유가 없습니다."));
        v.insert(QStringLiteral("cancel_date"), now);
        v.insert(QStringLiteral("cancel_aj_yn"), QStringLiteral("A"));
    } else {
        return refused(QStringLiteral("변경할 수 없는 상태입니다."));
    }
    if (!v.contains(QStringLiteral("ord_status_cd")))
        v.insert(QStringLiteral("ord_status_cd"), next);
    // A member leaving the waiting requests leaves its bundle too.
    if (!o.value(QStringLiteral("ord_grp_no")).isEmpty() && v.value(QStringLiteral("ord_status_cd")) != QLatin1String("2001")
        && !dispatched(v.value(QStringLiteral("ord_status_cd"))))
        v.insert(QStringLiteral("ord_grp_no"), QString());
    SandboxOrders::updateOrder(db, ordNo, v);
    return SandboxReply::ok();
}

// Status change of the live and completed boards: order number, ID, class, current status, new
// status, cancel reason, "", "". The store-order board sends one empty field less.
SandboxReply statusChange(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    if (f.size() < 7)
        return refused(QStringLiteral("요청 형식이 올바르지 않습니다."));
    return changeStatus(db, f.at(0).left(20), f.at(3), f.at(4), f.at(5).left(10));
}

// Settlement cancel of a cancelled order: order number, ID, class, "4002".
SandboxReply settlementCancel(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const Values o = SandboxOrders::order(db, f.value(0).left(20));
    if (o.isEmpty())
        return refused(QStringLiteral("주문을 찾을 수 없습니다."));
    if (o.value(QStringLiteral("ord_status_cd")) != QLatin1String("4002"))
        return refused(QStringLiteral("취소된 주문이 아닙니다."));
    if (o.value(QStringLiteral("cancel_aj_yn")) == QLatin1String("Y"))
        return refused(QStringLiteral("이미 정산취소된 주문입니다."));
    SandboxOrders::updateOrder(db, o.value(QStringLiteral("ord_no")), {{QStringLiteral("cancel_aj_yn"), QStringLiteral("Y")}});
    return SandboxReply::ok();
}

// Order copy: order number, ID, class, "1" as received / "2" as delivery request.
SandboxReply orderCopy(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString kind = f.value(3);
    if (kind != QLatin1String("1") && kind != QLatin1String("2"))
        return refused(QStringLiteral("복사 구분이 올바르지 않습니다."));
    const QString copy =
        SandboxOrders::copyOrder(db, f.value(0).left(20), kind == QLatin1String("1") ? QStringLiteral("1001")
                                                                                      : QStringLiteral("2001"));
    if (copy.isEmpty())
        return refused(QStringLiteral("주문을 찾을 수 없습니다."));
    return SandboxReply::rowsOf({{copy}});
}

void setBundleCount(const SandboxDatabase &db, const QString &groupNo)
{
    const QStringList members = SandboxOrders::bundleMembers(db, groupNo);
    for (const QString &no : members)
        SandboxOrders::updateOrder(db, no, {{QStringLiteral("ord_grp_cnt"), QString::number(members.size())}});
}

bool joinable(const Values &o)
{
    return !o.isEmpty() && o.value(QStringLiteral("ord_status_cd")) == QLatin1String("2001")
           && o.value(QStringLiteral("ord_grp_no")).isEmpty();
}

// Bundles: kind, ID, class, group number, order number(s). Kind 0 forms a bundle of the listed
// orders ("a,b,"), 1 adds an order, 2 removes one, 3 dissolves the bundle. The reply's row names
// the group.
SandboxReply bundle(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString kind = f.value(0);
    const QString group = f.value(3).left(20);
    const QString ordNo = f.value(4).left(20);
    if (kind == QLatin1String("0")) {
        QStringList numbers;
        for (const QString &n : f.value(4).split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (!numbers.contains(n.trimmed()))
                numbers.append(n.trimmed().left(20));
        if (numbers.size() < 2 || numbers.size() > 20)
            return refused(QStringLiteral("묶을 주문을 2건 이상 선택해주세요."));
        for (const QString &n : numbers)
            if (!joinable(SandboxOrders::order(db, n)))
                return refused(QStringLiteral("묶을 수 없는 주문입니다. ") + n);
        const QString g = SandboxOrders::nextGroupNo(db);
        for (const QString &n : numbers)
            SandboxOrders::updateOrder(db, n, {{QStringLiteral("ord_grp_no"), g}});
        setBundleCount(db, g);
        return SandboxReply::rowsOf({{g, QString::number(numbers.size())}});
    }
    const QStringList members = SandboxOrders::bundleMembers(db, group);
    if (members.isEmpty())
        return refused(QStringLiteral("묶음 그룹이 없습니다."));
    if (kind == QLatin1String("1")) {
        if (!joinable(SandboxOrders::order(db, ordNo)))
            return refused(QStringLiteral("묶을 수 없는 주문입니다. ") + ordNo);
        SandboxOrders::updateOrder(db, ordNo, {{QStringLiteral("ord_grp_no"), group}});
    } else if (kind == QLatin1String("2")) {
        if (!members.contains(ordNo))
            return refused(QStringLiteral("묶음에 없는 주문입니다. ") + ordNo);
        SandboxOrders::updateOrder(db, ordNo, {{QStringLiteral("ord_grp_no"), QString()},
                                               {QStringLiteral("ord_grp_cnt"), QString()}});
    } else if (kind == QLatin1String("3")) {
        for (const QString &n : members)
            SandboxOrders::updateOrder(db, n, {{QStringLiteral("ord_grp_no"), QString()},
                                               {QStringLiteral("ord_grp_cnt"), QString()}});
    } else {
        return refused(QStringLiteral("묶음 구분이 올바르지 않습니다."));
    }
    setBundleCount(db, group);
    return SandboxReply::rowsOf({{group, QString::number(SandboxOrders::bundleMembers(db, group).size())}});
}

// Bundle dispatch cancel: order number, ID, class, current status, "1" this order (it leaves the
// bundle) / "2" every dispatched member.
SandboxReply bundleDispatchCancel(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString ordNo = f.value(0).left(20);
    const Values o = SandboxOrders::order(db, ordNo);
    if (o.isEmpty())
        return refused(QStringLiteral("주문을 찾을 수 없습니다."));
    if (o.value(QStringLiteral("ord_status_cd")) != f.value(3))
        return refused(QStringLiteral("주문 상태가 이미 변경되었습니다."));
    if (!dispatched(f.value(3)))
        return refused(QStringLiteral("배차된 주문이 아닙니다."));
    const QString group = o.value(QStringLiteral("ord_grp_no"));
    const QString now = SandboxOrders::now(db);
    Values back = withoutCourier({});
    back.insert(QStringLiteral("ord_status_cd"), QStringLiteral("2001"));
    back.insert(QStringLiteral("ready_change_date"), now);
    if (f.value(4) == QLatin1String("2")) {
        if (group.isEmpty())
            return refused(QStringLiteral("묶음배송 주문이 아닙니다."));
        for (const QString &n : SandboxOrders::bundleMembers(db, group))
            if (dispatched(SandboxOrders::order(db, n).value(QStringLiteral("ord_status_cd"))))
                SandboxOrders::updateOrder(db, n, back);
        return SandboxReply::ok();
    }
    if (f.value(4) != QLatin1String("1"))
        return refused(QStringLiteral("취소 구분이 올바르지 않습니다."));
    back.insert(QStringLiteral("ord_grp_no"), QString());
    back.insert(QStringLiteral("ord_grp_cnt"), QString());
    SandboxOrders::updateOrder(db, ordNo, back);
    if (!group.isEmpty()) {
        const QStringList rest = SandboxOrders::bundleMembers(db, group);
        if (rest.size() == 1)
            SandboxOrders::updateOrder(db, rest.first(), {{QStringLiteral("ord_grp_no"), QString()},
                                                          {QStringLiteral("ord_grp_cnt"), QString()}});
        else
            setBundleCount(db, group);
    }
    return SandboxReply::ok();
}

// A stable demo price for a goods name.
int priceOf(const QString &name)
{
    return 6000 + int(qHash(name, 7) % 25) * 1000;
}

// The new-order detail: row 0 of OUT_ROW1 the order, OUT_ROW2 the goods lines, OUT_ROW3 the
// additions. Request: order number, ID, "1".
SandboxReply orderDetail(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const Values o = SandboxOrders::order(db, f.value(0).left(20));
    if (o.isEmpty())
        return refused(QStringLiteral("주문을 찾을 수 없습니다."));
    QStringList row(70);
    row[0] = o.value(QStringLiteral("ord_no"));
    row[1] = o.value(QStringLiteral("ord_st_code"));
    row[2] = o.value(QStringLiteral("ord_status_cd"));
    row[3] = o.value(QStringLiteral("ord_path_cd"));
    row[11] = o.value(QStringLiteral("ord_date"));
    row[28] = o.value(QStringLiteral("ea_addr_4"));
    // App orders are paid in the app; the others at the door.
    row[34] = o.value(QStringLiteral("ord_path_cd")) == QLatin1String("1016") ? QStringLiteral("2") : QStringLiteral("1");
    row[35] = o.value(QStringLiteral("pay_type_cd"));
    row[36] = o.value(QStringLiteral("ord_amt"));
    row[44] = QString::number(o.value(QStringLiteral("dvry_distance")).toDouble() * 1000.0, 'f', 1);
    row[45] = o.value(QStringLiteral("ord_today_all_no"));
    row[54] = o.value(QStringLiteral("ea_addr_str"));
    row[64] = o.value(QStringLiteral("ea_addr_5"));
    QJsonArray goods;
    QJsonArray additions;
    int key = 0;
    static const QRegularExpression line(QStringLiteral("^(.*\\S)\\s+(\\d{1,2})$"));
    for (const QString &part : o.value(QStringLiteral("goods_names")).split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = line.match(part.trimmed());
        const QString name = m.hasMatch() ? m.captured(1) : part.trimmed();
        const QString qty = m.hasMatch() ? m.captured(2) : QStringLiteral("1");
        ++key;
        QStringList g(20);
        g[0] = QString::number(key);
        g[1] = QStringLiteral("G%1").arg(priceOf(name) / 1000, 3, 10, QLatin1Char('0'));
        g[2] = name;
        g[3] = qty;
        g[4] = QString::number(priceOf(name));
        g[5] = QString::number(priceOf(name) + 2000);
        g[6] = QStringLiteral("1");
        g[11] = QString::number(key);
        for (int i : {8, 10, 15, 18})
            g[i] = QStringLiteral("0");
        for (int i : {12, 13, 16, 19})
            g[i] = QStringLiteral("0");
        goods.append(SandboxText::joinFields(g));
        if (name.contains(QStringLiteral("치킨"))) {
            QStringList a(8);
            a[0] = QString::number(key);
            a[1] = QStringLiteral("A01");
            a[2] = QStringLiteral("치킨무 추가");
            a[3] = QStringLiteral("500");
            a[4] = QStringLiteral("1");
            a[6] = QStringLiteral("A01");
            additions.append(SandboxText::joinFields(a));
        }
    }
    SandboxReply r = SandboxReply::rowsOf({row});
    r.extra.insert(QStringLiteral("OUT_ROW2"), goods);
    r.extra.insert(QStringLiteral("OUT_ROW3"), additions);
    return r;
}

// The store's confirmation of a new order: order number, ID, current status, 1001 or 2001,
// minutes to arrival.
SandboxReply orderConfirm(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString next = f.value(3);
    if (next != QLatin1String("1001") && next != QLatin1String("2001"))
        return refused(QStringLiteral("변경할 수 없는 상태입니다."));
    static const QStringList minutes = {"30", "45", "60", "70", "80", "90", "120"};
    if (!minutes.contains(f.value(4)))
        return refused(QStringLiteral("도착시간이 올바르지 않습니다."));
    const QDateTime now = QDateTime::fromString(SandboxOrders::now(db), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString arrival = now.addSecs(f.value(4).toLongLong() * 60).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const Values o = SandboxOrders::order(db, f.value(0).left(20));
    if (!o.isEmpty() && !o.value(QStringLiteral("arr_time")).isEmpty())
        return refused(QStringLiteral("이미 확인된 주문입니다."));
    return changeStatus(db, f.value(0).left(20), f.value(2), next, QString(), {{QStringLiteral("arr_time"), arrival}});
}
} // namespace

SANDBOX_HANDLER_AREA(order_actions)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    registry.add(QStringLiteral("CS01_11_V03"), [db](const SandboxRequest &r) { return statusChange(*db, r); });
    registry.add(QStringLiteral("CS01_63_V01"), [db](const SandboxRequest &r) { return statusChange(*db, r); });
    registry.add(QStringLiteral("CS01_27_V01"), [db](const SandboxRequest &r) { return settlementCancel(*db, r); });
    registry.add(QStringLiteral("CS01_30_V01"), [db](const SandboxRequest &r) { return orderCopy(*db, r); });
    registry.add(QStringLiteral("CS01_64_V01"), [db](const SandboxRequest &r) { return bundle(*db, r); });
    registry.add(QStringLiteral("CS01_65_V01"), [db](const SandboxRequest &r) { return bundleDispatchCancel(*db, r); });
    registry.add(QStringLiteral("CS01_13_V01"), [db](const SandboxRequest &r) { return orderDetail(*db, r); });
    registry.add(QStringLiteral("CS01_12_V02"), [db](const SandboxRequest &r) { return orderConfirm(*db, r); });
}
