// The order-page poll's cadence, driven tick by tick with a manual tick source.

#include "orders/order_poller.h"

#include "common/program_globals.h"
#include "link/link_state.h"

#include <gtest/gtest.h>

#include <QMap>

#include <functional>
#include <stdexcept>

namespace
{
using Ticks = QList<int>;

// A poll whose every duty writes down the tick it ran in.
struct PollRig
{
    ManualTickSource source;
    OrderPoller poller{&source};
    int tick = 0;
    QMap<QString, Ticks> ran;
    QStringList logged;
    bool liveTab = true, storeTab = true, sameDayTab = true, hubTab = true, dropDown = false;

    PollRig()
    {
        auto note = [this](const QString &name) { return [this, name] { ran[name] << tick; }; };
        OrderPoller::Hooks &h = poller.hooks;
        h.liveTabVisible = [this] { return liveTab; };
        h.storeTabVisible = [this] { return storeTab; };
        h.sameDayTabVisible = [this] { return sameDayTab; };
        h.logisticsTabVisible = [this] { return hubTab; };
        h.selectionOpen = [this] { return dropDown; };
        h.sameDayKind = [] { return QStringLiteral("1"); };
        h.courierList = note("courier");
        h.liveOrders = note("live");
        h.storeOrders = note("store");
        h.sameDay = [this](const QString &) { ran["sameday"] << tick; };
        h.logistics = note("hub");
        h.storeStates = note("states");
        h.cash = note("cash");
        h.deliveryGroupInfo = note("dvry");
        h.deliveryGroupDisplay = note("dvryBar");
        // A finished request resets the idle count, as the link does.
        h.keepAlive = [this] {
            ran["keepAlive"] << tick;
            G_IDLE_TICKS = 0;
        };
        // The check resets its counter itself, as the message center does.
        h.messageCheck = [this] {
            ran["messages"] << tick;
            messageCounter = -1;
        };
        h.reconnect = note("reconnect");
        h.tickerStep = note("ticker");
        h.log = [this](const QString &l) { logged << l; };
        poller.setMessageCounter(&messageCounter);
        poller.setDeliveryGroupCounter(&dvryCounter);
        poller.start();
    }

    void run(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            ++tick;
            source.advance(1000);
        }
    }

    int messageCounter = -1;
    int dvryCounter = -1;
};

class OrderPollerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetLinkState();
        G_CONNECTED = true;
        G_REINIT_DONE = true;
        G_IDLE_TICKS = 0;
    }
    void TearDown() override
    {
        ResetLinkState();
        G_REINIT_DONE = false;
    }
};

Ticks every(int first, int step, int last)
{
    Ticks t;
    for (int i = first; i <= last; i += step)
        t << i;
    return t;
}
} // namespace

TEST_F(OrderPollerTest, CadenceTable)
{
    struct Case
    {
        const char *name;
        int ticks;
        std::function<void(PollRig &)> setUp;
        QMap<QString, Ticks> expected;  // duties not named here must not run at all
        QStringList ignored;            // duties this case does not look at
    };
    const QStringList periodic = {"dvry", "dvryBar", "messages", "keepAlive", "ticker", "cash"};
    const Case cases[] = {
        {"boards, couriers and store states on every third tick", 9, {},
         {{"courier", {3, 6, 9}}, {"live", {3, 6, 9}}, {"store", {3, 6, 9}}, {"sameday", {3, 6, 9}},
          {"hub", {3, 6, 9}}, {"states", {3, 6, 9}}},
         periodic},
        {"hidden tabs are never polled", 9,
         [](PollRig &r) { r.liveTab = r.storeTab = r.sameDayTab = r.hubTab = false; },
         {{"courier", {3, 6, 9}}, {"states", {3, 6, 9}}},
         periodic},
        {"only the shown store tab", 6, [](PollRig &r) { r.liveTab = r.sameDayTab = r.hubTab = false; },
         {{"courier", {3, 6}}, {"store", {3, 6}}, {"states", {3, 6}}},
         periodic},
        {"an open drop-down skips the order pages only", 9, [](PollRig &r) { r.dropDown = true; },
         {{"courier", {3, 6, 9}}, {"states", {3, 6, 9}}},
         periodic},
        {"a user without a same-day kind gets no same-day load", 3,
         [](PollRig &r) { r.poller.hooks.sameDayKind = [] { return QString(); }; },
         {{"courier", {3}}, {"live", {3}}, {"store", {3}}, {"hub", {3}}, {"states", {3}}},
         periodic},
        {"cash on every 60th tick", 120, {}, {{"cash", {60, 120}}},
         {"courier", "live", "store", "sameday", "hub", "states", "dvry", "dvryBar", "messages", "keepAlive", "ticker"}},
        {"delivery-group information first on tick 11, then every 10th", 41, {},
         {{"dvry", {11, 21, 31, 41}}, {"dvryBar", {11, 21, 31, 41}}},
         {"courier", "live", "store", "sameday", "hub", "states", "messages", "keepAlive", "ticker", "cash"}},
        {"the server's periods are followed", 12,
         [](PollRig &) {
             G_DVRY_INFO_TICKS = 3;
             G_MSG_CHK_TICKS = 4;
         },
         {{"dvry", {4, 7, 10}}, {"dvryBar", {4, 7, 10}}, {"messages", {5, 10}}},
         {"courier", "live", "store", "sameday", "hub", "states", "keepAlive", "ticker", "cash"}},
        {"messages on every sixth tick: a check counts again from -1", 21, {}, {{"messages", {6, 12, 18}}},
         {"courier", "live", "store", "sameday", "hub", "states", "dvry", "dvryBar", "keepAlive", "ticker", "cash"}},
        {"a check from elsewhere restarts the message count", 12,
         [](PollRig &r) {
             r.poller.hooks.courierList = [&r] {
                 if (r.tick == 3)
                     r.messageCounter = -1;  // the start-up or a notice ran a check
             };
         },
         {{"messages", {9}}},
         {"courier", "live", "store", "sameday", "hub", "states", "dvry", "dvryBar", "keepAlive", "ticker", "cash"}},
        {"keep-alive only after 61 idle ticks, then every 61", 122, {}, {{"keepAlive", {61, 122}}},
         {"courier", "live", "store", "sameday", "hub", "states", "dvry", "dvryBar", "messages", "ticker", "cash"}},
        {"a finished request puts the keep-alive off", 100,
         [](PollRig &r) {
             r.poller.hooks.cash = [] { G_IDLE_TICKS = 0; };  // tick 60's cash load got its reply
         },
         {{"keepAlive", {}}},
         {"courier", "live", "store", "sameday", "hub", "states", "dvry", "dvryBar", "messages", "ticker"}},
        {"nothing at all before the initialization is done", 30, [](PollRig &) { G_REINIT_DONE = false; }, {},
         {}},
        {"link down: a connect every fifth tick and the ticker every tick", 15,
         [](PollRig &) { G_CONNECTED = false; },
         {{"reconnect", {5, 10, 15}}, {"ticker", every(1, 1, 15)}},
         {}},
    };
    for (const Case &c : cases) {
        ResetLinkState();
        G_CONNECTED = true;
        G_REINIT_DONE = true;
        PollRig rig;
        if (c.setUp)
            c.setUp(rig);
        rig.run(c.ticks);
        for (auto it = c.expected.begin(); it != c.expected.end(); ++it)
            EXPECT_EQ(rig.ran.value(it.key()), it.value()) << c.name << ": " << it.key().toStdString();
        for (auto it = rig.ran.begin(); it != rig.ran.end(); ++it)
            if (!c.expected.contains(it.key()) && !c.ignored.contains(it.key()))
                ADD_FAILURE() << c.name << ": " << it.key().toStdString() << " ran on " << it.value().size()
                              << " ticks";
        EXPECT_TRUE(rig.poller.isActive()) << c.name;
    }
}

TEST_F(OrderPollerTest, NoReplyMidCycleReconnectsOnTheFifthTickAndPollingResumes)
{
    PollRig rig;
    // Tick 3's live load gets no reply: the loader marks the link down and re-arms the poll.
    rig.poller.hooks.liveOrders = [&rig] {
        rig.ran["live"] << rig.tick;
        if (rig.tick == 3) {
            G_CONNECTED = false;
            rig.poller.rearm();
        }
    };
    rig.poller.hooks.reconnect = [&rig] {
        rig.ran["reconnect"] << rig.tick;
        G_CONNECTED = true;  // the connect event
    };
    rig.run(14);
    EXPECT_EQ(rig.ran.value("reconnect"), Ticks({8}));
    EXPECT_EQ(rig.ran.value("live"), Ticks({3, 11, 14}));
    EXPECT_EQ(rig.ran.value("ticker"), every(1, 1, 14));
}

TEST_F(OrderPollerTest, TimerIsOffDuringItsTickAndOnAfter)
{
    PollRig rig;
    QList<bool> activeInside;
    rig.poller.hooks.courierList = [&] { activeInside << rig.poller.TMR_SEARCH.isActive(); };
    rig.run(3);
    EXPECT_EQ(activeInside, QList<bool>{false});
    EXPECT_TRUE(rig.poller.TMR_SEARCH.isActive());

    // A loader finishing inside the tick does not start a second tick before this one ends.
    rig.poller.hooks.courierList = [&] {
        rig.poller.rearm();
        activeInside << rig.poller.TMR_SEARCH.isActive();
    };
    rig.run(3);
    EXPECT_EQ(activeInside, (QList<bool>{false, false}));
    EXPECT_TRUE(rig.poller.TMR_SEARCH.isActive());

    // Switched off by its owner during the tick (the screen closing): it stays off.
    rig.poller.hooks.courierList = [&] { rig.poller.stop(); };
    rig.run(3);
    EXPECT_FALSE(rig.poller.isActive());
    EXPECT_FALSE(rig.poller.TMR_SEARCH.isActive());
    const int before = rig.ran.value("ticker").size();
    rig.run(5);
    EXPECT_EQ(rig.ran.value("ticker").size(), before);
}

TEST_F(OrderPollerTest, FailingDeliveryGroupRefreshWaitsAWholePeriod)
{
    PollRig rig;
    rig.poller.hooks.deliveryGroupInfo = [&rig] {
        rig.ran["dvry"] << rig.tick;
        throw std::runtime_error("no groups");
    };
    rig.run(31);
    EXPECT_EQ(rig.ran.value("dvry"), Ticks({11, 21, 31}));
    EXPECT_TRUE(rig.ran.value("dvryBar").isEmpty());
    EXPECT_EQ(rig.logged.count(QStringLiteral("TMR_SEARCHTimer FRM_MAIN.proc_Dvry_info Err:no groups")), 3);
    // The tick went on after the failure.
    EXPECT_EQ(rig.ran.value("messages"), Ticks({6, 12, 18, 24, 30}));
}

TEST_F(OrderPollerTest, FailingMessageCheckIsLoggedAndCountsAgain)
{
    PollRig rig;
    rig.poller.hooks.messageCheck = [&rig] {
        rig.ran["messages"] << rig.tick;
        throw std::runtime_error("closed");
    };
    rig.run(12);
    EXPECT_EQ(rig.ran.value("messages"), Ticks({6, 12}));
    EXPECT_TRUE(rig.logged.contains(QStringLiteral("TMR_SEARCHTimer FRM_MAIN.proc_CHECK_Message Err:closed")));
}

TEST_F(OrderPollerTest, ElapsedTimeRefreshEveryTenthTickOnlyOnceSwitchedOn)
{
    PollRig rig;
    Ticks refreshed;
    rig.poller.hooks.refreshElapsed = [&] { refreshed << rig.tick; };
    rig.run(25);
    EXPECT_TRUE(refreshed.isEmpty()) << "not before the first live load";
    rig.poller.setPassTimeEnabled(true);
    rig.run(25);
    EXPECT_EQ(refreshed, Ticks({35, 45}));
    // A live load switches it off while it runs and on again (count from 0) when it ends.
    rig.poller.setPassTimeEnabled(false);
    rig.run(3);
    rig.poller.setPassTimeEnabled(true);
    rig.run(12);
    EXPECT_EQ(refreshed, Ticks({35, 45, 63}));
}

TEST(SameDayKind, ByUserTypeAndSameDayTypes)
{
    struct Case
    {
        const char *type;
        int normal, gansun, jisun;
        const char *kind;
    };
    const Case cases[] = {
        {"7000", 0, 0, 0, "1"}, {"7001", 1, 1, 1, "1"}, {"5000", 1, 0, 0, "1"}, {"5000", 1, 1, 0, "3"},
        {"5000", 1, 0, 1, "3"}, {"5000", 0, 1, 0, "2"}, {"5000", 0, 0, 1, "2"}, {"5000", 0, 0, 0, ""},
        {"5000", 2, 0, 0, ""},  {"1000", 1, 1, 1, ""},  {"", 1, 0, 0, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SameDayKind(QString::fromLatin1(c.type), c.normal, c.gansun, c.jisun), QString::fromLatin1(c.kind))
            << c.type << " " << c.normal << c.gansun << c.jisun;
}
