#pragma once

#include "common/tick_source.h"

#include <QList>
#include <QString>

#include <functional>

// What one tick of the order-page poll runs, in the order it runs them.
enum class PollAction
{
    Cash,               // every 60th connected tick
    CourierList,        // the three-tick cycle: "3 Sec" and the courier list ...
    LiveOrders,         // ... the boards whose tab is shown (none while a drop-down is open) ...
    StoreOrders,
    SameDay,
    Logistics,
    StoreStates,        // ... and the store connection states
    DeliveryGroupInfo,  // when its counter reached its period (then the information bar)
    KeepAlive,          // after more than 60 idle ticks
    MessageCheck,       // when its counter reached its period
    Reconnect,          // every fifth tick while the link is down
    TickerStep,         // every tick once initialized
};

// The counters the poll keeps between ticks.
struct PollCounters
{
    int searchTag = 0;     // ticks of the three-tick cycle (the reconnect's five while down)
    int cashTag = 0;       // ticks of the 60-tick cash cycle
    int dvryInfoCnt = -1;  // ticks since the delivery-group information
    int msgChkCnt = -1;    // ticks since the message check
    int idleTicks = 0;     // connected ticks since the last finished request
};

// What a tick reads besides its counters.
struct PollView
{
    bool reinitDone = false;
    bool connected = false;
    bool selectionOpen = false;  // a selection drop-down of the board is open
    bool liveTabVisible = false;
    bool storeTabVisible = false;
    bool sameDayTabVisible = false;
    bool logisticsTabVisible = false;
    QString sameDayKind;         // empty: this user gets no same-day load
    int dvryInfoTicks = 10;
    int msgChkTicks = 5;
};

// The cadence of the poll as a pure rule: given the counters and what the tick sees, the actions
// of this tick. The counters are moved on as the tick moves them; a delivery-group refresh, a
// message check and a keep-alive set their counter back when they are issued, whether they then
// succeed or not, so a failing one is not retried on every tick.
struct PollSchedule
{
    static QList<PollAction> tick(PollCounters &c, const PollView &v);
};

// The order board's heartbeat TMR_SEARCH and the elapsed-time refresh TMR_PASS_TIME. The loads
// are hooks, so a board that is not built yet is an empty hook and the cadence is testable with a
// manual tick source. The poll ticks on while the link is down: its reconnect branch is what
// brings the link back after the server dropped it.
class OrderPoller
{
public:
    struct Hooks
    {
        // What the tick reads. An unset tab hook counts as a hidden tab.
        std::function<bool()> liveTabVisible;       // tbOrdNow
        std::function<bool()> storeTabVisible;      // tbA2Ord
        std::function<bool()> sameDayTabVisible;    // tbA3SameDay
        std::function<bool()> logisticsTabVisible;  // tbHUBSameDay
        std::function<bool()> selectionOpen;        // FCB_SELECT_MNGBR
        std::function<QString()> sameDayKind;       // default: SameDaySearchKind() of the session's user

        // The loads and steps, each run by its action.
        std::function<void()> courierList;          // proc_Dvry_List
        std::function<void()> liveOrders;           // proc_Load_Order
        std::function<void()> storeOrders;          // proc_Load_A2_Order_new
        std::function<void(const QString &kind)> sameDay;  // proc_Load_A3_SameDay
        std::function<void()> logistics;            // proc_Load_HUB_SameDay
        std::function<void()> storeStates;          // procLoadStStatus
        std::function<void()> cash;                 // proc_Load_Cash
        std::function<void()> deliveryGroupInfo;    // proc_Dvry_info
        std::function<void()> deliveryGroupDisplay; // proc_Dvry_Display (the information bar)
        std::function<void()> keepAlive;            // default: SendKeepAlive
        std::function<void()> messageCheck;         // proc_CHECK_Message(false)
        std::function<void()> reconnect;            // default: ConnectServer to the stored host
        std::function<void()> tickerStep;           // the notice ticker's step
        std::function<void()> alertTick;            // DAW_MNG.Tag++
        // TMR_PASS_TIME: the elapsed-time columns of the live board.
        std::function<void()> refreshElapsed;
        // Where log lines go (the daily log by default).
        std::function<void(const QString &)> log;
    };

    explicit OrderPoller(TickSource *source = nullptr);
    ~OrderPoller();
    OrderPoller(const OrderPoller &) = delete;
    OrderPoller &operator=(const OrderPoller &) = delete;

    Hooks hooks;

    // Where the message counter and the delivery-group counter live (the program binds the message
    // center's counter, which every check resets, and G_DVRY_INFO_CNT); by default the poll's own.
    void setMessageCounter(int *counter) { m_msgCount = counter ? counter : &m_ownMsgCount; }
    void setDeliveryGroupCounter(int *counter) { m_dvryCount = counter ? counter : &m_ownDvryCount; }

    // TMR_SEARCH on and off. stop() during a tick keeps the timer off after it.
    void start();
    void stop();
    bool isActive() const { return m_enabled; }
    // What a loader does when it finishes: the three-tick cycle starts again and the timer is on.
    void rearm();

    // TMR_PASS_TIME: on with its count at 0, or off.
    void setPassTimeEnabled(bool on);
    bool passTimeActive() const { return TMR_PASS_TIME.isActive(); }

    // One tick of each timer (what the timers run).
    void tick();
    void passTimeTick();

    int searchTag() const { return m_counters.searchTag; }
    int cashTag() const { return m_counters.cashTag; }

    ShellTimer TMR_SEARCH;
    ShellTimer TMR_PASS_TIME;

private:
    PollView view() const;
    void run(PollAction action, const PollView &v, QString &trail);
    void log(const QString &line) const;

    PollCounters m_counters;
    int m_ownMsgCount = -1;
    int *m_msgCount = &m_ownMsgCount;
    int m_ownDvryCount = -1;
    int *m_dvryCount = &m_ownDvryCount;
    bool m_enabled = false;
    bool m_inTick = false;
};
