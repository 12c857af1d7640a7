#include "orders/order_poller.h"

#include "common/daily_log.h"
#include "common/exception_text.h"
#include "common/program_globals.h"
#include "link/link_state.h"
#include "link/server_connection.h"
#include "platform/clock.h"
#include "records/session_records.h"

#include <exception>

namespace
{
QString timeText(const QDateTime &t)
{
    return t.toString(QStringLiteral("hh:mm:ss.zzz"));
}

} // namespace

QList<PollAction> PollSchedule::tick(PollCounters &c, const PollView &v)
{
    QList<PollAction> out;
    if (!v.reinitDone)
        return out;
    ++c.searchTag;
    if (v.connected) {
        if (++c.cashTag >= 60) {
            c.cashTag = 0;
            out << PollAction::Cash;
        }
        if (c.searchTag >= 3) {
            c.searchTag = 0;
            out << PollAction::CourierList;
            if (!v.selectionOpen) {
                if (v.liveTabVisible)
                    out << PollAction::LiveOrders;
                if (v.storeTabVisible)
                    out << PollAction::StoreOrders;
                if (v.sameDayTabVisible && !v.sameDayKind.isEmpty())
                    out << PollAction::SameDay;
                if (v.logisticsTabVisible)
                    out << PollAction::Logistics;
            }
            out << PollAction::StoreStates;
        }
        if (++c.dvryInfoCnt >= v.dvryInfoTicks) {
            c.dvryInfoCnt = 0;
            out << PollAction::DeliveryGroupInfo;
        }
        if (++c.idleTicks > 60) {
            c.idleTicks = 0;
            out << PollAction::KeepAlive;
        }
        if (++c.msgChkCnt >= v.msgChkTicks) {
            // The check starts its count at -1, so the default period of 5 checks every sixth tick.
            c.msgChkCnt = -1;
            out << PollAction::MessageCheck;
        }
    } else if (c.searchTag >= 5) {
        c.searchTag = 0;
        out << PollAction::Reconnect;
    }
    out << PollAction::TickerStep;
    return out;
}

QString SameDayKind(const QString &userTypeCd, int normalType, int gansunType, int jisunType)
{
    const QChar cls = userTypeCd.isEmpty() ? QChar() : userTypeCd.at(0);
    if (cls == QLatin1Char('7'))
        return QStringLiteral("1");
    if (cls != QLatin1Char('5'))
        return {};
    const bool line = jisunType == 1 || gansunType == 1;
    if (normalType == 1)
        return line ? QStringLiteral("3") : (jisunType == 0 && gansunType == 0 ? QStringLiteral("1") : QString());
    if (normalType == 0 && line)
        return QStringLiteral("2");
    return {};
}

OrderPoller::OrderPoller(TickSource *source) : TMR_SEARCH(source), TMR_PASS_TIME(source)
{
    TMR_SEARCH.setInterval(1000);
    TMR_SEARCH.onTimeout = [this] { tick(); };
    TMR_PASS_TIME.setInterval(1000);
    TMR_PASS_TIME.onTimeout = [this] { passTimeTick(); };
}

OrderPoller::~OrderPoller() = default;

void OrderPoller::log(const QString &line) const
{
    if (hooks.log)
        hooks.log(line);
    else
        WriteLog(line);
}

void OrderPoller::start()
{
    m_enabled = true;
    if (!m_inTick)
        TMR_SEARCH.start();
}

void OrderPoller::stop()
{
    m_enabled = false;
    TMR_SEARCH.stop();
}

void OrderPoller::rearm()
{
    m_counters.searchTag = 0;
    m_enabled = true;
    // Inside a tick the tick itself switches the timer on at its end; a second tick must not
    // start while this one still runs.
    if (!m_inTick)
        TMR_SEARCH.start();
}

void OrderPoller::setPassTimeEnabled(bool on)
{
    if (on) {
        TMR_PASS_TIME.Tag = 0;
        TMR_PASS_TIME.start();
    } else {
        TMR_PASS_TIME.stop();
    }
}

PollView OrderPoller::view() const
{
    auto shown = [](const std::function<bool()> &f) { return f && f(); };
    PollView v;
    v.reinitDone = G_REINIT_DONE;
    v.connected = G_CONNECTED;
    v.selectionOpen = shown(hooks.selectionOpen);
    v.liveTabVisible = shown(hooks.liveTabVisible);
    v.storeTabVisible = shown(hooks.storeTabVisible);
    v.sameDayTabVisible = shown(hooks.sameDayTabVisible);
    v.logisticsTabVisible = shown(hooks.logisticsTabVisible);
    if (v.sameDayTabVisible)
        v.sameDayKind = hooks.sameDayKind ? hooks.sameDayKind()
                                          : SameDayKind(G_USER_INFO.USER_TYPE_CD, G_USER_INFO.SAMEDAY_NORMAL_TYPE,
                                                        G_USER_INFO.SAMEDAY_GANSUN_TYPE,
                                                        G_USER_INFO.SAMEDAY_JISUN_TYPE);
    v.dvryInfoTicks = G_DVRY_INFO_TICKS;
    v.msgChkTicks = G_MSG_CHK_TICKS;
    return v;
}

void OrderPoller::tick()
{
    // A tick that comes while another still runs (a request inside it let the event loop run)
    // is left out; the running tick switches the timer on when it ends.
    if (m_inTick || !G_REINIT_DONE)
        return;
    TMR_SEARCH.stop();
    m_inTick = true;
    try {
        const PollView v = view();
        m_counters.dvryInfoCnt = *m_dvryCount;
        m_counters.msgChkCnt = *m_msgCount;
        m_counters.idleTicks = G_IDLE_TICKS;
        const QList<PollAction> actions = PollSchedule::tick(m_counters, v);
        *m_dvryCount = m_counters.dvryInfoCnt;
        *m_msgCount = m_counters.msgChkCnt;
        G_IDLE_TICKS = m_counters.idleTicks;

        const QDateTime start = AppClock::now();
        QString trail = QStringLiteral("Step1 : ") + timeText(start);
        for (PollAction a : actions) {
            if (a == PollAction::TickerStep && v.connected) {
                WriteTimeGapOver(trail, 1, start, AppClock::now());
                if (hooks.alertTick)
                    hooks.alertTick();
            }
            run(a, v, trail);
        }
    } catch (...) {
        log(QStringLiteral("TMR_SEARCHTimer Err:") + ExceptionText(std::current_exception()));
    }
    m_inTick = false;
    if (m_enabled)
        TMR_SEARCH.start();
}

void OrderPoller::run(PollAction action, const PollView &v, QString &trail)
{
    auto call = [](const std::function<void()> &f) {
        if (f)
            f();
    };
    auto mark = [&trail](const char *step) { trail += QLatin1String(step) + timeText(AppClock::now()); };
    switch (action) {
    case PollAction::Cash:
        call(hooks.cash);
        break;
    case PollAction::CourierList:
        log(QStringLiteral("3 Sec"));
        trail = QStringLiteral("Step2 : ") + timeText(AppClock::now());
        call(hooks.courierList);
        mark(",Step6 : ");
        break;
    case PollAction::LiveOrders:
        call(hooks.liveOrders);
        break;
    case PollAction::StoreOrders:
        call(hooks.storeOrders);
        break;
    case PollAction::SameDay:
        if (hooks.sameDay)
            hooks.sameDay(v.sameDayKind);
        break;
    case PollAction::Logistics:
        call(hooks.logistics);
        break;
    case PollAction::StoreStates:
        mark(",Step7 : ");
        call(hooks.storeStates);
        mark(",Step8 : ");
        break;
    case PollAction::DeliveryGroupInfo:
        // The counter went back to 0 when the refresh was issued: a refresh that keeps failing
        // is tried again after a whole period, not on every tick.
        try {
            mark(",Step9 : ");
            call(hooks.deliveryGroupInfo);
            mark(",Step10 : ");
            call(hooks.deliveryGroupDisplay);
            mark(",Step11 : ");
        } catch (...) {
            log(QStringLiteral("TMR_SEARCHTimer FRM_MAIN.proc_Dvry_info Err:")
                + ExceptionText(std::current_exception()));
        }
        *m_dvryCount = 0;
        break;
    case PollAction::KeepAlive:
        log(QStringLiteral("Dummy Send"));
        if (hooks.keepAlive)
            hooks.keepAlive();
        else
            SendKeepAlive();
        break;
    case PollAction::MessageCheck:
        try {
            mark(",Step12 : ");
            call(hooks.messageCheck);
            mark(",Step13 : ");
        } catch (...) {
            log(QStringLiteral("TMR_SEARCHTimer FRM_MAIN.proc_CHECK_Message Err:")
                + ExceptionText(std::current_exception()));
        }
        break;
    case PollAction::Reconnect:
        if (hooks.reconnect)
            hooks.reconnect();
        else if (G_TCP_CLIENT)
            ConnectServer(G_TCP_CLIENT, G_SERVER_HOST, G_SERVER_PORT, kConnectTimeoutMs);
        break;
    case PollAction::TickerStep:
        try {
            call(hooks.tickerStep);
        } catch (...) {
            log(QStringLiteral("TMR_SEARCHTimer Err:") + ExceptionText(std::current_exception()));
        }
        break;
    }
}

void OrderPoller::passTimeTick()
{
    TMR_PASS_TIME.stop();
    if (++TMR_PASS_TIME.Tag >= 10) {
        TMR_PASS_TIME.Tag = 0;
        try {
            if (hooks.refreshElapsed)
                hooks.refreshElapsed();
        } catch (...) {
            log(QStringLiteral("TMR_PASS_TIMETimer ") + ExceptionText(std::current_exception()));
        }
    }
    TMR_PASS_TIME.start();
}
