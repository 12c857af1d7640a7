// The first fill of the courier-control screens' waiting-order grid.

#include "order_test_support.h"

#include "orders/control_ready_orders.h"

using namespace ordertest;

namespace
{
class Screens : public RecordingScreens
{
public:
    void clearWaitingRows(Screen s) override
    {
        waiting[s].clear();
        calls.append(QStringLiteral("clear"));
    }
    void beginWaitingUpdate(Screen) override { calls.append(QStringLiteral("begin")); }
    void endWaitingUpdate(Screen) override { calls.append(QStringLiteral("end")); }
};

TA1Orders orders(const QList<QPair<QString, QString>> &numberAndStatus)
{
    TA1Orders list;
    for (const auto &[no, status] : numberAndStatus) {
        auto o = std::make_shared<TA1ORDER>();
        EXPECT_TRUE(proc_SetA1OrderFromRow(*o, liveRow(no, status), {}));
        list.Add(no, o);
    }
    return list;
}
} // namespace

TEST(ControlReadyOrders, FirstOpenScreenGetsItsFill)
{
    const TA1Orders waiting = orders({{"W1", "2001"}, {"W2", "3001"}, {"W3", "1002"}, {"W4", "2002"}, {"W5", "1001"}});
    const TA1Orders live = orders({{"L1", "2001"}, {"L2", "2002"}, {"L3", "3003"}, {"W1", "2001"}});
    struct Case
    {
        const char *name;
        int open;  // bit per screen: 1 list, 2 map, 4 order
        QMap<QString, QString> before;  // rows the open screen already shows
        IControlScreens::Screen filled;
        QStringList rows;
        QStringList calls;
    };
    const Case cases[] = {
        {"map screen: rebuilt from the waiting orders", 2 | 1, {{"OLD", ""}}, IControlScreens::MapScreen,
         {"W1", "W3", "W4"},
         {"begin", "clear", "add:W1", "update:W1", "add:W3", "update:W3", "add:W4", "update:W4", "end"}},
        {"list screen alone: the same", 1, {{"OLD", ""}}, IControlScreens::ListScreen, {"W1", "W3", "W4"},
         {"begin", "clear", "add:W1", "update:W1", "add:W3", "update:W3", "add:W4", "update:W4", "end"}},
        {"order screen: only its rows refreshed from the live board", 4, {{"L2", ""}, {"L3", ""}, {"X9", ""}},
         IControlScreens::OrderScreen, {"L2", "L3", "X9"}, {"begin", "update:L2", "end"}},
        {"no screen open: nothing", 0, {}, IControlScreens::ListScreen, {}, {}},
    };
    for (const Case &c : cases) {
        Screens s;
        for (int i = 0; i < 3; ++i)
            s.open[i] = c.open & (i == IControlScreens::ListScreen ? 1 : i == IControlScreens::MapScreen ? 2 : 4);
        s.waiting[c.filled] = c.before;
        FillControlReadyOrders(s, waiting, live);
        EXPECT_EQ(s.waiting.value(c.filled).keys(), c.rows) << c.name;
        EXPECT_EQ(s.calls, c.calls) << c.name;
    }
}
