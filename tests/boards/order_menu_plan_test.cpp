// What the order popup offers for an order, by board, status and user.

#include "boards/order_menu_plan.h"

#include <gtest/gtest.h>

#include <QSet>

#include <functional>

namespace
{
const QDateTime kNoon(QDate(2026, 12, 11), QTime(12, 0));

// A distributor with rights, whose ticked branch's delivery group is D0101 (lock rule off).
OrderMenuUser distributor()
{
    OrderMenuUser u;
    u.userClass = QStringLiteral("5");
    u.ID = QStringLiteral("tester");
    u.HD = QStringLiteral("H0001");
    u.BR = QStringLiteral("B000101");
    u.MNG_DVRY_TYPE_CD = QStringLiteral("D0101");
    u.BR_DVRY_YN = QStringLiteral("Y");
    u.AUTH_TEL = QStringLiteral("0212345678");
    u.rights3 = true;
    u.selDvryTypes = {QStringLiteral("D0101")};
    u.dvryGroups = {{QStringLiteral("D0999"), QStringLiteral("Y")}, {QStringLiteral("D0101"), QStringLiteral("N")}};
    u.storeBranch = [](const QString &store) -> std::optional<QString> {
        if (store == QLatin1String("S000101"))
            return QStringLiteral("B000101");
        if (store == QLatin1String("S000201"))
            return QStringLiteral("B000201");
        return std::nullopt;
    };
    u.pathValue2 = [](const QString &path) {
        return path == QLatin1String("1016") ? QStringLiteral("001") : QStringLiteral("000");
    };
    return u;
}

// An order of the user's own group, delivered, from a store of the user's branch.
OrderMenuRow menuRow(const QString &status)
{
    OrderMenuRow r;
    r.TAKEOUT_YN = QStringLiteral("N");
    r.STATUS_CD = status;
    r.ORD_NO = QStringLiteral("20261211000042");
    r.READY_TIME2 = QStringLiteral("20");
    r.ORD_ST_CODE = QStringLiteral("S000101");
    r.ORD_ST_TEL = QStringLiteral("02-555-1234");
    r.ORD_PATH_CD = QStringLiteral("1001");
    r.DVRY_TYPE_CD = QStringLiteral("D0101");
    r.ORD_HD_CODE = QStringLiteral("H0001");
    r.BR_CODE = QStringLiteral("B000101");
    r.DVRY_LOCK_TIME = QStringLiteral("0");
    r.SHARE_GROUP = QStringLiteral("0");
    return r;
}

// The order with a courier of the user's branch (not of the ordering store).
OrderMenuRow carried(const QString &status)
{
    OrderMenuRow r = menuRow(status);
    r.CTH_WK_CODE = QStringLiteral("K00001");
    r.CTH_ST_CODE = QStringLiteral("S000199");
    r.CTH_BR_CODE = QStringLiteral("B000101");
    return r;
}

QSet<QString> names(std::initializer_list<const char *> list)
{
    QSet<QString> out;
    for (const char *n : list)
        out.insert(QString::fromLatin1(n));
    return out;
}

QSet<QString> shownItems(const OrderMenuPlan &plan)
{
    const QStringList l = plan.shownNames();
    return QSet<QString>(l.begin(), l.end());
}

struct MenuCase
{
    const char *what;
    OrderMenuTab tab;
    OrderMenuRow row;
    std::function<void(OrderMenuUser &)> user;
    bool popup;
    QSet<QString> items;
    QDateTime now = kNoon;
};

// Always present: the two separators; with own group the copies; with rights the store messages;
// the sender's telephone text (the user's telephone is long enough).
const auto kFrame = names({"N1", "N2", "NEtcSubSenderTelMsg", "NEtcSubOrdStTelMsg"});
const auto kOwn = names({"NStatusTitle", "NOrderCopy1001", "NOrderCopy2001", "NEtcStMsg"});

QSet<QString> unionOf(std::initializer_list<QSet<QString>> parts)
{
    QSet<QString> out;
    for (const QSet<QString> &p : parts)
        out.unite(p);
    return out;
}

OrderMenuRow edited(OrderMenuRow r, const std::function<void(OrderMenuRow &)> &f)
{
    f(r);
    return r;
}
} // namespace

TEST(OrderMenuPlan, LiveBoardStatusTable)
{
    const std::vector<MenuCase> cases = {
        {"received", OrderMenuTab::Live, menuRow("1001"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusReady", "NStatusWait", "NStatusCancel", "NStatusComplete", "NEtcTitle",
                                    "NEtcDvry"})})},
        {"received, needs the store's confirmation", OrderMenuTab::Live,
         edited(menuRow("1001"), [](OrderMenuRow &r) { r.ORD_PATH_CD = QStringLiteral("1016"); }), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusOrderCheck", "NStatusReady", "NStatusWait", "NStatusCancel",
                                    "NStatusComplete", "NEtcTitle", "NEtcDvry"})})},
        {"received with an arrival time: confirmed already", OrderMenuTab::Live,
         edited(menuRow("1001"),
                [](OrderMenuRow &r) {
                    r.ORD_PATH_CD = QStringLiteral("1016");
                    r.ARR_TIME = QStringLiteral("12:30");
                }),
         {}, true,
         unionOf({kFrame, kOwn, names({"NStatusReady", "NStatusWait", "NStatusCancel", "NStatusComplete", "NEtcTitle",
                                    "NEtcDvry"})})},
        {"takeout received: no request, no wait", OrderMenuTab::Live,
         edited(menuRow("1001"), [](OrderMenuRow &r) { r.TAKEOUT_YN = QStringLiteral("Y"); }), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusCancel", "NStatusComplete"})})},
        {"requested, bundle-eligible", OrderMenuTab::Live,
         edited(menuRow("2001"), [](OrderMenuRow &r) { r.MANUAL_GRP_YN = QStringLiteral("Y"); }), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusStart", "NStatusWait", "NStatusComplete", "NStatusCancel", "NEtcTitle",
                                    "NEtcDvry", "nOrdBundle"})})},
        {"shared order of another group: dispatch, bundle and messages only", OrderMenuTab::Live,
         edited(menuRow("2001"),
                [](OrderMenuRow &r) {
                    r.SHARE_GROUP = QStringLiteral("1");
                    r.DVRY_TYPE_CD = QStringLiteral("D0777");
                    r.MANUAL_GRP_YN = QStringLiteral("Y");
                }),
         {}, true, unionOf({kFrame, names({"NEtcDvry", "nOrdBundle"})})},
        {"assigned", OrderMenuTab::Live, carried("3001"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusStart", "NEtcDvry", "NEtcDvryMsg", "NStatusComplete", "NStatusCancel",
                                    "NStatusCancelDvryReady", "NStatusCancelWait", "NEtcTitle", "NEtcDvryRSTR"})})},
        {"assigned bundle member: bundle cancels replace the plain ones", OrderMenuTab::Live,
         edited(carried("3001"), [](OrderMenuRow &r) { r.ORD_GRP_NO = QStringLiteral("G1"); }), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusStart", "NEtcDvry", "NEtcDvryMsg", "NStatusComplete", "NStatusCancel",
                                    "NOrdBundleOneCancel", "NOrdBundleAllCancel", "NOrdBundleOneCancelWait",
                                    "NEtcTitle", "NEtcDvryRSTR"})})},
        {"departed", OrderMenuTab::Live, carried("3003"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusComplete", "NStatusCancelDvryReady", "NStatusCancelWait", "NEtcDvry",
                                    "NEtcDvryMsg", "NStatusCancel", "NEtcTitle", "NEtcDvryRSTR"})})},
        {"completed", OrderMenuTab::Live, carried("4001"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusCancel", "NEtcTitle", "NEtcDvryMsg", "NEtcDvryRSTR"})})},
        {"cancelled with an end time: no menu", OrderMenuTab::Live,
         edited(menuRow("4002"), [](OrderMenuRow &r) { r.END_DATE2 = QStringLiteral("2026-12-11 11:00:00"); }), {},
         false, unionOf({kFrame, kOwn})},
        {"cancelled without an end time", OrderMenuTab::Live, carried("4002"), {}, true,
         unionOf({kFrame, kOwn, names({"NEtcDvryRSTR"})})},
        {"waiting", OrderMenuTab::Live, menuRow("1007"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusWaitFree", "NStatusCancel", "NEtcDvry"})})},
        {"unknown status with a courier of the branch", OrderMenuTab::Live, carried("4003"), {}, true,
         unionOf({kFrame, kOwn, names({"NEtcDvryRSTR", "NEtcTitle"})})},
        {"unknown status without the restriction item: no menu", OrderMenuTab::Live, menuRow("4003"), {}, false,
         unionOf({kFrame, kOwn})},
        {"a store user never dispatches", OrderMenuTab::Live, menuRow("2001"),
         [](OrderMenuUser &u) { u.userClass = QStringLiteral("1"); }, true,
         unionOf({kFrame, kOwn, names({"NStatusStart", "NStatusWait", "NStatusComplete", "NEtcTitle"})})},
        {"no branch ticked: no dispatch", OrderMenuTab::Live, menuRow("2001"),
         [](OrderMenuUser &u) { u.selDvryTypes.clear(); }, true,
         unionOf({kFrame, kOwn, names({"NStatusStart", "NStatusWait", "NStatusComplete", "NStatusCancel",
                                    "NEtcTitle"})})},
        {"without rights", OrderMenuTab::Live, menuRow("1001"), [](OrderMenuUser &u) { u.rights3 = false; }, true,
         unionOf({kFrame, names({"NStatusTitle", "NOrderCopy1001", "NOrderCopy2001", "NStatusReady", "NEtcTitle",
                              "NEtcDvry"})})},
        {"another group's order: no copies", OrderMenuTab::Live,
         edited(menuRow("1001"), [](OrderMenuRow &r) { r.DVRY_TYPE_CD = QStringLiteral("D0777"); }), {}, true,
         unionOf({kFrame, names({"NStatusTitle", "NEtcStMsg", "NStatusReady", "NStatusWait", "NStatusCancel",
                              "NStatusComplete"})})},
    };
    for (const MenuCase &c : cases) {
        OrderMenuUser u = distributor();
        if (c.user)
            c.user(u);
        const OrderMenuPlan plan = PlanOrderMenu(c.tab, c.row, u, c.now);
        EXPECT_EQ(plan.popup, c.popup) << c.what;
        EXPECT_EQ(shownItems(plan), c.items) << c.what << "\n got: " << plan.shownNames().join(' ').toStdString();
    }
}

TEST(OrderMenuPlan, CompletedBoardStatusTable)
{
    auto card = [](OrderMenuRow r) {
        r.PAY_TYPE_CD = QStringLiteral("카드");
        return r;
    };
    const std::vector<MenuCase> cases = {
        {"received", OrderMenuTab::Completed, menuRow("1001"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusReady", "NStatusWait", "NStatusCancel", "NStatusComplete", "NEtcTitle",
                                    "NEtcDvry"})})},
        {"departed offers the way back to a request", OrderMenuTab::Completed, carried("3003"), {}, true,
         unionOf({kFrame, kOwn, names({"NStatusComplete", "NStatusStartCancel", "NStatusCancel", "NEtcTitle",
                                    "NEtcDvry", "NEtcDvryMsg", "NEtcDvryRSTR"})})},
        {"completed by card, settlement cancellable", OrderMenuTab::Completed,
         edited(card(carried("4001")),
                [](OrderMenuRow &r) {
                    r.CANCEL_AJ_ABLE = QStringLiteral("A");
                    r.ORG_ORD_NO = QStringLiteral("0");
                }),
         {}, true,
         unionOf({kFrame, kOwn, names({"NStatusCancel", "NStatusCancelNAcc", "NEtcTitle", "NEtcDvryMsg", "NCardAppr",
                                    "NEtcDvryRSTR"})})},
        {"completed copy of another order: no settlement cancel", OrderMenuTab::Completed,
         edited(carried("4001"),
                [](OrderMenuRow &r) {
                    r.CANCEL_AJ_ABLE = QStringLiteral("A");
                    r.ORG_ORD_NO = QStringLiteral("20261211000001");
                }),
         {}, true, unionOf({kFrame, kOwn, names({"NStatusCancel", "NEtcTitle", "NEtcDvryMsg", "NEtcDvryRSTR"})})},
        {"cancelled card order without an end time", OrderMenuTab::Completed, card(menuRow("4002")), {}, true,
         unionOf({kFrame, kOwn, names({"NCardAppr"})})},
        {"cancelled with an end time: no menu", OrderMenuTab::Completed,
         edited(menuRow("4002"), [](OrderMenuRow &r) { r.END_DATE2 = QStringLiteral("2026-12-11 11:00:00"); }), {},
         false, unionOf({kFrame, kOwn})},
        {"no store confirmation and no bundle on the completed board", OrderMenuTab::Completed,
         edited(menuRow("2001"),
                [](OrderMenuRow &r) {
                    r.MANUAL_GRP_YN = QStringLiteral("Y");
                    r.SHARE_GROUP = QStringLiteral("1");
                    r.DVRY_TYPE_CD = QStringLiteral("D0777");
                }),
         {}, true,
         unionOf({kFrame, names({"NStatusTitle", "NEtcStMsg", "NStatusStart", "NStatusWait", "NStatusComplete",
                              "NStatusCancel", "NEtcTitle", "NEtcDvry"})})},
    };
    for (const MenuCase &c : cases) {
        OrderMenuUser u = distributor();
        const OrderMenuPlan plan = PlanOrderMenu(c.tab, c.row, u, c.now);
        EXPECT_EQ(plan.popup, c.popup) << c.what;
        EXPECT_EQ(shownItems(plan), c.items) << c.what << "\n got: " << plan.shownNames().join(' ').toStdString();
    }
}

TEST(OrderMenuPlan, DispatchLockOpensOnlyAfterTheLockTime)
{
    struct Lock
    {
        const char *what;
        QString readyChange;
        QString lock;
        QString rule;
        QTime now;
        bool dispatch;
    };
    const QString at12 = QStringLiteral("2026-12-11 12:00:00");
    const std::vector<Lock> cases = {
        {"at the end of the lock", at12, "90", "N", QTime(12, 1, 30), false},
        {"one second later", at12, "90", "N", QTime(12, 1, 31), true},
        {"no ready-change time", QString(), "90", "N", QTime(12, 0, 0), true},
        {"the group ignores the lock", at12, "90", "Y", QTime(12, 0, 0), true},
        {"lock that is no number counts as none", at12, "abc", "N", QTime(12, 0, 1), true},
        {"unreadable ready-change time keeps the lock", QStringLiteral("12시"), "0", "N", QTime(13, 0), false},
    };
    for (const Lock &c : cases) {
        OrderMenuUser u = distributor();
        u.dvryGroups = {{QStringLiteral("D0101"), c.rule}};
        OrderMenuRow r = menuRow("2001");
        r.READY_CHANGE_DATE2 = c.readyChange;
        r.DVRY_LOCK_TIME = c.lock;
        const OrderMenuPlan plan = PlanOrderMenu(OrderMenuTab::Live, r, u, QDateTime(kNoon.date(), c.now));
        EXPECT_EQ(plan.shows(OrderMenuItem::NEtcDvry), c.dispatch) << c.what;
    }
}

TEST(OrderMenuPlan, MessageItemsFollowTheCourierAndTheTelephones)
{
    OrderMenuUser u = distributor();
    u.AUTH_TEL = QStringLiteral("02-1");
    OrderMenuRow r = carried("3001");
    r.CTH_BR_CODE = QStringLiteral("B000201");
    r.CTH_ST_CODE = r.ORD_ST_CODE;
    r.ORD_ST_TEL = QStringLiteral("02-55");
    OrderMenuPlan plan = PlanOrderMenu(OrderMenuTab::Live, r, u, kNoon);
    EXPECT_TRUE(plan.shows(OrderMenuItem::NEtcWkBrMsg));
    EXPECT_TRUE(plan.shows(OrderMenuItem::NEtcWkStMsg));
    EXPECT_FALSE(plan.shows(OrderMenuItem::NEtcSubOrdStTelMsg));
    EXPECT_FALSE(plan.shows(OrderMenuItem::NEtcSubSenderTelMsg));

    r.CTH_BR_CODE = u.BR;
    r.CTH_ST_CODE = QStringLiteral("S000199");
    r.ORD_ST_TEL = QStringLiteral("02-555-");
    plan = PlanOrderMenu(OrderMenuTab::Live, r, u, kNoon);
    EXPECT_FALSE(plan.shows(OrderMenuItem::NEtcWkBrMsg));
    EXPECT_FALSE(plan.shows(OrderMenuItem::NEtcWkStMsg));
    EXPECT_TRUE(plan.shows(OrderMenuItem::NEtcSubOrdStTelMsg));
}

TEST(OrderMenuPlan, RestrictionNeedsACourierAndAStoreOfTheUsersNetwork)
{
    OrderMenuUser u = distributor();
    OrderMenuRow r = carried("4003");
    r.ORD_ST_CODE = QStringLiteral("S000201");  // a store of another branch
    EXPECT_FALSE(PlanOrderMenu(OrderMenuTab::Live, r, u, kNoon).popup);
    u.userClass = QStringLiteral("7");
    u.slBrCode = {QStringLiteral("B000201")};
    EXPECT_TRUE(PlanOrderMenu(OrderMenuTab::Live, r, u, kNoon).shows(OrderMenuItem::NEtcDvryRSTR));
    r.ORD_ST_CODE = QStringLiteral("S999999");  // not in the store list
    EXPECT_FALSE(PlanOrderMenu(OrderMenuTab::Live, r, u, kNoon).popup);
}

TEST(OrderMenuPlan, StoreOrderBoardOffersCompletionAndCancellationOnly)
{
    const OrderMenuUser u = distributor();
    OrderMenuRow r = carried("1001");
    r.ORD_GRP_NO = QStringLiteral("G1");
    OrderMenuPlan plan = PlanOrderMenu(OrderMenuTab::StoreOrders, r, u, kNoon);
    EXPECT_TRUE(plan.popup);
    EXPECT_EQ(shownItems(plan), names({"N1", "N2", "NStatusTitle", "NEtcStMsg", "NStatusComplete", "NStatusCancel"}));
    EXPECT_EQ(plan.fields.FPOP_ORDER_SERVICE, QStringLiteral("Y"));
    EXPECT_EQ(plan.fields.FPOP_ORDER_NO, r.ORD_NO);
    EXPECT_TRUE(plan.fields.FPOP_CTH_WK_CODE.isEmpty());
    EXPECT_TRUE(plan.fields.FPOP_ORD_ST_TEL.isEmpty());
    EXPECT_TRUE(plan.fields.FPOP_READY_TIME.isEmpty());

    r.STATUS_CD = QStringLiteral("4002");
    plan = PlanOrderMenu(OrderMenuTab::StoreOrders, r, u, kNoon);
    EXPECT_FALSE(plan.shows(OrderMenuItem::NStatusCancel));
}

TEST(OrderMenuPlan, CopyOfAnOldDeliveryAppOrderIsMarked)
{
    const OrderMenuUser u = distributor();
    struct Age
    {
        const char *what;
        QString path, status, end;
        QString mark;
    };
    const std::vector<Age> cases = {
        {"3 h 5 min ago", "1004", "4001", "2026-12-11 08:55:00", "1"},
        {"2 h 59 min ago", "1004", "4001", "2026-12-11 09:01:00", "0"},
        {"another path", "1001", "4001", "2026-12-11 08:00:00", "0"},
        {"cancelled", "1004", "4002", "2026-12-11 08:00:00", "0"},
        {"unreadable end counts as now", "1004", "4001", "어제", "0"},
    };
    for (const Age &c : cases) {
        OrderMenuRow r = menuRow(c.status);
        r.ORD_PATH_CD = c.path;
        r.END_DATE2 = c.end;
        EXPECT_EQ(PlanOrderMenu(OrderMenuTab::Completed, r, u, kNoon).FSELECTBM, c.mark) << c.what;
    }
}

TEST(OrderMenuPlan, PopupFieldsPersistUntilTheNextPopupOfAnOrder)
{
    const OrderMenuUser u = distributor();
    OrderPopupState state;
    OrderMenuRow live = carried("3001");
    live.ORD_GRP_NO = QStringLiteral("G7");
    ASSERT_TRUE(state.apply(PlanOrderMenu(OrderMenuTab::Live, live, u, kNoon)));
    EXPECT_EQ(state.fields.FPOP_ORD_GRP_NO, QStringLiteral("G7"));
    EXPECT_EQ(state.fields.FPOP_CTH_WK_CODE, QStringLiteral("K00001"));

    // No focused row, another tab: nothing but the copy mark changes.
    state.FSELECTBM = QStringLiteral("1");
    EXPECT_FALSE(state.apply(PlanOrderMenu(OrderMenuTab::Live, std::nullopt, u, kNoon)));
    EXPECT_FALSE(state.apply(PlanOrderMenu(OrderMenuTab::Other, live, u, kNoon)));
    EXPECT_EQ(state.FSELECTBM, QStringLiteral("0"));
    EXPECT_EQ(state.fields.FPOP_ORDER_NO, live.ORD_NO);

    // The completed board does not write the bundle group.
    OrderMenuRow done = menuRow("4001");
    done.ORD_NO = QStringLiteral("20261211000043");
    ASSERT_TRUE(state.apply(PlanOrderMenu(OrderMenuTab::Completed, done, u, kNoon)));
    EXPECT_EQ(state.fields.FPOP_ORDER_NO, done.ORD_NO);
    EXPECT_EQ(state.fields.FPOP_ORD_GRP_NO, QStringLiteral("G7"));
    EXPECT_TRUE(state.fields.FPOP_CTH_WK_CODE.isEmpty());
}

TEST(OrderMenuPlan, RowsReadFromTheBoardsCells)
{
    QHash<QString, QString> cells = {
        {"CTV_MAIN_COMP_STATUS_CD", "4001"}, {"CTV_MAIN_COMP_DVRY_TYPE_CD", "D0101"},
        {"CTV_MAIN_COMP_ORD_GRP_NO", "G1"},  {"CTV_MAIN_DRVY_TYPE_CD", "D0202"},
        {"CTV_MAIN_ORD_GRP_NO", "G2"},       {"CTV_TAKEOUT_ORD_NO", "T1"},
        {"CTV_MAIN_COMP_PAY_TYPE_CD", "카드"},
    };
    auto cell = [&](const QString &n) { return cells.value(n); };
    const OrderMenuRow comp = OrderMenuRow::fromCells(OrderMenuTab::Completed, cell);
    EXPECT_EQ(comp.STATUS_CD, QStringLiteral("4001"));
    EXPECT_EQ(comp.DVRY_TYPE_CD, QStringLiteral("D0101"));
    EXPECT_TRUE(comp.ORD_GRP_NO.isEmpty());
    EXPECT_EQ(comp.PAY_TYPE_CD, QStringLiteral("카드"));
    const OrderMenuRow live = OrderMenuRow::fromCells(OrderMenuTab::Live, cell);
    EXPECT_EQ(live.DVRY_TYPE_CD, QStringLiteral("D0202"));
    EXPECT_EQ(live.ORD_GRP_NO, QStringLiteral("G2"));
    const OrderMenuRow store = OrderMenuRow::fromCells(OrderMenuTab::StoreOrders, cell);
    EXPECT_EQ(store.ORD_NO, QStringLiteral("T1"));
    EXPECT_EQ(store.TAKEOUT_YN, QStringLiteral("Y"));
}

TEST(OrderMenuPlan, MessageSubmenusCarryTheirReceiverKinds)
{
    const QList<OrderMessageEntry> courier = OrderMessageEntries(OrderMenuItem::NEtcDvryMsg);
    ASSERT_EQ(courier.size(), 10);
    EXPECT_EQ(courier.at(0).tag, 4);
    EXPECT_EQ(courier.at(1).tag, 5);
    EXPECT_EQ(courier.at(7).caption, QStringLiteral("대기자 콜수행해주세요. "));
    EXPECT_EQ(courier.at(9).kind, OrderMessageEntry::Compose);
    EXPECT_EQ(courier.at(9).tag, 4);
    const QList<OrderMessageEntry> courierStore = OrderMessageEntries(OrderMenuItem::NEtcWkStMsg);
    EXPECT_EQ(courierStore.first().tag, 2);
    EXPECT_EQ(courierStore.last().tag, 3);
    EXPECT_EQ(OrderMessageEntries(OrderMenuItem::NEtcWkBrMsg).size(), 1);
}
