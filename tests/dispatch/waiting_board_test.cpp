// The waiting-order board fed as the order dispatch feeds it: which orders enter and leave,
// when a row is refilled, the filters and the radius, the times and the colours.
#include "dispatch_test_support.h"

#include "dispatch/control_screens.h"
#include "orders/control_ready_orders.h"
#include "orders/courier_lists.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace dispatchtest;

namespace
{
class WaitingBoardTest : public ::testing::Test
{
protected:
    void SetUp() override { resetDispatchWorld(); }
    void TearDown() override
    {
        DispatchControlScreens::Instance().detach(core.get());
        AppClock::clearFixed();
    }

    void open(ControlVariant v)
    {
        core = std::make_unique<ControlScreenCore>(v);
        DispatchControlScreens::Instance().attach(core.get());
    }
    // One order as an applied order page hands it over.
    void apply(const std::shared_ptr<TA1ORDER> &o)
    {
        proc_WkDelA1Order(o, &DispatchControlScreens::Instance(), [](const TA1ORDER &) { return true; });
    }
    QVariant cell(const QString &no, int column) const
    {
        const GridTableModel &m = core->waiting().model();
        return m.recordCell(m.findRecord(no), column);
    }
    // Order numbers of the rows shown, top to bottom.
    QStringList shownRows() const
    {
        const GridTableModel &m = core->waiting().model();
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.recordCell(m.recordOfRow(r), Dmo::ORD_NO).toString();
        return out;
    }

    std::unique_ptr<ControlScreenCore> core;
};

TEST_F(WaitingBoardTest, RowsFollowTheOrdersAndOnlyANewerStampRefillsARow)
{
    open(ControlVariant::Map);
    apply(order(OrderSketch(QStringLiteral("A")).stamp(QStringLiteral("20261211110000000"))));
    ASSERT_TRUE(core->waiting().hasRow(QStringLiteral("A")));
    EXPECT_EQ(cell(QStringLiteral("A"), Dmo::ST_NAME).toString(), QStringLiteral("행복치킨"));
    EXPECT_EQ(cell(QStringLiteral("A"), Dmo::DVRY_AMT).toString(), QStringLiteral("3,500"));

    // The user ticks the row; the same order sent again unchanged leaves the tick.
    core->waiting().setTicked(QStringLiteral("A"), true);
    auto same = order(OrderSketch(QStringLiteral("A")).store(QStringLiteral("바뀐이름")).stamp(QStringLiteral("20261211110000000")));
    apply(same);
    EXPECT_TRUE(core->waiting().ticked(QStringLiteral("A")));
    EXPECT_EQ(cell(QStringLiteral("A"), Dmo::ST_NAME).toString(), QStringLiteral("행복치킨"));
    // An older stamp does not refill either.
    apply(order(OrderSketch(QStringLiteral("A")).store(QStringLiteral("바뀐이름")).stamp(QStringLiteral("20261211100000000"))));
    EXPECT_EQ(cell(QStringLiteral("A"), Dmo::ST_NAME).toString(), QStringLiteral("행복치킨"));
    // A newer one refills the row, and the refill clears the tick.
    apply(order(OrderSketch(QStringLiteral("A")).store(QStringLiteral("바뀐이름")).stamp(QStringLiteral("20261211120000000"))));
    EXPECT_EQ(cell(QStringLiteral("A"), Dmo::ST_NAME).toString(), QStringLiteral("바뀐이름"));
    EXPECT_FALSE(core->waiting().ticked(QStringLiteral("A")));

    // An order taken by a courier leaves the board and the waiting list.
    apply(order(OrderSketch(QStringLiteral("A")).status(QStringLiteral("3001")).stamp(QStringLiteral("20261211120500000"))));
    EXPECT_FALSE(core->waiting().hasRow(QStringLiteral("A")));
    EXPECT_FALSE(G_MAP_ORDERS.Contains(QStringLiteral("A")));
}

TEST_F(WaitingBoardTest, FirstFillTakesTheWaitingStatusesInListOrder)
{
    for (const auto &[no, status] : {std::pair{"1", "2001"}, {"2", "1002"}, {"3", "2002"}, {"4", "3001"}})
        G_MAP_ORDERS.Add(QString::fromLatin1(no), order(OrderSketch(QString::fromLatin1(no)).status(QString::fromLatin1(status))));
    open(ControlVariant::Courier);
    core->waiting().appendRow(QStringLiteral("old"));
    DispatchControlScreens::Instance().SetWorkControlFirstReadyData();
    EXPECT_EQ(core->waiting().orderNumbers(), (QStringList{"1", "2", "3"}));
    // Only the map screen marks held orders as their own kind.
    EXPECT_EQ(cell(QStringLiteral("2"), Dmo::ORD_TYPE).toString(), QStringLiteral("0"));
}

TEST_F(WaitingBoardTest, OrderCentredFirstFillRefreshesOnlyItsPickedRows)
{
    TA1Orders live;
    live.Add(QStringLiteral("P"), order(OrderSketch(QStringLiteral("P")).store(QStringLiteral("새이름"))));
    live.Add(QStringLiteral("Q"), order(OrderSketch(QStringLiteral("Q"))));
    open(ControlVariant::OrderCentred);
    core->waiting().appendRow(QStringLiteral("P"));
    DispatchControlScreens::Instance().liveOrders = [&live] { return &live; };
    DispatchControlScreens::Instance().SetWorkControlFirstReadyData();
    DispatchControlScreens::Instance().liveOrders = nullptr;
    EXPECT_EQ(core->waiting().orderNumbers(), QStringList{QStringLiteral("P")});
    EXPECT_EQ(cell(QStringLiteral("P"), Dmo::ST_NAME).toString(), QStringLiteral("새이름"));
}

TEST_F(WaitingBoardTest, CallsForAnotherScreenAreIgnored)
{
    open(ControlVariant::OrderCentred);
    apply(order(OrderSketch(QStringLiteral("A"))));
    EXPECT_EQ(core->waiting().rowCount(), 0);
    EXPECT_TRUE(G_MAP_ORDERS.Contains(QStringLiteral("A")));
}

struct FilterCase
{
    const char *name;
    QString userClass;
    int share;
    QStringList groups;
    bool btob;
    QString addr, store;
    bool showWaiting;
    ControlVariant variant;
    QStringList shown;  // sorted
};

TEST_F(WaitingBoardTest, FilterGroupsByUserAndInputs)
{
    const QString addrHint = PolicyOf(ControlVariant::Map).addrHint;
    const FilterCase cases[] = {
        {"distributor sees all", "5", 0, {"G1"}, false, {}, {}, true, ControlVariant::Map, {"a", "b", "c", "d"}},
        {"own group", "5", 1, {"G1"}, false, {}, {}, true, ControlVariant::Map, {"a", "c", "d"}},
        {"shared groups", "5", 2, {"G1"}, false, {}, {}, true, ControlVariant::Map, {"b"}},
        {"no ticked branch shows none", "5", 1, {}, false, {}, {}, true, ControlVariant::Map, {}},
        {"head office by branch", "7", 1, {"G1"}, false, {}, {}, true, ControlVariant::Map, {"a", "b", "d"}},
        {"b2b head office ignores branches", "7", 0, {}, true, {}, {}, true, ControlVariant::Map, {"a", "b", "c", "d"}},
        {"b2b rule is the map screen's", "7", 0, {}, true, {}, {}, true, ControlVariant::Courier, {"a", "b", "d"}},
        {"address or store text", "5", 0, {"G1"}, false, "역삼", "피자", true, ControlVariant::Map, {"a", "c"}},
        {"hint text is no search", "5", 0, {"G1"}, false, addrHint, {}, true, ControlVariant::Map, {"a", "b", "c", "d"}},
        {"held orders hidden", "5", 0, {"G1"}, false, {}, {}, false, ControlVariant::Map, {"a", "b", "c"}},
        {"held switch only on map", "5", 0, {"G1"}, false, {}, {}, false, ControlVariant::Courier, {"a", "b", "c", "d"}},
    };
    for (const FilterCase &fc : cases) {
        SCOPED_TRACE(fc.name);
        resetDispatchWorld();
        G_USER_INFO.USER_TYPE_CD = fc.userClass + QStringLiteral("001");
        G_USER_INFO.BTOB_YN = fc.btob ? "Y" : "N";
        G_SL_ORD_FILTER[1] = QStringList{QStringLiteral("BR1"), QStringLiteral("BR2")};
        G_SL_ORD_FILTER[2] = fc.groups;
        open(fc.variant);
        const TOrderLogin login = CurrentOrderLogin();
        core->SetReadyCallUpdate(*order(OrderSketch("a").addr("역삼동 1")));
        core->SetReadyCallUpdate(*order(OrderSketch("b").branch("BR2").group("G2").addr("논현동 2")));
        core->SetReadyCallUpdate(*order(OrderSketch("c").branch("BR3").store("피자집").addr("삼성동")));
        core->SetReadyCallUpdate(*order(OrderSketch("d").status("1002").addr("대치동")));
        core->waitingInputs.share = fc.share;
        core->waitingInputs.addrText = fc.addr;
        core->waitingInputs.storeText = fc.store;
        core->waitingInputs.showWaiting = fc.showWaiting;
        core->proc_Readycall_filter();
        QStringList shown = shownRows();
        shown.sort();
        EXPECT_EQ(shown, fc.shown);
        (void)login;
    }
}

TEST_F(WaitingBoardTest, OrderViewRadiusBoxIsInclusiveAndUnticksRowsLeavingIt)
{
    open(ControlVariant::Map);
    const struct
    {
        const char *no, *lng, *lat;
        bool inside;
    } stores[] = {
        {"lngIn", "127.011", "37.5", true},
        {"lngOut", "127.013", "37.5", false},
        {"latIn", "127.0", "37.508", true},
        {"latOut", "127.0", "37.510", false},
        {"edge", "126.988", "37.491", true},
    };
    for (const auto &s : stores)
        core->SetReadyCallUpdate(*order(OrderSketch(s.no).lng(s.lng).lat(s.lat)));
    core->waiting().setTicked(QStringLiteral("lngOut"), true);
    core->waiting().setTicked(QStringLiteral("lngIn"), true);
    const QStringList unticked = core->waiting().setOrderRadius(1, 127.0, 37.5);
    EXPECT_EQ(unticked, QStringList{QStringLiteral("lngOut")});
    core->proc_Readycall_filter();
    for (const auto &s : stores)
        EXPECT_EQ(core->waiting().rowShown(QString::fromLatin1(s.no)), s.inside) << s.no;
    EXPECT_TRUE(core->waiting().ticked(QStringLiteral("lngIn")));
    // A row filled while the radius is on is judged at once; off again shows every row.
    core->SetReadyCallUpdate(*order(OrderSketch("late").lng("128.0")));
    core->proc_Readycall_filter();
    EXPECT_FALSE(core->waiting().rowShown(QStringLiteral("late")));
    core->setOrderRadius(0, 0, 0);
    EXPECT_EQ(shownRows().size(), 6);
}

TEST_F(WaitingBoardTest, LongestWaitingFirstAndAgeDoesNotWrapAtADay)
{
    open(ControlVariant::Map);
    core->SetReadyCallUpdate(*order(OrderSketch("fresh").waited(3)));
    core->SetReadyCallUpdate(*order(OrderSketch("day").waited(25 * 60)));
    core->SetReadyCallUpdate(*order(OrderSketch("hour").waited(70)));
    EXPECT_EQ(shownRows(), (QStringList{"day", "hour", "fresh"}));
    EXPECT_EQ(cell(QStringLiteral("day"), Dmo::ADD_TIME).toInt(), 25 * 60);
    EXPECT_EQ(cell(QStringLiteral("hour"), Dmo::READY_CHANGE_DATE_VIEW).toString(), QStringLiteral("10:50"));

    // The time refresh moves the waiting time on with the clock.
    G_MAP_ORDERS.Add(QStringLiteral("fresh"), order(OrderSketch("fresh").waited(3)));
    AppClock::setFixed(testNow().addSecs(10 * 60));
    core->proc_ChangeAddTime();
    EXPECT_EQ(cell(QStringLiteral("fresh"), Dmo::ADD_TIME).toInt(), 13);
    EXPECT_EQ(cell(QStringLiteral("hour"), Dmo::ADD_TIME).toInt(), 70);  // not waiting any more: skipped
}

TEST_F(WaitingBoardTest, CookingMinutesByViewSetting)
{
    open(ControlVariant::Map);
    // Requested 5 minutes ago with 10 minutes of cooking: ready in 5 minutes.
    core->SetReadyCallUpdate(*order(OrderSketch("a").waited(5)));
    EXPECT_EQ(cell(QStringLiteral("a"), Dmo::READY_TIME).toInt(), -5);
    core->SetReadyCallUpdate(*order(OrderSketch("b").waited(25)));
    EXPECT_EQ(cell(QStringLiteral("b"), Dmo::READY_TIME).toInt(), 15);
    G_USER_SET.COOK_VIEW_TYPE = "2";
    core->SetReadyCallUpdate(*order(OrderSketch("a").waited(5)));
    EXPECT_EQ(cell(QStringLiteral("a"), Dmo::READY_TIME).toInt(), 10);
}

TEST_F(WaitingBoardTest, RowColours)
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath(QStringLiteral("env.ini")));
    ini.WriteString(QStringLiteral("Status"), QStringLiteral("CB_1002"), QStringLiteral("clYellow"));
    open(ControlVariant::Map);
    core->SetReadyCallUpdate(*order(OrderSketch("held").status("1002")));
    core->SetReadyCallUpdate(*order(OrderSketch("ready").waited(20)));
    core->SetReadyCallUpdate(*order(OrderSketch("cooking").waited(2)));
    const GridTableModel &m = core->waiting().model();
    TColor yellow = 0;
    ASSERT_TRUE(StringToColor(QStringLiteral("clYellow"), &yellow));
    EXPECT_EQ(core->waiting().rowColour(m.findRecord("held"), &ini), std::optional<TColor>(yellow));
    EXPECT_EQ(core->waiting().rowColour(m.findRecord("ready"), &ini), std::optional<TColor>(ColorFromRgb(255, 169, 128)));
    EXPECT_EQ(core->waiting().rowColour(m.findRecord("cooking"), &ini), std::nullopt);

    WaitingBoard courier(ControlVariant::Courier);
    courier.fillRow(*order(OrderSketch("ready").waited(20)), CurrentOrderLogin(), QStringLiteral("1"));
    EXPECT_EQ(courier.rowColour(0, &ini), std::nullopt);
}

TEST_F(WaitingBoardTest, HeldSwitchOffClearsTicksAndViewFlags)
{
    open(ControlVariant::Map);
    core->SetReadyCallUpdate(*order(OrderSketch("a")));
    core->SetReadyCallUpdate(*order(OrderSketch("held").status("1002")));
    core->waiting().setTicked(QStringLiteral("a"), true);
    core->waiting().model().setRecordValue(0, Dmo::ORD_CHK_VIEW, QStringLiteral("Y"));
    core->setShowWaiting(false);
    EXPECT_EQ(shownRows(), QStringList{QStringLiteral("a")});
    EXPECT_TRUE(core->waiting().tickedOrders().isEmpty());
    EXPECT_EQ(cell(QStringLiteral("a"), Dmo::ORD_CHK_VIEW).toString(), QStringLiteral("N"));
}
} // namespace
