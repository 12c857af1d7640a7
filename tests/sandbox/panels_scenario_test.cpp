// The side panels' area of the demo world: store connection flags with a change mark, and the
// scenario step that moves couriers and store connections.
#include "sandbox/handler_registry.h"
#include "sandbox/sandbox_database.h"
#include "sandbox/sandbox_random.h"

#include <gtest/gtest.h>

#include <QJsonObject>

namespace
{
struct PanelsWorld
{
    HandlerRegistry registry;
    std::shared_ptr<SandboxDatabase> db = std::make_shared<SandboxDatabase>();
    PanelsWorld()
    {
        registry.setDatabase(db);
        registerDemoHandlers(registry);
        QString error;
        EXPECT_TRUE(db->initialize(&error)) << error.toStdString();
    }
    SandboxReply storeStates(const QString &br, const QString &mark, const QString &callType = QStringLiteral("SOK1"))
    {
        SandboxRequest r;
        r.reqNum = QStringLiteral("1");
        r.callType = callType;
        r.val = QStringLiteral("3│H0001│%1││%2│").arg(br, mark);
        return registry.dispatch(r);
    }
    void step(SandboxRandom &rng)
    {
        for (const auto &[name, run] : registry.scenarioSteps())
            if (name == QLatin1String("panels"))
                run(*db, rng);
    }
};

TEST(PanelsArea, StoreStatesAnswerWhatChangedSinceTheMark)
{
    PanelsWorld w;
    const SandboxReply all = w.storeStates(QStringLiteral("B000101"), QString());
    ASSERT_EQ(all.outCode, "1");
    const int branchStores = w.db->value(QStringLiteral("SELECT COUNT(*) FROM stores WHERE br_code = 'B000101'")).toInt();
    ASSERT_GT(branchStores, 0);
    EXPECT_EQ(all.rows.size(), branchStores);
    for (const auto &v : all.rows) {
        const QString flag = v.toObject().value(QStringLiteral("C_1")).toString();
        EXPECT_TRUE(flag == QLatin1String("Y") || flag == QLatin1String("N"));
    }
    // Nothing changed since the mark: no rows, the same mark.
    const SandboxReply none = w.storeStates(QStringLiteral("B000101"), all.outVal);
    EXPECT_TRUE(none.rows.isEmpty());
    EXPECT_EQ(none.outVal, all.outVal);

    const auto flagsBefore = w.db->rows(QStringLiteral("SELECT conn_yn FROM store_states ORDER BY st_code"));
    const auto attendBefore = w.db->rows(QStringLiteral("SELECT attend_cd FROM couriers ORDER BY wk_code"));
    SandboxRandom rng(7);
    for (int i = 0; i < 10; ++i)
        w.step(rng);
    EXPECT_NE(w.db->rows(QStringLiteral("SELECT conn_yn FROM store_states ORDER BY st_code")), flagsBefore);
    EXPECT_NE(w.db->rows(QStringLiteral("SELECT attend_cd FROM couriers ORDER BY wk_code")), attendBefore);
    const SandboxReply changed = w.storeStates(QString(), all.outVal);
    EXPECT_FALSE(changed.rows.isEmpty());
    EXPECT_GT(changed.outVal.toLongLong(), all.outVal.toLongLong());

    // Hostile marks and an unknown call type.
    EXPECT_EQ(w.storeStates(QStringLiteral("B000101"), QStringLiteral("-5")).rows.size(), branchStores);
    EXPECT_EQ(w.storeStates(QStringLiteral("B000101"), QStringLiteral("99999999999999999999")).outCode, "1");
    EXPECT_EQ(w.storeStates(QStringLiteral("B000101"), QString(), QStringLiteral("XXX")).outCode, "0");
}
} // namespace
