#include "order_test_support.h"

#include "orders/courier_lists.h"

using namespace ordertest;

namespace
{
// An order whose snapshot had `oldCourier` and that now has `courier` in `status`.
std::shared_ptr<TA1ORDER> moved(const QString &no, const QString &oldCourier, const QString &courier,
                                const QString &status)
{
    auto o = std::make_shared<TA1ORDER>();
    EXPECT_TRUE(proc_SetA1OrderFromRow(*o, liveRow(no, status, {{71, courier}}), {}));
    o->OLD_ORDER->set(A1::CTH_WK_CODE, oldCourier);
    return o;
}

class CourierLists : public ::testing::Test
{
protected:
    void SetUp() override { resetWorld(); }
};

TEST_F(CourierLists, OrdersMoveBetweenCouriers)
{
    struct Step
    {
        const char *oldCourier, *courier, *status;
        QStringList w1, w2, changed;
    } steps[] = {
        {"", "W1", "3001", {"9"}, {}, {"W1"}},           // assigned
        {"W1", "W1", "3003", {"9"}, {}, {}},             // same courier: stays, nothing queued
        {"W1", "W2", "3003", {}, {"9"}, {"W1", "W2"}},   // moved to another courier
        {"W2", "W2", "4001", {}, {"9"}, {}},             // finished with the same courier
        {"W2", "", "2001", {}, {}, {"W2"}},              // taken off
        {"", "W1", "2001", {}, {}, {"W1"}},              // assigned while still a request
        {"GONE", "W2", "3001", {}, {"9"}, {"W2"}},       // unknown previous courier
        {"W2", "NEW", "3001", {}, {}, {"W2"}},           // courier not loaded yet
    };
    for (const Step &s : steps) {
        G_SL_WK_CHG[1].clear();
        proc_WkAddA1Order(moved(QStringLiteral("9"), s.oldCourier, s.courier, s.status));
        EXPECT_EQ(courierOrders(QStringLiteral("W1")), s.w1) << s.oldCourier << "->" << s.courier;
        EXPECT_EQ(courierOrders(QStringLiteral("W2")), s.w2) << s.oldCourier << "->" << s.courier;
        EXPECT_EQ(G_SL_WK_CHG[1].items(), s.changed) << s.oldCourier << "->" << s.courier;
    }
    // The courier's list holds the board's record itself.
    auto o = moved(QStringLiteral("10"), QString(), QStringLiteral("W1"), QStringLiteral("3001"));
    proc_WkAddA1Order(o);
    EXPECT_EQ(G_MY_WORKER.MyWorkerArray.find(QStringLiteral("W1"))->WKOrders->Find(QStringLiteral("10")), o);
}

TEST_F(CourierLists, WaitingOrdersFollowTheirStatusAndVisibility)
{
    RecordingScreens screens;
    screens.open[IControlScreens::ListScreen] = true;
    screens.map = true;
    bool admit = true;
    auto rule = [&](const TA1ORDER &) { return admit; };

    auto o = moved(QStringLiteral("5"), QString(), QString(), QStringLiteral("2001"));
    proc_WkDelA1Order(o, &screens, rule);
    EXPECT_EQ(G_MAP_ORDERS.Numbers(), QStringList{"5"});
    EXPECT_EQ(screens.calls, (QStringList{"add:5", "map-ready:5:1", "update:5"}));
    EXPECT_EQ(G_SL_WK_CHG[7].items(), QStringList{"5"});

    // The same stamp is not rewritten; a newer one is.
    screens.calls.clear();
    proc_WkDelA1Order(o, &screens, rule);
    EXPECT_TRUE(screens.calls.isEmpty());
    o->set(A1::MOD_DATE_STAMP, u"20261211100000000");
    proc_WkDelA1Order(o, &screens, rule);
    EXPECT_EQ(screens.calls, QStringList{"update:5"});

    // 2002 is a request as well.
    auto o2 = moved(QStringLiteral("6"), QString(), QString(), QStringLiteral("2002"));
    proc_WkDelA1Order(o2, &screens, rule);
    EXPECT_EQ(G_MAP_ORDERS.Numbers(), (QStringList{"5", "6"}));

    // Assigned: leaves the waiting list and the screen.
    screens.calls.clear();
    o->set(A1::ORD_STATUS_CD, u"3001");
    proc_WkDelA1Order(o, &screens, rule);
    EXPECT_EQ(G_MAP_ORDERS.Numbers(), QStringList{"6"});
    EXPECT_EQ(screens.calls, (QStringList{"remove:5", "map-delete:5"}));

    // No longer admitted: leaves as well.
    admit = false;
    proc_WkDelA1Order(o2, &screens, rule);
    EXPECT_TRUE(G_MAP_ORDERS.isEmpty());
    EXPECT_FALSE(screens.hasWaitingRow(IControlScreens::ListScreen, QStringLiteral("6")));
}
} // namespace
