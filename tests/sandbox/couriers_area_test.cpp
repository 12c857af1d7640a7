// The couriers' area of the demo world: the courier list with a change mark, whose rows follow
// whatever moved a courier (the area's own step, attendance set elsewhere, the orders).
#include "sandbox/handler_registry.h"
#include "row_separator.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QJsonArray>

namespace
{

struct World
{
    HandlerRegistry registry;
    std::shared_ptr<SandboxDatabase> db = std::make_shared<SandboxDatabase>();
    World()
    {
        registry.setDatabase(db);
        registerDemoHandlers(registry);
        QString error;
        EXPECT_TRUE(db->initialize(&error)) << error.toStdString();
    }
    SandboxReply list(const QString &userClass, const QString &mark, const QString &callType = QStringLiteral("SWK2"))
    {
        SandboxRequest r;
        r.reqNum = QStringLiteral("CSDVRY");
        r.callType = callType;
        r.val = QStringList{"tester", userClass, "H0001", "B000101", "", "Y", mark}.join(kSep) + kSep;
        return registry.dispatch(r);
    }
    void step(const char *name, SandboxRandom &rng)
    {
        for (const auto &[n, run] : registry.scenarioSteps())
            if (n == QLatin1String(name))
                run(*db, rng);
    }
};

// Rows by courier code, each split into its fields.
QHash<QString, QStringList> rowsOf(const SandboxReply &reply)
{
    QHash<QString, QStringList> out;
    for (const auto &v : reply.rows) {
        const QStringList f = v.toString().split(kSep);
        out.insert(f.value(0), f);
    }
    return out;
}
} // namespace

TEST(CouriersArea, TheListAnswersWhatChangedSinceTheMark)
{
    World w;
    const SandboxReply all = w.list(QStringLiteral("5"), QString());
    ASSERT_EQ(all.outCode, "1");
    const auto rows = rowsOf(all);
    const int inBranch = w.db->value(QStringLiteral("SELECT COUNT(*) FROM couriers WHERE br_code = 'B000101'")).toInt();
    ASSERT_GT(inBranch, 0);
    EXPECT_EQ(rows.size(), inBranch);
    for (const QStringList &f : rows) {
        ASSERT_EQ(f.size(), 31) << "30 fields, each closed by the separator";
        EXPECT_EQ(f.at(2), "B000101");
        EXPECT_TRUE(f.at(5) == QLatin1String("1") || f.at(5) == QLatin1String("0"));
        EXPECT_FALSE(f.at(9).isEmpty());
        EXPECT_FALSE(f.at(14).contains(QLatin1Char('-')));
    }
    // Nothing changed since the mark: no rows, the same mark.
    const SandboxReply none = w.list(QStringLiteral("5"), all.outVal);
    EXPECT_TRUE(none.rows.isEmpty());
    EXPECT_EQ(none.outVal, all.outVal);

    // Attendance set by another area, and an order assigned, show at the next answer.
    const QString resting = w.db->value(QStringLiteral("SELECT wk_code FROM couriers WHERE br_code = 'B000101'"
                                                       " AND attend_cd <> '0003' ORDER BY wk_code LIMIT 1"))
                                .toString();
    w.db->exec(QStringLiteral("UPDATE couriers SET attend_cd = '0003' WHERE wk_code = ?"), {resting});
    const auto carrier = w.db->rows(QStringLiteral("SELECT wk_code FROM couriers WHERE br_code = 'B000101'"
                                                   " AND wk_code <> ? ORDER BY wk_code DESC LIMIT 1"),
                                    {resting});
    const QString carrierCode = carrier.first().at(0).toString();
    const int assigned = rows.value(carrierCode).at(25).toInt();
    w.db->exec(QStringLiteral("UPDATE orders SET cth_wk_code = ?, ord_status_cd = '3001' WHERE ord_no ="
                              " (SELECT ord_no FROM orders WHERE ord_status_cd IN ('1001', '2001') ORDER BY ord_no LIMIT 1)"),
               {carrierCode});
    const SandboxReply changed = w.list(QStringLiteral("5"), all.outVal);
    const auto changedRows = rowsOf(changed);
    EXPECT_EQ(changedRows.size(), 2);
    EXPECT_EQ(changedRows.value(resting).value(4), "0003");
    EXPECT_EQ(changedRows.value(carrierCode).value(25).toInt(), assigned + 1);
    EXPECT_GT(changed.outVal.toLongLong(), all.outVal.toLongLong());

    // The area's step moves couriers at work.
    SandboxRandom rng(11);
    w.step("couriers", rng);
    EXPECT_FALSE(w.list(QStringLiteral("5"), changed.outVal).rows.isEmpty());

    // A store sees no couriers; hostile marks answer everything; an unknown call type is refused.
    EXPECT_TRUE(w.list(QStringLiteral("1"), QString()).rows.isEmpty());
    EXPECT_EQ(w.list(QStringLiteral("5"), QStringLiteral("-5")).rows.size(), inBranch);
    EXPECT_EQ(w.list(QStringLiteral("5"), QStringLiteral("1' OR '1'='1")).rows.size(), inBranch);
    EXPECT_EQ(w.list(QStringLiteral("5"), QStringLiteral("99999999999999999999")).outCode, "1");
    EXPECT_EQ(w.list(QStringLiteral("5"), QString(), QStringLiteral("ADM1")).outCode, "0");
    // A head office sees the couriers of all of its branches.
    const int inHd = w.db->value(QStringLiteral("SELECT COUNT(*) FROM couriers WHERE hd_code = 'H0001'")).toInt();
    EXPECT_EQ(w.list(QStringLiteral("7"), QString()).rows.size(), inHd);
    EXPECT_GT(inHd, inBranch);
}

TEST(CouriersArea, OrdersGoToCouriersOfTheList)
{
    World w;
    const int orderCouriers = w.db->value(QStringLiteral("SELECT COUNT(*) FROM order_couriers")).toInt();
    ASSERT_GT(orderCouriers, 0);
    EXPECT_EQ(w.db->value(QStringLiteral("SELECT COUNT(*) FROM order_couriers k JOIN couriers w"
                                         " ON w.wk_code = k.wk_code AND w.br_code = k.br_code AND w.data_status = '1'"))
                  .toInt(),
              orderCouriers);
}
