// The courier board fed by the courier-list and order queues: rows, counters, count texts,
// colours, the filter, the map visibility, the cards and the selection.
#include "dispatch_test_support.h"

#include "common/message_box.h"
#include "dispatch/control_screens.h"

#include <gtest/gtest.h>

using namespace dispatchtest;

namespace
{
class CourierBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        resetDispatchWorld();
        previousBoxes = SetMsgBoxHandler([this](const QString &text, const QString &kind) {
            boxes << kind + QLatin1Char(' ') + text;
            return 1;
        });
    }
    void TearDown() override
    {
        SetMsgBoxHandler(previousBoxes);
        AppClock::clearFixed();
    }
    QVariant cell(const QString &code, int column) const
    {
        const GridTableModel &m = core->couriers().model();
        return m.recordCell(m.findRecord(code), column);
    }
    QStringList shownRows() const
    {
        const GridTableModel &m = core->couriers().model();
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.recordCell(m.recordOfRow(r), Dvry::WK_CODE).toString();
        return out;
    }
    void open(ControlVariant v)
    {
        core = std::make_unique<ControlScreenCore>(v);
        core->create();
        core->proc_AllWorkFirstRead();
    }

    std::unique_ptr<ControlScreenCore> core;
    QStringList boxes;
    MsgBoxHandler previousBoxes;
};

TEST_F(CourierBoardTest, NoCouriersGiveAnEmptyBoardAndZeroCounters)
{
    open(ControlVariant::Map);
    EXPECT_EQ(core->couriers().model().recordCount(), 0);
    EXPECT_EQ(core->counters(), CourierCounters{});
}

TEST_F(CourierBoardTest, FirstFillRowsAttendanceTextsCountersAndSort)
{
    addCourier(CSpec("W1").name("김철수").attend("0002"));
    addCourier(CSpec("W2").name("이영희").assigned(2).departed(1));
    addCourier(CSpec("W3").name("박민수"));
    addCourier(CSpec("W4").name("최지훈").attend("0003"));
    const int counts[kCourierCountSlots] = {1, 1, 1, 1, 2, 1, 7};
    std::copy(std::begin(counts), std::end(counts), G_WK_CNT);
    open(ControlVariant::Map);
    // At work first, then by attendance code; the array order within one code.
    EXPECT_EQ(shownRows(), (QStringList{"W2", "W3"}));  // 대기 and 운행 pressed at first
    EXPECT_EQ(core->couriers().courierCodes(), (QStringList{"W1", "W2", "W3", "W4"}));
    EXPECT_EQ(cell("W1", Dvry::ATTEND_VIEW).toString(), QStringLiteral("퇴근"));
    EXPECT_EQ(cell("W2", Dvry::ATTEND_VIEW).toString(), QStringLiteral("운행"));
    EXPECT_EQ(cell("W3", Dvry::ATTEND_VIEW).toString(), QStringLiteral("대기"));
    EXPECT_EQ(cell("W4", Dvry::ATTEND_VIEW).toString(), QStringLiteral("휴식"));
    EXPECT_EQ(QString(G_MY_WORKER.MyWorkerArray.find("W2")->WkCntMsg), QStringLiteral("2/1"));
    EXPECT_EQ(cell("W2", Dvry::WK_TEL).toString(), QStringLiteral("010-1234-5678"));
    const CourierCounters c = core->counters();
    EXPECT_EQ(c.all, 4);
    EXPECT_EQ(c.assigned, 2);
    EXPECT_EQ(c.completed, 7);

    core->courierInputs.buttons.allClicked(true);
    core->proc_wk_filter();
    EXPECT_EQ(shownRows(), (QStringList{"W2", "W3", "W1", "W4"}));

    // Row colours: off work grey, carrying orders green, else white.
    const GridTableModel &m = core->couriers().model();
    EXPECT_EQ(core->couriers().rowColour(m.findRecord("W1")), std::optional<TColor>(ColorFromRgb(0xC0, 0xC0, 0xC0)));
    EXPECT_EQ(core->couriers().rowColour(m.findRecord("W2")), std::optional<TColor>(ColorFromRgb(0x95, 0xED, 0x6E)));
    EXPECT_EQ(core->couriers().rowColour(m.findRecord("W3")), std::optional<TColor>(clWhite));
}

TEST_F(CourierBoardTest, CourierListQueueUpdatesAndAppendsAndMarksChangedCounts)
{
    addCourier(CSpec("W1").name("김철수"));
    open(ControlVariant::Map);
    G_SL_WK_CHG[3].clear();
    TMyWorker &w1 = *G_MY_WORKER.MyWorkerArray.find("W1");
    w1.Wk3001Cnt = 1;
    w1.WkAttendWorkWait = 2;
    addCourier(CSpec("W9").name("신입").branch("BR2"));
    G_SL_WK_CHG[2].append("W1");
    G_SL_WK_CHG[2].append("W9");
    G_SL_WK_CHG[2].append("GONE");
    DispatchControlScreens::Instance().attach(core.get());
    DispatchControlScreens::Instance().proc_WorkReadInfo(IControlScreens::MapScreen);
    DispatchControlScreens::Instance().detach(core.get());
    EXPECT_TRUE(G_SL_WK_CHG[2].isEmpty());
    EXPECT_EQ(core->couriers().courierCodes(), (QStringList{"W1", "W9"}));
    EXPECT_EQ(cell("W1", Dvry::ATTEND_VIEW).toString(), QStringLiteral("운행"));
    // The newcomer's row is whole, so the branch filter treats it like the others.
    EXPECT_EQ(cell("W9", Dvry::BR_CODE).toString(), QStringLiteral("BR2"));
    EXPECT_EQ(cell("W9", Dvry::VIEW).toString(), QStringLiteral("1"));
    core->proc_wk_filter();
    EXPECT_FALSE(core->couriers().shown("W9"));
    EXPECT_TRUE(G_SL_WK_CHG[3].contains("W1"));
    EXPECT_EQ(QString(w1.WkCntMsg), QStringLiteral("1/0"));
}

TEST_F(CourierBoardTest, OrderQueueRecountsKnownCouriersAndDropsTheRest)
{
    TMyWorker &w = addCourier(CSpec("W1").name("김철수"));
    open(ControlVariant::Map);
    w.Wk3001Cnt = 3;
    G_SL_WK_CHG[1].append("W1");
    G_SL_WK_CHG[1].append("NOROW");
    core->proc_WorkChangeInfo();
    EXPECT_EQ(cell("W1", Dvry::STATUS_3001).toInt(), 3);
    EXPECT_TRUE(G_SL_WK_CHG[1].isEmpty());
    EXPECT_EQ(CourierBoard::CountText(w), QStringLiteral("3/0"));
    EXPECT_EQ(ControlScreenCore::CourierLabel("W1"), QStringLiteral("김철수 3/0"));
}

struct StatusCase
{
    const char *name;
    bool wait, drive, rest, out;
    ControlVariant variant;
    QStringList shown;
};

TEST_F(CourierBoardTest, StatusButtonsNameSearchAndBranches)
{
    const StatusCase cases[] = {
        {"waiting", true, false, false, false, ControlVariant::Map, {"W3"}},
        {"driving", false, true, false, false, ControlVariant::Map, {"W2"}},
        {"resting by code", false, false, true, false, ControlVariant::Map, {"W4"}},
        {"resting by name on the order screen", false, false, true, false, ControlVariant::OrderCentred, {"W4"}},
        {"left work", false, false, false, true, ControlVariant::Courier, {"W1"}},
        {"none pressed shows all", false, false, false, false, ControlVariant::Courier, {"W2", "W3", "W1", "W4"}},
    };
    for (const StatusCase &sc : cases) {
        SCOPED_TRACE(sc.name);
        resetDispatchWorld();
        addCourier(CSpec("W1").name("김철수").attend("0002"));
        addCourier(CSpec("W2").name("이영희").assigned(1));
        addCourier(CSpec("W3").name("박민수"));
        addCourier(CSpec("W4").name("최지훈").attend("0003"));
        addCourier(CSpec("W5").name("다른총판").branch("BR2"));
        addCourier(CSpec("W6").name("퇴사자").dataStatus("0"));
        open(sc.variant);
        core->courierInputs.buttons = {false, sc.drive, sc.wait, sc.rest, sc.out};
        core->proc_wk_filter();
        QStringList shown = shownRows();
        if (sc.variant == ControlVariant::OrderCentred)
            shown.removeAll("W6");  // the order screen does not filter by data status
        EXPECT_EQ(shown, sc.shown);
    }
    // The name search, and the courier screen's phone number in the name cell.
    core->courierInputs.nameText = QStringLiteral("1234");
    core->proc_wk_filter();
    EXPECT_EQ(shownRows().size(), 4);
    core->courierInputs.nameText = QStringLiteral("박민");
    core->proc_wk_filter();
    EXPECT_EQ(shownRows(), QStringList{"W3"});
}

TEST_F(CourierBoardTest, StatusButtonAllFollowsTheFour)
{
    CourierStatusButtons b = CourierStatusButtons::Initial(ControlVariant::Map);
    EXPECT_TRUE(b.wait && b.drive && !b.rest && !b.out && !b.all);
    EXPECT_TRUE(CourierStatusButtons::Initial(ControlVariant::Courier).rest);
    b.rest = b.out = true;
    b.oneClicked();
    EXPECT_TRUE(b.all);
    b.allClicked(false);
    EXPECT_FALSE(b.wait || b.drive || b.rest || b.out);
}

TEST_F(CourierBoardTest, MapVisibilityAndCourierRadius)
{
    TMyWorker &idle = addCourier(CSpec("W1").name("김철수"));
    idle.WkLanX = "127.00227";
    idle.WkLatY = "37.5";
    TMyWorker &resting = addCourier(CSpec("W2").name("최지훈").attend("0003"));
    CourierFilterInputs in;
    in.branchCodes = {"BR1"};
    CourierBoard board(ControlVariant::Map);
    EXPECT_TRUE(CourierOnMap(idle, board.attendText(idle), in));
    // Resting couriers are not at work, so never on the map, button or not.
    in.buttons.rest = true;
    EXPECT_FALSE(CourierOnMap(resting, QStringLiteral("휴식"), in));
    in.buttons.allClicked(false);
    EXPECT_FALSE(CourierOnMap(idle, board.attendText(idle), in));

    // "100m" is two steps: the box edge is inclusive.
    RadiusBox box{127.0, 37.5, 2};
    EXPECT_TRUE(CourierNear(idle, box));
    idle.WkLanX = "127.0023";
    EXPECT_FALSE(CourierNear(idle, box));
    EXPECT_TRUE(CourierNear(idle, RadiusBox{127.0, 37.5, 0}));
    // With orders, an assigned order counts by its store, a departed one by its destination.
    auto o = order(OrderSketch("A").status("3001").lng("127.001").lat("37.5"));
    o->set(A1::EA_LNG_X, QStringLiteral("128.0"));
    giveOrder(idle, o);
    EXPECT_TRUE(CourierNear(idle, box));
    o->set(A1::ORD_STATUS_CD, QStringLiteral("3003"));
    EXPECT_FALSE(CourierNear(idle, box));
}

TEST_F(CourierBoardTest, MapScreenMarksAndDropsAnInvisibleSelection)
{
    addCourier(CSpec("W1").name("김철수"));
    addCourier(CSpec("W2").name("이영희").assigned(1));
    open(ControlVariant::Map);
    EXPECT_EQ(QString(G_MY_WORKER.MyWorkerArray.find("W1")->WkMapMark2), QStringLiteral("S"));
    EXPECT_EQ(core->courierClicked("W1", false), ControlScreenCore::Click::Selected);
    EXPECT_EQ(cell("W1", Dvry::CHK).toString(), QStringLiteral("Y"));
    core->courierInputs.buttons.wait = false;
    core->proc_wk_filter();
    EXPECT_EQ(QString(G_MY_WORKER.MyWorkerArray.find("W1")->WkMapMark2), QStringLiteral("H"));
    EXPECT_TRUE(G_SL_WK_CHG[3].contains("W1"));
    EXPECT_TRUE(core->selectedCourier().isEmpty());
}

TEST_F(CourierBoardTest, SelectionClicksPerScreen)
{
    for (ControlVariant v : {ControlVariant::Map, ControlVariant::Courier, ControlVariant::OrderCentred}) {
        SCOPED_TRACE(int(v));
        resetDispatchWorld();
        boxes.clear();
        TMyWorker &w = addCourier(CSpec("W1").name("김철수").assigned(1));
        giveOrder(w, order(OrderSketch("A").status("3001")));
        giveOrder(w, order(OrderSketch("B").status("4001")));
        addCourier(CSpec("W2").name("최지훈").attend("0003"));
        open(v);
        using C = ControlScreenCore::Click;
        EXPECT_EQ(core->courierClicked("W1", false), C::Selected);
        EXPECT_EQ(core->strip().rowCount(), 1);  // the assigned order; the completed one is not shown
        // A courier not at work is refused and the selection stays.
        EXPECT_EQ(core->courierClicked("W2", false), C::Refused);
        EXPECT_EQ(boxes, QStringList{QStringLiteral("I 출근된 기사가 아닙니다.")});
        EXPECT_EQ(core->selectedCourier(), QStringLiteral("W1"));
        // The same courier again: the map screen deselects, the others select again.
        const C again = core->courierClicked("W1", false);
        EXPECT_EQ(again, v == ControlVariant::Map ? C::Deselected : C::Selected);
        EXPECT_EQ(core->strip().rowCount(), v == ControlVariant::Map ? 0 : 1);
        EXPECT_EQ(core->strip().height(), v == ControlVariant::Map ? 1 : 29);
        // A right click opens the menu only, except on the map screen where it also selects.
        const C right = core->courierClicked("W1", true);
        EXPECT_EQ(right, v == ControlVariant::Map ? C::Selected : C::MenuOnly);
        EXPECT_EQ(core->menuCourier(), QStringLiteral("W1"));
    }
}

TEST_F(CourierBoardTest, MapSearchSelectsTheFirstMatchThenDeselects)
{
    addCourier(CSpec("W1").name("김철수"));
    addCourier(CSpec("W2").name("김영희"));
    open(ControlVariant::Map);
    core->courierInputs.nameText = QStringLiteral("김");
    core->searchCourier();
    EXPECT_EQ(core->selectedCourier(), QStringLiteral("W1"));
    core->searchCourier();
    EXPECT_TRUE(core->selectedCourier().isEmpty());
    core->courierInputs.nameText = QStringLiteral("  ");
    core->searchCourier();
    EXPECT_EQ(core->courierInputs.nameText, core->policy().nameHint);
}

TEST_F(CourierBoardTest, CardSlotsTakeNewestFirstByStatusPass)
{
    TMyWorker &w = addCourier(CSpec("W1").name("김철수").assigned(5).departed(2));
    for (int i = 1; i <= 5; ++i)
        giveOrder(w, order(OrderSketch(QStringLiteral("A%1").arg(i)).status("3001").addr(QStringLiteral("배차%1").arg(i)).waited(i)));
    giveOrder(w, order(OrderSketch("D1").status("3003").addr("출발1").waited(120)));
    giveOrder(w, order(OrderSketch("D2").status("3003").addr("출발2")));
    auto done = order(OrderSketch("F1").status("4001").addr("완료1"));
    giveOrder(w, done);
    open(ControlVariant::OrderCentred);
    auto slotAddrs = [this] {
        QStringList out;
        for (int s = 0; s < Dvry::kSlots; ++s)
            out << cell("W1", Dvry::slotAddr(s)).toString().trimmed();
        return out;
    };
    EXPECT_EQ(slotAddrs(), (QStringList{"배차5", "배차4", "배차3", "배차2", "배차1", "출발2", "출발1", "", ""}));
    EXPECT_EQ(cell("W1", Dvry::slotTime(0)).toString(), QStringLiteral("05"));
    EXPECT_EQ(cell("W1", Dvry::slotTime(6)).toString(), QStringLiteral("99+"));
    EXPECT_EQ(cell("W1", Dvry::slotStatus(5)).toString(), QStringLiteral("3003"));
    EXPECT_EQ(cell("W1", Dvry::LAST_ADDR).toString().trimmed(), QStringLiteral("완료1"));
    EXPECT_EQ(cell("W1", Dvry::CARD_DVRY_CNT).toString(), QStringLiteral("5/2"));

    core->cardSlots = {false, true, true};
    core->proc_WorkEAddrChange();
    EXPECT_EQ(slotAddrs(), (QStringList{"출발2", "출발1", "완료1", "", "", "", "", "", ""}));
    EXPECT_TRUE(cell("W1", Dvry::slotTime(2)).toString().isEmpty());  // a completed order has no time

    for (int i = 0; i < 8; ++i)
        giveOrder(w, order(OrderSketch(QStringLiteral("X%1").arg(i)).status("3003")));
    core->proc_WorkEAddrChange();
    EXPECT_FALSE(cell("W1", Dvry::slotAddr(8)).toString().isEmpty());

    EXPECT_EQ(CardSlotCount(QStringLiteral("5")), 5);
    EXPECT_EQ(CardSlotCount(QStringLiteral("x")), 3);
}
} // namespace
