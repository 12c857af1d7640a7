// Store orders: the in-shop, pickup and table orders that the stores take themselves (app and
// counter), with the board load that hands them out by change number, and a scenario step that
// takes new ones and moves the open ones on.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_request.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"
#include "sandbox/scenario_clock.h"
#include "sandbox/world.h"

#include <QDateTime>

namespace
{
// After today's delivery orders, so that the two areas keep their own random sequences.
constexpr int kStoreOrdersRank = SandboxWorld::kOrdersRank + 2;
constexpr qint64 kStoreOrderStepMs = 20000;

// The board row, field by field (field 5 is not used and always empty).
const QStringList kFields = {
    "ord_no", "org_ord_no", "ord_data_yn", "confirm_type", "mod_date", "unused5", "mod_user_id",
    "today_all_no", "today_no", "today_add_no", "status_cd", "path_cd", "st_code", "st_name",
    "master_st_code", "cu_tel", "cu_end_cnt", "cu_multi_end_cnt", "cu_name", "stamp_cu_tel", "stamp_cnt",
    "stamp_goal_cnt", "ord_date", "ord_type", "table_no", "takeout_date", "arr_time", "memo", "end_date",
    "ord_amt", "discount_amt", "charge_type", "charge_history", "pay_type_cd", "pay_amt", "pay_mileage",
    "goods_names", "br_name", "br_code", "cu_tel2", "st_tel",
};

const QStringList kStoreOrderGoods = {"아메리카노 2", "카페라떼 1, 치즈케이크 1", "후라이드치킨 1", "양념반 후라이드반 1",
                            "김치찌개 2, 공기밥 2", "떡볶이 1, 튀김 1", "마르게리타 피자 1", "돈까스 정식 1",
                            "비빔밥 2", "바닐라라떼 3", "순대국밥 1", "딸기 스무디 2"};
const QStringList kStoreOrderMemos = {"", "", "", "얼음 적게 주세요", "수저 2개 넣어 주세요", "포장 꼼꼼히 부탁드려요",
                            "창가 자리입니다"};

qint64 storeOrderMeta(const SandboxDatabase &db, const QString &key, qint64 def)
{
    return ScenarioMeta(db, QStringLiteral("store_order_meta")).get(key, def);
}

void setStoreOrderMeta(const SandboxDatabase &db, const QString &key, qint64 value)
{
    ScenarioMeta(db, QStringLiteral("store_order_meta")).set(key, value);
}

QString timeAt(qint64 ms)
{
    return ScenarioMorning().addMSecs(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

// A counter order (visit, pay at the counter) or an app order (prepaid, to be confirmed).
void newStoreOrder(const SandboxDatabase &db, SandboxRandom &rng, qint64 ms, qint64 seq)
{
    const QList<QVariantList> stores = db.rows(QStringLiteral(
        "SELECT s.st_code, s.name, s.tel, s.br_code, b.name, s.hd_code FROM stores s"
        " JOIN branches b ON b.br_code = s.br_code WHERE s.state = '1' ORDER BY s.st_code"));
    if (stores.isEmpty())
        return;
    // Most store orders fall to the first stores of each region, the demo logins' own among them.
    const QVariantList &s = rng.chance(0.5) ? stores.first() : rng.pick(stores);
    const qint64 number = storeOrderMeta(db, QStringLiteral("next_no"), 1);
    setStoreOrderMeta(db, QStringLiteral("next_no"), number + 1);
    const QString stCode = s.at(0).toString();
    const int todayNo = db.value(QStringLiteral("SELECT COUNT(*) FROM store_orders WHERE st_code = ?"), {stCode})
                            .toInt()
                        + 1;
    const bool app = rng.chance(0.5);
    const bool table = !app && rng.chance(0.4);
    const int amount = rng.between(4, 45) * 1000;
    const int discount = rng.chance(0.2) ? 1000 : 0;
    const QString tel = rng.mobile();
    QString status = app ? QStringLiteral("1001") : QStringLiteral("2001");
    QString kind = app ? QStringLiteral("1002") : (table ? QStringLiteral("1008") : QStringLiteral("1002"));
    // Now and then an order the board does not show: a delivery-app kind or a held status.
    if (rng.chance(0.08))
        kind = QStringLiteral("1016");
    else if (rng.chance(0.06))
        status = rng.chance(0.5) ? QStringLiteral("1004") : QStringLiteral("4005");
    const QString payType = app ? QStringLiteral("1002") : rng.pick(QStringList{"1001", "1002", "1003"});
    const QString now = timeAt(ms);

    QVariantList v;
    v << QStringLiteral("202612119%1").arg(number, 5, 10, QLatin1Char('0')) << QStringLiteral("1") << QStringLiteral("Y")
      << (app ? QStringLiteral("0") : QStringLiteral("1")) << now << QString()
      << (app ? QStringLiteral("app") : QStringLiteral("store") + stCode.right(3)) << QString::number(number)
      << QString::number(todayNo) << QStringLiteral("0") << status
      << (app ? QStringLiteral("3001") : QStringLiteral("1002")) << stCode << s.at(1).toString() << stCode << tel
      << QString::number(rng.between(0, 25)) << QStringLiteral("0") << rng.personName() << tel
      << QString::number(rng.between(0, 9)) << QStringLiteral("10") << now << kind
      << (table ? QString::number(rng.between(1, 20)) : QStringLiteral("0"))
      << (table ? QString() : timeAt(ms + qint64(rng.between(2, 6)) * 5 * 60000)) << QString() << rng.pick(kStoreOrderMemos)
      << QString() << QString::number(amount) << QString::number(discount)
      << (app ? QStringLiteral("2") : QStringLiteral("1")) << (payType == QLatin1String("1002") ? QStringLiteral("11") : QString())
      << payType << QString::number(amount - discount) << QStringLiteral("0") << rng.pick(kStoreOrderGoods)
      << s.at(4).toString() << s.at(3).toString() << QString() << s.at(2).toString() << s.at(5).toString()
      << seq;
    for (QVariant &x : v)
        if (x.typeId() == QMetaType::QString && x.toString().isNull())
            x = QStringLiteral("");  // a null text would bind as NULL
    QStringList names = kFields;
    names << QStringLiteral("hd_code") << QStringLiteral("chg_seq");
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks.append(QStringLiteral("?"));
    db.exec(QStringLiteral("INSERT INTO store_orders (") + names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (")
                + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
            v);
}

void step(SandboxDatabase &db, SandboxRandom &rng)
{
    db.transaction([&] {
        qint64 ms = ScenarioAdvance(storeOrderMeta(db, QStringLiteral("clock_ms"), 0), kStoreOrderStepMs);
        qint64 seq = storeOrderMeta(db, QStringLiteral("seq"), 0);
        const QList<QVariantList> open = db.rows(
            QStringLiteral("SELECT ord_no, status_cd, confirm_type FROM store_orders"
                           " WHERE status_cd IN ('1001', '1002', '2001') ORDER BY ord_no"));
        for (const QVariantList &o : open) {
            const QString status = o.at(1).toString();
            QString next;
            QString confirm = o.at(2).toString();
            if (rng.chance(0.02)) {
                next = QStringLiteral("4002");
            } else if (rng.chance(0.3)) {
                if (status == QLatin1String("1001")) {
                    next = rng.chance(0.2) ? QStringLiteral("1002") : QStringLiteral("2001");
                    confirm = QStringLiteral("1");
                } else if (status == QLatin1String("1002")) {
                    next = QStringLiteral("2001");
                } else {
                    next = QStringLiteral("4001");
                }
            }
            if (next.isEmpty())
                continue;
            ms += 1;
            db.exec(QStringLiteral("UPDATE store_orders SET status_cd = ?, confirm_type = ?, mod_date = ?,"
                                   " end_date = CASE WHEN ? IN ('4001', '4002') THEN ? ELSE end_date END,"
                                   " chg_seq = ? WHERE ord_no = ?"),
                    {next, confirm, timeAt(ms), next, timeAt(ms), ++seq, o.at(0)});
        }
        const int fresh = rng.between(0, 2);
        for (int i = 0; i < fresh; ++i) {
            ms += 1;
            newStoreOrder(db, rng, ms, ++seq);
        }
        setStoreOrderMeta(db, QStringLiteral("clock_ms"), ms);
        setStoreOrderMeta(db, QStringLiteral("seq"), seq);
    });
}

void seedStoreOrders(SandboxDatabase &db, SandboxRandom &rng)
{
    // The early morning: a few orders already taken and some of them moved on.
    for (int i = 0; i < 10; ++i)
        step(db, rng);
}

// Fields: ID, USER_TYPE_CD, HD, BR, ST, MULTI_TYPE, sync mark, "1", "", "". An empty mark (or one
// that is not a change number) gets the whole day, flagged "A" in OUT_MSG; a mark gets what
// changed after it. OUT_VAL is the newest change number.
SandboxReply storeOrderLoad(const SandboxDatabase &db, const SandboxRequest &request)
{
    const QStringList f = request.fields();
    const QString cls = f.value(1).left(1);
    const QString mark = f.value(6).left(40);
    bool numeric = false;
    const qint64 since = mark.toLongLong(&numeric);
    const bool full = mark.isEmpty() || !numeric;
    QString where = full ? QStringLiteral("1 = 1") : QStringLiteral("chg_seq > ?");
    QVariantList binds;
    if (!full)
        binds.append(since);
    if (cls == QLatin1String("1")) {
        where += QStringLiteral(" AND st_code = ?");
        binds.append(f.value(4));
    } else if (cls == QLatin1String("5")) {
        where += QStringLiteral(" AND br_code = ?");
        binds.append(f.value(3));
    } else if (cls == QLatin1String("7")) {
        where += QStringLiteral(" AND hd_code = ?");
        binds.append(f.value(2));
    }
    const QList<QVariantList> rows =
        db.rows(QStringLiteral("SELECT ") + kFields.join(QStringLiteral(", ")) + QStringLiteral(" FROM store_orders WHERE ")
                    + where + (full ? QStringLiteral(" ORDER BY ord_no") : QStringLiteral(" ORDER BY chg_seq")),
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
    SandboxReply reply = SandboxReply::joinedRows(out, QString::number(storeOrderMeta(db, QStringLiteral("seq"), 0)));
    reply.outMsg = full ? QStringLiteral("A") : QString();
    return reply;
}
} // namespace

SANDBOX_HANDLER_AREA(store_orders)
{
    std::shared_ptr<SandboxDatabase> db = registry.database();
    if (!db)
        return;
    QStringList columns;
    for (const QString &c : kFields)
        columns.append(c + (c == QLatin1String("ord_no") ? QStringLiteral(" TEXT PRIMARY KEY")
                                                          : QStringLiteral(" TEXT NOT NULL DEFAULT ''")));
    db->addArea(kStoreOrdersRank, QStringLiteral("store_orders"),
                {QStringLiteral("CREATE TABLE IF NOT EXISTS store_orders (") + columns.join(QStringLiteral(", "))
                     + QStringLiteral(", hd_code TEXT NOT NULL DEFAULT '', chg_seq INTEGER NOT NULL)"),
                 QStringLiteral("CREATE INDEX IF NOT EXISTS store_orders_by_change ON store_orders (chg_seq)"),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS store_order_meta (key TEXT PRIMARY KEY, value INTEGER)")},
                seedStoreOrders);
    registry.add(QStringLiteral("CS01_48_V01"),
                 [db](const SandboxRequest &request) { return storeOrderLoad(*db, request); });
    registry.addScenarioStep(QStringLiteral("store_orders"),
                             [](SandboxDatabase &d, SandboxRandom &rng) { step(d, rng); });
}
